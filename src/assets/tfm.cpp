#include "assets/tfm.h"

#include "core/cp1252.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QFile>
#include <QFileInfo>

namespace Tfm {

// ---- the parts of a code ----------------------------------------------

QString LocationCode(const QString& entry)
{
    const qsizetype blank = entry.indexOf(QLatin1Char(' '));
    return blank < 0 ? entry : entry.left(blank);
}

QString SystemCode(const QString& entry) { return entry.left(3); }

QString ProductCode(const QString& entry)
{
    QString code = entry.left(2);
    if (code.size() == 2 && code.at(1) == QLatin1Char(' ')) code.truncate(1);
    return code;
}

QString ComposeCode(const CodeInput& in)
{
    return QLatin1Char('+') + LocationCode(in.location) + QLatin1Char('=') + SystemCode(in.system) +
           QLatin1Char('.') + in.nr1 + QLatin1Char('-') + ProductCode(in.product) + in.nr2 +
           (in.typeUnique ? QStringLiteral("T") : in.idnr);
}

ScratchLine SplitScratchLine(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0) return {line, QString()};
    return {line.left(comma), line.mid(comma + 1)};
}

QString JoinScratchLine(const ScratchLine& s) { return s.code + QLatin1Char(',') + s.text; }

namespace {

// The text of c up to the separator, which c then loses together with
// everything before it. Without the separator the part is empty and c
// stays as it is.
QString takeUpTo(QString& c, QChar separator)
{
    const qsizetype at = c.indexOf(separator);
    if (at < 0) return QString();
    const QString part = c.left(at);
    c.remove(0, at + 1);
    return part;
}

}  // namespace

LoadedParts ReadCode(const QString& code)
{
    LoadedParts p;
    QString c = code;
    c.remove(0, 1);  // the "+"
    p.location = takeUpTo(c, QLatin1Char('='));
    p.system = takeUpTo(c, QLatin1Char('.'));
    p.nr1 = takeUpTo(c, QLatin1Char('-'));
    p.product = c.left(2);
    c.remove(0, 2);
    p.nr2 = c;
    return p;
}

// ---- running numbers --------------------------------------------------

IncrementResult IncrementNumber(QString& text)
{
    const qsizetype width = text.size();
    if (width == 0) return IncrementResult::Unchanged;
    // A whole number as typed: an optional sign and digits, nothing else.
    qsizetype i = 0;
    if (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) i = 1;
    if (i == width) return IncrementResult::NotANumber;
    for (qsizetype k = i; k < width; ++k)
        if (text.at(k) < QLatin1Char('0') || text.at(k) > QLatin1Char('9')) return IncrementResult::NotANumber;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value >= std::numeric_limits<qint64>::max()) return IncrementResult::NotANumber;
    const qint64 next = value + 1;
    QString digits = QString::number(next < 0 ? -next : next);
    const qsizetype room = width - (next < 0 ? 1 : 0);
    if (digits.size() < room) digits.prepend(QString(room - digits.size(), QLatin1Char('0')));
    text = next < 0 ? QLatin1Char('-') + digits : digits;
    return IncrementResult::Done;
}

// ---- searching --------------------------------------------------------

QString Upper(const QString& text) { return text.toUpper(); }

int FindEntry(const QStringList& entries, const QString& text, int after)
{
    if (text.isEmpty()) return -1;
    const QString t = Upper(text);
    for (int i = qMax(0, after + 1); i < entries.size(); ++i)
        if (Upper(entries.at(i)).contains(t)) return i;
    return -1;
}

// ---- narrowing --------------------------------------------------------

QStringList Narrow(const QStringList& lines, const QString& chosen, int width)
{
    QStringList out;
    const QString key = chosen.trimmed().left(width);
    if (key.isEmpty()) return out;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) continue;
        if (line.left(width) == key) out << line;
    }
    return out;
}

int MatchPrefix(const QStringList& entries, const QString& text, int width)
{
    if (text.size() < width) return -1;
    const QString key = text.left(width);
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i).left(width) == key) return i;
    return -1;
}

// ---- the pick-list files ----------------------------------------------

QString FileName(ListFile f)
{
    switch (f) {
    case ListFile::Location: return QStringLiteral("tfm-lokalisering.txt");
    case ListFile::SystemGroup: return QStringLiteral("tfm-systemgruppe.txt");
    case ListFile::System: return QStringLiteral("tfm-system.txt");
    case ListFile::Product: return QStringLiteral("tfm-produkt.txt");
    case ListFile::Text: return QStringLiteral("tfm-tekst.txt");
    }
    return QString();
}

QString Folder() { return TrelvoPath(QStringLiteral("data/tfm")); }

QString FilePath(ListFile f) { return Folder() + FileName(f); }

int WriteMissingFiles(const QString& folder)
{
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    int written = 0;
    for (int i = 0; i < ListFileCount; ++i) {
        const auto which = ListFile(i);
        const QString path = dir + FileName(which);
        if (QFileInfo::exists(path)) continue;
        TextFile f;
        if (createtextfile(f, path) != 0) continue;
        int err = 0;
        for (const QString& line : DefaultEntries(which)) {
            err = Writelntextfile(f, line);
            if (err != 0) break;
        }
        const int cerr = closetextfile(f);
        if (err != 0 || cerr != 0) {
            // A half-written list would hide the built-in one from now on.
            QFile::remove(path);
            LogLine(QStringLiteral("FEIL: kunne ikke skrive TFM-listen ") + path);
            continue;
        }
        LogLine(QStringLiteral("TFM-listen ") + path + QStringLiteral(" er laget med standardinnholdet"));
        ++written;
    }
    return written;
}

bool LooksLikeUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) return true;
    // Strict UTF-8 with at least one character beyond ASCII: no overlong
    // forms, no surrogates, nothing above U+10FFFF, no cut-off sequence.
    bool high = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = uchar(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int more;
        char32_t cp, min;
        if ((c & 0xE0) == 0xC0) more = 1, cp = c & 0x1F, min = 0x80;
        else if ((c & 0xF0) == 0xE0) more = 2, cp = c & 0x0F, min = 0x800;
        else if ((c & 0xF8) == 0xF0) more = 3, cp = c & 0x07, min = 0x10000;
        else return false;
        if (i + more >= n) return false;
        for (int k = 1; k <= more; ++k) {
            const uchar t = uchar(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += more + 1;
    }
    return high;
}

namespace {

QStringList cleanLines(QStringList lines)
{
    QStringList out;
    for (QString& l : lines) {
        if (out.isEmpty() && l.startsWith(QChar(0xFEFF))) l.remove(0, 1);
        l = l.trimmed();
        if (!l.isEmpty()) out << l;
    }
    return out;
}

// The lines of a file through the text-file layer, in the encoding its
// bytes suggest.
bool readLines(const QString& path, QStringList& lines, bool reportMissing)
{
    lines.clear();
    if (!reportMissing && !QFileInfo::exists(path)) return false;
    TextFile f;
    {
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly) && LooksLikeUtf8(probe.readAll())) f.encoding = TextEncoding::Utf8;
    }
    if (opentextfile(f, path) != 0) return false;
    QString line;
    while (!eoftextfile(f)) {
        if (readlntextfile(f, line) != 0) {
            closetextfile(f);
            lines.clear();
            return false;
        }
        lines << line;
    }
    closetextfile(f);
    return true;
}

}  // namespace

QStringList ListFileLines(const QByteArray& bytes)
{
    if (LooksLikeUtf8(bytes)) {
        QStringList raw;
        for (const QByteArray& l : SplitLines(bytes)) raw << QString::fromUtf8(l);
        return cleanLines(raw);
    }
    return cleanLines(SplitCp1252Lines(bytes));
}

bool ReadListFile(const QString& path, QStringList& entries, bool reportMissing)
{
    QStringList raw;
    if (!readLines(path, raw, reportMissing)) {
        entries.clear();
        return false;
    }
    entries = cleanLines(raw);
    return true;
}

bool ReadScratchFile(const QString& path, QStringList& lines)
{
    QStringList raw;
    if (!readLines(path, raw, true)) {
        lines.clear();
        return false;
    }
    lines = cleanLines(raw);
    return true;
}

int WriteScratchFile(const QString& path, const QStringList& lines) { return WriteCp1252Lines(path, lines); }

}  // namespace Tfm
