#pragma once
// Small shared conversions: number texts, tolerant reading of typed
// numbers, fixed-width and capitalised texts, file-name helpers and the
// password scrambling of the settings files.
//
// Every number text made here uses the point as decimal separator and never
// depends on the process locale (no printf/strtod). Rounding to a number of
// decimals takes halves away from zero, and works on the shortest decimal
// text that reads back as the same double: 2.675 is stored as
// 2.67499999999999982236431605997495353221893310546875, yet its shortest
// text is "2.675", which rounds to "2.68" as anyone would expect.
// Infinite and NaN values are written as 0.

#include "core/platform.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// Year texts, set by InitFelles(): "2024", "01.01.2024", "31.12.2024".
extern QString DetteAar;
extern QString StartDato;
extern QString SluttDato;
void InitFelles();

// ---- numbers to text --------------------------------------------------

// The classic fixed form: x rounded to decimals (0..40), point as
// separator, padded with blanks on the left to width (never cut).
QString FixedStr(double x, int width, int decimals);
// x rounded half away from zero to decimals, decimal-correct as above.
double RoundHalfAway(double x, int decimals);

QString RealStr(int width, int decimals, double x);
// FixedStr; width 0 and decimals 0 give the shortest text with at most two
// decimals ("2.5", "3", "-0.25"); width 100 gives no leading blanks.
QString DoubleToStr(int width, int decimals, double x);
// FixedStr without a trailing ".000", ".00" or ".0"; width 100 gives no
// leading blanks.
QString DoubleToStr2(int width, int decimals, double x);
// DoubleToStr with a blank three and another six places before the
// decimal point ("1 234 567.89"). Always exactly two blanks are added, so
// right-aligned columns stay aligned; a blank that would fall at or before
// the first digit goes to the very front instead (" 1 234.50", "  12.50",
// " -123 456.70").
QString TusenFormat(int width, int decimals, double x);

// Number text for SQL and files: shortest text that reads back as x,
// point, no exponent ("12.5", "-3", "0.1").
QString SqlNum(double x);
// Same, rounded to decimals with trailing zeros kept ("12.50").
QString SqlNum(double x, int decimals);
// Screen form: decimal comma, blank between thousands ("1 234,50").
QString NorNum(double x, int decimals);

// ---- text to number ---------------------------------------------------

// Reads typed numbers: blanks removed, comma taken as point, anything but
// "+-.0123456789E" dropped, then read as a whole; 0 when that fails.
// "1 234,50" -> 1234.5, "kr 12,5" -> 12.5, "1.234,50" -> 0.
double StrToDouble(const QString& text);
// Strict reading of a whole number text: blanks at both ends ignored,
// comma or point as decimal separator, optional sign and exponent ("E" or
// "e"); nothing else. False (and out = 0) for anything that is not one
// number, also for out-of-range values.
bool TryStrToDouble(const QString& text, double& out);
// A number a user typed, in a window or on kvarnel-admin's command line: as
// TryStrToDouble, with blanks (space, no-break space) between the digits
// taken as thousands separators. "1 234,50" and "1234.5" -> 1234.5;
// "1.234,50", "12 kr" and "" are refused.
bool TryTypedToDouble(const QString& text, double& out);
// A number read from a file (price list, discount list, handheld terminal):
// blanks at both ends ignored; digits with at most one decimal comma or
// point; blanks (space, no-break space) only between groups of three digits
// before the decimals; a leading minus only when the range allows negative
// values. No plus sign, exponent, hex or other characters. The value must
// lie within min..max, and be whole when whole is set. On success out is
// the value and plain (when given) its text with a point, without blanks
// and leading zeros ("000012,50" -> "12.50", ",5" refused, "0,5" -> "0.5").
// Otherwise why (when given) says what is wrong, in Norwegian, to follow the
// field's name and value: "er ikke et tall", "har mer enn ett desimaltegn",
// "er ikke mellom 0 og 100", ...
struct FileNumberRange {
    double min = 0, max = 99999999;
    bool whole = false;
};
bool ReadFileNumber(const QString& text, const FileNumberRange& range, double& out, QString* plain = nullptr,
                    QString* why = nullptr);
// Strict reading of a decimal integer (blanks at both ends ignored,
// optional sign); false (and out = 0) otherwise or when out of range.
bool TryStrToInt(const QString& text, int& out);
// Number text fit for an SQL statement: "" and "0" give "0"; blanks
// removed, comma to point, leading zeros dropped, other characters
// dropped ("0,50" -> ".50"). A result that is empty or not a single
// number ("00", "abc", "--5", "1.2.3") gives "0".
QString NumFix(const QString& text);
// Blanks removed everywhere; with a point, trailing zeros removed; then a
// trailing point removed. " 12.500 " -> "12.5", "12.0" -> "12". A text of
// only zeros and a point gives "0"; an empty text gives "".
QString ShortNumStr(const QString& text);

// ---- texts ------------------------------------------------------------

QString ShortStr(const QString& text);  // blanks and control characters removed at both ends
QString ShortLn(const QString& text);   // ... at the end
QString RightStr(const QString& text, int n);  // blanks on the left up to n, cut to n
QString LongLn(const QString& text, int n);    // blanks on the right up to n, cut to n
// Word separators of MerkOrdStr.
extern const QString OrdSeperatorer;
// Lower case, then a to z capitalised at the start and after a separator:
// "BAKERI OG ÆRE-FEST" -> "Bakeri Og ære-Fest".
QString MerkOrdStr(const QString& text);
// 14 digits yyyyMMddHHmmss (midnight included); "" for an invalid value.
QString DateTimeToIsoStr(const QDateTime& dt);
// dd.MM.yyyy, the date form of the program's texts; "" for an invalid date.
QString DateStr(const QDate& d);
// A date as people type it: "01.12.2026", "1.12.26", "1.12" (this year),
// "01122026", "011226" and "2026-12-01"; "/" and "-" may stand for the
// point. Two-digit years are this century unless that lies more than 20
// years ahead. False for anything else, and for days that do not exist.
bool ParseTypedDate(const QString& typed, QDate& out, const QDate& today = QDate::currentDate());
// A date with an optional clock time after a blank ("01.12.2026 10:30",
// "2026-12-01 10:30:15", "1.12 8:05"); hasTime tells whether one was
// typed. False when either part is no date or time.
bool ParseTypedDateTime(const QString& typed, QDate& date, QTime& time, bool& hasTime,
                        const QDate& today = QDate::currentDate());

// ---- files ------------------------------------------------------------

// Size in bytes, or -1 when the file cannot be opened.
qint64 SizeOfFile(const QString& name);
// The SHA-256 digest of a file's contents in hexadecimal; empty when the
// file cannot be read.
QByteArray FileDigest(const QString& name);
// The file-name part (after the last "/") with everything after its first
// point replaced by ext; without a point, "." and ext are added.
// "prog.exe", "TXT" -> "prog.TXT".
QString NewFileExt(const QString& name, const QString& ext);
// The part after the last "/".
QString HTTPFileName(const QString& address);

// ---- scrambling -------------------------------------------------------

// "z", each character raised by its position (first by 1, ...), "2":
// "abc" -> "zbdf2". Works on Windows-1252 byte values, so æøå€ take part.
// A raised value that passes 255 continues from 32 (values stay in
// 32..255, never a control character that could break a settings line);
// control characters are left as they are. EnkelDeKryptStr reverses this
// exactly for every text that Windows-1252 can hold.
QString EnkelKryptStr(const QString& text);
QString EnkelDeKryptStr(const QString& text);
