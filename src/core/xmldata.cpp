#include "core/xmldata.h"

#include "core/textfil.h"

const QString XMLVersionName = QStringLiteral("Trelvo XMLAPI");
const QString XMLVersion = QStringLiteral("1.30");
const QString xmlencoding = QStringLiteral("iso-8859-1");

const std::array<QString, 6> NorChar = {
    QStringLiteral(u"\u00E6"), QStringLiteral(u"\u00F8"), QStringLiteral(u"\u00E5"),
    QStringLiteral(u"\u00C6"), QStringLiteral(u"\u00D8"), QStringLiteral(u"\u00C5"),
};

const std::array<QString, 6> NorCharXML = {
    QStringLiteral(u"\u00C3\u00A6"), QStringLiteral(u"\u00C3\u00B8"), QStringLiteral(u"\u00C3\u00A5"),
    QStringLiteral(u"\u00C3\u2020"), QStringLiteral(u"\u00C3\u02DC"), QStringLiteral(u"\u00C3\u2026"),
};

QString UTFtoISO(const QString& text)
{
    QString s = text;
    for (std::size_t i = 0; i < NorChar.size(); ++i)
        s.replace(NorCharXML[i], NorChar[i]);
    return s;
}

QString ISOtoUTF(const QString& text)
{
    QString s = text;
    for (std::size_t i = 0; i < NorChar.size(); ++i)
        s.replace(NorChar[i], NorCharXML[i]);
    return s;
}

void XmlMessage(int number, const QString& text)
{
    if (VerboseLogging)
        LogLine(QStringLiteral("XML: ") + QString::number(number) + QLatin1Char(' ') + text);
}
