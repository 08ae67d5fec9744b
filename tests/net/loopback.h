#pragma once
// The throwaway SMTP and HTTP servers of the network tests, started on
// loopback by the test itself and stopped when the object goes, and a
// self-signed certificate for STARTTLS.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#ifndef KV_NET_TEST_DIR
#error KV_NET_TEST_DIR must name tests/net
#endif

class LoopbackServer {
public:
    // script: smtpserver.py or httpserver.py; args after the script.
    LoopbackServer(const QString& script, const QStringList& args)
    {
        proc_.setProgram(QStringLiteral("/usr/bin/python3"));
        proc_.setArguments(QStringList{QStringLiteral(KV_NET_TEST_DIR "/") + script} + args);
        proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proc_.start();
        if (!proc_.waitForStarted(10000)) return;
        for (int i = 0; i < 100 && port_ == 0; ++i) {
            if (!proc_.canReadLine()) proc_.waitForReadyRead(200);
            while (proc_.canReadLine()) {
                const QByteArray line = proc_.readLine().trimmed();
                if (line.startsWith("READY ")) port_ = line.mid(6).toInt();
            }
            if (proc_.state() != QProcess::Running) break;
        }
    }
    ~LoopbackServer()
    {
        proc_.closeWriteChannel();
        if (!proc_.waitForFinished(5000)) {
            proc_.kill();
            proc_.waitForFinished(2000);
        }
    }
    int port() const { return port_; }

private:
    QProcess proc_;
    int port_ = 0;
};

// A certificate for 127.0.0.1 and localhost, made with openssl.
inline bool MakeSelfSignedCert(const QString& dir, QString& cert, QString& key)
{
    cert = dir + "/cert.pem";
    key = dir + "/key.pem";
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert, "-days", "2",
                        "-subj", "/CN=localhost", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost"});
    return p.waitForFinished(60000) && p.exitCode() == 0 && QFile::exists(cert);
}

// The n-th message the SMTP server received, as it recorded it.
inline QJsonObject ReceivedMail(const QString& out, int n = 1, int waitTenths = 50)
{
    for (int i = 0; i < waitTenths && !QFile::exists(out + QString("/%1.json").arg(n)); ++i) QThread::msleep(100);
    QFile f(out + QString("/%1.json").arg(n));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}
