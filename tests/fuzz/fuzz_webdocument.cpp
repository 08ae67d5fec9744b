// Document references from the shared database mapped to local files and
// back: whatever the reference, a local file lies inside its folder, and
// an address that goes on the wire is plain ASCII http(s) without blanks.
#include "fuzz_check.h"
#include "net/webdocument.h"

#include <QDir>
#include <QStringList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // The input is the reference, optionally followed by "\n" and a
    // translation pair "web|local" to map through.
    const QStringList parts = all.split(QLatin1Char('\n'));
    const QString reference = parts.value(0);
    WebFolderSettings s;
    s.docUrl = QStringLiteral("http://dok.example.no/arkiv/");
    s.docLocal = QStringLiteral("/srv/kvarnel/docs/");
    s.active = (size % 2) == 0;
    if (parts.size() > 1) {
        const QStringList pair = parts[1].split(QLatin1Char('|'));
        s.web[0] = pair.value(0);
        s.local[0] = pair.value(1);
    }
    const auto inside = [&](const QString& file) {
        if (file.contains(QLatin1String("/../")) || file.endsWith(QLatin1String("/.."))) return false;
        if (file.startsWith(s.localBase())) return true;
        // The pair's folder as the mapping reads it: trimmed, "\\" as "/",
        // "." and doubled separators cleaned away.
        QString pairLocal = s.local[0].trimmed();
        pairLocal.replace(QLatin1Char('\\'), QLatin1Char('/'));
        pairLocal = QDir::cleanPath(pairLocal);
        return !pairLocal.isEmpty() && QDir::cleanPath(file).startsWith(pairLocal);
    };
    const DocumentLocation loc = LocateDocument(s, reference);
    if (loc.ok()) {
        FUZZ_CHECK(!loc.local.isEmpty());
        FUZZ_CHECK(inside(loc.local));
        if (loc.mayDownload) FUZZ_CHECK(!loc.url.isEmpty());
    } else {
        FUZZ_CHECK(loc.local.isEmpty());
    }
    const DocumentLocation back = LocateLocalFile(s, reference);
    if (back.ok() && !back.url.isEmpty()) FUZZ_CHECK(!back.local.isEmpty());

    const QString joined = JoinInside(s.localBase(), reference);
    if (!joined.isEmpty()) {
        FUZZ_CHECK(joined.startsWith(s.localBase()));
        FUZZ_CHECK(!joined.contains(QLatin1String("/../")));
    }
    const QString wire = EncodedAddress(reference);
    if (!wire.isEmpty()) {
        FUZZ_CHECK(wire.startsWith(QLatin1String("http://")) || wire.startsWith(QLatin1String("https://")));
        for (const QChar c : wire) FUZZ_CHECK(c.unicode() > 32 && c.unicode() < 127);
    }
    return 0;
}
