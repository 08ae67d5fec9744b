#pragma once
// kvarnel-admin's command line, read once with QCommandLineParser: every
// option the commands know, so that a misspelt option is refused instead
// of ignored.
#include <QString>
#include <QStringList>

// Reads the program's arguments. False, with a message in error, for an
// unknown option or an option without its value.
bool ParseAdminCommandLine(const QStringList& arguments, QString* error);
// The value of --name, or def when it was not given.
QString AdminOption(const QString& name, const QString& def = QString());
// Whether --name was given.
bool AdminFlag(const QString& name);
// The command and its words, without the options ("row", "insert", …).
QStringList AdminWords();
