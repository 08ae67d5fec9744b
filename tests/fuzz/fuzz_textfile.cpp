// Text files read line by line: whatever the bytes, the reader ends, every
// line is one line, and the lines are those of the whole-file reader.
#include "core/cp1252.h"
#include "core/textfil.h"
#include "fuzz_check.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath(QStringLiteral("input.txt"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(f.write(bytes) == bytes.size());
    }
    TextFile tf;
    FUZZ_CHECK(opentextfile(tf, path) == 0);
    QStringList lines;
    QString line;
    int guard = 0;
    while (!eoftextfile(tf)) {
        FUZZ_CHECK(readlntextfile(tf, line) == 0);
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')));
        lines << line;
        FUZZ_CHECK(++guard <= int(size) + 1);
    }
    closetextfile(tf);

    QStringList whole;
    FUZZ_CHECK(ReadCp1252Lines(path, whole) == 0);
    FUZZ_CHECK(lines == whole);
    return 0;
}
