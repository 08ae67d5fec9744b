#include "core/platformlookup.h"

#include "core/dialogs.h"
#include "core/platform.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

QString GetComputername()
{
    return QSysInfo::machineHostName();
}

QString GetDomain()
{
    return QHostInfo::localDomainName();
}

QString GetIPAddress()
{
    if (!ForceIPAddress.isEmpty())
        return ForceIPAddress;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& ni : interfaces) {
        const auto flags = ni.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : ni.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
                return a.toString();
        }
    }
    return QStringLiteral("0.0.0.0");
}

QString GetSpoolDirectory()
{
    return QString();
}

QString WindowsTempDir()
{
    for (const char* name : {"TMPDIR", "TEMP", "TMP"}) {
        const QString v = qEnvironmentVariable(name);
        if (!v.isEmpty())
            return v;
    }
    return QStringLiteral("/tmp");
}

QString WindowsEtcDir()
{
    return QStringLiteral("/etc");
}

QString SkriveBord()
{
    QString d = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (d.isEmpty())
        d = QDir::homePath() + QStringLiteral("/Desktop");
    return d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/');
}

QString NotesDataDir()
{
    return QString();
}

QString WindowsVersjon()
{
    return QSysInfo::prettyProductName() + QStringLiteral(" Version: ") + QSysInfo::productVersion() +
           QStringLiteral(" Build: ") + QSysInfo::kernelVersion();
}

namespace {

// Removes everything below dir; the folder itself stays.
void emptyFolder(const QString& dir)
{
    if (VerboseLogging)
        LogLine(QStringLiteral("Sletter mappen ") + dir);
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& fi : entries) {
        const QString path = fi.absoluteFilePath();
        if (fi.isDir() && !fi.isSymLink()) {
            emptyFolder(path + QLatin1Char('/'));
            if (!QDir().rmdir(path))
                LogLine(QStringLiteral("FEIL: kan ikke slette mappen ") + path);
            continue;
        }
        if (VerboseLogging)
            LogLine(QStringLiteral("Sletter ") + path);
        // A link is removed as a link; a read-only file is made writable first.
        if (!fi.isSymLink() && !fi.isWritable())
            QFile::setPermissions(path, fi.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        if (!QFile::remove(path))
            LogLine(QStringLiteral("FEIL: kan ikke slette filen ") + path);
    }
}

} // namespace

void DeleteScan(const QString& folder)
{
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    if (dir.size() <= 6)
        return;
    const QFileInfo fi(dir);
    // A link in place of the folder is never followed.
    if (QFileInfo(folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder).isSymLink() || !fi.isDir())
        return;
    emptyFolder(dir);
}

void DeleteTemporaryFiles(bool includeSystem)
{
    LogLine(QStringLiteral("Sletter midlertidige filer opprettet av Trelvo programmer"));
    const QString tmp = TrelvoPath(QStringLiteral("tmp"));
    if (tmp.size() > 3 && tmp.toUpper().contains(QStringLiteral("TMP")))
        DeleteScan(tmp);
    if (includeSystem)
        LogLine(QStringLiteral("HINT: midlertidige systemfiler og skriverkøer slettes ikke på denne plattformen"));
}

QString LagSkrivebordIkon(const QString& folder)
{
    const QString dir = folder.isEmpty() ? SkriveBord() : (folder.endsWith(QLatin1Char('/')) ? folder : folder + '/');
    const QString program = ProgramFilePath();
    const QString name = QFileInfo(program).completeBaseName();
    const QString path = dir + name + QStringLiteral(".desktop");
    QDir().mkpath(dir);
    // Exec arguments are quoted; a quote, backslash, dollar or backtick in
    // the path is escaped as desktop entries require.
    QString quoted = program;
    for (const char* c : {"\\", "\"", "`", "$"})
        quoted.replace(QLatin1String(c), QLatin1String("\\") + QLatin1String(c));
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=Kvarnel\n"
                                        "Comment=Kvarnel forretningssystem\n"
                                        "Exec=\"%1\"\n"
                                        "Path=%2\n"
                                        "Icon=office-database\n"
                                        "Terminal=false\n"
                                        "Categories=Office;Finance;\n")
                             .arg(quoted, QFileInfo(program).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit()) {
        LogLine(QStringLiteral("FEIL: kan ikke lage skrivebordsikonet ") + path);
        return QString();
    }
    // Desktops start only entries that are marked executable.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    LogLine(QStringLiteral("Lager skrivebordsikon ") + path);
    return path;
}

namespace {
QString findUpdater(const QString& folder)
{
    for (const char* name : {"oppdater", "oppdater.exe"}) {
        const QFileInfo fi(folder + QLatin1String(name));
        if (fi.isFile())
            return fi.absoluteFilePath();
    }
    return QString();
}
} // namespace

bool OppdaterProgramFraFTP()
{
    QString bin = TrelvoPath(QStringLiteral("bin"));
    QString updater = findUpdater(bin);
    if (updater.isEmpty()) {
        bin = SetBinPath();
        updater = findUpdater(bin);
    }
    if (updater.isEmpty()) {
        LogLine(QStringLiteral("FEIL: finner ikke oppdateringsprogrammet oppdater i ") + bin);
        CurrentDialogs()->ShowMessage(
            QStringLiteral("Finner ikke oppdateringsprogrammet «oppdater» i mappen ") + bin, QStringLiteral("FEIL"));
        return false;
    }
    LogLine(QStringLiteral("Starter oppdatering av programmet..."));
    const QString program = ProgramFilePath();
    if (!QProcess::startDetached(updater, {program}, bin)) {
        LogLine(QStringLiteral("FEIL: kan ikke starte ") + updater);
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke starte oppdateringsprogrammet ") + updater,
                                      QStringLiteral("FEIL"));
        return false;
    }
    LogLine(QStringLiteral("Avslutter ") + program + QStringLiteral(" for å oppdatere i fra internett."));
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return true;
}

void LogLogin()
{
    LogLine(QStringLiteral("LOGIN: ") + GetNetworkUser() + QStringLiteral("  node: ") + GetComputername() +
            QLatin1Char('.') + GetDomain() + QStringLiteral(" IP:") + GetIPAddress());
}
