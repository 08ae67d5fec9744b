// The main of the small-screen test: the offscreen platform with one
// screen of 1366 x 768 pixels, as on a common laptop.
#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const QString config = QDir::temp().filePath(QStringLiteral("kv-screen-1366x768-%1.json").arg(QCoreApplication::applicationPid()));
    {
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly)) return 2;
        f.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                     "logicalDpi": 96, "dpr": 1}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    int code;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        code = RUN_ALL_TESTS();
    }
    QFile::remove(config);
    return code;
}
