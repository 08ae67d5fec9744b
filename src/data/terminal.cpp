#include "data/terminal.h"

#include "core/cp1252.h"
#include "core/felles.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/itemcopy.h"
#include "data/ordertotals.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>

int TerminalProgram = 0;

namespace {

QString withSlash(QString folder)
{
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString missingProduct(const TerminalLine& l)
{
    return QStringLiteral("Finner ikke varenummer eller EAN-nummer ") + l.code + QStringLiteral(", ") + l.quantity +
           QStringLiteral(" ENH");
}

// A terminal file left in place after it was read is remembered, by the
// digest of its contents and its time of writing, in a file beside it, so
// it is never read twice; a file the terminal writes anew (or that is
// saved again from the dialog) is read as usual, even with the same counts.
QString readMarkPath(const TerminalSetup& s) { return s.sourcePath() + QStringLiteral(".lest"); }

QByteArray fileStamp(const QString& path)
{
    const QByteArray digest = FileDigest(path);
    if (digest.isEmpty()) return {};
    const qint64 written = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    return digest + ' ' + QByteArray::number(written);
}

bool alreadyRead(const TerminalSetup& s)
{
    QFile mark(readMarkPath(s));
    if (!mark.open(QIODevice::ReadOnly)) return false;
    const QByteArray stamp = mark.readAll().trimmed();
    return !stamp.isEmpty() && stamp == fileStamp(s.sourcePath());
}

// The terminal file's lines, or false (with the message) when it is missing,
// already read or unreadable.
bool readSource(const TerminalSetup& s, QStringList& lines, TerminalResult& r)
{
    const QString path = s.sourcePath();
    if (!QFileInfo::exists(path)) {
        r.missingFile = true;
        r.messages << QStringLiteral("Finner ikke filen ") + path;
        r.error = r.messages.last();
        return false;
    }
    if (alreadyRead(s)) {
        r.alreadyRead = true;
        r.messages << QStringLiteral("Filen %1 er allerede lest inn; ingenting er endret.").arg(path);
        r.error = r.messages.last();
        return false;
    }
    if (const int e = ReadCp1252Lines(path, lines); e != 0) {
        r.messages << QStringLiteral("Kan ikke lese filen %1: %2").arg(path, QString::fromLocal8Bit(strerror(e)));
        r.error = r.messages.last();
        return false;
    }
    return true;
}

// The lines of an earlier error file that this run does not read again.
QStringList earlierErrors(const TerminalSetup& s)
{
    QStringList lines;
    if (QFileInfo::exists(s.errorPath())) ReadCp1252Lines(s.errorPath(), lines);
    lines.removeAll(QString());
    return lines;
}

// After an applied run: the terminal file deleted or archived (so it is never
// read twice), and the error file written with what is still not applied.
void closeRun(const TerminalSetup& s, const QStringList& earlier, TerminalResult& r)
{
    const QString path = s.sourcePath();
    if (s.saveCopy) {
        const QString stamp = s.folder + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
        QString archive = stamp + QLatin1Char('_') + s.fileName;
        for (int n = 2; QFileInfo::exists(archive) && n < 1000; ++n)
            archive = stamp + QStringLiteral("-%1_").arg(n) + s.fileName;
        if (QFile::copy(path, archive)) r.archivedAs = archive;
        else LogLine(QStringLiteral("ADVARSEL: kan ikke lage arkivkopi %1 av %2").arg(archive, path));
    }
    if (s.deleteOnDone) {
        QFile::remove(path);
        QFile::remove(readMarkPath(s));
    } else {
        // The file stays as it is; it is marked as read so that reading it
        // again changes nothing. Without the mark it must go.
        QSaveFile mark(readMarkPath(s));
        if (!(mark.open(QIODevice::WriteOnly) && mark.write(fileStamp(path) + "\n") > 0 && mark.commit())) {
            LogLine(QStringLiteral("ADVARSEL: kan ikke merke %1 som lest; filen slettes").arg(path));
            QFile::remove(path);
        }
    }
    r.errorLines = earlier + r.errorLines;
    if (r.errorLines.isEmpty())
        QFile::remove(s.errorPath());
    else
        WriteCp1252Lines(s.errorPath(), r.errorLines);
    LogLine(QStringLiteral("HÅNDTERMINAL: %1 linjer lest inn fra %2, %3 i feillisten")
                .arg(r.applied)
                .arg(path)
                .arg(r.errorLines.size()));
}

// A count from the terminal: a number from 0 to a million, decimals allowed
// (metres, kilos). Anything else leaves the line out, named by its number,
// and keeps it in the error file so that it can be put right and read again.
constexpr FileNumberRange kCountRange{0, 1000000, false};

bool readCount(const TerminalLine& l, int lineNo, double& q, TerminalResult& r)
{
    QString why;
    if (ReadFileNumber(l.quantity, kCountRange, q, nullptr, &why)) return true;
    ++r.skipped;
    r.messages << QStringLiteral("linje %1: antallet «%2» %3").arg(lineNo).arg(l.quantity, why);
    r.errorLines << l.code + QLatin1Char(',') + l.quantity;
    LogLine(QStringLiteral("HÅNDTERMINAL: hoppet over ") + r.messages.last());
    return false;
}

qint64 productIdBy(Connection& c, const char* column, const QString& value)
{
    if (value.isEmpty()) return 0;
    auto q = c.query(QStringLiteral("SELECT id FROM product WHERE `%1`=%2 ORDER BY id LIMIT 1")
                         .arg(QString::fromLatin1(column), c.quote(value)));
    return q && q->next() ? q->toLongLong(0) : 0;
}

} // namespace

TerminalSetup LoadTerminalSetup()
{
    MainIniSection sec(QStringLiteral("STANDARD"));
    TerminalSetup s;
    const QString name = GetRegStr(QStringLiteral("ProductTerminalFilename")).trimmed();
    if (!name.isEmpty()) s.fileName = name;
    const QString folder = GetRegStr(QStringLiteral("ProductTerminalFilePath")).trimmed();
    s.folder = withSlash(folder.isEmpty() ? TrelvoPath(QStringLiteral("import")) : folder);
    const QString sep = GetRegStr(QStringLiteral("TerminalFileSeperator"));
    if (!sep.isEmpty()) s.separator = sep;
    const QString lf = GetRegStr(QStringLiteral("TerminalFileLineFeed")).trimmed();
    if (!lf.isEmpty()) s.lineFeed = lf;
    s.deleteOnDone = GetRegBoolean(QStringLiteral("TerminalFileDeleteOnDone"));
    s.saveCopy = GetRegBoolean(QStringLiteral("TerminalFileSaveCopy"));
    return s;
}

void SaveTerminalSetup(const TerminalSetup& s)
{
    MainIniSection sec(QStringLiteral("STANDARD"));
    SetRegStr(QStringLiteral("ProductTerminalFilename"), s.fileName);
    SetRegStr(QStringLiteral("ProductTerminalFilePath"), withSlash(s.folder));
    SetRegStr(QStringLiteral("TerminalFileSeperator"), s.separator);
    SetRegStr(QStringLiteral("TerminalFileLineFeed"), s.lineFeed);
    SetRegBoolean(QStringLiteral("TerminalFileDeleteOnDone"), s.deleteOnDone);
    SetRegBoolean(QStringLiteral("TerminalFileSaveCopy"), s.saveCopy);
    FlushSettings();
}

TerminalLine ConvertTerminalLine(const QString& line, const QString& separator)
{
    TerminalLine l;
    const QString sep = separator.isEmpty() ? QStringLiteral(",") : separator;
    const qsizetype at = line.indexOf(sep);
    if (at < 0) return l;
    l.separatorFound = true;
    l.code = line.left(at).trimmed();
    QString rest = line.mid(at + sep.size());
    const qsizetype next = rest.indexOf(sep);
    l.quantity = (next < 0 ? rest : rest.left(next)).trimmed();
    return l;
}

bool ReadTerminalToStock(Connection& conn, const TerminalSetup& s, int mode, TerminalResult& r)
{
    r = TerminalResult();
    QStringList lines;
    if (mode < 0 || mode > 2) {
        r.error = QStringLiteral("Ukjent valg for håndterminalen: %1").arg(mode);
        return false;
    }
    if (!readSource(s, lines, r)) return false;
    const QStringList earlier = earlierErrors(s);
    QString failure;
    const bool ok = conn.transaction([&] {
        r.applied = 0;
        r.messages.clear();
        r.errorLines.clear();
        r.skipped = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            const TerminalLine l = ConvertTerminalLine(line, s.separator);
            if (!l.separatorFound) {
                if (line.trimmed().isEmpty()) continue;
                r.messages << QStringLiteral("Feil i importfil fra håndterminal") << s.sourcePath();
            }
            if (l.code.isEmpty() || l.quantity.isEmpty()) {
                if (!line.trimmed().isEmpty()) r.messages << QStringLiteral("FEIL I LINJE: ") + line;
                continue;
            }
            double q = 0;
            if (!readCount(l, i + 1, q, r)) continue;
            // A scanned product code carries a check character at its end.
            qint64 id = productIdBy(conn, "productcode", l.code.left(l.code.size() - 1));
            if (id == 0) id = productIdBy(conn, "EAN", l.code);
            if (id == 0) {
                r.messages << missingProduct(l);
                r.errorLines << l.code + QLatin1Char(',') + l.quantity;
                continue;
            }
            static const char* statements[] = {"UPDATE product SET instock=? WHERE id=?",
                                               "UPDATE product SET instock=instock-?, lastsale=NOW() WHERE id=?",
                                               "UPDATE product SET instock=instock+?, lastorder=NOW() WHERE id=?"};
            if (!conn.exec(QString::fromLatin1(statements[mode]), {q, id})) {
                failure = conn.lastError();
                return false;
            }
            ++r.applied;
        }
        return true;
    });
    if (!ok) {
        r.error = QStringLiteral("Kan ikke oppdatere lageret fra håndterminalen: ") + failure +
                  QStringLiteral(". Ingenting er endret.");
        r.messages << r.error;
        LogLine(QStringLiteral("FEIL: ") + r.error);
        return false;
    }
    closeRun(s, earlier, r);
    return true;
}

bool ReadTerminalToItems(TDatabaseModule& dm, const TerminalSetup& s, int program, int mode, qint64 documentId,
                         TerminalResult& r)
{
    r = TerminalResult();
    static const char* keys[] = {"", "orderid", "poid", "invoiceid"};
    if (program < 1 || program > 3 || mode < 0 || mode > 2) {
        r.error = QStringLiteral("Ukjent valg for håndterminalen.");
        return false;
    }
    // Nothing is touched before the file is there and a document is open.
    QStringList lines;
    if (!readSource(s, lines, r)) return false;
    if (documentId <= 0 || !dm.ItemsQuery.isOpen()) {
        r.error = QStringLiteral("Ingen ordre, bestilling eller faktura er åpen.");
        r.messages << r.error;
        return false;
    }
    const QStringList earlier = earlierErrors(s);
    Connection& c = dm.MyConnection;
    const QString key = QString::fromLatin1(keys[program]);
    if (program == 1) LastMark = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    QString failure;
    const bool ok = c.transaction([&] {
        r.applied = 0;
        r.messages.clear();
        r.errorLines.clear();
        if (mode == 0 && !c.exec(QStringLiteral("DELETE FROM items WHERE `%1`=?").arg(key), {documentId})) {
            failure = c.lastError();
            return false;
        }
        if (mode == 0) dm.ItemsQuery.refresh();
        r.skipped = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& raw = lines[i];
            const TerminalLine l = ConvertTerminalLine(raw.trimmed(), s.separator);
            if (!l.separatorFound && !raw.trimmed().isEmpty())
                r.messages << QStringLiteral("Feil i importfil fra håndterminal") << s.sourcePath();
            if (l.code.isEmpty() || l.quantity.isEmpty()) continue;
            double q = 0;
            if (!readCount(l, i + 1, q, r)) continue;
            ProductValues p;
            bool found = FindProduct(c, l.code, p);
            if (!found) {
                const qint64 id = productIdBy(c, "EAN", l.code);
                auto q = id ? c.query(QStringLiteral("SELECT productcode FROM product WHERE id=%1").arg(id)) : nullptr;
                found = q && q->next() && FindProduct(c, q->value(0), p);
            }
            if (!found) {
                r.messages << missingProduct(l);
                r.errorLines << l.code + QLatin1Char(',') + l.quantity;
                continue;
            }
            if (!CopyProductToItems(dm, p, true, mode == 1 ? -q : q)) {
                failure = c.lastError().isEmpty() ? QStringLiteral("varelinjen kunne ikke lagres") : c.lastError();
                return false;
            }
            ++r.applied;
        }
        return true;
    });
    if (!ok) {
        dm.ItemsQuery.refresh();
        r.error = QStringLiteral("Kan ikke lese inn varelinjer fra håndterminalen: ") + failure +
                  QStringLiteral(". Ingenting er endret.");
        r.messages << r.error;
        LogLine(QStringLiteral("FEIL: ") + r.error);
        return false;
    }
    closeRun(s, earlier, r);
    dm.ItemsQuery.refresh();
    return true;
}

bool ErrorFileToTerminalFile(const TerminalSetup& s, QString& why)
{
    if (!QFileInfo::exists(s.errorPath())) {
        why = QStringLiteral("Feillisten er tom.");
        return false;
    }
    // A terminal file already read may make way; one not read yet may not.
    if (QFileInfo::exists(s.sourcePath()) && alreadyRead(s)) {
        QFile::remove(s.sourcePath());
        QFile::remove(readMarkPath(s));
    }
    if (QFileInfo::exists(s.sourcePath())) {
        why = QStringLiteral("Filen %1 finnes fra før; les den inn først.").arg(s.sourcePath());
        return false;
    }
    if (!QFile::rename(s.errorPath(), s.sourcePath())) {
        why = QStringLiteral("Kan ikke gi feillisten navnet %1.").arg(s.sourcePath());
        return false;
    }
    return true;
}
