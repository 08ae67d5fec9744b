#pragma once
// The KID of an invoice: made from the customer's number (`company`.`custno`)
// and the invoice number when KID is switched on and the invoice has none,
// and stored in `invoice`.`kid`. A KID already there (made earlier or
// typed) is kept.
#include "core/norsk.h"

#include <QString>

class Connection;

// Whether the database has the invoice's KID column (schema version 2).
bool HasKidColumn(Connection& c);

// The invoice's KID, made and stored first when it has none. Empty when KID
// is off and none is stored; empty with a Norwegian reason in error when
// one is needed but cannot be made (no customer number, numbers too long
// for the KID's length, the column missing, the server failing).
QString EnsureInvoiceKid(Connection& c, qint64 invoiceId, const KidSettings& settings, QString* error = nullptr);
