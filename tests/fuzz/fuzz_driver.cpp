// Runs a fuzz target's kept inputs once each, for builds without libFuzzer:
// every file named on the command line, or inside a folder named there.
// A crash or a failed check aborts the run, which fails the test.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
int runFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    int ran = 0;
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1Char('-'))) continue;  // libFuzzer options
        const QFileInfo fi(arg);
        QStringList files;
        if (fi.isDir()) {
            for (const QFileInfo& e : QDir(arg).entryInfoList(QDir::Files, QDir::Name)) files << e.filePath();
        } else {
            files << arg;
        }
        for (const QString& file : files) {
            failed += runFile(file);
            ++ran;
        }
    }
    std::printf("%d inputs ran\n", ran);
    return failed == 0 && ran > 0 ? 0 : 1;
}
