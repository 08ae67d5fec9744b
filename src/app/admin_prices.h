#pragma once
#include <QStringList>

// kvarnel-admin prices update|recalculate and import pricelist|discounts,
// through the same code as "Prisoppdatering", "Importer prisliste" and
// "Importer rabattliste". Each prints one JSON object per line: what it
// changed, then one line per skipped file line.
int AdminPricesCommand(const QStringList& args);
int AdminImportCommand(const QStringList& args);
