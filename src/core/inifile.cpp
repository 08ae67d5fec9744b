#include "core/inifile.h"

#include "core/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s.at(b) == QLatin1Char(' ') || s.at(b) == QLatin1Char('\t')))
        ++b;
    while (e > b && (s.at(e - 1) == QLatin1Char(' ') || s.at(e - 1) == QLatin1Char('\t')))
        --e;
    return s.mid(b, e - b);
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString oneLine(const QString& v)
{
    QString s = v;
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

}  // namespace

void IniFile::clear()
{
    lines_.clear();
    modified_ = false;
}

void IniFile::parse(const QByteArray& bytes)
{
    lines_.clear();
    for (const QString& text : SplitCp1252Lines(bytes)) {
        Line l;
        l.text = text;
        const QString t = trimBlanks(text);
        if (t.startsWith(QLatin1Char('['))) {
            const qsizetype close = t.indexOf(QLatin1Char(']'));
            if (close > 0) {
                l.kind = Kind::Section;
                l.name = trimBlanks(t.mid(1, close - 1));
            }
        } else if (!t.startsWith(QLatin1Char(';')) && !t.startsWith(QLatin1Char('#'))) {
            const qsizetype eq = t.indexOf(QLatin1Char('='));
            if (eq > 0) {
                const QString key = trimBlanks(t.left(eq));
                if (!key.isEmpty()) {
                    l.kind = Kind::Key;
                    l.name = key;
                    l.value = trimBlanks(t.mid(eq + 1));
                }
            }
        }
        lines_.push_back(std::move(l));
    }
    modified_ = false;
}

QByteArray IniFile::toBytes() const
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines_.size()));
    for (const Line& l : lines_)
        out.append(l.text);
    return JoinCp1252Lines(out);
}

bool IniFile::load()
{
    lines_.clear();
    modified_ = false;
    unsafe_ = false;
    errno_ = 0;
    errorString_.clear();
    existed_ = false;
    if (path_.isEmpty())
        return true;
    QFile f(path_);
    if (!f.exists())
        return true;
    existed_ = true;
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        errno_ = errno != 0 ? errno : EACCES;
        errorString_ = f.errorString();
        unsafe_ = true;
        return false;
    }
    errno = 0;
    const QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        errno_ = errno != 0 ? errno : EIO;
        errorString_ = f.errorString();
        unsafe_ = true;
        return false;
    }
    parse(all);
    return true;
}

bool IniFile::save()
{
    errno_ = 0;
    errorString_.clear();
    if (path_.isEmpty())
        return true;
    if (unsafe_) {
        errno_ = EACCES;
        errorString_ = QStringLiteral("filen kunne ikke leses, og blir ikke overskrevet");
        return false;
    }
    const QFileInfo fi(path_);
    const bool exists = fi.exists();
    if (exists && !fi.isWritable()) {
        errno_ = EACCES;
        errorString_ = QStringLiteral("filen er skrivebeskyttet");
        return false;
    }
    QSaveFile f(path_);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) {
        errno_ = errno != 0 ? errno : EACCES;
        errorString_ = f.errorString();
        return false;
    }
    if (!exists)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = toBytes();
    errno = 0;
    if (f.write(bytes) != bytes.size()) {
        errno_ = errno != 0 ? errno : EIO;
        errorString_ = f.errorString();
        f.cancelWriting();
        return false;
    }
    errno = 0;
    if (!f.commit()) {
        errno_ = errno != 0 ? errno : EIO;
        errorString_ = f.errorString();
        return false;
    }
    if (!exists)
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    existed_ = true;
    modified_ = false;
    return true;
}

qsizetype IniFile::findKey(const QString& section, const QString& key) const
{
    bool in = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section)
            in = sameName(l.name, section);
        else if (in && l.kind == Kind::Key && sameName(l.name, key))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

bool IniFile::hasSection(const QString& section) const
{
    for (const Line& l : lines_)
        if (l.kind == Kind::Section && sameName(l.name, section))
            return true;
    return false;
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    return findKey(section, key) >= 0;
}

QString IniFile::value(const QString& section, const QString& key, const QString& def) const
{
    const qsizetype i = findKey(section, key);
    return i < 0 ? def : lines_[static_cast<std::size_t>(i)].value;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString k = trimBlanks(oneLine(key));
    if (k.isEmpty())
        return;
    const QString v = oneLine(value);
    Line nl;
    nl.kind = Kind::Key;
    nl.name = k;
    nl.value = trimBlanks(v);
    nl.text = k + QLatin1Char('=') + v;

    const qsizetype found = findKey(section, k);
    if (found >= 0) {
        Line& l = lines_[static_cast<std::size_t>(found)];
        if (l.value == nl.value && l.text.contains(QLatin1Char('=')))
            return;
        nl.name = l.name;  // keep the key's spelling in the file
        nl.text = l.name + QLatin1Char('=') + v;
        l = nl;
        modified_ = true;
        return;
    }
    // After the last key line of the first section with this name.
    qsizetype insertAt = -1;
    bool in = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section) {
            if (in)
                break;
            if (sameName(l.name, section)) {
                in = true;
                insertAt = static_cast<qsizetype>(i) + 1;
            }
        } else if (in && l.kind != Kind::Other) {
            insertAt = static_cast<qsizetype>(i) + 1;
        } else if (in && !trimBlanks(l.text).isEmpty()) {
            insertAt = static_cast<qsizetype>(i) + 1;  // keep comments of the section above the new key
        }
    }
    if (insertAt < 0) {
        Line sec;
        sec.kind = Kind::Section;
        sec.name = trimBlanks(oneLine(section));
        sec.text = QLatin1Char('[') + sec.name + QLatin1Char(']');
        lines_.push_back(sec);
        lines_.push_back(nl);
    } else {
        lines_.insert(lines_.begin() + insertAt, nl);
    }
    modified_ = true;
}

void IniFile::removeKey(const QString& section, const QString& key)
{
    const qsizetype i = findKey(section, key);
    if (i >= 0) {
        lines_.erase(lines_.begin() + i);
        modified_ = true;
    }
}

void IniFile::removeSection(const QString& section)
{
    std::vector<Line> kept;
    bool in = false;
    for (Line& l : lines_) {
        if (l.kind == Kind::Section)
            in = sameName(l.name, section);
        if (!in)
            kept.push_back(std::move(l));
    }
    if (kept.size() != lines_.size())
        modified_ = true;
    lines_ = std::move(kept);
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Line& l : lines_)
        if (l.kind == Kind::Section && !out.contains(l.name, Qt::CaseInsensitive))
            out.append(l.name);
    return out;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList out;
    bool in = false;
    for (const Line& l : lines_) {
        if (l.kind == Kind::Section)
            in = sameName(l.name, section);
        else if (in && l.kind == Kind::Key && !out.contains(l.name, Qt::CaseInsensitive))
            out.append(l.name);
    }
    return out;
}
