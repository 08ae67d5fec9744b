#pragma once
// "python3 -m http.server" on loopback over a temporary folder: the web
// folder of the document tests. Stopped when the object goes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class DocServer {
public:
    DocServer()
    {
        proc_.setProgram(QStringLiteral("/usr/bin/python3"));
        proc_.setArguments({QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("0"),
                            QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                            dir_.path()});
        proc_.setProcessChannelMode(QProcess::SeparateChannels);
        proc_.start();
        if (!proc_.waitForStarted(10000)) return;
        static const QRegularExpression ready(QStringLiteral("port (\\d+)"));
        QByteArray seen;
        for (int i = 0; i < 100 && port_ == 0 && proc_.state() == QProcess::Running; ++i) {
            proc_.waitForReadyRead(100);
            seen += proc_.readAllStandardOutput();
            const auto m = ready.match(QString::fromUtf8(seen));
            if (m.hasMatch()) port_ = m.captured(1).toInt();
        }
    }
    ~DocServer()
    {
        proc_.kill();
        proc_.waitForFinished(3000);
    }
    bool ok() const { return port_ > 0; }
    int port() const { return port_; }
    QString root() const { return dir_.path(); }
    // The address of the server's folder, with its "/".
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
    // Puts a file on the server (relative path, folders made as needed).
    void put(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = dir_.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QProcess proc_;
    int port_ = 0;
};
