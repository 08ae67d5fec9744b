#pragma once
// Qt's own texts (the print, page set-up and file dialogs, message boxes,
// the colour dialog, the context menus of text fields) in Bokmål, and the
// Norwegian locale for month and day names.

class QCoreApplication;

// Before the application object is made: the system locale's dates and
// times (which Qt's file dialog shows: "11.12.2026 12:45", not "11 Dec")
// are Norwegian Bokmål, unless LC_ALL fixes every category. Only LC_TIME
// is set, so numbers keep their own category.
void UseNorwegianDatesInQtDialogs();

// Installs the program's own Bokmål catalogue of Qt's texts (built into
// the program) and, under it, the system's Norwegian catalogue of Qt
// (qtbase_nb, qtbase_no, else Nynorsk qtbase_nn) for any text the
// program's catalogue lacks. Makes Norwegian Bokmål (Norway) the default
// locale, so calendars and date fields name months and days in Norwegian
// whatever the environment says; numbers the program writes to SQL and
// files do not use it. False, with a log line, when the program's own
// catalogue cannot be loaded.
bool LoadQtTranslations(QCoreApplication& app);
