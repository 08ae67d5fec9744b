#pragma once
// E-mail messages as the program sends them: address lists typed by users,
// header texts made safe (no line breaks, non-ASCII as RFC 2047 encoded
// words) and the whole message in MIME form, the body as UTF-8 text and
// each attachment as a base64 part.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct MailAddress {
    QString name;     // display name, may be empty
    QString address;  // local@domain, printable ASCII
    bool operator==(const MailAddress&) const = default;
};

// Reads a typed list of addresses separated by "," or ";": plain
// "ola@firma.no", "Ola Nordmann <ola@firma.no>" or "\"Nordmann, Ola\"
// <ola@firma.no>". Empty items are skipped. On the first address that is
// not valid, returns false with error set to a Norwegian message naming it.
bool ParseAddressList(const QString& text, QList<MailAddress>& out, QString* error = nullptr);
// One address as ParseAddressList takes it (exactly one, non-empty).
bool ParseAddress(const QString& text, MailAddress& out);
// Whether text is a bare address the program accepts: one "@", a local part
// and a domain of printable ASCII without blanks or the special characters
// ( ) < > [ ] , ; : \ ", a domain of dot-separated non-empty labels.
bool IsValidAddress(const QString& text);

// Header text with CR and LF (and other control characters) replaced by
// blanks, so a typed subject can never start a header of its own.
QString CleanHeaderText(const QString& text);
// A header value: plain when it is printable ASCII, otherwise one or more
// "=?UTF-8?B?...?=" words of at most 75 characters, folded with CR LF and a
// blank, never splitting a character.
QByteArray EncodeHeaderText(const QString& text);
// "Name <address>" with the name quoted or encoded as needed; just the
// address when there is no name.
QByteArray FormatAddress(const MailAddress& a);

struct MailAttachment {
    QString fileName;     // the name the recipient sees
    QByteArray data;
    QByteArray mimeType;  // empty: guessed from the name
};

struct MailMessage {
    MailAddress from;
    QList<MailAddress> to;
    QString subject;
    QString body;
    QList<MailAttachment> attachments;
};

// The MIME type of a file name's extension (application/octet-stream when
// unknown).
QByteArray MimeTypeOf(const QString& fileName);
// Base64 in lines of 76 characters, each ended by CR LF.
QByteArray Base64Lines(const QByteArray& data);
// The whole message with CR LF line ends, ready for SMTP. boundary is used
// for the multipart parts (random when empty); date is the Date header.
QByteArray BuildMimeMessage(const MailMessage& m, const QDateTime& date, QByteArray boundary = QByteArray());
