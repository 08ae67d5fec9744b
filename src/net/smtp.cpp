#include "net/smtp.h"

#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QFile>

#include <curl/curl.h>

#include <cstring>

MailSetup ReadMailSetup()
{
    MailSetup s;
    UserIniSection smtp(QStringLiteral("Smtp"));
    s.externalProgram = GetRegBoolean(QStringLiteral("ExternalProgram"));
    s.mailProgram = GetRegStr(QStringLiteral("MailProgram"));
    s.authType = GetRegInt(QStringLiteral("SMTPAuthenticationType"));
    s.smtp.host = GetRegStr(QStringLiteral("ServerName")).trimmed();
    const int port = GetRegInt(QStringLiteral("ServerPort"));
    s.smtp.port = port > 0 && port < 65536 ? port : 25;
    if (s.authType == 1) {
        s.smtp.user = GetRegStr(QStringLiteral("ServerUser"));
        s.smtp.password = EnkelDeKryptStr(GetRegStr(QStringLiteral("ServerPassword")));
    }
    s.smtp.caFile = GetRegStr(QStringLiteral("CAFile"));
    s.smtp.log = GetRegBoolean(QStringLiteral("LogSMTP"));
    SetStdSec(QStringLiteral("Email"));
    s.senderAddress = GetRegStr(QStringLiteral("PersonalEmail")).trimmed();
    s.senderName = GetRegStr(QStringLiteral("EmailName"));
    return s;
}

void WriteMailSetup(const MailSetup& s)
{
    {
        UserIniSection smtp(QStringLiteral("Smtp"));
        SetRegBoolean(QStringLiteral("ExternalProgram"), s.externalProgram);
        SetRegStr(QStringLiteral("MailProgram"), s.mailProgram);
        SetRegInt(QStringLiteral("SMTPAuthenticationType"), s.authType);
        SetRegStr(QStringLiteral("ServerName"), s.smtp.host);
        SetRegInt(QStringLiteral("ServerPort"), s.smtp.port);
        SetRegStr(QStringLiteral("ServerUser"), s.smtp.user);
        SetRegStr(QStringLiteral("ServerPassword"), s.smtp.password.isEmpty() ? QString() : EnkelKryptStr(s.smtp.password));
        SetRegBoolean(QStringLiteral("LogSMTP"), s.smtp.log);
        SetStdSec(QStringLiteral("Email"));
        SetRegStr(QStringLiteral("PersonalEmail"), s.senderAddress);
        SetRegStr(QStringLiteral("EmailName"), s.senderName);
    }
    FlushSettings();
}

namespace {

// The host part of a URL: an IPv6 address in brackets.
QByteArray urlHost(const QString& host)
{
    const QByteArray h = host.toUtf8();
    return host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')) ? "[" + h + "]" : h;
}

struct Upload {
    const QByteArray* data;
    qsizetype pos = 0;
};

size_t readBody(char* buf, size_t size, size_t n, void* user)
{
    auto* u = static_cast<Upload*>(user);
    const size_t room = size * n;
    const size_t left = size_t(u->data->size() - u->pos);
    const size_t take = left < room ? left : room;
    std::memcpy(buf, u->data->constData() + u->pos, take);
    u->pos += qsizetype(take);
    return take;
}

struct Steps {
    const SmtpSettings* s;
    bool connected = false;
};

int afterConnect(void* user, char*, char*, int, int)
{
    auto* st = static_cast<Steps*>(user);
    st->connected = true;
    if (st->s->log) LogLine(QStringLiteral("SMTP: tilkoblet ") + st->s->host);
    return CURL_PREREQFUNC_OK;
}

QString userMessage(CURLcode rc, long response, const SmtpSettings& s)
{
    const QString where = s.host + QLatin1Char(':') + QString::number(s.port);
    switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST: return QStringLiteral("Finner ikke epostserveren ") + s.host;
    case CURLE_COULDNT_CONNECT: return QStringLiteral("Kan ikke koble til: ") + where;
    case CURLE_OPERATION_TIMEDOUT: return QStringLiteral("Epostserveren svarte ikke i tide: ") + where;
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("Epostserveren ") + s.host +
               QStringLiteral(" tilbyr ikke kryptert forbindelse; brukernavn og passord sendes ikke ukryptert");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("Den krypterte forbindelsen til ") + s.host + QStringLiteral(" kunne ikke godkjennes");
    case CURLE_LOGIN_DENIED: return QStringLiteral("Epostserveren avviste brukernavn eller passord");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR: return QStringLiteral("Forbindelsen til epostserveren ble brutt");
    default: break;
    }
    if (response >= 500) return QStringLiteral("Epostserveren avviste meldingen (") + QString::number(response) + ')';
    if (response >= 400)
        return QStringLiteral("Epostserveren kan ikke ta imot meldingen nå (") + QString::number(response) + ')';
    return QStringLiteral("Sending mislyktes");
}

} // namespace

SmtpResult SmtpSend(const SmtpSettings& s, const MailMessage& m)
{
    SmtpResult r;
    QStringList rcpts;
    for (const MailAddress& a : m.to) rcpts << a.address;
    if (s.log) {
        LogLine(QStringLiteral("SMTP: ") + GetBrukerNavn().toUpper() + QStringLiteral(" tillates tilgang"));
        LogLine(QStringLiteral("SMTP: fra ") + m.from.address + QStringLiteral(" til ") + rcpts.join(QStringLiteral(", ")) +
                QStringLiteral(" via ") + s.host);
    }
    auto fail = [&](const QString& error, const QString& detail) {
        r.ok = false;
        r.error = error;
        r.detail = detail;
        LogLine(QStringLiteral("SMTP: Kan ikke sende melding til ") + s.host + QStringLiteral(" (") + detail + ')');
        return r;
    };
    if (s.host.isEmpty()) return fail(QStringLiteral("Ingen utgående epostserver (SMTP) er satt opp"), QStringLiteral("no host"));
    for (QChar ch : s.host)
        if (!(ch.isLetterOrNumber() && ch.unicode() < 128) && !QStringLiteral(".-:[]").contains(ch))
            return fail(QStringLiteral("Ugyldig navn på epostserveren: ") + CleanHeaderText(s.host), QStringLiteral("bad host"));
    if (!IsValidAddress(m.from.address))
        return fail(QStringLiteral("Avsenderadressen mangler eller er ugyldig; sett den under \"Epost\""),
                    QStringLiteral("bad sender"));
    if (m.to.isEmpty()) return fail(QStringLiteral("Ingen mottaker er oppgitt"), QStringLiteral("no recipient"));
    for (const MailAddress& a : m.to)
        if (!IsValidAddress(a.address))
            return fail(QStringLiteral("Ugyldig epostadresse: ") + a.address, QStringLiteral("bad recipient"));

    const QByteArray message = BuildMimeMessage(m, QDateTime::currentDateTime());
    CURL* c = curl_easy_init();
    if (!c) return fail(QStringLiteral("Sending mislyktes"), QStringLiteral("curl_easy_init"));
    char errbuf[CURL_ERROR_SIZE] = {0};
    const bool implicitTls = s.port == 465;
    const QByteArray url = (implicitTls ? "smtps://" : "smtp://") + urlHost(s.host) + ":" + QByteArray::number(s.port);
    const QByteArray from = "<" + m.from.address.toLatin1() + ">";
    curl_slist* rcpt = nullptr;
    for (const QString& a : rcpts) rcpt = curl_slist_append(rcpt, ("<" + a.toLatin1() + ">").constData());
    Upload up{&message};
    Steps steps{&s};
    const QByteArray user = s.user.toUtf8(), pass = s.password.toUtf8(), ca = QFile::encodeName(s.caFile);

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(s.connectTimeout));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(s.timeout));
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readBody);
    curl_easy_setopt(c, CURLOPT_READDATA, &up);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(message.size()));
    curl_easy_setopt(c, CURLOPT_PREREQFUNCTION, afterConnect);
    curl_easy_setopt(c, CURLOPT_PREREQDATA, &steps);
    // Encrypt whenever the server can; with a login, only encrypted.
    const bool login = !s.user.isEmpty();
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(login ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    if (!s.caFile.isEmpty()) curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    if (login) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, pass.constData());
    }
    const CURLcode rc = curl_easy_perform(c);
    long response = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response);
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(c);
    if (rc != CURLE_OK) {
        const QString detail = QString::fromUtf8(curl_easy_strerror(rc)) +
                               (errbuf[0] ? QStringLiteral(": ") + QString::fromUtf8(errbuf) : QString()) +
                               (response ? QStringLiteral(" [") + QString::number(response) + ']' : QString());
        return fail(userMessage(rc, response, s), detail);
    }
    if (s.log) {
        LogLine(QStringLiteral("SMTP: melding sendt"));
        LogLine(QStringLiteral("SMTP: koblet fra ") + s.host);
    }
    r.ok = true;
    return r;
}
