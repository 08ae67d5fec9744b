#include "core/localzone.h"

#include <cstdlib>
#include <ctime>
#include <unistd.h>

void ReadLocalTimeZoneOnce()
{
    if (std::getenv("TZ") != nullptr) return;  // the user's own choice stands
    if (::access("/etc/localtime", R_OK) != 0) return;
    // The leading colon is the C library's "read this file"; Qt takes
    // exactly this value as the system zone as well.
    ::setenv("TZ", ":/etc/localtime", 0);
    ::tzset();
}
