#pragma once
// Identity of the program's XML interface and the two encodings of the
// Norwegian letters met in exchanged files: the letters themselves, and
// the pairs of characters they become when their UTF-8 bytes are read as
// single-byte (Windows-1252) characters.

#include <QString>
#include <array>

extern const QString XMLVersionName;  // "Trelvo XMLAPI"
extern const QString XMLVersion;      // "1.30"
extern const QString xmlencoding;     // "iso-8859-1"

extern const std::array<QString, 6> NorChar;     // æ ø å Æ Ø Å
extern const std::array<QString, 6> NorCharXML;  // "Ã¦" "Ã¸" "Ã¥" "Ã†" "Ã˜" "Ã…"

// Each NorCharXML text replaced by its letter.
QString UTFtoISO(const QString& text);
// Each letter replaced by its NorCharXML text.
QString ISOtoUTF(const QString& text);

// Message sink for XML handling: with detailed logging on, logs
// "XML: " number " " text.
void XmlMessage(int number, const QString& text);
