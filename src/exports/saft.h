#pragma once
// SAF-T Financial, the Norwegian standard audit file (version 1.30): the
// chart of accounts with opening and closing balances, the customers and
// suppliers with theirs, the VAT codes mapped to the standard tax codes,
// and the postings of a period as general-ledger transactions.
//
// How the journal becomes a ledger: a posting moves its amount (`sum`,
// without VAT) from `from_account` (debited) to `to_account` (credited),
// so it is one transaction of two lines; a negative amount turns the
// sides. The VAT of a posting goes with the line on the income or expense
// account (3000-8999; with neither or both, the debited line when the
// posting has VAT): its code is the posting's VAT code, mapped to the
// standard code by direction — output VAT for accounts marked "Utgående
// avgift" or numbered 3000-3999, input VAT otherwise — and its base and
// amount are the posting's `sum` and `vatsum`. Lines on the receivables
// account (PosteringKontoFordring) name the posting's company as customer,
// lines on accounts payable (PosteringKontoLeverandorgjeld, 2400) as
// supplier. Balances are what the postings make: an account's opening
// balance is the sum of its lines before the period, its closing balance
// that plus the period's lines. Every amount is rounded to øre where it is
// read, so the file's totals add up exactly.
//
// The postings are streamed from the server twice (once for the balances
// and totals that come first in the file, once for the transactions), in
// one consistent snapshot: memory stays the same whatever their number.
// The file is written whole or not at all.
#include <QDate>
#include <QString>

class Connection;

struct SaftOptions {
    QDate from, to;
    QString contactName;  // the person responsible (empty: "NotUsed")
};

struct SaftResult {
    bool ok = false;
    QString error;  // why nothing was written
    qint64 transactions = 0;
    int accounts = 0, customers = 0, suppliers = 0;
    qint64 totalDebitOre = 0, totalCreditOre = 0;
    qint64 skippedUndated = 0;  // postings without a date, left out (logged)
};

SaftResult WriteSaftFinancial(Connection& c, const QString& file, const SaftOptions& options);

// The standard tax code (SAF-T) of a VAT code 0-4 on an income (output)
// or expense (input) account; -1 for a code outside 0-4.
int StandardTaxCode(int vatcode, bool output);
