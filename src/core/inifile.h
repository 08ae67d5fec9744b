#pragma once
// An INI file held in memory: "[section]" lines followed by "key=value"
// lines. Section and key names match without regard to letter case. Lines
// that are neither (comments, blank lines, garbage) are kept, and the file
// is written back in its original order with only changed lines replaced.
// Bytes are Windows-1252; lines are read with CR LF, LF or CR and written
// with CR LF. Writing is atomic (a complete new file replaces the old one
// or nothing changes); a new file is created readable by its owner only.
//
// Keys and values are trimmed of blanks and tabs at both ends when read.
// Line breaks in a written value become blanks (a value is one line).
// When a section name occurs twice, the first one with the key wins; new
// keys go to the end of the first one.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(const QString& path) : path_(path) {}

    QString path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }

    // Reads the file. A missing file is an empty store (true). A file that
    // exists but cannot be read gives false with errorNumber set; the
    // store is then empty and marked unsafe to write (save() refuses, so the
    // unreadable file is never overwritten with nothing).
    bool load();
    // Writes the whole store to path(). False on failure (errorNumber and
    // errorString tell why); the file on disk is then as it was. Refuses an
    // existing read-only file. An empty path() is a memory-only store:
    // save() does nothing and succeeds.
    bool save();
    bool existed() const { return existed_; }
    bool isModified() const { return modified_; }
    int errorNumber() const { return errno_; }
    QString errorString() const { return errorString_; }

    void parse(const QByteArray& bytes);
    QByteArray toBytes() const;
    void clear();

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& def = QString()) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);
    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        Kind kind = Kind::Other;
        QString text;     // the line as read (Other), or as last written
        QString name;     // section name or key name
        QString value;    // key value
    };
    qsizetype findKey(const QString& section, const QString& key) const;

    QString path_;
    std::vector<Line> lines_;
    bool existed_ = false;
    bool modified_ = false;
    bool unsafe_ = false;
    int errno_ = 0;
    QString errorString_;
};
