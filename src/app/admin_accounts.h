#pragma once
#include <QStringList>

// kvarnel-admin print income-statement --pdf FILE: the income statement of
// the chart of accounts through the same printout as "Resultatregnskap".
int AdminIncomeStatement(const QStringList& args);
// kvarnel-admin settings get KEY | settings set KEY VALUE [--section S]: a key
// of the main settings file (section STANDARD unless --section), as the
// settings dialog reads and writes it; for rolling out workstations.
int AdminSettingsCommand(const QStringList& args);
