#pragma once
// The datasets a login opens, in the one order the program opens them: the
// login window steps its progress bar through them and the benchmarks open
// them the same way.
#include <QString>

#include <functional>

class TDatabaseModule;

struct LoginHooks {
    // Before each of the 20 steps: its number from 1, the table's display
    // name, and whether it is opened (false when it is skipped).
    std::function<void(int step, const QString& label, bool opens)> step;
    // Right after the users table (the login reads its identity there).
    std::function<void()> afterUsers;
};

// Opens the login's datasets in order. A table whose "NO_<table>" key is
// set in KVARNEL_SQL is skipped; a built query is rebuilt from its select
// settings and re-opened, a table is opened through TableOpen (which
// reports a table it cannot open). The number of steps is 20.
void OpenLoginDatasets(TDatabaseModule& dm, const LoginHooks& hooks = {});
