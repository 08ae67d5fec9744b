#include "data/privateserver.h"

#include "core/platform.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/schemaupgrade.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <memory>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Holds an exclusive lock on a file for as long as it lives, so that two
// programs of the same user never start or stop the server at the same time.
class FileLock {
public:
    explicit FileLock(const QString& path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~FileLock()
    {
        if (fd_ >= 0) ::close(fd_);
    }

private:
    int fd_ = -1;
};

QString findProgram(const QString& name)
{
    QString p = QStandardPaths::findExecutable(name);
    if (p.isEmpty())
        p = QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/usr/libexec", "/sbin"});
    return p;
}

QString currentUserName()
{
    if (const passwd* pw = ::getpwuid(::geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

bool processAlive(qint64 pid)
{
    if (pid <= 0) return false;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM) return false;
    // A process that has ended but is not yet reaped holds nothing.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && (line[close + 2] == 'Z' || line[close + 2] == 'X')) return false;
    }
    // A pid may be reused after a crash: only a database server counts.
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly)) {
        const QByteArray name = comm.readAll().trimmed();
        return name == "mariadbd" || name == "mysqld";
    }
    return true;
}

// The process holding a write lock on file (a database server keeps one
// on its system tablespace while it runs, stopped or not); 0 when none.
qint64 lockHolder(const QString& file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return 0;
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    qint64 pid = 0;
    if (::fcntl(fd, F_GETLK, &fl) == 0 && fl.l_type != F_UNLCK) pid = fl.l_pid;
    ::close(fd);
    return pid;
}

QString tailOf(const QString& path, int lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> all = f.readAll().split('\n');
    QStringList out;
    for (qsizetype i = qMax<qsizetype>(0, all.size() - lines - 1); i < all.size(); ++i)
        if (!all[i].trimmed().isEmpty()) out << QString::fromLocal8Bit(all[i]);
    return out.join('\n');
}

// Options shared by bootstrap and normal start: small InnoDB files, our
// character set, and for test runs no flushing at every commit.
QStringList commonOptions()
{
    QStringList o{
        "--innodb-log-file-size=16M",
        "--character-set-server=utf8mb4",
        "--collation-server=utf8mb4_danish_ci",
    };
    const QString pool = qEnvironmentVariable("KVARNEL_DB_BUFFER", "128M");
    o << "--innodb-buffer-pool-size=" + pool;
    if (qEnvironmentVariableIsSet("KVARNEL_DB_FAST"))
        o << "--innodb-flush-log-at-trx-commit=0" << "--innodb-doublewrite=0";
    if (::geteuid() == 0) o << "--user=root";
    return o;
}

} // namespace

PrivateServer::PrivateServer(QString folder) : folder_(std::move(folder))
{
    if (!folder_.endsWith('/')) folder_ += '/';
}

QString PrivateServer::DefaultFolder(const QString& appData)
{
    return QDir::cleanPath((appData.isEmpty() ? AppDataFolder() : appData) + "/Trelvo/db") + '/';
}

QString PrivateServer::socketFolder() const
{
    // A Unix socket path holds at most 107 bytes; deep folders fall back to
    // a folder in /tmp of this user's own, unique for this server folder.
    if (QFile::encodeName(folder_ + "mariadbd.sock").size() < 100) return folder_;
    const QByteArray h = QCryptographicHash::hash(folder_.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("/tmp/kvarnel-%1-%2/").arg(::geteuid()).arg(QString::fromLatin1(h));
}

QString PrivateServer::socketPath() const { return socketFolder() + "mariadbd.sock"; }

bool PrivateServer::secureSocketFolder()
{
    // Only the owner may enter the folder that holds the socket; a folder
    // someone else made (or a link) in its place is not used.
    const QString dir = socketFolder();
    const QByteArray path = QFile::encodeName(QDir::cleanPath(dir));
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        error_ = QStringLiteral("Kan ikke lage mappen %1 for databaseserveren").arg(dir);
        return false;
    }
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        error_ = QStringLiteral("Mappen %1 for databaseserveren tilhører en annen bruker").arg(dir);
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        error_ = QStringLiteral("Kan ikke gjøre mappen %1 privat").arg(dir);
        return false;
    }
    return true;
}

QString PrivateServer::adminPassword() const
{
    QFile f(adminKeyFile());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll().trimmed());
}

bool PrivateServer::secureAdminAccount()
{
    if (QFileInfo::exists(adminKeyFile())) {
        Connection c;
        if (c.open(adminParams()) || c.lastErrno() != 1045) return true;
        // A key written just before a crash, the account still without it.
        ConnectParams bare = adminParams();
        bare.password.clear();
        if (!c.open(bare)) return true;  // not ours to mend; connecting says why
        if (c.exec("ALTER USER 'root'@'localhost' IDENTIFIED BY " + c.quote(adminPassword()))) return true;
        error_ = DbFailureText(QStringLiteral("Kan ikke sikre databaseserveren"), c.lastErrno(), c.lastError());
        return false;
    }
    // A new server (or one from before the key) has an administrator
    // without a password: it gets a random one, kept readable for the
    // owner only.
    Connection c;
    if (!c.open(adminParams())) {
        error_ = DbFailureText(QStringLiteral("Kan ikke sikre databaseserveren"), c.lastErrno(), c.lastError());
        return false;
    }
    const QByteArray alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    QByteArray key;
    for (int i = 0; i < 32; ++i) key += alphabet[int(QRandomGenerator::system()->bounded(uint(alphabet.size())))];
    // The key is in place before the account changes: a crash in between
    // leaves a key the account does not have yet, which the next start
    // finds out and mends, never an account with a lost key.
    const QString tmp = adminKeyFile() + ".new";
    QFile::remove(tmp);
    const int fd = ::open(QFile::encodeName(tmp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool ok = fd >= 0 && ::write(fd, key.constData(), size_t(key.size())) == key.size() && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    ok = ok && ::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(adminKeyFile()).constData()) == 0;
    // The server listens on its socket only, so the installer's root
    // accounts for network hosts go; root@localhost gets the password.
    ok = ok && c.exec(QStringLiteral("DELETE FROM mysql.global_priv WHERE User='root' AND Host<>'localhost'")) &&
         c.exec(QStringLiteral("FLUSH PRIVILEGES")) &&
         c.exec("ALTER USER 'root'@'localhost' IDENTIFIED BY " + c.quote(QString::fromLatin1(key)));
    if (!ok) {
        QFile::remove(tmp);
        QFile::remove(adminKeyFile());
        error_ = DbFailureText(QStringLiteral("Kan ikke sikre databaseserveren"), c.lastErrno(), c.lastError());
        return false;
    }
    LogLine("Den private databaseserverens administrator har fått nytt passord i " + adminKeyFile());
    return true;
}

ConnectParams PrivateServer::adminParams(const QString& database) const
{
    ConnectParams p;
    p.socket = socketPath();
    p.user = QStringLiteral("root");
    p.password = adminPassword();
    p.database = database;
    p.connectTimeout = 2;
    ApplyTimeoutOverride(p);
    return p;
}

ConnectParams PrivateServer::params(const QString& user, const QString& password, const QString& database) const
{
    ConnectParams p;
    p.socket = socketPath();
    p.user = user;
    p.password = password;
    p.database = database;
    ApplyTimeoutOverride(p);
    return p;
}

qint64 PrivateServer::runningPid() const
{
    QFile f(pidFile());
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const qint64 pid = f.readAll().trimmed().toLongLong();
    return processAlive(pid) ? pid : 0;
}

bool PrivateServer::isRunning() const
{
    if (!QFileInfo::exists(socketPath())) return false;
    // A server that refuses the password still runs.
    Connection c;
    return c.open(adminParams()) || c.lastErrno() == 1045;
}

void PrivateServer::cleanStale()
{
    if (runningPid() != 0) return;
    // No live server: whatever a crash left behind goes.
    if (QFileInfo::exists(pidFile())) {
        LogLine("ADVARSEL: fjerner gammel pid-fil " + pidFile());
        QFile::remove(pidFile());
    }
    if (QFileInfo::exists(socketPath()) && !isRunning()) {
        LogLine("ADVARSEL: fjerner gammel socket " + socketPath());
        QFile::remove(socketPath());
    }
    // A socket of an older version in /tmp itself, for deep folders.
    const QByteArray h = QCryptographicHash::hash(folder_.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString old = QStringLiteral("/tmp/kvarnel-%1-%2.sock").arg(::geteuid()).arg(QString::fromLatin1(h));
    QFileInfo oldInfo(old);
    if (oldInfo.exists() && oldInfo.ownerId() == ::geteuid()) QFile::remove(old);
}

bool PrivateServer::install()
{
    const QString installer = findProgram("mariadb-install-db");
    if (installer.isEmpty()) {
        error_ = QStringLiteral("Finner ikke mariadb-install-db. Installer pakken mariadb-server.");
        return false;
    }
    QDir().mkpath(folder_);
    // A half-made data folder from an interrupted first start is made again.
    QDir(dataDir()).removeRecursively();
    // A temporary folder of its own: servers bootstrapping side by side in a
    // shared /tmp trip over each other's temporary tables.
    QDir().mkpath(folder_ + "tmp");
    QStringList args{"--no-defaults", "--datadir=" + dataDir(), "--tmpdir=" + folder_ + "tmp",
                     "--auth-root-authentication-method=normal", "--skip-test-db"};
    if (::geteuid() != 0) args << "--user=" + currentUserName();
    args << commonOptions();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(installer, args);
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        // The installer's own error lines say what went wrong; its closing
        // advice does not.
        const QStringList lines = QString::fromLocal8Bit(p.readAll()).split('\n');
        QStringList errors;
        for (const QString& l : lines)
            if (l.contains("ERROR", Qt::CaseInsensitive) || l.contains("FATAL", Qt::CaseInsensitive)) errors << l;
        if (errors.isEmpty()) errors = lines.mid(0, 8);
        error_ = QStringLiteral("Kan ikke opprette databasen i %1: %2").arg(dataDir(), errors.join('\n').left(1200));
        QDir(dataDir()).removeRecursively();
        return false;
    }
    LogLine("Opprettet privat databaseserver i " + dataDir());
    created_ = true;
    return true;
}

bool PrivateServer::launch()
{
    const QString server = findProgram("mariadbd");
    if (server.isEmpty()) {
        error_ = QStringLiteral("Finner ikke mariadbd. Installer pakken mariadb-server.");
        return false;
    }
    QStringList args{"--no-defaults",
                     "--datadir=" + dataDir(),
                     "--socket=" + socketPath(),
                     "--pid-file=" + pidFile(),
                     "--log-error=" + logFile(),
                     "--tmpdir=" + folder_ + "tmp",
                     "--skip-networking",
                     "--skip-name-resolve",
                     "--max-connections=200"};
    args << commonOptions();
    qint64 pid = 0;
    QProcess p;
    p.setProgram(server);
    p.setArguments(args);
    p.setWorkingDirectory(folder_);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    if (!p.startDetached(&pid)) {
        error_ = QStringLiteral("Kan ikke starte %1").arg(server);
        return false;
    }
    if (!waitUntilAnswering(120000, pid)) return false;
    LogLine(QStringLiteral("Startet privat databaseserver (pid %1, socket %2)").arg(pid).arg(socketPath()));
    return true;
}

bool PrivateServer::waitUntilAnswering(int timeoutMs, qint64 pid)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (QFileInfo::exists(socketPath())) {
            Connection c;
            if (c.open(adminParams()) || c.lastErrno() == 1045) return true;
        }
        if (pid > 0 && ::kill(pid_t(pid), 0) != 0) {
            error_ = QStringLiteral("Databaseserveren stoppet under oppstart:\n%1").arg(tailOf(logFile(), 8));
            return false;
        }
        QThread::msleep(50);
    }
    error_ = QStringLiteral("Databaseserveren svarer ikke etter %1 sekunder").arg(timeoutMs / 1000);
    return false;
}

bool PrivateServer::start()
{
    error_.clear();
    created_ = false;
    QDir().mkpath(folder_);
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    FileLock lock(folder_ + "server.lock");
    if (isRunning()) return secureAdminAccount();
    // A server that holds the folder but does not answer (stopped, hung,
    // swapped out) is never joined by a second one on the same data.
    auto holderOfData = [this] {
        const qint64 pid = runningPid();
        return pid != 0 ? pid : lockHolder(dataDir() + "/ibdata1");
    };
    qint64 holder = holderOfData();
    // A server on its way out (just killed, or stopping) lets go within
    // moments.
    QElapsedTimer waited;
    waited.start();
    while (holder != 0 && waited.elapsed() < 5000) {
        QThread::msleep(100);
        holder = holderOfData();
    }
    if (holder != 0) {
        error_ = QStringLiteral("Databaseserveren svarer ikke: prosess %1 holder datamappen %2, men svarer ikke på "
                                "spørsmål. Vent litt og prøv igjen. Svarer den fortsatt ikke, avslutt prosessen "
                                "(kill %1, eller kill -9 %1 om den ikke avslutter) og prøv igjen.")
                     .arg(holder)
                     .arg(dataDir());
        LogLine(QStringLiteral("FEIL: ") + error_);
        return false;
    }
    cleanStale();
    if (!QFileInfo::exists(dataDir() + "/mysql") && !install()) return false;
    QDir().mkpath(folder_ + "tmp");
    if (!secureSocketFolder() || !launch()) return false;
    if (!secureAdminAccount()) {
        stopLocked();
        return false;
    }
    if (created_ && !provision(DefaultDatabase(), true)) return false;
    if (!created_) {
        // Databases made by an older program get the newer schema's columns
        // before anything uses them.
        Connection c;
        if (c.open(adminParams())) UpgradeAllDatabases(c);
    }
    return true;
}

bool PrivateServer::stop()
{
    error_.clear();
    if (!QFileInfo::exists(folder_)) return true;
    FileLock lock(folder_ + "server.lock");
    return stopLocked();
}

bool PrivateServer::stopLocked()
{
    QFile::remove(keepFile());
    qint64 pid = runningPid();
    {
        Connection c;
        if (c.open(adminParams())) {
            c.exec(QStringLiteral("SHUTDOWN"));
        } else if (pid > 0) {
            ::kill(pid_t(pid), SIGTERM);
        }
    }
    QElapsedTimer t;
    t.start();
    while (pid > 0 && processAlive(pid)) {
        if (t.elapsed() > 60000) {
            ::kill(pid_t(pid), SIGKILL);
            error_ = QStringLiteral("Databaseserveren stoppet ikke og ble avbrutt");
            break;
        }
        QThread::msleep(50);
    }
    if (!QFileInfo::exists(pidFile()) || !processAlive(pid)) {
        QFile::remove(pidFile());
        QFile::remove(socketPath());
    }
    if (error_.isEmpty()) LogLine("Stoppet privat databaseserver");
    return error_.isEmpty();
}

bool PrivateServer::remove()
{
    const bool stopped = stop();
    QFile::remove(socketPath());
    if (socketFolder() != folder_) QDir(socketFolder()).removeRecursively();
    const bool removed = QDir(folder_).removeRecursively();
    if (!removed && error_.isEmpty()) error_ = QStringLiteral("Kan ikke slette ") + folder_;
    return stopped && removed;
}

bool PrivateServer::provision(const QString& database, bool withDemo)
{
    Connection c;
    if (!c.open(adminParams())) {
        error_ = c.lastError();
        return false;
    }
    const QString db = QString(database).replace('`', QString());
    // Anonymous accounts would shadow the program's own accounts.
    if (auto r = c.query("SELECT host FROM mysql.user WHERE user=''")) {
        QStringList hosts;
        while (r->next()) hosts << r->value(0);
        for (const QString& h : hosts) c.exec("DROP USER ''@" + c.quote(h));
    }
    bool ok = CreateDatabaseWithSchema(c, db);
    if (ok && withDemo) {
        const bool empty = c.scalar("SELECT COUNT(*) FROM company", "0").toLongLong() == 0;
        const bool loaded = empty && c.execScript(DemoDataScript());
        if (loaded) WriteDemoSettingDefaults();
        ok = (!empty || loaded) &&
             c.exec("CREATE USER IF NOT EXISTS 'demo'@'localhost' IDENTIFIED BY 'demo'") &&
             c.exec("GRANT ALL PRIVILEGES ON `" + db + "`.* TO 'demo'@'localhost'");
    }
    if (!ok) error_ = QStringLiteral("Kan ikke opprette databasen %1: %2").arg(db, c.lastError());
    return ok;
}

QString ConnectFromOptions(const QStringList& args, Connection& c, const QString& database)
{
    auto option = [&args](const QString& name, const QString& def = QString()) {
        const qsizetype i = args.indexOf(name);
        return (i >= 0 && i + 1 < args.size()) ? args[i + 1] : def;
    };
    const QString host = option("--host");
    const QString socket = option("--socket");
    ConnectParams p;
    if (host.isEmpty() && socket.isEmpty()) {
        PrivateServer server;
        // This program uses the server until LeaveServerForThisProgram(); the last
        // program to leave stops it.
        HoldServerForThisProgram(server);
        if (!server.start()) return server.error();
        p = server.adminParams();
    } else {
        p.host = host;
        p.socket = socket;
        p.port = option("--port", "0").toUInt();
        p.user = option("--user", "root");
        // The password from --password shows in the process list; the
        // environment or a prompt keeps it out of sight.
        p.password = option("--password");
        if (p.password == QLatin1String("-")) {
            p.password = PromptPassword(QStringLiteral("Passord for %1: ").arg(p.user));
        } else if (!args.contains(QStringLiteral("--password"))) {
            p.password = qEnvironmentVariable("KVARNEL_PASSWORD");
        }
    }
    p.database = database;
    p.connectTimeout = 10;
    ApplyTimeoutOverride(p);
    if (!c.open(p)) {
        const QString where =
            host.isEmpty() ? (socket.isEmpty() ? QStringLiteral("den lokale databaseserveren") : socket) : host;
        LogLine("FEIL: kan ikke koble til " + where + ": " + c.lastError());
        switch (c.lastErrno()) {
        case 1045:  // access denied
            return "Kan ikke koble til " + where + ": feil brukernavn eller passord.";
        case 1049:  // unknown database
            return "Kan ikke koble til " + where + ": databasen " + database + " finnes ikke.";
        case 2002:  // no socket / refused
        case 2003:
        case 2005:
            return "Kan ikke koble til " + where + ": databaseserveren kjører ikke eller kan ikke nås.";
        default:
            return "Kan ikke koble til " + where + ": databaseserveren svarer ikke.";
        }
    }
    return {};
}

QString PromptPassword(const QString& prompt)
{
    // From the terminal without echo; from standard input when there is none.
    QByteArray line;
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        const QByteArray text = prompt.toLocal8Bit();
        if (::write(fd, text.constData(), size_t(text.size())) < 0) { /* the prompt is a courtesy */ }
        termios old {};
        const bool tty = ::tcgetattr(fd, &old) == 0;
        if (tty) {
            termios quiet = old;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            ::tcsetattr(fd, TCSAFLUSH, &quiet);
        }
        char ch;
        while (::read(fd, &ch, 1) == 1 && ch != '\n') line += ch;
        if (tty) ::tcsetattr(fd, TCSAFLUSH, &old);
        if (::write(fd, "\n", 1) < 0) { /* as above */ }
        ::close(fd);
    } else {
        char ch;
        while (::read(0, &ch, 1) == 1 && ch != '\n') line += ch;
    }
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromLocal8Bit(line);
}

bool CreateDatabaseWithSchema(Connection& c, const QString& database)
{
    const QString db = QString(database).remove('`');
    return c.exec("CREATE DATABASE IF NOT EXISTS `" + db + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_danish_ci") &&
           c.exec("USE `" + db + "`") && c.execScript(SchemaScript()) && UpgradeSchema(c);
}

namespace {
QString resourceText(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}
} // namespace

QString SchemaScript() { return resourceText(QStringLiteral(":/schema.sql")); }
void WriteDemoSettingDefaults()
{
    if (InifilNavn.isEmpty()) return;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        for (const auto& [key, value] : {std::pair{"Arbeid_Timepris", "745"}, std::pair{"Arbeid_Kostpris", "450"}})
            if (GetRegStr(QString::fromLatin1(key)).trimmed().isEmpty())
                SetRegStr(QString::fromLatin1(key), QString::fromLatin1(value));
    }
    FlushSettings();
}

QString DemoDataScript() { return resourceText(QStringLiteral(":/demo_small.sql")); }
QString LargeDemoDataScript() { return resourceText(QStringLiteral(":/demo_large.sql")); }

PrivateServerClient::PrivateServerClient(const PrivateServer& server) : folder_(server.folder())
{
    fd_ = ::open(QFile::encodeName(folder_ + "clients.lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) ::flock(fd_, LOCK_SH);
}

PrivateServerClient::~PrivateServerClient()
{
    if (fd_ < 0) return;
    // Only the last client can turn its shared lock into an exclusive one.
    // A server started by "server start" runs until "server stop".
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        PrivateServer s(folder_);
        if (!QFileInfo::exists(s.keepFile())) s.stop();
    }
    ::close(fd_);
}

namespace {
std::unique_ptr<PrivateServerClient>& heldServer()
{
    static std::unique_ptr<PrivateServerClient> client;
    return client;
}
} // namespace

void HoldServerForThisProgram(const PrivateServer& server)
{
    QDir().mkpath(server.folder());
    if (!heldServer()) heldServer() = std::make_unique<PrivateServerClient>(server);
}

void LeaveServerForThisProgram() { heldServer().reset(); }
