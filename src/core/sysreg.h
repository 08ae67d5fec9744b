#pragma once
// The settings store, the program folders and window placement.
//
// Settings are INI files: the main file "trelvo.ini" (InifilNavn) in the
// settings folder (Inifilpath), and one per user (the user name in capitals
// and ".INI" in the same folder). Exactly one of them is current; reads and
// writes go to the current section (StdSec, "STANDARD" unless SetStdSec
// chose another) of the current file and stay in memory until the file is
// written back: on every swap, on TrelvoPath with a name, and when the
// store closes. A write that fails is logged ("FEIL: kan ikke skrive
// innstillingsfilen ...", once per file and run) and the in-memory values
// are kept; the file on disk is never left half-written.
//
// Program folders live under "<AppData>/Trelvo/"; each can be moved by its
// key "<name>_folder" in section FOLDERS of the main file. Folder paths
// end with "/".

#include "core/inifile.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

extern QString StdSec;           // current section
extern QString InifilNavn;       // full path of the main settings file
extern QString Inifilpath;       // settings folder, with a trailing "/"
extern QString ForceIPAddress;   // "-ip" value
extern QString Tvungenbruker;    // "--user" value
extern QString MailProgramName;  // "Thunderbird" at start
extern QString PrinterTitle;     // title of print jobs

// ---- start-up and end -------------------------------------------------

struct StartOptions {
    bool debug = false;    // "--debug"
    bool install = false;  // "-install"
    QString ip;            // "-ip" value
    QString user;          // "--user" value
};
// Reads the program arguments as QCoreApplication::arguments() gives them
// (the first, the program itself, is skipped). Options match exactly;
// unknown arguments are ignored; an option missing its value is ignored.
// Sets ForceIPAddress and Tvungenbruker.
StartOptions ReadCommandLine(const QStringList& arguments);

// Locates and opens the main settings file: "trelvo.ini" in the working
// folder when it is there, else "<AppData>/Trelvo/etc/trelvo.ini" (the
// folder is created when missing). Stamps section INI_SELF (CREATED_* for
// a new file, MODIFIED_* always) and sets the folder key "etc". A file
// that exists but cannot be read is logged and never overwritten.
void OpenSettingsStore();
// Writes the current file back unless the main file is read-only; a
// failure logs "INI-CRASH i SYSREG: <InifilNavn>". With VerboseLogging
// logs the closing lines with the error, warning and hint counts.
void CloseSettingsStore();

// Hooks for the start-up steps that live in other units.
struct StartHooks {
    // Deletes the temporary files; true also deletes the system ones.
    std::function<void(bool includeSystem)> deleteTemporaryFiles;
    // Writes the "LOGIN: ..." line (detailed logging only).
    std::function<void()> logLogin;
};
// The start-up of the conversions, the log and the settings store, in
// order: year texts, log file name, settings file, program folders when
// "<AppData>/Trelvo/data" is missing (or with -install), LogToFile,
// ClearLogFileOnStartup, loading the old log, temporary files, log folder,
// VerboseLogging, and the "START: ", "INIFIL: ", "BRUKER: " lines.
void StartCore(const StartOptions& options, const StartHooks& hooks = {});
// The end: CloseSettingsStore, then the log written to the log file.
void StopCore();

// ---- the store --------------------------------------------------------

void SetStdSec(const QString& section);
void ResetStdSec();

QString GetRegStr(const QString& key);      // "" when missing
bool GetRegBoolean(const QString& key);     // any integer but 0 is true; otherwise false
int GetRegInt(const QString& key);          // 0 when missing or not an integer
double GetRegDouble(const QString& key);    // comma or point; 0 when missing or not a number
void SetRegStr(const QString& key, const QString& value);
void SetRegBoolean(const QString& key, bool value);  // "1" / "0"
void SetRegInt(const QString& key, int value);

// Writes the current file back and makes the per-user file current.
// Returns false when writing back failed (logged; values kept in memory).
bool SwapToUserIni();
// Writes the current file back and makes the main file current.
bool SwapToMainIni();
bool UsingUserIni();
// Writes every changed settings file to disk; false when one failed.
bool FlushSettings();
// The current file, for code that needs more than single keys.
IniFile& CurrentIni();
// Full path of the per-user file: Inifilpath, GetBrukerNavn() (with "/"
// and "\" made "_"), ".INI".
QString UserIniFileName();

// Makes the per-user file current for its lifetime and then puts back
// whichever file was current before, also when leaving by exception.
class UserIniScope {
public:
    UserIniScope();
    ~UserIniScope();
    UserIniScope(const UserIniScope&) = delete;
    UserIniScope& operator=(const UserIniScope&) = delete;

private:
    bool wasUser_;
};

// Reading and writing keys of a given section of the main settings file
// without disturbing whichever file and section the caller had current.
class MainIniSection {
public:
    explicit MainIniSection(const QString& section) : user_(UsingUserIni()), old_(StdSec)
    {
        if (user_)
            SwapToMainIni();
        SetStdSec(section);
    }
    ~MainIniSection()
    {
        SetStdSec(old_);
        if (user_)
            SwapToUserIni();
    }
    MainIniSection(const MainIniSection&) = delete;
    MainIniSection& operator=(const MainIniSection&) = delete;

private:
    bool user_;
    QString old_;
};

// The same for section STANDARD of the per-user file.
class UserIniSection {
public:
    explicit UserIniSection(const QString& section = QStringLiteral("STANDARD")) : old_(StdSec)
    {
        SetStdSec(section);
    }
    ~UserIniSection() { SetStdSec(old_); }
    UserIniSection(const UserIniSection&) = delete;
    UserIniSection& operator=(const UserIniSection&) = delete;

private:
    UserIniScope scope_;
    QString old_;
};

// ---- user -------------------------------------------------------------

// The user name in capitals. When MyLoginUsername is empty it is first
// set to Tvungenbruker, else GetNetworkUser(), else "BRUKER".
QString GetBrukerNavn();

// ---- folders ----------------------------------------------------------

// The named program folder with a trailing "/"; the empty name gives
// "<AppData>/Trelvo/". A missing folder inside that base is created (and
// logged); one outside it, and "bin", never. The path is stored back and
// the main file written. Names may use "/" or "\".
QString TrelvoPath(const QString& name = QString());
// Stores a folder's path (a trailing "/" is added) in the main file.
void SetTrelvoPath(const QString& name, const QString& path);
// The folders, in creation order.
extern const QStringList TrelvoFolders;
// Creates the base folder and every program folder, logging each
// (MkDirSafe), records their paths, "bin" and "doc", and writes the file.
void CreateTrelvoFolders();
// Records and returns the program file's folder as "bin".
QString SetBinPath();
// The folder "log", created (at its default place if need be) when missing.
QString GetLogFilePath();
// Creates one folder. Logs "Oppretter mappen <path>" and returns 0, or
// logs "FEIL: [mkdirsafe:<errno>] kan ikke opprette mappen <path>" and
// returns the error number (also when it already exists).
int MkDirSafe(const QString& path);
// Inifilpath followed by the program file's name with extension "TXT".
QString TextNavn();
// Lets the user choose a folder (dialog "Valg mappe" through
// CurrentDialogs()); the chosen folder, or initial when cancelled, with a
// trailing "/". An empty initial that is cancelled stays empty.
QString HentdirStr(const QString& initial);

// ---- window placement -------------------------------------------------

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool stored = false;  // a position was saved under the key
};
// The placement stored under "VINDU-<key>" in the per-user file, applied
// to the designed one: left and top (0 when never saved; a negative value
// is kept), width and height when stored above 0 (not with extraIn
// "OnlyPos"), maximized when stored. A left or top edge at or beyond the
// screen's right or bottom edge is pulled back so that the window's far
// edge touches the screen edge (never beyond 0). An empty screen size
// skips the pull-back. extraOut (when given) receives the stored
// "Diverse". The file that was current stays current.
WindowPlacement LoadWindowPlacement(const QString& key, const WindowPlacement& designed, const QSize& screen,
                                    const QString& extraIn = QString(), QString* extraOut = nullptr);
// Stores Maximized, Left, Top, Height, Width and Diverse under
// "VINDU-<key>" in the per-user file and writes it.
void SaveWindowPlacement(const QString& key, const WindowPlacement& placement, const QString& extra = QString());
