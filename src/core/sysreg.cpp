#include "core/sysreg.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/platform.h"
#include "core/textfil.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>

QString StdSec = QStringLiteral("STANDARD");
QString InifilNavn;
QString Inifilpath;
QString ForceIPAddress;
QString Tvungenbruker;
QString MailProgramName = QStringLiteral("Thunderbird");
QString PrinterTitle;

const QStringList TrelvoFolders = {
    QStringLiteral("archive"),     QStringLiteral("backup"),       QStringLiteral("data"),
    QStringLiteral("data/plinta"), QStringLiteral("data/tavla"),   QStringLiteral("data/vq2"),
    QStringLiteral("data/docs"),   QStringLiteral("data/tfm"),     QStringLiteral("etc"),
    QStringLiteral("export"),      QStringLiteral("export/xml"),   QStringLiteral("export/pdf"),
    QStringLiteral("export/csv"),  QStringLiteral("export/html"),  QStringLiteral("export/html/varer"),
    QStringLiteral("import"),      QStringLiteral("images"),       QStringLiteral("spool"),
    QStringLiteral("tmp"),         QStringLiteral("xml"),          QStringLiteral("log"),
    QStringLiteral("maler"),       QStringLiteral("maler/docs"),   QStringLiteral("maler/vq2"),
};

namespace {

const QString kStandard = QStringLiteral("STANDARD");
const QString kFolders = QStringLiteral("FOLDERS");
const QString kIniSelf = QStringLiteral("INI_SELF");

struct Store {
    IniFile main;
    IniFile user;
    bool onUser = false;
    QSet<QString> reported;  // files whose write failure was logged
};

Store& store()
{
    static Store s;
    return s;
}

IniFile& current()
{
    return store().onUser ? store().user : store().main;
}

bool writeBack(IniFile& f)
{
    if (!f.isModified())
        return true;
    if (f.save())
        return true;
    if (!store().reported.contains(f.path())) {
        store().reported.insert(f.path());
        LogLine(QStringLiteral("FEIL: kan ikke skrive innstillingsfilen ") + f.path() + QStringLiteral("  (")
                + QString::number(f.errorNumber()) + QStringLiteral(") ") + f.errorString());
    }
    return false;
}

void loadReported(IniFile& f)
{
    if (!f.load())
        LogLine(QStringLiteral("FEIL: kan ikke lese innstillingsfilen ") + f.path() + QStringLiteral("  (")
                + QString::number(f.errorNumber()) + QStringLiteral(") ") + f.errorString());
}

QString base()
{
    return AppDataFolder() + QStringLiteral("/Trelvo/");
}

QString withSlash(const QString& p)
{
    return (p.isEmpty() || p.endsWith(QLatin1Char('/'))) ? p : p + QLatin1Char('/');
}

QString folderName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (n.endsWith(QLatin1Char('/')))
        n.chop(1);
    while (n.startsWith(QLatin1Char('/')))
        n.remove(0, 1);
    return n;
}

bool isInside(const QString& path, const QString& baseFolder)
{
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath()) + QLatin1Char('/');
    const QString b = QDir::cleanPath(QFileInfo(baseFolder).absoluteFilePath()) + QLatin1Char('/');
    return p.startsWith(b);
}

QString nowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

}  // namespace

// ---- start-up and end -------------------------------------------------

StartOptions ReadCommandLine(const QStringList& arguments)
{
    StartOptions o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--debug")) {
            o.debug = true;
        } else if (a == QLatin1String("-install")) {
            o.install = true;
        } else if (a == QLatin1String("-ip")) {
            if (i + 1 < arguments.size())
                o.ip = arguments.at(++i);
        } else if (a == QLatin1String("--user")) {
            if (i + 1 < arguments.size())
                o.user = arguments.at(++i);
        }
    }
    ForceIPAddress = o.ip;
    Tvungenbruker = o.user;
    return o;
}

void OpenSettingsStore()
{
    Store& s = store();
    s.main = IniFile();
    s.user = IniFile();
    s.onUser = false;
    s.reported.clear();
    StdSec = kStandard;

    const QString etc = base() + QStringLiteral("etc/");
    QString folder = QDir::currentPath() + QLatin1Char('/');
    if (!QFileInfo(folder + QStringLiteral("trelvo.ini")).isFile())
        folder = etc;
    if (!QFileInfo(folder).isDir()) {
        folder = etc;
        QDir().mkpath(folder);
    }
    InifilNavn = QDir::cleanPath(QFileInfo(folder + QStringLiteral("trelvo.ini")).absoluteFilePath());
    Inifilpath = withSlash(QFileInfo(InifilNavn).absolutePath());

    s.main.setPath(InifilNavn);
    loadReported(s.main);

    const QString now = nowText();
    const QString user = GetBrukerNavn();
    const QString program = ProgramFilePath();
    auto stamp = [&](const QString& prefix) {
        s.main.setValue(kIniSelf, prefix + QStringLiteral("_TIME"), now);
        s.main.setValue(kIniSelf, prefix + QStringLiteral("_NAME"), InifilNavn);
        s.main.setValue(kIniSelf, prefix + QStringLiteral("_PROGRAM"), program);
        s.main.setValue(kIniSelf, prefix + QStringLiteral("_USER"), user);
        s.main.setValue(kIniSelf, prefix + QStringLiteral("_INIVERSION"), QStringLiteral("5.36"));
    };
    if (!s.main.existed())
        stamp(QStringLiteral("CREATED"));
    stamp(QStringLiteral("MODIFIED"));
    ResetStdSec();
    SetTrelvoPath(QStringLiteral("etc"), Inifilpath);
}

void CloseSettingsStore()
{
    Store& s = store();
    const QFileInfo fi(InifilNavn);
    const bool readOnly = !InifilNavn.isEmpty() && fi.exists() && !fi.isWritable();
    bool ok = true;
    if (s.onUser)
        ok = writeBack(s.user);
    if (!readOnly)
        ok = writeBack(s.main) && ok;
    if (!ok)
        LogLine(QStringLiteral("INI-CRASH i SYSREG: ") + InifilNavn);
    s.onUser = false;

    if (VerboseLogging) {
        if (readOnly)
            LogLine(QStringLiteral("ADVARSEL: ") + InifilNavn
                    + QStringLiteral(" er skrivebeskyttet og vil ikke bli lagret."));
        else
            LogLine(QStringLiteral("Oppdaterer ") + InifilNavn);
        LogLine(QStringLiteral("AVSLUTTER PROGRAM. ") + QString::number(ErrorCount)
                + QStringLiteral(" feilmeldinger og ") + QString::number(WarningCount)
                + QStringLiteral(" advarsler"));
        if (HintCount > 0)
            LogLine(QStringLiteral("Det ble gitt ") + QString::number(HintCount)
                    + QStringLiteral(" hint i programmet"));
    }
}

void StartCore(const StartOptions& options, const StartHooks& hooks)
{
    InitFelles();
    InitTextfil();
    ForceIPAddress = options.ip;
    Tvungenbruker = options.user;
    const bool forced = options.debug || options.install;

    OpenSettingsStore();
    if (options.install || !QFileInfo(base() + QStringLiteral("data")).isDir())
        CreateTrelvoFolders();
    LogToFile = forced ? true : GetRegBoolean(QStringLiteral("LogToFile"));
    if (GetRegBoolean(QStringLiteral("ClearLogFileOnStartup")))
        ClearLog();
    if (QFileInfo::exists(LogFileName))
        LoadLogFile();
    if (GetRegBoolean(QStringLiteral("DeleteTemporaryFiles")) && hooks.deleteTemporaryFiles)
        hooks.deleteTemporaryFiles(GetRegBoolean(QStringLiteral("DeleteSystemTemporaryFiles")));
    GetLogFilePath();
    VerboseLogging = forced ? true : (GetRegBoolean(QStringLiteral("VerboseLogging")) && LogToFile);
    if (LogToFile) {
        LogLine(QStringLiteral("START: ") + ProgramFilePath());
        LogLine(QStringLiteral("INIFIL: ") + InifilNavn);
        LogLine(QStringLiteral("BRUKER: ") + GetBrukerNavn());
        if (VerboseLogging && hooks.logLogin)
            hooks.logLogin();
    }
}

void StopCore()
{
    CloseSettingsStore();
    SaveLogFile();
}

// ---- the store --------------------------------------------------------

void SetStdSec(const QString& section)
{
    StdSec = section;
}

void ResetStdSec()
{
    StdSec = kStandard;
}

QString GetRegStr(const QString& key)
{
    return current().value(StdSec, key);
}

bool GetRegBoolean(const QString& key)
{
    int v = 0;
    return TryStrToInt(GetRegStr(key), v) && v != 0;
}

int GetRegInt(const QString& key)
{
    int v = 0;
    TryStrToInt(GetRegStr(key), v);
    return v;
}

double GetRegDouble(const QString& key)
{
    double v = 0;
    TryStrToDouble(GetRegStr(key), v);
    return v;
}

void SetRegStr(const QString& key, const QString& value)
{
    current().setValue(StdSec, key, value);
}

void SetRegBoolean(const QString& key, bool value)
{
    SetRegStr(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SetRegInt(const QString& key, int value)
{
    SetRegStr(key, QString::number(value));
}

bool SwapToUserIni()
{
    Store& s = store();
    const bool ok = writeBack(current());
    const QString path = UserIniFileName();
    // Values that could not be written stay in memory instead of being
    // replaced by the older file on disk.
    if (!(s.user.path() == path && s.user.isModified())) {
        s.user = IniFile(path);
        loadReported(s.user);
    }
    s.onUser = true;
    return ok;
}

bool SwapToMainIni()
{
    Store& s = store();
    const bool ok = writeBack(current());
    s.onUser = false;
    return ok;
}

bool UsingUserIni()
{
    return store().onUser;
}

bool FlushSettings()
{
    Store& s = store();
    bool ok = writeBack(s.main);
    if (s.onUser)
        ok = writeBack(s.user) && ok;
    return ok;
}

IniFile& CurrentIni()
{
    return current();
}

QString UserIniFileName()
{
    QString name = GetBrukerNavn();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    name.replace(QChar(0), QLatin1Char('_'));
    const QString folder = Inifilpath.isEmpty() ? base() + QStringLiteral("etc/") : Inifilpath;
    return folder + name + QStringLiteral(".INI");
}

UserIniScope::UserIniScope() : wasUser_(UsingUserIni())
{
    SwapToUserIni();
}

UserIniScope::~UserIniScope()
{
    if (wasUser_)
        SwapToUserIni();
    else
        SwapToMainIni();
}

// ---- user -------------------------------------------------------------

QString GetBrukerNavn()
{
    if (MyLoginUsername.isEmpty()) {
        MyLoginUsername = !Tvungenbruker.isEmpty() ? Tvungenbruker : GetNetworkUser();
        if (MyLoginUsername.isEmpty())
            MyLoginUsername = QStringLiteral("BRUKER");
    }
    return MyLoginUsername.toUpper();
}

// ---- folders ----------------------------------------------------------

QString TrelvoPath(const QString& name)
{
    const QString b = base();
    const QString n = folderName(name);
    if (n.isEmpty())
        return b;
    const QString key = n + QStringLiteral("_folder");
    IniFile& mainIni = store().main;
    QString path = mainIni.value(kFolders, key);
    if (path.isEmpty())
        path = b + n + QLatin1Char('/');
    if (!QFileInfo(path).isDir() && n != QLatin1String("bin") && isInside(path, b)) {
        LogLine(QStringLiteral("sysreg.trelvopath(") + name + QStringLiteral("): Lager mappen ") + path);
        QDir().mkpath(path);
    }
    path = withSlash(path);
    mainIni.setValue(kFolders, key, path);
    writeBack(mainIni);
    return path;
}

void SetTrelvoPath(const QString& name, const QString& path)
{
    const QString n = folderName(name);
    if (n.isEmpty())
        return;
    store().main.setValue(kFolders, n + QStringLiteral("_folder"), withSlash(path));
}

QString SetBinPath()
{
    const QString bin = withSlash(QFileInfo(ProgramFilePath()).absolutePath());
    SetTrelvoPath(QStringLiteral("bin"), bin);
    return bin;
}

void CreateTrelvoFolders()
{
    const QString bin = SetBinPath();
    SetTrelvoPath(QStringLiteral("doc"), QDir::cleanPath(bin + QStringLiteral("../doc")));
    const QString b = base();
    if (!QFileInfo(b).isDir())
        QDir().mkpath(b);
    for (const QString& name : TrelvoFolders) {
        MkDirSafe(b + name);
        SetTrelvoPath(name, b + name);
    }
    writeBack(store().main);
}

QString GetLogFilePath()
{
    const QString p = TrelvoPath(QStringLiteral("log"));
    if (!QFileInfo(p).isDir()) {
        const QString def = base() + QStringLiteral("log/");
        SetTrelvoPath(QStringLiteral("log"), def);
        QDir().mkpath(def);
    }
    return TrelvoPath(QStringLiteral("log"));
}

int MkDirSafe(const QString& path)
{
    const QByteArray p = QFile::encodeName(path);
    if (!p.isEmpty() && ::mkdir(p.constData(), 0777) == 0) {
        LogLine(QStringLiteral("Oppretter mappen ") + path);
        return 0;
    }
    const int err = p.isEmpty() ? ENOENT : errno;
    LogLine(QStringLiteral("FEIL: [mkdirsafe:") + QString::number(err) + QStringLiteral("] kan ikke opprette mappen ")
            + path);
    return err;
}

QString TextNavn()
{
    QString prog = QFileInfo(ProgramFilePath()).fileName();
    if (prog.isEmpty())
        prog = QStringLiteral("kvarnel");
    return Inifilpath + NewFileExt(prog, QStringLiteral("TXT"));
}

QString HentdirStr(const QString& initial)
{
    QString chosen = initial;
    if (!CurrentDialogs()->ChooseFolder(QStringLiteral("Valg mappe"), initial, chosen) || chosen.isEmpty())
        chosen = initial;
    return withSlash(chosen);
}

// ---- window placement -------------------------------------------------

WindowPlacement LoadWindowPlacement(const QString& key, const WindowPlacement& designed, const QSize& screen,
                                    const QString& extraIn, QString* extraOut)
{
    UserIniScope scope;
    const IniFile& ini = store().user;
    const QString sec = QStringLiteral("VINDU-") + key;
    auto readInt = [&](const char* k) {
        int v = 0;
        TryStrToInt(ini.value(sec, QLatin1String(k)), v);
        return v;
    };
    WindowPlacement p = designed;
    if (extraIn != QLatin1String("OnlyPos")) {
        const int h = readInt("Height");
        const int w = readInt("Width");
        if (h > 0)
            p.height = h;
        if (w > 0)
            p.width = w;
    }
    p.stored = !ini.value(sec, QStringLiteral("Left")).isEmpty();
    p.left = readInt("Left");
    p.top = readInt("Top");
    if (screen.width() > 0 && p.left >= screen.width())
        p.left = std::max(0, screen.width() - p.width);
    if (screen.height() > 0 && p.top >= screen.height())
        p.top = std::max(0, screen.height() - p.height);
    if (readInt("Maximized") != 0)
        p.maximized = true;
    if (extraOut)
        *extraOut = ini.value(sec, QStringLiteral("Diverse"));
    return p;
}

void SaveWindowPlacement(const QString& key, const WindowPlacement& placement, const QString& extra)
{
    UserIniScope scope;
    IniFile& ini = store().user;
    const QString sec = QStringLiteral("VINDU-") + key;
    ini.setValue(sec, QStringLiteral("Maximized"), placement.maximized ? QStringLiteral("1") : QStringLiteral("0"));
    ini.setValue(sec, QStringLiteral("Left"), QString::number(placement.left));
    ini.setValue(sec, QStringLiteral("Top"), QString::number(placement.top));
    ini.setValue(sec, QStringLiteral("Height"), QString::number(placement.height));
    ini.setValue(sec, QStringLiteral("Width"), QString::number(placement.width));
    ini.setValue(sec, QStringLiteral("Diverse"), extra);
}
