#pragma once
// The program's start-up and end.

#include "core/sysreg.h"

#include <QStringList>

class QApplication;
class TDatabaseModule;

// Steps 1 to 3 of the start-up: conversions, log and settings store, with
// the program's own temporary-file clean-up and login line. Returns the
// options read from the command line.
StartOptions StartKvarnelCore(const QStringList& arguments);

// Registers every window this build has with the window registry; the
// data module must exist.
void RegisterWindows(TDatabaseModule& dm);

// The whole run: start-up, data module, windows, the main window's event
// loop, and the end (settings written, log saved). Returns the exit code.
int RunKvarnel(QApplication& app);
