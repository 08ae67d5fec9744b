#pragma once
// Handing a message to the workstation's own mail program.
#include <QString>
#include <QStringList>

struct ProgramCall {
    QString program;    // a program name looked up on PATH, or "xdg-open"
    QStringList args;   // passed as they are, without a shell
};

// The mail programs the setup window offers.
QStringList MailProgramNames();
// "file:///" + the path with "\" made "/" (and no doubled slash).
QString FileURL(const QString& path);
// The call that opens a new message in program: Thunderbird, SeaMonkey and
// Mozilla with "-compose" (recipient, subject, body, attachment), Lotus
// Notes with a mailto address, anything else the desktop's mail handler
// with a mailto address carrying recipient, subject and body.
ProgramCall ExternalMailCall(const QString& program, const QString& recipient, const QString& subject,
                             const QString& body, const QString& attachment);
// A mailto address: the recipient, then subject and body, percent-encoded.
QString MailtoURL(const QString& recipient, const QString& subject = QString(), const QString& body = QString());
