#include "net/mailprogram.h"

#include <QUrl>

QStringList MailProgramNames()
{
    return {"Lotus Notes", "Microsoft Mail", "Mozilla", "Outlook", "Outlook Express", "SeaMonkey",
            "Standardprogram for operativsystemet", "Thunderbird"};
}

QString FileURL(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.startsWith(QLatin1Char('/'))) p.remove(0, 1);
    return QStringLiteral("file:///") + p;
}

QString MailtoURL(const QString& recipient, const QString& subject, const QString& body)
{
    QString url = QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(recipient.trimmed(), "@,"));
    QStringList query;
    if (!subject.isEmpty()) query << QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
    if (!body.isEmpty()) query << QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
    if (!query.isEmpty()) url += QLatin1Char('?') + query.join(QLatin1Char('&'));
    return url;
}

namespace {
// A value between single quotes in a -compose argument: a single quote of
// its own would end it, so it becomes a typographic one.
QString quoted(const QString& v)
{
    QString s = v;
    s.replace(QLatin1Char('\''), QChar(0x2019));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}
} // namespace

ProgramCall ExternalMailCall(const QString& program, const QString& recipient, const QString& subject,
                             const QString& body, const QString& attachment)
{
    const QString p = program.trimmed();
    if (p == QLatin1String("Lotus Notes")) return {QStringLiteral("notes"), {MailtoURL(recipient)}};
    if (p == QLatin1String("Mozilla") || p == QLatin1String("Thunderbird") || p == QLatin1String("SeaMonkey")) {
        QString compose = QStringLiteral("to=") + quoted(recipient.trimmed());
        if (!subject.isEmpty()) compose += QStringLiteral(",subject=") + quoted(subject);
        if (!body.isEmpty()) compose += QStringLiteral(",body=") + quoted(body);
        if (!attachment.isEmpty())
            compose += QStringLiteral(",attachment=") + quoted(p == QLatin1String("SeaMonkey") ? FileURL(attachment) : attachment);
        return {p.toLower(), {QStringLiteral("-compose"), compose}};
    }
    return {QStringLiteral("xdg-open"), {MailtoURL(recipient, subject, body)}};
}
