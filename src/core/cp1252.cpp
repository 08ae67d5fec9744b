#include "core/cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace {
// Characters of the bytes 0x80 to 0x9F.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int errnoOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}
}

char Cp1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

QByteArray ToCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;  // one character outside the BMP: one '?'
        out.append(Cp1252Byte(c));
    }
    return out;
}

QString FromCp1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(bytes.mid(start, i - start));
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(bytes.mid(start));
    return lines;
}

QStringList SplitCp1252Lines(const QByteArray& bytes)
{
    QStringList out;
    const QList<QByteArray> raw = SplitLines(bytes);
    out.reserve(raw.size());
    for (const QByteArray& l : raw)
        out.append(FromCp1252(l));
    return out;
}

QByteArray JoinCp1252Lines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines) {
        out += ToCp1252(l);
        out += "\r\n";
    }
    return out;
}

int ReadCp1252Lines(const QString& path, QStringList& lines)
{
    lines.clear();
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        return errnoOr(f.exists() ? EACCES : ENOENT);
    errno = 0;
    const QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return errnoOr(EIO);
    lines = SplitCp1252Lines(all);
    return 0;
}

int WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return errnoOr(EACCES);
    if (f.write(bytes) != bytes.size()) {
        const int e = errnoOr(EIO);
        f.cancelWriting();
        return e;
    }
    errno = 0;
    if (!f.commit())
        return errnoOr(EIO);
    return 0;
}

int WriteCp1252Lines(const QString& path, const QStringList& lines)
{
    return WriteFileAtomic(path, JoinCp1252Lines(lines));
}
