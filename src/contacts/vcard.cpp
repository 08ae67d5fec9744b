#include "contacts/vcard.h"

#include "core/cp1252.h"

#include <QStringDecoder>

QString VCardEscape(const QString& value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\n");
            if (i + 1 < value.size() && value[i + 1] == QLatin1Char('\n')) ++i;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString VCardUnescape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= value.size()) break;  // a lone backslash at the end
        const QChar n = value[i];
        if (n == QLatin1Char('n') || n == QLatin1Char('N')) out += QStringLiteral("\r\n");
        else out += n;
    }
    return out;
}

QList<QByteArray> FoldVCardLine(const QByteArray& utf8)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    bool first = true;
    while (pos < utf8.size()) {
        const qsizetype room = first ? 75 : 74;
        qsizetype end = pos + room;
        if (end >= utf8.size()) {
            end = utf8.size();
        } else {
            // Back off to the start of a character ...
            while (end > pos + 1 && (uchar(utf8[end]) & 0xC0) == 0x80) --end;
            // ... and out of an escape: an odd run of backslashes before the
            // cut means the last one starts an escape.
            qsizetype bs = 0;
            while (end - bs - 1 >= pos && utf8[end - bs - 1] == '\\') ++bs;
            if (bs % 2 == 1 && end - 1 > pos) --end;
        }
        lines << (first ? QByteArray() : QByteArray(" ")) + utf8.mid(pos, end - pos);
        pos = end;
        first = false;
    }
    if (lines.isEmpty()) lines << QByteArray();
    return lines;
}

void SplitNavn(const QString& realname, QString& family, QString& given)
{
    const QString n = realname.trimmed();
    const qsizetype blank = n.lastIndexOf(QLatin1Char(' '));
    if (blank < 0) {
        family = n;
        given.clear();
    } else {
        family = n.mid(blank + 1);
        given = n.left(blank).trimmed();
    }
}

QByteArray WriteVCard(const VCardContact& c)
{
    QByteArray out;
    auto line = [&](const QString& text) {
        for (const QByteArray& l : FoldVCardLine(text.toUtf8())) out += l + "\r\n";
    };
    auto opt = [&](const char* prop, const QString& value) {
        if (!value.trimmed().isEmpty()) line(QLatin1String(prop) + VCardEscape(value));
    };
    line(QStringLiteral("BEGIN:VCARD"));
    line(QStringLiteral("VERSION:3.0"));
    line(QStringLiteral("FN:") + VCardEscape(c.realname));
    QString family, given;
    SplitNavn(c.realname, family, given);
    line(QStringLiteral("N:") + VCardEscape(family) + ';' + VCardEscape(given) + QStringLiteral(";;;"));
    opt("NICKNAME:", c.initials);
    opt("TITLE:", c.title);
    opt("EMAIL;TYPE=INTERNET;TYPE=WORK:", c.email);
    opt("EMAIL;TYPE=INTERNET;TYPE=HOME:", c.homeEmail);
    opt("TEL;TYPE=WORK:", c.workPhone);
    opt("TEL;TYPE=CELL:", c.mobilePhone);
    opt("TEL;TYPE=HOME:", c.homePhone);
    opt("URL:", c.homepage);
    // Always, also empty: readers take the card's address from this line.
    line(QStringLiteral("ADR;TYPE=HOME:") + VCardEscape(c.postalAddress) + QStringLiteral(";;") +
             VCardEscape(c.streetAddress) + ';' + VCardEscape(c.city) + QStringLiteral(";;") + VCardEscape(c.postalCode) +
             ';');
    opt("NOTE:", c.note);
    if (c.id) line(QStringLiteral("UID:KV6-") + QString::number(c.id));
    if (!c.companyName.isEmpty() || !c.department.isEmpty())
        line(QStringLiteral("ORG:") + VCardEscape(c.companyName) +
             (c.department.isEmpty() ? QString() : ';' + VCardEscape(c.department)));
    opt("TEL;TYPE=WORK;TYPE=FAX:", c.companyFax);
    opt("URL;TYPE=WORK:", c.companyHomepage);
    line(QStringLiteral("END:VCARD"));
    return out;
}

QString DecodeVCardBytes(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return FromCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

namespace {

struct Property {
    QString name;         // upper case, without group
    QStringList types;    // upper case, each TYPE value and bare parameter
    QString value;        // raw, still escaped
};

// Splits "group.NAME;PARAM=A,B;X:value" at the first colon outside quotes.
bool parseProperty(const QString& line, Property& p)
{
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"')) quoted = !quoted;
        else if (!quoted && line[i] == QLatin1Char(':')) {
            colon = i;
            break;
        }
    }
    if (colon <= 0) return false;
    const QStringList head = line.left(colon).split(QLatin1Char(';'));
    QString name = head[0].trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf(QLatin1Char('.')); dot >= 0) name = name.mid(dot + 1);
    if (name.isEmpty()) return false;
    p.name = name;
    p.types.clear();
    for (qsizetype i = 1; i < head.size(); ++i) {
        QString param = head[i].trimmed().toUpper();
        const qsizetype eq = param.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            if (param.left(eq).trimmed() != QLatin1String("TYPE")) continue;
            param = param.mid(eq + 1);
        }
        param.remove(QLatin1Char('"'));
        for (const QString& t : param.split(QLatin1Char(','), Qt::SkipEmptyParts)) p.types << t.trimmed();
    }
    p.value = line.mid(colon + 1);
    return true;
}

// The components of a structured value, split at unescaped semicolons and
// each unescaped.
QStringList components(const QString& raw)
{
    QStringList parts;
    QString cur;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\') && i + 1 < raw.size()) {
            cur += raw[i];
            cur += raw[++i];
        } else if (raw[i] == QLatin1Char(';')) {
            parts << VCardUnescape(cur);
            cur.clear();
        } else {
            cur += raw[i];
        }
    }
    parts << VCardUnescape(cur);
    return parts;
}

QString part(const QStringList& l, int i) { return i < l.size() ? l[i].trimmed() : QString(); }

} // namespace

int CountCards(const QString& text)
{
    int n = 0;
    for (const QString& l : text.split(QLatin1Char('\n')))
        if (l.trimmed().compare(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive) == 0) ++n;
    return n;
}

QList<VCardContact> ReadVCards(const QString& text, int* skipped)
{
    // Unfold: a line starting with a blank or a tab continues the last one.
    QStringList lines;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& l : t.split(QLatin1Char('\n'))) {
        if (!l.isEmpty() && (l[0] == QLatin1Char(' ') || l[0] == QLatin1Char('\t')) && !lines.isEmpty())
            lines.last() += l.mid(1);
        else
            lines << l;
    }
    QList<VCardContact> cards;
    int ignored = 0;
    bool in = false;
    VCardContact c;
    QString n;  // the N value, for cards without FN
    auto finish = [&] {
        if (c.realname.trimmed().isEmpty() && !n.isEmpty()) {
            const QStringList np = components(n);
            c.realname = (part(np, 1) + ' ' + part(np, 0)).trimmed();
        }
        cards << c;
        in = false;
    };
    for (const QString& l : lines) {
        if (l.trimmed().isEmpty()) continue;
        const QString upper = l.trimmed().toUpper();
        if (upper == QLatin1String("BEGIN:VCARD")) {
            if (in) finish();
            c = VCardContact();
            n.clear();
            in = true;
            continue;
        }
        if (upper == QLatin1String("END:VCARD")) {
            if (in) finish();
            else ++ignored;
            continue;
        }
        Property p;
        if (!in || !parseProperty(l, p)) {
            ++ignored;
            continue;
        }
        const QString v = VCardUnescape(p.value).trimmed();
        auto has = [&](const char* type) { return p.types.contains(QLatin1String(type)); };
        if (p.name == QLatin1String("FN")) c.realname = v;
        else if (p.name == QLatin1String("N")) n = p.value;
        else if (p.name == QLatin1String("NICKNAME")) c.initials = components(p.value.split(QLatin1Char(','))[0]).value(0).trimmed();
        else if (p.name == QLatin1String("TITLE")) c.title = v;
        else if (p.name == QLatin1String("NOTE")) c.note = VCardUnescape(p.value);
        else if (p.name == QLatin1String("EMAIL")) {
            if (has("HOME")) c.homeEmail = v;
            else if (c.email.isEmpty() || has("WORK") || has("PREF")) c.email = v;
        } else if (p.name == QLatin1String("TEL")) {
            if (has("FAX")) c.companyFax = v;
            else if (has("CELL")) c.mobilePhone = v;
            else if (has("HOME")) c.homePhone = v;
            else if (c.workPhone.isEmpty() || has("WORK")) c.workPhone = v;
        } else if (p.name == QLatin1String("URL")) {
            if (has("WORK")) c.companyHomepage = v;
            else c.homepage = v;
        } else if (p.name == QLatin1String("ADR")) {
            const QStringList a = components(p.value);
            c.postalAddress = part(a, 0);
            c.streetAddress = part(a, 2);
            if (!part(a, 1).isEmpty())
                c.streetAddress = c.streetAddress.isEmpty() ? part(a, 1) : c.streetAddress + QStringLiteral(", ") + part(a, 1);
            c.city = part(a, 3);
            c.postalCode = part(a, 5);
        } else if (p.name == QLatin1String("ORG")) {
            const QStringList o = components(p.value);
            c.companyName = part(o, 0);
            c.department = part(o, 1);
        } else if (p.name == QLatin1String("UID")) {
            bool ok = false;
            const qint64 id = v.startsWith(QLatin1String("KV6-")) ? v.mid(4).toLongLong(&ok) : 0;
            c.id = ok ? id : 0;
        }
    }
    if (in) finish();
    if (skipped) *skipped = ignored;
    return cards;
}
