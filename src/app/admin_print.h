#pragma once
#include <QStringList>

// Headless printing for kvarnel-admin:
//   print order|offer|invoice|po|delivery|picking NUMBER --pdf FILE
//   print orderlist|invoicelist --pdf FILE
// with the connection options --host, --port, --socket, --user, --password
// and --database (without --host and --socket the private server), and for
// documents --heading TEXT, --no-prices, --cost (orders) and --no-zero.
// args are the program's arguments, args[1] being "print". Needs a
// QGuiApplication (the offscreen platform will do). Returns the exit code.
int AdminPrint(const QStringList& args);
