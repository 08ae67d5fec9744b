#pragma once
// The C library's local time zone, read once.

// Without TZ in the environment the C library looks at /etc/localtime again
// at every conversion of a local time (each date and time read from the
// database and each "today"), a file-system call each time. Setting TZ to
// that same file, when TZ is not set, makes it read the zone once; a change
// of the machine's zone is then seen at the next start. Call before any
// thread starts, first thing in main().
void ReadLocalTimeZoneOnce();
