#pragma once
// TFM codes (the cross-disciplinary marking system for buildings and their
// installations): composing a code from its parts, reading a code back
// into its parts, the running numbers, searching the pick lists, and the
// five pick-list files of the TFM folder. No widgets: the TFM window and
// kvarnel-admin share this.
//
// A code reads +<location>=<system>.<running number>-<product><running
// number><suffix>, for example +B1=360.01-JV01T.
#include <QString>
#include <QStringList>

namespace Tfm {

// ---- the parts of a code ----------------------------------------------

// The location code of a location entry: its text up to the first blank
// (the whole text when it has none). "LHT1 LEILIGHET 1" gives "LHT1".
QString LocationCode(const QString& entry);
// The system code of a system entry: its first three characters.
QString SystemCode(const QString& entry);
// The product code of a product entry: its first two characters, or only
// the first when the second is a blank ("X Diverse" gives "X").
QString ProductCode(const QString& entry);

// What the window's controls hold when a code is composed.
struct CodeInput {
    QString location;  // text of the location list
    QString system;    // text of the system list
    QString nr1;       // system running number
    QString product;   // text of the product list
    QString nr2;       // product running number
    bool typeUnique = false;  // "TYPE-unikt": suffix "T"
    QString idnr;      // unique number, the suffix otherwise
};
// "+" location "=" system "." nr1 "-" product nr2 suffix.
QString ComposeCode(const CodeInput& in);

// A scratch-list line: the code, "," and a free text.
struct ScratchLine {
    QString code;
    QString text;
};
// Splits at the first ",". A line without a comma is all code.
ScratchLine SplitScratchLine(const QString& line);
QString JoinScratchLine(const ScratchLine& s);

// The texts "Hent fra liste" puts into the controls from a code, read the
// way the code is written: after the leading "+", the location up to the
// first "=", the system up to the first ".", the system running number up
// to the first "-", then two characters of product and the rest as the
// product running number (with any suffix: "01T" stays "01T", so with
// "TYPE-unikt" ticked the recomposed code ends "01TT", as stored lists
// expect). A separator that is missing leaves its part empty and the rest
// of the code to the parts after it.
struct LoadedParts {
    QString location;
    QString system;
    QString nr1;
    QString product;
    QString nr2;
};
LoadedParts ReadCode(const QString& code);

// ---- running numbers --------------------------------------------------

enum class IncrementResult { Unchanged, Done, NotANumber };
// Adds one to a running number, keeping at least as many digits as the
// text had: "01" -> "02", "09" -> "10", "99" -> "100". An empty text is
// left as it is; a text that is not a whole number is refused and left.
IncrementResult IncrementNumber(QString& text);

// ---- searching --------------------------------------------------------

// Upper case for comparing, with the Norwegian letters (and every other
// letter) mapped: "kjøl" gives "KJØL".
QString Upper(const QString& text);
// The first entry after position `after` (-1: from the start) whose upper
// case contains the upper case of text; -1 when none does or text is empty.
int FindEntry(const QStringList& entries, const QString& text, int after = -1);

// ---- narrowing --------------------------------------------------------

// The lines (blanks removed at both ends) whose first `width` characters
// equal those of the chosen entry; empty lines match nothing, and so does
// every line when the chosen entry is empty.
QStringList Narrow(const QStringList& lines, const QString& chosen, int width);

// The first entry whose first `width` characters equal those of text; -1
// when none does or text is shorter than width.
int MatchPrefix(const QStringList& entries, const QString& text, int width);

// ---- the pick-list files ----------------------------------------------

enum class ListFile { Location, SystemGroup, System, Product, Text };
constexpr int ListFileCount = 5;
// "tfm-lokalisering.txt", "tfm-systemgruppe.txt", "tfm-system.txt",
// "tfm-produkt.txt", "tfm-tekst.txt".
QString FileName(ListFile f);
// The file in the TFM folder (program folder "data/tfm").
QString FilePath(ListFile f);
QString Folder();
// The built-in entries written to a missing file.
const QStringList& DefaultEntries(ListFile f);
// The two lists that are built in only: system main groups and product
// main groups.
const QStringList& SystemMainGroups();
const QStringList& ProductMainGroups();

// Writes each missing file of folder from its built-in entries (Windows-1252,
// CR LF). A file that is there, whatever it holds, is left alone. Returns
// how many files were written; a file that cannot be written is reported by
// the text-file layer and skipped.
int WriteMissingFiles(const QString& folder);

// The lines of a pick-list file for a list's entries: blanks removed at both
// ends, empty lines left out. Windows-1252, or UTF-8 when the file is
// valid UTF-8 with letters beyond ASCII (a copy saved by a newer editor).
// Returns false when the file is missing or cannot be read. A file that is
// there but cannot be opened is reported by the text-file layer, and so is
// a missing one when reportMissing is set (narrowing needs its file).
bool ReadListFile(const QString& path, QStringList& entries, bool reportMissing = false);
// Decodes a pick-list file's bytes the way ReadListFile does.
QStringList ListFileLines(const QByteArray& bytes);
// True when bytes should be read as UTF-8 rather than Windows-1252.
bool LooksLikeUtf8(const QByteArray& bytes);

// Reads a saved scratch list (Windows-1252 or UTF-8 as above), one entry
// per non-empty line, or returns false (reported by the text-file layer).
bool ReadScratchFile(const QString& path, QStringList& lines);
// Writes a scratch list, Windows-1252 with CR LF, replacing the file only
// when the whole list was written. Returns 0 or the system error number.
int WriteScratchFile(const QString& path, const QStringList& lines);

}  // namespace Tfm
