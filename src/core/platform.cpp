#include "core/platform.h"

#include "core/sysreg.h"
#include "core/textfil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

QString DesktopOpenerAdvice()
{
    return QStringLiteral("Installer pakken xdg-utils (programmet xdg-open), som åpner mapper, filer og "
                          "webadresser på skrivebordet.");
}

bool DatabaseValueTarget(const QString& value, QString* target)
{
    const QString text = value.trimmed();
    if (text.isEmpty() || text.contains(QChar(0)))
        return false;
    // A path: only a file inside the program's own folders.
    if (text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString path = text.startsWith(QLatin1Char('/')) ? text : QUrl(text).toLocalFile();
        const QString real = QFileInfo(path).canonicalFilePath();
        const QString root = QFileInfo(TrelvoPath()).canonicalFilePath();
        if (real.isEmpty() || root.isEmpty() || !real.startsWith(root + QLatin1Char('/')) || !QFileInfo(real).isFile())
            return false;
        if (target)
            *target = QUrl::fromLocalFile(real).toString(QUrl::FullyEncoded);
        return true;
    }
    QUrl url(text);
    if (url.scheme().isEmpty() || (!text.contains(QLatin1String("://")) && url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) != 0))
        url = QUrl(QStringLiteral("http://") + text);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto")) {
        if (url.path().isEmpty())
            return false;
    } else if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        return false;
    } else if (url.host().isEmpty()) {
        return false;
    }
    if (target)
        *target = url.toString(QUrl::FullyEncoded);
    return true;
}

bool OpenDatabaseValue(const QString& value)
{
    QString target;
    if (!DatabaseValueTarget(value, &target)) {
        LogLine(QStringLiteral("FEIL: åpner ikke «") + value.left(200) + QStringLiteral("»: ikke en web- eller e-postadresse"));
        return false;
    }
    // xdg-open gets the address as one argument and opens it with the
    // user's browser, mail program or viewer; nothing is executed.
    if (!QProcess::startDetached(QStringLiteral("xdg-open"), {target})) {
        LogLine(QStringLiteral("FEIL: kan ikke åpne ") + target);
        return false;
    }
    return true;
}
