#include "print/accountprint.h"

#include "core/felles.h"
#include "core/sysreg.h"
#include "data/connection.h"

#include <QDateTime>

#include <memory>

namespace {

struct GroupDef {
    int above, below;  // account > above AND account < below
    const char* label;
};
constexpr GroupDef kGroups[] = {{2999, 4000, "salg"}, {3999, 5000, "varekjøp"}, {5999, 8000, "andre kostnader"}};

int accountSetting(const char* key, int fallback)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    const int v = GetRegInt(QString::fromLatin1(key));
    return v == 0 ? fallback : v;
}

// Fixed-pitch columns: number 5, name 30, amounts 12 with two decimals,
// percentages 8 with one, all with the point.
QString padRight(const QString& s, int n) { return s.left(n).leftJustified(n, QLatin1Char(' ')); }
QString amount(double x) { return DoubleToStr(12, 2, x).rightJustified(12, QLatin1Char(' ')); }
QString percent(double x) { return DoubleToStr(8, 1, x).rightJustified(8, QLatin1Char(' ')); }

const QString kHeading = QStringLiteral("nr.  tekst                                  sum    budsjett       %");

void heading()
{
    SetFontStyle(fsBold | fsUnderline);
    WriteFromLeft(0, kHeading);
    SetFontStyle(0);
    Linjened(1);
}

// One more line fits on this page; otherwise a new page with the heading.
void room(bool withHeading = true)
{
    if (!EndOfPage(2)) return;
    NextPage();
    PrintMiniHeader(QStringLiteral("Regnskap"), true);
    SetFont(QStringLiteral("Courier"), 9);
    if (withHeading) heading();
}

void line(const QString& text, bool bold = false)
{
    room();
    PrnBold(bold);
    WriteFromLeft(0, text);
    PrnBold(false);
    Linjened(1);
}

} // namespace

double IncomePercent(double part, double whole) { return whole == 0 ? 0 : part / whole * 100; }

bool ReadIncomeStatement(Connection& conn, IncomeStatement& out, QString* error)
{
    out = IncomeStatement();
    double um = 0, im = 0;
    for (const GroupDef& g : kGroups) {
        IncomeGroup group;
        group.label = QString::fromUtf8(g.label);
        auto res = conn.query(QStringLiteral("SELECT account, accountname, `sum`, budget, vatcode FROM accounts "
                                             "WHERE account>%1 AND account<%2 ORDER BY account, id")
                                  .arg(g.above)
                                  .arg(g.below));
        if (!res) {
            if (error) *error = conn.lastError();
            return false;
        }
        while (res->next()) {
            IncomeAccount a{int(res->toLongLong(0)), res->value(1), res->toDouble(2), res->toDouble(3),
                            int(res->toLongLong(4))};
            group.sum += a.sum;
            group.budget += a.budget;
            if (a.vatcode == 4) um += a.sum;
            if (a.vatcode == 1) im += a.sum;
            group.accounts.push_back(a);
        }
        out.resultSum += group.sum;
        out.resultBudget += group.budget;
        out.groups.push_back(std::move(group));
    }
    const int kford = accountSetting("PosteringKontoFordring", 1500);
    const int bank = accountSetting("PosteringKontoBank", 1921);
    const int mvao = accountSetting("PosteringKontoMVA", 2740);
    auto balance = conn.query(QStringLiteral("SELECT account, `sum` FROM accounts WHERE account>1000 AND account<3000 "
                                             "ORDER BY account, id"));
    if (!balance) {
        if (error) *error = conn.lastError();
        return false;
    }
    // The last account of each number wins, as walking the list would.
    while (balance->next()) {
        const int a = int(balance->toLongLong(0));
        const double s = balance->toDouble(1);
        if (a == kford) out.receivables = s;
        if (a == bank) out.bank = s;
        if (a == mvao) out.vatSettlement = s;
    }
    out.outputVat = um * 0.25;
    out.inputVat = im * 0.25;
    return true;
}

PrintProc PrintAccountResult(const IncomeStatement& statement)
{
    auto st = std::make_shared<IncomeStatement>(statement);
    const QString printed = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    return [st, printed] {
        const bool incY = IncYOn;
        IncYOn = false;  // lines are stepped here, after the room check
        PrintMiniHeader(QStringLiteral("Regnskap"), true);
        SetFont(QStringLiteral("Arial"), 9);
        WriteFromLeft(0, QStringLiteral("REGNSKAP I PERIODEN FRA ") + StartDato + QStringLiteral(" TIL ") + SluttDato +
                             QStringLiteral("  VALGT ÅR:") + DetteAar + QStringLiteral("  UTSKRIFT:") + printed);
        Linjened(2);
        SetFont(QStringLiteral("Courier"), 9);
        heading();
        for (const IncomeGroup& g : st->groups) {
            for (const IncomeAccount& a : g.accounts)
                line(padRight(QString::number(a.account), 5) + padRight(a.name, 30) + amount(a.sum) + amount(a.budget) +
                     percent(IncomePercent(a.sum, a.budget)));
            line(g.label.rightJustified(40, QLatin1Char(' ')) + amount(g.sum) + amount(g.budget) +
                     percent(IncomePercent(g.sum, g.budget)),
                 true);
            Linjened(1);
        }
        line(padRight(QStringLiteral("RESULTAT"), 40) + amount(st->resultSum) + amount(st->resultBudget) +
                 percent(IncomePercent(st->resultSum, st->resultBudget)),
             true);
        Linjened(1);
        // The balance part is kept together on one page.
        if (EndOfPage(12)) {
            NextPage();
            PrintMiniHeader(QStringLiteral("Regnskap"), true);
            SetFont(QStringLiteral("Courier"), 9);
        }
        const QString none(5, QLatin1Char(' '));
        auto entry = [](const char* number, const char* text, double value) {
            return padRight(QString::fromUtf8(number), 5) + padRight(QString::fromUtf8(text), 20) + amount(value);
        };
        line(none + QStringLiteral("Eiendeler"), true);
        line(entry("1500", "Kundefordringer", st->receivables));
        line(entry("1921", "Bankkonto", st->bank));
        line(none + QStringLiteral("Gjeld"), true);
        line(entry("2700", "Utgående mva", st->outputVat));
        line(entry("2710", "Inngående mva", st->inputVat));
        line(entry("2740", "Oppgjørskonto mva", st->vatSettlement));
        line(entry("", "Skyldig mva", st->vatDue()));
        Linjened(1);
        line(entry("", "EGENKAPITAL", st->equity()), true);
        IncYOn = incY;
    };
}
