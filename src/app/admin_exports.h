#pragma once
// kvarnel-admin's exports and schema upgrade:
//   export ehf FAKTURANUMMER FIL
//   export saft --from dd.MM.yyyy --to dd.MM.yyyy FIL
//   upgrade [--database D]
// with the connection options (without --host and --socket the private
// server). "export ehf" prints the invoice and needs a QGuiApplication.
#include <QStringList>

int AdminExportCommand(const QStringList& args);
int AdminUpgradeCommand(const QStringList& args);
