#include "core/felles.h"

#include "core/cp1252.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <cmath>
#include <string>

QString DetteAar;
QString StartDato;
QString SluttDato;

const QString OrdSeperatorer = QStringLiteral(" \"'()*+,-./:;=[\\]^_{}");

void InitFelles()
{
    DetteAar = QStringLiteral("%1").arg(QDate::currentDate().year(), 4, 10, QLatin1Char('0'));
    StartDato = QStringLiteral("01.01.") + DetteAar;
    SluttDato = QStringLiteral("31.12.") + DetteAar;
}

namespace {

// x as decimal digits: |x| = 0.d1d2d3... * 10^point, i.e. `point` digits
// stand before the decimal point (point may be <= 0 or beyond the digits).
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros unless the value is 0
    int point = 1;
};

Decimal shortestDecimal(double x)
{
    Decimal d;
    if (x == 0 || !std::isfinite(x)) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    std::string s(buf, res.ptr);
    std::size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = s.find('e');
    for (; i < e; ++i)
        if (s[i] != '.')
            d.digits.push_back(s[i]);
    int exp10 = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exp10);
    d.point = exp10 + 1;
    return d;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& n)
{
    for (std::size_t i = n.size(); i-- > 0;) {
        if (n[i] == '9') {
            n[i] = '0';
        } else {
            ++n[i];
            return;
        }
    }
    n.insert(n.begin(), '1');
}

// round(|x| * 10^decimals) as decimal digits, halves away from zero.
std::string scaledDigits(const Decimal& d, int decimals)
{
    const int keep = d.point + decimals;
    const int len = static_cast<int>(d.digits.size());
    std::string n;
    if (keep <= 0) {
        n = (keep == 0 && d.digits[0] >= '5') ? "1" : "0";
    } else if (keep >= len) {
        n = d.digits + std::string(keep - len, '0');
    } else {
        n = d.digits.substr(0, keep);
        if (d.digits[keep] >= '5')
            incrementDigits(n);
    }
    const std::size_t nz = n.find_first_not_of('0');
    n = nz == std::string::npos ? "0" : n.substr(nz);
    return n;
}

QString fixedCore(double x, int decimals)
{
    decimals = std::clamp(decimals, 0, 40);
    const Decimal d = shortestDecimal(x);
    std::string n = scaledDigits(d, decimals);
    const bool zero = n == "0";
    if (static_cast<int>(n.size()) < decimals + 1)
        n.insert(0, decimals + 1 - n.size(), '0');
    if (decimals > 0)
        n.insert(n.size() - decimals, 1, '.');
    if (d.negative && !zero)
        n.insert(n.begin(), '-');
    return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
}

QString trimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i).unicode() <= ' ')
        ++i;
    return s.mid(i);
}

bool isNumberText(const std::string& s)
{
    // [+-] digits [. digits] [E [+-] digits], at least one mantissa digit
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    int mant = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
        ++mant;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++mant;
        }
    }
    if (mant == 0)
        return false;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        int ed = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++ed;
        }
        if (ed == 0)
            return false;
    }
    return i == n;
}

}  // namespace

QString FixedStr(double x, int width, int decimals)
{
    QString s = fixedCore(x, decimals);
    if (width > s.size())
        s.prepend(QString(width - s.size(), QLatin1Char(' ')));
    return s;
}

double RoundHalfAway(double x, int decimals)
{
    if (!std::isfinite(x))
        return x;
    const std::string s = fixedCore(x, decimals).toStdString();
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

QString RealStr(int width, int decimals, double x)
{
    return FixedStr(x, width, decimals);
}

QString DoubleToStr(int width, int decimals, double x)
{
    if (width == 0 && decimals == 0) {
        QString s = trimLeft(FixedStr(x, 12, 2));
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
        return s;
    }
    QString s = FixedStr(x, width, decimals);
    if (width == 100)
        s = trimLeft(s);
    return s;
}

QString DoubleToStr2(int width, int decimals, double x)
{
    QString s = FixedStr(x, width, decimals);
    for (const char* tail : {".000", ".00", ".0"}) {
        if (s.endsWith(QLatin1String(tail))) {
            s.chop(static_cast<qsizetype>(std::strlen(tail)));
            break;
        }
    }
    if (width == 100)
        s = trimLeft(s);
    return s;
}

QString TusenFormat(int width, int decimals, double x)
{
    QString s = DoubleToStr(width, decimals, x);
    qsizetype p = s.indexOf(QLatin1Char('.'));
    if (p < 0)
        p = s.size();
    qsizetype firstDigit = 0;
    while (firstDigit < s.size() && !s.at(firstDigit).isDigit())
        ++firstDigit;
    // Insert the six-places blank first so the three-places position stays valid.
    for (int places : {6, 3}) {
        const qsizetype at = p - places;
        if (at > firstDigit) {
            s.insert(at, QLatin1Char(' '));
        } else {
            s.prepend(QLatin1Char(' '));
            ++firstDigit;
            ++p;
        }
        if (at > firstDigit)
            ++p;
    }
    return s;
}

QString SqlNum(double x)
{
    if (!std::isfinite(x) || x == 0)
        return QStringLiteral("0");
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buf, res.ptr - buf);
}

QString SqlNum(double x, int decimals)
{
    return fixedCore(x, decimals);
}

QString NorNum(double x, int decimals)
{
    QString s = fixedCore(x, decimals);
    qsizetype p = s.indexOf(QLatin1Char('.'));
    if (p >= 0)
        s[p] = QLatin1Char(',');
    else
        p = s.size();
    const qsizetype first = s.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype at = p - 3; at > first; at -= 3)
        s.insert(at, QLatin1Char(' '));
    return s;
}

double StrToDouble(const QString& text)
{
    std::string s;
    s.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ',')
            s.push_back('.');
        else if (u == '+' || u == '-' || u == '.' || u == 'E' || (u >= '0' && u <= '9'))
            s.push_back(static_cast<char>(u));
    }
    if (!isNumberText(s))
        return 0;
    const char* b = s.data();
    if (*b == '+')
        ++b;
    double v = 0;
    auto res = std::from_chars(b, s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v))
        return 0;
    return v;
}

bool TryStrToDouble(const QString& text, double& out)
{
    out = 0;
    const QString t = ShortStr(text);
    std::string s;
    s.reserve(t.size());
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u > 127)
            return false;
        s.push_back(u == ',' ? '.' : static_cast<char>(u));
    }
    if (!isNumberText(s))
        return false;
    const char* b = s.data();
    if (*b == '+')
        ++b;
    double v = 0;
    auto res = std::from_chars(b, s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

bool TryTypedToDouble(const QString& text, double& out)
{
    const QString t = text.trimmed();
    QString digits;
    digits.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const bool blank = c == QLatin1Char(' ') || c == QChar(0xA0) || c == QChar(0x202F);
        if (blank) {
            // Only a blank between two digits groups them.
            if (i == 0 || i + 1 >= t.size() || !t[i - 1].isDigit() || !t[i + 1].isDigit()) {
                out = 0;
                return false;
            }
            continue;
        }
        digits += c;
    }
    return TryStrToDouble(digits, out);
}

bool ReadFileNumber(const QString& text, const FileNumberRange& range, double& out, QString* plain, QString* why)
{
    out = 0;
    auto refuse = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    const QString t = text.trimmed();
    const QString notNumber = QStringLiteral("er ikke et tall");
    qsizetype i = 0;
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative) ++i;
    // The whole part: digit groups, a blank only between a group and a
    // following group of exactly three digits.
    QString intPart, decimals;
    QList<qsizetype> groups{0};
    bool separator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (separator ? decimals : intPart) += c;
            if (!separator) ++groups.last();
            continue;
        }
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separator) return refuse(QStringLiteral("har mer enn ett desimaltegn"));
            separator = true;
            continue;
        }
        const bool blank = c == QLatin1Char(' ') || c == QChar(0xA0) || c == QChar(0x202F);
        if (blank && !separator && groups.last() > 0) {
            groups << 0;
            continue;
        }
        return refuse(notNumber);
    }
    if (intPart.isEmpty() || (separator && decimals.isEmpty())) return refuse(notNumber);
    if (groups.size() > 1) {
        if (groups.first() > 3) return refuse(QStringLiteral("har blanke tegn som ikke skiller tusener"));
        for (qsizetype g = 1; g < groups.size(); ++g)
            if (groups[g] != 3) return refuse(QStringLiteral("har blanke tegn som ikke skiller tusener"));
    }
    while (intPart.size() > 1 && intPart.front() == QLatin1Char('0')) intPart.remove(0, 1);
    QString p = intPart;
    if (separator) p += QLatin1Char('.') + decimals;
    bool ok = false;
    double v = p.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return refuse(notNumber);
    if (negative) {
        v = -v;
        if (v != 0) p.prepend(QLatin1Char('-'));
    }
    auto shown = [](double x) { return QString::number(x, 'f', x == std::floor(x) ? 0 : 2); };
    if (negative && range.min >= 0) return refuse(QStringLiteral("kan ikke være negativ"));
    if (v < range.min || v > range.max)
        return refuse(QStringLiteral("er ikke mellom %1 og %2").arg(shown(range.min), shown(range.max)));
    if (range.whole && v != std::floor(v)) return refuse(QStringLiteral("er ikke et helt tall"));
    out = v == 0 ? 0.0 : v;
    if (plain) *plain = v == 0 ? QStringLiteral("0") : p;
    return true;
}

bool TryStrToInt(const QString& text, int& out)
{
    out = 0;
    const QString t = ShortStr(text);
    std::string s;
    for (QChar c : t) {
        if (c.unicode() > 127)
            return false;
        s.push_back(static_cast<char>(c.unicode()));
    }
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+')
        ++b;
    if (b == e || *b == '+')
        return false;
    int v = 0;
    auto res = std::from_chars(b, e, v);
    if (res.ec != std::errc() || res.ptr != e)
        return false;
    out = v;
    return true;
}

QString NumFix(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("0"))
        return QStringLiteral("0");
    QString t = text;
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    qsizetype z = 0;
    while (z < t.size() && t.at(z) == QLatin1Char('0'))
        ++z;
    t.remove(0, z);
    std::string s;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (u == '+' || u == '-' || u == '.' || (u >= '0' && u <= '9'))
            s.push_back(static_cast<char>(u));
    }
    if (!isNumberText(s))
        return QStringLiteral("0");
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString ShortNumStr(const QString& text)
{
    QString s = text;
    s.remove(QLatin1Char(' '));
    if (s.isEmpty())
        return s;
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
    }
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s.isEmpty() || s == QLatin1String("-") || s == QLatin1String("+"))
        return QStringLiteral("0");
    return s;
}

QString ShortStr(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text.at(b).unicode() <= ' ')
        ++b;
    while (e > b && text.at(e - 1).unicode() <= ' ')
        --e;
    return text.mid(b, e - b);
}

QString ShortLn(const QString& text)
{
    qsizetype e = text.size();
    while (e > 0 && text.at(e - 1).unicode() <= ' ')
        --e;
    return text.left(e);
}

QString RightStr(const QString& text, int n)
{
    if (n <= 0)
        return QString();
    QString s = text;
    if (s.size() < n)
        s.prepend(QString(n - s.size(), QLatin1Char(' ')));
    return s.left(n);
}

QString LongLn(const QString& text, int n)
{
    if (n <= 0)
        return QString();
    QString s = text;
    if (s.size() < n)
        s.append(QString(n - s.size(), QLatin1Char(' ')));
    return s.left(n);
}

QString MerkOrdStr(const QString& text)
{
    if (text.isEmpty())
        return QString();
    QString s = text.toLower();
    auto isAz = [](QChar c) { return c.unicode() >= 'a' && c.unicode() <= 'z'; };
    if (isAz(s.at(0)))
        s[0] = QChar(s.at(0).unicode() - 32);
    for (qsizetype i = 1; i < s.size(); ++i) {
        if (isAz(s.at(i)) && OrdSeperatorer.contains(s.at(i - 1)))
            s[i] = QChar(s.at(i).unicode() - 32);
    }
    return s;
}

QString DateTimeToIsoStr(const QDateTime& dt)
{
    if (!dt.isValid())
        return QString();
    return dt.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString DateStr(const QDate& d)
{
    if (!d.isValid())
        return QString();
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

namespace {

bool onlyDigits(QStringView s)
{
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

int fullYear(QStringView y, const QDate& today)
{
    if (y.size() == 4) return y.toInt();
    if (y.size() != 2) return -1;
    const int yy = y.toInt();
    const int century = today.year() / 100 * 100;
    int year = century + yy;
    if (year > today.year() + 20) year -= 100;
    return year;
}

bool makeDate(int y, int m, int d, QDate& out)
{
    if (y < 1000 || y > 9999 || !QDate::isValid(y, m, d)) return false;
    out = QDate(y, m, d);
    return true;
}

} // namespace

bool ParseTypedDate(const QString& typed, QDate& out, const QDate& today)
{
    QString t = typed.trimmed();
    if (t.isEmpty()) return false;
    // ISO: yyyy-MM-dd
    if (t.size() == 10 && t[4] == QLatin1Char('-') && t[7] == QLatin1Char('-')) {
        const QStringView v(t);
        if (!onlyDigits(v.mid(0, 4)) || !onlyDigits(v.mid(5, 2)) || !onlyDigits(v.mid(8, 2))) return false;
        return makeDate(v.mid(0, 4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt(), out);
    }
    // Digits only: ddMMyyyy or ddMMyy
    if (onlyDigits(t)) {
        if (t.size() != 8 && t.size() != 6) return false;
        const QStringView v(t);
        return makeDate(fullYear(v.mid(4), today), v.mid(2, 2).toInt(), v.mid(0, 2).toInt(), out);
    }
    t.replace(QLatin1Char('/'), QLatin1Char('.')).replace(QLatin1Char('-'), QLatin1Char('.'));
    const QStringList parts = t.split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 3) return false;
    for (int i = 0; i < parts.size(); ++i) {
        const bool lastMayBeEmpty = i == 2 && parts.size() == 3 && parts[i].isEmpty();  // "1.12."
        if (lastMayBeEmpty) continue;
        if (!onlyDigits(parts[i]) || parts[i].size() > (i == 2 ? 4 : 2)) return false;
    }
    int year = today.year();
    if (parts.size() == 3 && !parts[2].isEmpty()) year = fullYear(parts[2], today);
    return makeDate(year, parts[1].toInt(), parts[0].toInt(), out);
}

bool ParseTypedDateTime(const QString& typed, QDate& date, QTime& time, bool& hasTime, const QDate& today)
{
    const QString t = typed.simplified();
    hasTime = false;
    time = QTime(0, 0);
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    if (blank < 0) return ParseTypedDate(t, date, today);
    if (!ParseTypedDate(t.left(blank), date, today)) return false;
    const QString c = t.mid(blank + 1);
    for (const char* form : {"H:mm", "HH:mm", "H:mm:ss", "HH:mm:ss", "H.mm", "HH.mm"}) {
        const QTime v = QTime::fromString(c, QLatin1String(form));
        if (v.isValid()) {
            time = v;
            hasTime = true;
            return true;
        }
    }
    return false;
}

QByteArray FileDigest(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result().toHex();
}

qint64 SizeOfFile(const QString& name)
{
    QFile f(name);
    if (name.isEmpty() || !f.open(QIODevice::ReadOnly))
        return -1;
    return f.size();
}

QString NewFileExt(const QString& name, const QString& ext)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.indexOf(QLatin1Char('.'), slash + 1);
    if (dot < 0)
        return name + QLatin1Char('.') + ext;
    return name.left(dot + 1) + ext;
}

QString HTTPFileName(const QString& address)
{
    const qsizetype slash = address.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? address : address.mid(slash + 1);
}

// Scrambled values stay in 32..255: 224 values in the ring.
QString EnkelKryptStr(const QString& text)
{
    QByteArray b = ToCp1252(text);
    for (qsizetype i = 0; i < b.size(); ++i) {
        const int v = static_cast<unsigned char>(b[i]);
        if (v < 32)
            continue;
        const int shift = static_cast<int>((i + 1) % 224);
        b[i] = static_cast<char>(32 + (v - 32 + shift) % 224);
    }
    return QStringLiteral("z") + FromCp1252(b) + QStringLiteral("2");
}

QString EnkelDeKryptStr(const QString& text)
{
    if (text.size() < 2)
        return QString();
    QByteArray b = ToCp1252(text.mid(1, text.size() - 2));
    for (qsizetype i = 0; i < b.size(); ++i) {
        const int v = static_cast<unsigned char>(b[i]);
        if (v < 32)
            continue;
        const int shift = static_cast<int>((i + 1) % 224);
        b[i] = static_cast<char>(32 + ((v - 32 - shift) % 224 + 224) % 224);
    }
    return FromCp1252(b);
}
