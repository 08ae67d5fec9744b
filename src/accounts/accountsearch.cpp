#include "accounts/accountsearch.h"

#include "data/connection.h"

#include <QRegularExpression>

#include <cmath>

QString AccountSearchCondition(const Connection* conn, const QString& text, const QStringList& textFields,
                               const QStringList& integerFields, const QStringList& numberFields)
{
    const QString t = conn ? conn->escapeLike(text) : SqlEscape(text);
    QStringList terms;
    for (const QString& f : textFields) terms << f + QStringLiteral(" like '%") + t + QStringLiteral("%'");
    static const QRegularExpression number(QStringLiteral("^-?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch()) return terms.join(QStringLiteral(" OR "));
    QString normal = trimmed;
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return terms.join(QStringLiteral(" OR "));
    const bool whole = value == std::floor(value) && std::fabs(value) <= 2147483647.0;
    if (whole)
        for (const QString& f : integerFields) terms << f + QLatin1Char('=') + QString::number(qint64(value));
    for (const QString& f : numberFields) terms << f + QLatin1Char('=') + SqlDouble(value);
    return terms.join(QStringLiteral(" OR "));
}
