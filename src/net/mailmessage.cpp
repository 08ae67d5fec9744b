#include "net/mailmessage.h"

#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QTimeZone>

namespace {

bool isPrintableAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

// Splits at "," and ";" outside double quotes and angle brackets.
QStringList splitList(const QString& text)
{
    QStringList items;
    QString cur;
    bool quoted = false, escaped = false;
    int angle = 0;
    for (QChar c : text) {
        if (escaped) {
            cur += c;
            escaped = false;
            continue;
        }
        if (quoted && c == QLatin1Char('\\')) {
            cur += c;
            escaped = true;
            continue;
        }
        if (c == QLatin1Char('"')) quoted = !quoted;
        else if (!quoted && c == QLatin1Char('<')) ++angle;
        else if (!quoted && c == QLatin1Char('>') && angle > 0) --angle;
        if (!quoted && angle == 0 && (c == QLatin1Char(',') || c == QLatin1Char(';'))) {
            items << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    items << cur;
    return items;
}

QString unquote(QString name)
{
    name = name.trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))) {
        QString out;
        bool esc = false;
        for (qsizetype i = 1; i + 1 < name.size(); ++i) {
            const QChar c = name[i];
            if (!esc && c == QLatin1Char('\\')) {
                esc = true;
                continue;
            }
            out += c;
            esc = false;
        }
        return out;
    }
    return name;
}

} // namespace

bool IsValidAddress(const QString& text)
{
    if (text.isEmpty() || text.size() > 254 || !isPrintableAscii(text)) return false;
    static const QString specials = QStringLiteral(" ()<>[],;:\\\"");
    for (QChar c : text)
        if (specials.contains(c)) return false;
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != text.lastIndexOf(QLatin1Char('@'))) return false;
    const QString domain = text.mid(at + 1);
    if (domain.isEmpty()) return false;
    for (const QString& label : domain.split(QLatin1Char('.')))
        if (label.isEmpty()) return false;
    return true;
}

bool ParseAddress(const QString& text, MailAddress& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    MailAddress a;
    const qsizetype lt = t.lastIndexOf(QLatin1Char('<'));
    if (lt >= 0) {
        if (!t.endsWith(QLatin1Char('>'))) return false;
        a.address = t.mid(lt + 1, t.size() - lt - 2).trimmed();
        a.name = unquote(t.left(lt));
    } else {
        a.address = t;
    }
    if (!IsValidAddress(a.address)) return false;
    out = a;
    return true;
}

bool ParseAddressList(const QString& text, QList<MailAddress>& out, QString* error)
{
    out.clear();
    QList<MailAddress> list;
    for (const QString& item : splitList(text)) {
        if (item.trimmed().isEmpty()) continue;
        MailAddress a;
        if (!ParseAddress(item, a)) {
            if (error) *error = QStringLiteral("Ugyldig epostadresse: ") + CleanHeaderText(item.trimmed());
            return false;
        }
        list << a;
    }
    if (list.isEmpty()) {
        if (error) *error = QStringLiteral("Ingen mottaker er oppgitt");
        return false;
    }
    out = list;
    return true;
}

QString CleanHeaderText(const QString& text)
{
    QString s = text;
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar(0x2028) || c == QChar(0x2029)) c = QLatin1Char(' ');
    return s;
}

QByteArray EncodeHeaderText(const QString& text)
{
    const QString clean = CleanHeaderText(text);
    if (isPrintableAscii(clean)) {
        // Plain text, folded at blanks into lines of at most 76 characters;
        // a word too long for a line of its own goes as encoded words.
        const QStringList words = clean.split(QLatin1Char(' '));
        bool fits = true;
        for (const QString& w : words) fits = fits && w.size() <= 70;
        if (fits) {
            QByteArray out, line;
            for (qsizetype i = 0; i < words.size(); ++i) {
                const QByteArray w = words[i].toLatin1();
                if (i == 0) line = w;
                else if (line.size() + 1 + w.size() <= 76) line += ' ' + w;
                else {
                    out += line + "\r\n";
                    line = ' ' + w;
                }
            }
            return out + line;
        }
    }
    // Encoded words of at most 45 bytes of UTF-8 each (60 base64 characters
    // plus the 12 of "=?UTF-8?B?" and "?="), cut only between characters.
    QByteArray out;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty()) return;
        if (!out.isEmpty()) out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < clean.size(); ++i) {
        QString one(clean[i]);
        if (clean[i].isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) one += clean[++i];
        const QByteArray bytes = one.toUtf8();
        if (chunk.size() + bytes.size() > 45) flush();
        chunk += bytes;
    }
    flush();
    return out;
}

QByteArray FormatAddress(const MailAddress& a)
{
    const QByteArray addr = a.address.toLatin1();
    const QString name = CleanHeaderText(a.name).trimmed();
    if (name.isEmpty()) return addr;
    QByteArray shown;
    if (isPrintableAscii(name)) {
        QString q = name;
        q.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
        shown = '"' + q.toLatin1() + '"';
    } else {
        shown = EncodeHeaderText(name);
    }
    return shown + " <" + addr + ">";
}

QByteArray MimeTypeOf(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    static const QHash<QString, QByteArray> types = {
        {"pdf", "application/pdf"}, {"txt", "text/plain"},        {"csv", "text/csv"},
        {"htm", "text/html"},       {"html", "text/html"},        {"jpg", "image/jpeg"},
        {"jpeg", "image/jpeg"},     {"png", "image/png"},         {"gif", "image/gif"},
        {"vcf", "text/vcard"},      {"zip", "application/zip"},   {"xml", "application/xml"},
        {"doc", "application/msword"}, {"xls", "application/vnd.ms-excel"},
    };
    return types.value(ext, "application/octet-stream");
}

QByteArray Base64Lines(const QByteArray& data)
{
    const QByteArray b = data.toBase64();
    QByteArray out;
    out.reserve(b.size() + b.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < b.size(); i += 76) out += b.mid(i, 76) + "\r\n";
    return out;
}

namespace {

QByteArray rfc2822Date(const QDateTime& dt)
{
    const QLocale c = QLocale::c();
    const int off = dt.offsetFromUtc() / 60;
    const QByteArray zone = (off < 0 ? "-" : "+") + QByteArray::number(qAbs(off) / 60).rightJustified(2, '0') +
                            QByteArray::number(qAbs(off) % 60).rightJustified(2, '0');
    return c.toString(dt, QStringLiteral("ddd, d MMM yyyy HH:mm:ss")).toLatin1() + " " + zone;
}

// A file name parameter: quoted ASCII, or RFC 2231 for anything else.
QByteArray fileNameParam(const QByteArray& key, const QString& name)
{
    const QString clean = CleanHeaderText(name);
    if (isPrintableAscii(clean) && !clean.contains(QLatin1Char('"')) && !clean.contains(QLatin1Char('\\')))
        return key + "=\"" + clean.toLatin1() + "\"";
    return key + "*=UTF-8''" + clean.toUtf8().toPercentEncoding();
}

// Line ends of the body made CR LF.
QByteArray crlfText(const QString& text)
{
    QByteArray b = text.toUtf8();
    b.replace("\r\n", "\n");
    b.replace('\r', '\n');
    b.replace("\n", "\r\n");
    return b;
}

} // namespace

QByteArray BuildMimeMessage(const MailMessage& m, const QDateTime& date, QByteArray boundary)
{
    if (boundary.isEmpty()) {
        const quint64 r1 = QRandomGenerator::global()->generate64(), r2 = QRandomGenerator::global()->generate64();
        boundary = "=_kvarnel_" + QByteArray::number(r1, 36) + QByteArray::number(r2, 36);
    }
    QByteArray h;
    h += "Date: " + rfc2822Date(date) + "\r\n";
    h += "From: " + FormatAddress(m.from) + "\r\n";
    QByteArrayList to;
    for (const MailAddress& a : m.to) to << FormatAddress(a);
    h += "To: " + to.join(",\r\n ") + "\r\n";
    if (!m.subject.isEmpty()) h += "Subject: " + EncodeHeaderText(m.subject) + "\r\n";
    const QByteArray domain = m.from.address.mid(m.from.address.indexOf(QLatin1Char('@')) + 1).toLatin1();
    h += "Message-ID: <" + QByteArray::number(date.toMSecsSinceEpoch(), 36) + "." +
         QByteArray::number(QRandomGenerator::global()->generate64(), 36) + "@" +
         (domain.isEmpty() ? QByteArray("kvarnel") : domain) + ">\r\n";
    h += "MIME-Version: 1.0\r\n";

    const QByteArray textPart = "Content-Type: text/plain; charset=UTF-8\r\n"
                                "Content-Transfer-Encoding: base64\r\n\r\n" +
                                Base64Lines(crlfText(m.body));
    if (m.attachments.isEmpty()) return h + textPart;

    QByteArray out = h + "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "This is a multi-part message in MIME format.\r\n";
    out += "--" + boundary + "\r\n" + textPart;
    for (const MailAttachment& a : m.attachments) {
        const QByteArray type = a.mimeType.isEmpty() ? MimeTypeOf(a.fileName) : a.mimeType;
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + type + "; " + fileNameParam("name", a.fileName) + "\r\n";
        out += "Content-Disposition: attachment; " + fileNameParam("filename", a.fileName) + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n\r\n";
        out += Base64Lines(a.data);
    }
    out += "--" + boundary + "--\r\n";
    return out;
}
