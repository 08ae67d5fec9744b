#include "core/textfil.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/felles.h"
#include "core/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QStringList LogStrings;
QString LogFileName;
QString LogFilePath;
bool LogToFile = false;
bool LogDirect = false;
bool VerboseLogging = false;
QString LastLogLine;
int ErrorCount = 0;
int WarningCount = 0;
int HintCount = 0;
int textfileerror = 0;
int LastError = 0;

namespace {

// Number of leading LogStrings lines that the log file already holds
// (set by ClearLog), so that loading the file does not repeat them.
qsizetype g_linesInFile = 0;

const QString kFeil = QStringLiteral("FEIL");

void countLine(const QString& text)
{
    if (text.startsWith(QLatin1String("FEIL:")) || text.startsWith(QLatin1String("ERROR:"))
        || text.startsWith(QLatin1String("SQL ERROR:")) || text.startsWith(QLatin1String("SQLERROR:")))
        ++ErrorCount;
    else if (text.startsWith(QLatin1String("ADVARSEL:")) || text.startsWith(QLatin1String("WARNING:")))
        ++WarningCount;
    else if (text.startsWith(QLatin1String("HINT:")))
        ++HintCount;
}

int fail(int err)
{
    textfileerror = err;
    LastError = err;
    ++ErrorCount;
    return err;
}

void message(const QString& text)
{
    CurrentDialogs()->ShowMessage(text, kFeil);
}

QByteArray encode(const QString& s, TextEncoding e)
{
    return e == TextEncoding::Utf8 ? s.toUtf8() : ToCp1252(s);
}

QString decode(const QByteArray& b, TextEncoding e)
{
    return e == TextEncoding::Utf8 ? QString::fromUtf8(b) : FromCp1252(b);
}

}  // namespace

// ---- log --------------------------------------------------------------

void InitTextfil()
{
    LogStrings.clear();
    LastLogLine.clear();
    ErrorCount = WarningCount = HintCount = 0;
    textfileerror = LastError = 0;
    g_linesInFile = 0;
    LogFilePath.clear();
    SetLogFileName();
}

QString SetLogFileName()
{
    if (LogFilePath.isEmpty())
        LogFilePath = AppDataFolder() + QStringLiteral("/Trelvo/log/");
    if (!LogFilePath.endsWith(QLatin1Char('/')))
        LogFilePath += QLatin1Char('/');
    QString prog = QFileInfo(ProgramFilePath()).fileName();
    if (prog.isEmpty())
        prog = QStringLiteral("kvarnel");
    LogFileName = LogFilePath + NewFileExt(prog, QStringLiteral("log"));
    return LogFileName;
}

QString LogTimeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

int LogLine(const QString& text)
{
    if (!LogToFile)
        return -1;
    const QString line = LogTimeStamp() + QLatin1Char(' ') + text;
    LogStrings.append(line);
    LastLogLine = line;
    countLine(text);
    if (!LogDirect)
        return 0;
    QDir().mkpath(QFileInfo(LogFileName).absolutePath());
    return AppendLine(LogFileName, line);
}

void ClearLog()
{
    LogStrings.clear();
    const QString line = LogTimeStamp() + QStringLiteral(" LOGGFIL T\u00D8MT (TextFile.ClearLog).");
    LogStrings.append(line);
    LastLogLine = line;
    ErrorCount = 0;
    g_linesInFile = SaveLogFile() == 0 ? 1 : 0;
}

int LoadLogFile()
{
    if (LogFileName.isEmpty() || !QFileInfo::exists(LogFileName))
        return 0;
    QStringList lines;
    const int err = ReadCp1252Lines(LogFileName, lines);
    if (err != 0)
        return err;
    lines += LogStrings.mid(g_linesInFile);
    LogStrings = lines;
    g_linesInFile = 0;
    return 0;
}

int SaveLogFile()
{
    if (LogFileName.isEmpty())
        return ENOENT;
    QDir().mkpath(QFileInfo(LogFileName).absolutePath());
    return WriteCp1252Lines(LogFileName, LogStrings);
}

// ---- text files -------------------------------------------------------

TextFile::~TextFile()
{
    closeQuietly();
}

int TextFile::openWith(const QString& name, int flags, bool reading)
{
    closeQuietly();
    name_ = name;
    const QByteArray path = QFile::encodeName(name);
    if (path.isEmpty())
        return ENOENT;
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    fd_ = fd;
    reading_ = reading;
    eof_ = false;
    buf_.clear();
    pos_ = 0;
    return 0;
}

int TextFile::fill()
{
    if (eof_)
        return 0;
    if (pos_ > 0) {
        buf_.remove(0, pos_);
        pos_ = 0;
    }
    const qsizetype old = buf_.size();
    buf_.resize(old + 65536);
    ssize_t n;
    do {
        n = ::read(fd_, buf_.data() + old, 65536);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        const int e = errno;
        buf_.resize(old);
        return e;
    }
    buf_.resize(old + n);
    if (n == 0)
        eof_ = true;
    return 0;
}

int TextFile::flush()
{
    if (fd_ < 0 || reading_)
        return 0;
    const char* p = buf_.constData();
    qsizetype left = buf_.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            buf_.clear();
            return e;
        }
        p += n;
        left -= n;
    }
    buf_.clear();
    return 0;
}

int TextFile::closeQuietly()
{
    if (fd_ < 0)
        return 0;
    int err = flush();
    if (::close(fd_) != 0 && err == 0)
        err = errno;
    fd_ = -1;
    buf_.clear();
    pos_ = 0;
    eof_ = false;
    return err;
}

bool TextFile::atEnd()
{
    if (fd_ < 0 || !reading_)
        return true;
    if (pos_ < buf_.size())
        return false;
    if (fill() != 0)
        return true;
    return pos_ >= buf_.size();
}

int opentextfile(TextFile& f, const QString& name)
{
    const int err = f.openWith(name, O_RDONLY, true);
    textfileerror = err;
    if (err == 0)
        return 0;
    fail(err);
    message(QStringLiteral("Feil under \u00E5pning av ") + name + QStringLiteral("  (FEILNR.: ")
            + QString::number(err) + QLatin1Char(')'));
    return err;
}

int appendtextfile(TextFile& f, const QString& name)
{
    const int err = f.openWith(name, O_WRONLY | O_APPEND, false);
    textfileerror = err;
    if (err == 0)
        return 0;
    fail(err);
    message(QStringLiteral("Feil under \u00E5pning av ") + name + QStringLiteral("  (") + QString::number(err)
            + QLatin1Char(')'));
    return err;
}

int createtextfile(TextFile& f, const QString& name)
{
    const int err = f.openWith(name, O_WRONLY | O_CREAT | O_TRUNC, false);
    textfileerror = err;
    if (err == 0)
        return 0;
    fail(err);
    message(QStringLiteral("Feil under oppretting av ny fil: ") + name + QStringLiteral("  (")
            + QString::number(err) + QLatin1Char(')'));
    return err;
}

int closetextfile(TextFile& f)
{
    const int err = f.closeQuietly();
    textfileerror = err;
    if (err == 0)
        return 0;
    fail(err);
    message(QStringLiteral("Feil under lukking av fil"));
    return err;
}

int Writelntextfile(TextFile& f, const QString& text)
{
    int err = 0;
    if (f.fd_ < 0 || f.reading_) {
        err = EBADF;
    } else {
        f.buf_ += encode(text, f.encoding);
        f.buf_ += "\r\n";
        if (f.buf_.size() >= 65536)
            err = f.flush();
    }
    textfileerror = err;
    if (err != 0)
        fail(err);
    return err;
}

int readlntextfile(TextFile& f, QString& text)
{
    text.clear();
    int err = 0;
    if (f.fd_ < 0 || !f.reading_) {
        err = EBADF;
    } else {
        for (;;) {
            qsizetype i = f.pos_;
            const qsizetype n = f.buf_.size();
            while (i < n && f.buf_[i] != '\r' && f.buf_[i] != '\n')
                ++i;
            if (i < n) {
                // A CR at the end of the buffer may be followed by LF in the next block.
                if (f.buf_[i] == '\r' && i + 1 >= n && !f.eof_) {
                    err = f.fill();
                    if (err != 0)
                        break;
                    continue;
                }
                text = decode(f.buf_.mid(f.pos_, i - f.pos_), f.encoding);
                qsizetype next = i + 1;
                if (f.buf_[i] == '\r' && next < f.buf_.size() && f.buf_[next] == '\n')
                    ++next;
                f.pos_ = next;
                break;
            }
            if (f.eof_) {
                text = decode(f.buf_.mid(f.pos_), f.encoding);
                f.pos_ = f.buf_.size();
                break;
            }
            err = f.fill();
            if (err != 0)
                break;
        }
    }
    textfileerror = err;
    if (err == 0)
        return 0;
    fail(err);
    message(QStringLiteral("Lesefeil i tekstfil ") + f.name_);
    LogLine(QStringLiteral("Lesefeil i tekstfil."));
    return err;
}

int readshortstr(TextFile& f, QString& text)
{
    const int err = readlntextfile(f, text);
    text = ShortStr(text);
    return err;
}

bool eoftextfile(TextFile& f)
{
    return f.atEnd();
}

int AppendLine(const QString& name, const QString& text)
{
    TextFile f;
    int err = QFileInfo::exists(name) ? appendtextfile(f, name) : createtextfile(f, name);
    if (err != 0)
        return err;
    err = Writelntextfile(f, text);
    const int cerr = closetextfile(f);
    return err != 0 ? err : cerr;
}
