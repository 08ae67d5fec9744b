#pragma once
// The postal-code register lives below the windows, with the other
// address-book services.
#include "contacts/postnummer.h"
