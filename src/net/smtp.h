#pragma once
// Sending a message to an SMTP server (libcurl). The connection is
// encrypted whenever the server offers STARTTLS; when a user name is set the
// message goes only over an encrypted connection and the server's AUTH is
// used, so a password never crosses the network in clear. Port 465 means
// TLS from the first byte.
#include "net/mailmessage.h"

#include <QString>

struct SmtpSettings {
    QString host;
    int port = 25;
    QString user;          // empty: no login
    QString password;      // as typed (never stored so)
    QString caFile;        // extra trusted certificates (PEM); empty: the system's
    int connectTimeout = 20;  // seconds
    int timeout = 120;        // seconds for the whole send
    bool log = false;         // "LogSMTP": the send's steps in the log
};

// The settings of sections "Smtp" and "Email" of the user's settings file.
// The password is stored scrambled ("ServerPassword"), as the login's is;
// a login type other than "Enkel pålogging" (1) means no login.
struct MailSetup {
    bool externalProgram = false;
    QString mailProgram;
    int authType = 0;
    QString senderAddress;  // "PersonalEmail"
    QString senderName;     // "EmailName"
    SmtpSettings smtp;
};
MailSetup ReadMailSetup();
void WriteMailSetup(const MailSetup& s);

struct SmtpResult {
    bool ok = false;
    QString error;   // Norwegian, for the user
    QString detail;  // the library's and server's words, for the log
};

// Sends m to every address in m.to. Writes the "SMTP: ..." lines to the log
// when s.log is set; a failure is always logged.
SmtpResult SmtpSend(const SmtpSettings& s, const MailMessage& m);
