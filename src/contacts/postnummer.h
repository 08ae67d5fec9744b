#pragma once
// The national postal-code register: the postal service's tab-separated
// file "tilbud5.txt" (Windows-1252) in the program's import folder, one
// line per code: code, place, municipality number, municipality, category.
//
// The file is read once into a cache that every caller shares, and read
// again only when it changes on disk (a new download). A missing or
// unreadable file is reported once (the text-file error message) and not
// at every look-up; look-ups then find nothing, and callers that fill in a
// place name can tell "not in the register" from "no register".
#include "net/httpdownload.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <array>

// The register file's name, and its full path in the import folder.
QString PostFilnavn();
QString PostRegisterPath();

struct PostnummerInfo {
    QString postnummer;   // field 1
    QString poststed;     // field 2
    QString kommunenr;    // field 3
    QString kommune;      // field 4
    QString kategori;     // the rest of the line after field 4
};

class PostRegister {
public:
    // The one register of the program.
    static PostRegister& instance();

    // Makes sure the cache holds the current file; false when there is no
    // readable register (reported the first time only).
    bool available();
    // The first line whose first four characters are code.
    bool find(const QString& code, PostnummerInfo& out);
    int size() const { return int(entries_.size()); }
    // Forgets the cache and the report, as at the program's start.
    void reset();
    // Takes one line of the register file into the cache (the first line
    // of a code wins; lines shorter than a code are skipped).
    void addLine(const QString& line);
    // The cached entry of a code, without looking at the file.
    const PostnummerInfo* cached(const QString& code) const
    {
        auto it = entries_.constFind(code);
        return it == entries_.constEnd() ? nullptr : &*it;
    }

private:
    bool load(const QString& path);
    QString path_;
    QDateTime stamp_;
    qint64 bytes_ = -1;
    bool loaded_ = false;
    bool reported_ = false;
    QHash<QString, PostnummerInfo> entries_;
};

// The register as the program ships it (code and place only; made from
// public data, see data/tilbud5-LICENSE.txt), and its licence notice.
QByteArray ShippedPostRegister();
QString ShippedPostRegisterLicence();
// On a first start: writes the shipped register when there is no register
// file yet, so look-ups work at once. Returns true when it wrote one.
bool InstallFirstPostRegister();
// Why a file is not a postal-code register (empty when it is one). The
// whole file is looked at: Windows-1252 text (a UTF-8 file would be read
// wrongly), every line four digits, a tab and a place name, the last line
// ended (a cut download is not), at least kMinPostCodes codes, and not
// much fewer codes than the register in use.
constexpr int kMinPostCodes = 3000;
QString CheckPostRegisterFile(const QString& path);
// The address the postal service publishes its register at (setting
// "PostRegisterURL" of section STANDARD in the main settings file).
QString PostRegisterURL();

// Downloads the register from url over the register file; the old file
// stays unless the new one is complete and passes CheckPostRegisterFile.
DownloadResult DownloadPostRegister(const QString& url, DownloadOptions options = {});

// The place name of a postal code; empty when the code is not in the
// register or there is no register.
QString FinnPostSted(const QString& code);

// County names by county number (0 and 13 have none).
extern const std::array<QString, 24> Fylke;
// The county of a municipality number (its first two digits); empty when
// they are not a county number.
QString FylkeNavn(const QString& kommunenr);
// The name of a category letter; empty unless the text is exactly one of
// the letters.
QString KategoriNavn(const QString& letter);
