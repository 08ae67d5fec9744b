#pragma once
// Reading and writing keys of a given section of the main settings file
// without disturbing whichever file and section the caller had current.

#include "core/sysreg.h"

class MainIniSection {
public:
    explicit MainIniSection(const QString& section) : user_(UsingUserIni()), old_(StdSec)
    {
        if (user_)
            SwapToMainIni();
        SetStdSec(section);
    }
    ~MainIniSection()
    {
        SetStdSec(old_);
        if (user_)
            SwapToUserIni();
    }
    MainIniSection(const MainIniSection&) = delete;
    MainIniSection& operator=(const MainIniSection&) = delete;

private:
    bool user_;
    QString old_;
};

// The same for section STANDARD of the per-user file.
class UserIniSection {
public:
    explicit UserIniSection(const QString& section = QStringLiteral("STANDARD")) : old_(StdSec)
    {
        SetStdSec(section);
    }
    ~UserIniSection() { SetStdSec(old_); }
    UserIniSection(const UserIniSection&) = delete;
    UserIniSection& operator=(const UserIniSection&) = delete;

private:
    UserIniScope scope_;
    QString old_;
};
