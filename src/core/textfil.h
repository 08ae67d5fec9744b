#pragma once
// The program's log, and line-oriented text files.
//
// The log is a list of time-stamped lines kept in memory for the whole run
// (preceded by the lines the log file held at start-up) and written to the
// log file at the end, or line by line as well when LogDirect is on. Lines
// whose text begins "FEIL:", "ERROR:", "SQL ERROR:" or "SQLERROR:" count as
// errors, "ADVARSEL:" or "WARNING:" as warnings, "HINT:" as hints.
//
// Text files are Windows-1252 (or UTF-8 where a format says so) with CR LF
// line ends; lines are read with CR LF, LF or CR. Every operation returns
// the system error number (errno), 0 for success, stores it in
// textfileerror, and on failure counts an error, stores LastError and, as
// listed below, tells the user through CurrentDialogs() (caption "FEIL").

#include <QByteArray>
#include <QString>
#include <QStringList>

// ---- log --------------------------------------------------------------

extern QStringList LogStrings;
extern QString LogFileName;
extern QString LogFilePath;  // log folder, with a trailing "/"
extern bool LogToFile;       // logging on; false at start
extern bool LogDirect;       // also append each line to the log file at once
extern bool VerboseLogging;  // callers write their detailed lines only when true
extern QString LastLogLine;
extern int ErrorCount;
extern int WarningCount;
extern int HintCount;
extern int textfileerror;
extern int LastError;

// Start of the log: empty list, counters 0, LogFilePath empty, log file
// name set from the program file's name.
void InitTextfil();
// Sets LogFileName to LogFilePath (the default "<AppData>/Trelvo/log/"
// when empty) followed by the program file's name with extension ".log",
// and returns it.
QString SetLogFileName();
// Time stamp of log lines: "dd.MM.yyyy HH:mm:ss".
QString LogTimeStamp();
// -1 when LogToFile is off (nothing logged). Otherwise adds the line
// (time stamp, blank, text), counts it and returns 0, or with LogDirect
// the result of appending it to the log file.
int LogLine(const QString& text);
// Empties the log and the log file down to one line
// "<time> LOGGFIL TØMT (TextFile.ClearLog)." and sets ErrorCount to 0.
void ClearLog();
// Puts the lines of an existing log file in front of the lines logged in
// this run. Returns 0 or the error number (a missing file is 0).
int LoadLogFile();
// Writes LogStrings as the whole log file (creating its folder). Returns
// 0 or the error number; nothing is shown.
int SaveLogFile();

// ---- text files -------------------------------------------------------

enum class TextEncoding { Cp1252, Utf8 };

class TextFile {
public:
    TextFile() = default;
    ~TextFile();  // closes quietly (buffered lines are written)
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    QString fileName() const { return name_; }
    // Byte form of the text; set before reading or writing.
    TextEncoding encoding = TextEncoding::Cp1252;
    // True when no more lines can be read (also when not open for reading).
    bool atEnd();

private:
    friend int opentextfile(TextFile&, const QString&);
    friend int appendtextfile(TextFile&, const QString&);
    friend int createtextfile(TextFile&, const QString&);
    friend int closetextfile(TextFile&);
    friend int Writelntextfile(TextFile&, const QString&);
    friend int readlntextfile(TextFile&, QString&);

    int openWith(const QString& name, int flags, bool reading);
    int fill();  // reads more bytes; 0 or errno
    int flush();
    int closeQuietly();

    int fd_ = -1;
    bool reading_ = false;
    bool eof_ = false;
    QString name_;
    QByteArray buf_;
    qsizetype pos_ = 0;
};

// Opens an existing file for reading.
// Failure: "Feil under åpning av <name>  (FEILNR.: <n>)".
int opentextfile(TextFile& f, const QString& name);
// Opens an existing file for appending.
// Failure: "Feil under åpning av <name>  (<n>)".
int appendtextfile(TextFile& f, const QString& name);
// Creates a file, replacing an existing one.
// Failure: "Feil under oppretting av ny fil: <name>  (<n>)".
int createtextfile(TextFile& f, const QString& name);
// Closes the file; closing a file that is not open does nothing.
// Failure: "Feil under lukking av fil".
int closetextfile(TextFile& f);
// Writes one line and CR LF. Failure is counted only.
int Writelntextfile(TextFile& f, const QString& text);
// Reads one line as it stands; at the end of the file an empty text.
// Failure: "Lesefeil i tekstfil <name>" and the log line "Lesefeil i tekstfil.".
int readlntextfile(TextFile& f, QString& text);
// readlntextfile with blanks removed at both ends (ShortStr).
int readshortstr(TextFile& f, QString& text);
// True at the end of a file open for reading.
bool eoftextfile(TextFile& f);
// Appends one line to name, creating the file when missing, and closes it.
int AppendLine(const QString& name, const QString& text);
