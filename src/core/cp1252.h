#pragma once
// Windows-1252 text, the 8-bit form of every text file the program exchanges,
// and whole-file line helpers (lines read with CR LF, LF or CR; written with
// CR LF).
//
// The five byte values that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) read as the control characters with the same code, and those
// characters write back to the same byte, so every byte sequence survives a
// read and a write unchanged. A character that has no Windows-1252 byte is
// written as '?'.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

QByteArray ToCp1252(const QString& text);
QString FromCp1252(const QByteArray& bytes);
// The byte of one character, or '?' when it has none.
char Cp1252Byte(QChar c);

// Splits at CR LF, LF or lone CR. A final line end does not start another line.
QList<QByteArray> SplitLines(const QByteArray& bytes);
QStringList SplitCp1252Lines(const QByteArray& bytes);
// Every line followed by CR LF.
QByteArray JoinCp1252Lines(const QStringList& lines);

// Reads a whole Windows-1252 file into lines. Returns 0 or the system error
// number (lines is then empty).
int ReadCp1252Lines(const QString& path, QStringList& lines);
// Replaces path with the lines (Windows-1252, CR LF), atomically: the old
// file stays untouched unless the new one was written completely. Returns
// 0 or the system error number.
int WriteCp1252Lines(const QString& path, const QStringList& lines);
// Same for raw bytes.
int WriteFileAtomic(const QString& path, const QByteArray& bytes);
