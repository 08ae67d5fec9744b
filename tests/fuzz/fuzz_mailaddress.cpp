// Typed recipient lists and header texts: whatever is typed, an accepted
// list holds only valid addresses, and nothing that reaches a header can
// break a line or start a header of its own.
#include "fuzz_check.h"
#include "net/mailmessage.h"

#include <QDateTime>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<MailAddress> list;
    QString error;
    const bool ok = ParseAddressList(text, list, &error);
    FUZZ_CHECK(ok == !list.isEmpty());
    FUZZ_CHECK(ok || !error.isEmpty());
    FUZZ_CHECK(!error.contains(QLatin1Char('\n')) && !error.contains(QLatin1Char('\r')));
    for (const MailAddress& a : list) {
        FUZZ_CHECK(IsValidAddress(a.address));
        const QByteArray shown = FormatAddress(a);
        if (!shown.contains("\r\n ")) {
            FUZZ_CHECK(!shown.contains('\r') && !shown.contains('\n'));
            // Formatted, the address reads back as itself.
            MailAddress back;
            FUZZ_CHECK(ParseAddress(QString::fromLatin1(shown), back) && back.address == a.address);
        }
    }
    const QByteArray header = EncodeHeaderText(text);
    for (const QByteArray& line : header.split('\n')) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        FUZZ_CHECK(!l.contains('\r'));
        FUZZ_CHECK(l.size() <= 76);
    }
    MailMessage m;
    m.from = {text.left(40), QStringLiteral("a@b.no")};
    m.to = list.isEmpty() ? QList<MailAddress>{{QString(), QStringLiteral("c@d.no")}} : list;
    m.subject = text;
    m.body = text;
    m.attachments = {{text.left(30), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), {}}};
    const QByteArray msg = BuildMimeMessage(m, QDateTime::fromSecsSinceEpoch(0), "B");
    const qsizetype headerEnd = msg.indexOf("\r\n\r\n");
    FUZZ_CHECK(headerEnd > 0);
    for (const QByteArray& line : msg.left(headerEnd).split('\n')) {
        FUZZ_CHECK(line.endsWith('\r') || line == msg.left(headerEnd).split('\n').last());
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        FUZZ_CHECK(!l.contains('\r'));
        // A header line or its folded continuation, nothing else.
        FUZZ_CHECK(l.startsWith(' ') || l.contains(':'));
    }
    return 0;
}
