#pragma once
// Phone numbers, names and places of companies and contacts tidied in
// bulk. The phone rules are tuned to Norwegian numbers: eight digits,
// country code +47, and numbers beginning with 0 taken as already
// international or special.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Dataset;

QString pRmBlank(const QString& number);
QString pRmHyp(const QString& number);
// Groups the digits: mobile 3-2-3, fixed line 2-2-2-2; a "+" prefix of
// three characters is kept in front; a number beginning with 0 is left as
// it is.
QString pFmtPhone(const QString& number, bool mobile);
QString pAdd47(const QString& number);
QString pRm47(const QString& number);
// Lower case with the first letter of every word capitalised, Norwegian
// letters included ("ØYVIND ÅSEN" -> "Øyvind Åsen"). Words are separated
// by blanks and the characters of OrdSeperatorer.
QString FormatNavn(const QString& name);
// FormatNavn, and a trailing " as" of a company written " AS".
QString FormatFirmanavn(const QString& name);

struct FormatRules {
    bool rmBlank = false;     // "Fjern blanke i telefonnummer"
    bool rmHyphen = false;    // "Fjern bindestrek i telefonnummer"
    bool fmtPhone = false;    // "Formatér telefonnummer"
    bool add47 = false;       // "Legg til +47 på norske nummer"
    bool rm47 = false;        // "Fjern +47 på norske nummer"
    bool upperCity = false;   // "Store bokstaver på poststed"
    bool fmtName = false;     // "Formater navn"
    bool updateCity = false;  // "Oppdater poststed"
    bool any() const { return rmBlank || rmHyphen || fmtPhone || add47 || rm47 || upperCity || fmtName || updateCity; }
};

enum class FormatTarget { Companies, Contacts };

// The fields of a row a target formats: name, postal code, city, then the
// phone fields (the mobile one last for contacts).
QStringList FormatFields(FormatTarget t);

// One row's fields (in FormatFields order) after the rules; lookUpCity
// gives the place of a postal code, or a null text when there is no
// register (the city then stays as it was).
QStringList FormatValues(FormatTarget t, const FormatRules& rules, const QStringList& values,
                         const std::function<QString(const QString&)>& lookUpCity);

struct FormatChange {
    qint64 id = 0;
    QString field, before, after;
};

struct FormatResult {
    int rows = 0;          // rows looked at
    int changedRows = 0;   // rows written (or, dry run, that would be)
    QList<FormatChange> changes;
    bool noRegister = false;  // "Oppdater poststed" without a register: cities kept
    QString error;
};

// Runs the rules over every row of ds (its current filter; the rest of a
// first batch is read). Only rows that change are written, and only their
// changed columns; with dryRun nothing is written. The postal register is
// read once. progress gets rows done and the total; returning false stops.
FormatResult FormatDataset(Dataset& ds, FormatTarget t, const FormatRules& rules, bool dryRun,
                           const std::function<bool(int, int)>& progress = {});
