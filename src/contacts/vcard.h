#pragma once
// vCard 3.0 files of contacts. Cards are written as UTF-8 with CR LF line
// ends: every value escaped (backslash, comma, semicolon, line breaks),
// every line longer than 75 bytes folded with CR LF and a blank, never
// inside a UTF-8 character or an escape. Reading accepts what address books
// write: folded lines, groups ("item1.EMAIL"), TYPE lists in either form,
// structured N, ADR and ORG, UTF-8 or (when the file is not valid UTF-8)
// Windows-1252.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct VCardContact {
    qint64 id = 0;  // written as UID "KV6-<id>"; 0: no UID
    QString realname, initials, title, department;
    QString email, homeEmail;
    QString workPhone, mobilePhone, homePhone;
    QString homepage;
    QString postalAddress, streetAddress, city, postalCode;
    QString note;
    // The contact's company, when it has one.
    QString companyName, companyFax, companyHomepage;
    bool operator==(const VCardContact&) const = default;
};

// Backslash, comma and semicolon escaped; every line break (CR LF, LF or
// CR) written as "\n".
QString VCardEscape(const QString& value);
// The reverse: "\n" and "\N" a line break (CR LF), "\x" the character x, a
// lone backslash at the end dropped.
QString VCardUnescape(const QString& value);
// One logical line as UTF-8 lines of at most 75 bytes, the first as it
// stands and the rest each starting with a blank.
QList<QByteArray> FoldVCardLine(const QByteArray& utf8);
// Family name (after the last blank) and given name (before it).
void SplitNavn(const QString& realname, QString& family, QString& given);

// One card, CR LF line ends.
QByteArray WriteVCard(const VCardContact& c);

// The text of a vCard file: UTF-8 when the bytes are valid UTF-8 (a byte
// order mark is dropped), Windows-1252 otherwise.
QString DecodeVCardBytes(const QByteArray& bytes);
// Every card of a file's text. Lines outside BEGIN:VCARD ... END:VCARD are
// skipped; a card without END ends at the next BEGIN or the end of the
// file. skipped, when given, counts the lines that were ignored because
// they stood outside a card or were not property lines.
QList<VCardContact> ReadVCards(const QString& text, int* skipped = nullptr);
// The number of BEGIN:VCARD lines.
int CountCards(const QString& text);
