#pragma once
// The income statement ("Resultatregnskap"): the stored balances and
// budgets of the chart of accounts in three groups (sales, goods purchases,
// other costs) with their sums and the result, then a short balance of
// receivables, bank and VAT. The figures are the accounts' stored "sum" and
// "budget", not sums of postings.
#include "print/utskrift.h"

#include <QString>
#include <vector>

class Connection;

struct IncomeAccount {
    int account = 0;
    QString name;
    double sum = 0, budget = 0;
    int vatcode = 0;
};

struct IncomeGroup {
    QString label;
    std::vector<IncomeAccount> accounts;
    double sum = 0, budget = 0;
};

struct IncomeStatement {
    std::vector<IncomeGroup> groups;  // "salg", "varekjøp", "andre kostnader"
    double resultSum = 0, resultBudget = 0;
    double receivables = 0, bank = 0, vatSettlement = 0;  // KFORD, BANK, MVAO
    double outputVat = 0, inputVat = 0;                   // 25 % of the VAT-code 4 and 1 balances
    double vatDue() const { return outputVat + inputVat + vatSettlement; }
    double equity() const { return receivables + bank + vatDue(); }
};

// Reads the chart of accounts on conn (the account numbers of the balance
// part from the settings: PosteringKontoFordring 1500, PosteringKontoBank
// 1921, PosteringKontoMVA 2740 when 0 or missing). False when the server
// fails; error says why.
bool ReadIncomeStatement(Connection& conn, IncomeStatement& out, QString* error = nullptr);

// The printout of a statement read before, for PrintPreView.
PrintProc PrintAccountResult(const IncomeStatement& statement);

// The percentage column: part / whole * 100, 0 when whole is 0.
double IncomePercent(double part, double whole);
