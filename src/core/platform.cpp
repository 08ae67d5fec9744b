#include "core/platform.h"

#include "core/textfil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace {
QString g_programOverride;
}

QString AppDataFolder()
{
    QString env = qEnvironmentVariable("APPDATA");
    if (!env.isEmpty()) {
        while (env.size() > 1 && env.endsWith(QLatin1Char('/')))
            env.chop(1);
        return env;
    }
    QString xdg = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (xdg.isEmpty())
        xdg = QDir::homePath() + QStringLiteral("/.local/share");
    return xdg;
}

QString GetNetworkUser()
{
    QString u = qEnvironmentVariable("USER");
    if (u.isEmpty())
        u = qEnvironmentVariable("USERNAME");
    // Started without a login shell's environment (a service, a desktop
    // entry of some sessions): the system account still names the user.
    if (u.isEmpty())
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name)
            u = QString::fromLocal8Bit(pw->pw_name);
    return u;
}

QString ProgramFilePath()
{
    if (!g_programOverride.isEmpty())
        return g_programOverride;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.symLinkTarget();
}

void SetProgramFilePath(const QString& path)
{
    g_programOverride = path;
}

bool StartProg(const QString& file, const QString& params, const QString& folder)
{
    if (file.isEmpty())
        return false;
    const QFileInfo fi(file);
    bool ok;
    if (fi.isFile() && fi.isExecutable()) {
        ok = QProcess::startDetached(fi.absoluteFilePath(), QProcess::splitCommand(params), folder);
    } else {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        ok = !opener.isEmpty() && QProcess::startDetached(opener, {file}, folder);
        if (opener.isEmpty())
            LogLine(QStringLiteral("StartProg: xdg-open finnes ikke, kan ikke åpne ") + file);
    }
    if (!ok)
        LogLine(QStringLiteral("StartProg: kan ikke starte ") + file);
    return ok;
}
