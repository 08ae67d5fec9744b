#pragma once
#include <QStringList>

// kvarnel-admin job to-calendar JOB-ID [--date dd.MM.yyyy]: a calendar entry
// from a standard job, as "Lag kalenderoppføring" makes it (the job's text,
// place, hours, persons and links; the calendar's rules on save), on the
// given day or today. Prints the new entry's id.
int AdminJobCommand(const QStringList& args);
