#include "data/invoicekid.h"

#include "core/textfil.h"
#include "data/connection.h"

bool HasKidColumn(Connection& c)
{
    return c.scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() "
                                   "AND TABLE_NAME='invoice' AND COLUMN_NAME='kid'"),
                    QStringLiteral("0")) != QLatin1String("0");
}

QString EnsureInvoiceKid(Connection& c, qint64 invoiceId, const KidSettings& settings, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QString();
    };
    if (!HasKidColumn(c)) {
        if (!settings.on) return {};
        return fail(QStringLiteral("Databasen har ikke plass til KID ennå. Oppgrader den med «kvarnel-admin upgrade»."));
    }
    auto r = c.query(QStringLiteral("SELECT i.kid, i.ordernumber, i.companyid, c.custno FROM invoice i "
                                    "LEFT JOIN company c ON c.id=i.companyid WHERE i.id=%1")
                         .arg(invoiceId));
    if (!r) return fail(DbFailure(QStringLiteral("Kan ikke lese fakturaen"), c));
    if (!r->next()) return fail(QStringLiteral("Finner ikke fakturaen."));
    const QString stored = r->value(0).trimmed();
    if (!stored.isEmpty() || !settings.on) return stored;
    const QString number = r->value(1);
    const bool hasCompany = !r->isNull(3);
    const QString custno = r->value(3);
    r.reset();
    if (!hasCompany && settings.customerDigits > 0)
        return fail(QStringLiteral("Fakturaen har ingen kunde, så KID kan ikke lages."));
    QString why;
    const QString kid = MakeKid(custno, number, settings, &why);
    if (kid.isEmpty()) return fail(why);
    // Only an invoice still without a KID gets this one: another
    // workstation may have given it one a moment ago.
    if (!c.exec(QStringLiteral("UPDATE invoice SET kid=? WHERE id=? AND kid=''"), {kid, invoiceId}))
        return fail(DbFailure(QStringLiteral("Kan ikke lagre KID"), c));
    const QString now = c.scalar(QStringLiteral("SELECT kid FROM invoice WHERE id=%1").arg(invoiceId));
    LogLine(QStringLiteral("KID %1 laget for faktura %2").arg(now, number));
    return now;
}
