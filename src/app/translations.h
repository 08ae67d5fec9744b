#pragma once
// Qt's own texts (the buttons of message boxes, the file and folder
// choosers, the colour dialog) in Norwegian, from Debian's Qt translations.

class QCoreApplication;

// Installs Qt's Norwegian catalogue on app: Bokmål where the system has
// it, else Nynorsk, whose dialog words ("Ja", "Nei", "Avbryt", "Åpne") are
// the same. False, with a log line, when neither is installed; Qt then
// speaks English.
bool LoadQtTranslations(QCoreApplication& app);
