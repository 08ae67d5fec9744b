#include "contacts/postnummer.h"

#include "core/sysreg.h"
#include "core/textfil.h"

#include "core/cp1252.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QFileInfo>

QString PostFilnavn() { return QStringLiteral("tilbud5.txt"); }

QString PostRegisterPath() { return TrelvoPath(QStringLiteral("import")) + PostFilnavn(); }

PostRegister& PostRegister::instance()
{
    static PostRegister r;
    return r;
}

void PostRegister::reset()
{
    path_.clear();
    stamp_ = QDateTime();
    bytes_ = -1;
    loaded_ = false;
    reported_ = false;
    entries_.clear();
}

bool PostRegister::available()
{
    const QString path = PostRegisterPath();
    if (path != path_) {
        reset();
        path_ = path;
    }
    const QFileInfo fi(path);
    if (loaded_ && fi.exists() && fi.lastModified() == stamp_ && fi.size() == bytes_) return true;
    if (!fi.exists() && reported_) {
        loaded_ = false;
        entries_.clear();
        return false;
    }
    return load(path);
}

bool PostRegister::load(const QString& path)
{
    loaded_ = false;
    entries_.clear();
    TextFile f;
    if (reported_) {
        // Already told once; a file that still cannot be read stays silent.
        const QFileInfo fi(path);
        if (!fi.isReadable()) return false;
    }
    if (opentextfile(f, path) != 0) {
        reported_ = true;
        return false;
    }
    const QFileInfo fi(path);
    QString line;
    while (!eoftextfile(f)) {
        if (readlntextfile(f, line) != 0) break;
        addLine(line);
    }
    closetextfile(f);
    stamp_ = fi.lastModified();
    bytes_ = fi.size();
    loaded_ = true;
    reported_ = false;
    return true;
}

void PostRegister::addLine(const QString& line)
{
    if (line.size() < 4) return;
    const QString code = line.left(4);
    if (entries_.contains(code)) return;  // the first line of a code counts
    PostnummerInfo e;
    e.postnummer = code;
    const QStringList parts = line.split(QLatin1Char('\t'));
    if (parts.size() > 2) e.poststed = parts[1];  // up to the second tab
    if (parts.size() > 3) e.kommunenr = parts[2];
    if (parts.size() > 4) e.kommune = parts[3];
    if (parts.size() > 4) e.kategori = parts.mid(4).join(QLatin1Char('\t'));
    entries_.insert(code, e);
}

bool PostRegister::find(const QString& code, PostnummerInfo& out)
{
    if (code.size() != 4 || !available()) return false;
    auto it = entries_.constFind(code);
    if (it == entries_.constEnd()) return false;
    out = *it;
    return true;
}

QByteArray ShippedPostRegister()
{
    QFile f(QStringLiteral(":/contacts/tilbud5.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString ShippedPostRegisterLicence()
{
    QFile f(QStringLiteral(":/contacts/tilbud5-LICENSE.txt"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool InstallFirstPostRegister()
{
    const QString path = PostRegisterPath();
    if (QFileInfo::exists(path)) return false;
    const QByteArray data = ShippedPostRegister();
    if (data.isEmpty()) return false;
    if (const int err = WriteFileAtomic(path, data); err != 0) {
        LogLine(QStringLiteral("FEIL: kan ikke skrive postregisteret ") + path + QStringLiteral(" (") +
                QString::number(err) + ')');
        return false;
    }
    WriteFileAtomic(TrelvoPath(QStringLiteral("import")) + QStringLiteral("tilbud5-LICENSE.txt"),
                    ShippedPostRegisterLicence().toUtf8());
    LogLine(QStringLiteral("Postregister: første utgave lagt i ") + path +
            QStringLiteral("; \"Last ned postfil\" henter postens fullstendige register"));
    return true;
}

namespace {

// The postal codes of a register's text; false at the first line that is
// not "four digits, tab, place name" (its number in badLine).
bool registerCodes(const QByteArray& data, QSet<QString>& codes, int& badLine, QString& badText)
{
    int lineNo = 0;
    qsizetype from = 0;
    while (from < data.size()) {
        qsizetype end = data.indexOf('\n', from);
        if (end < 0) end = data.size();
        QByteArray raw = data.mid(from, end - from);
        from = end + 1;
        ++lineNo;
        if (raw.endsWith('\r')) raw.chop(1);
        if (raw.trimmed().isEmpty()) continue;
        const QString line = FromCp1252(raw);
        bool ok = line.size() > 5 && line[4] == QLatin1Char('\t');
        for (int i = 0; ok && i < 4; ++i) ok = line[i] >= QLatin1Char('0') && line[i] <= QLatin1Char('9');
        const QString place = ok ? line.mid(5).section(QLatin1Char('\t'), 0, 0) : QString();
        if (ok) ok = !place.trimmed().isEmpty();
        for (QChar c : place)
            if (ok && c.unicode() < 32) ok = false;
        if (!ok) {
            badLine = lineNo;
            badText = line.left(40);
            return false;
        }
        codes.insert(line.left(4));
    }
    return true;
}

} // namespace

QString CheckPostRegisterFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("Kan ikke lese filen ") + path;
    const QString notRegister = QStringLiteral("Filen er ikke et postnummerregister");
    // The postal service's register is a few hundred kilobytes.
    if (f.size() > 16 * 1024 * 1024) return notRegister + QStringLiteral(" (den er for stor)");
    const QByteArray data = f.readAll();
    if (data.trimmed().isEmpty()) return notRegister + QStringLiteral(" (den er tom)");
    // Text with letters beyond ASCII that reads as UTF-8 is UTF-8: read as
    // Windows-1252 it would put "TROMSÃ˜" into every address.
    bool high = false;
    for (char c : data) high |= (static_cast<unsigned char>(c) >= 0x80);
    if (data.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("Filen er skrevet i UTF-8; postnummerregisteret må være i Windows-1252 (ANSI), slik "
                              "Posten leverer det");
    if (high) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8.decode(data));
        if (!utf8.hasError())
            return QStringLiteral("Filen er skrevet i UTF-8; postnummerregisteret må være i Windows-1252 (ANSI), slik "
                                  "Posten leverer det");
    }
    QSet<QString> codes;
    int badLine = 0;
    QString badText;
    if (!registerCodes(data, codes, badLine, badText))
        return notRegister + QStringLiteral(" (linje %1: «%2» er ikke postnummer, tabulator og poststed)")
                                 .arg(badLine)
                                 .arg(badText);
    if (!data.endsWith('\n'))
        return notRegister + QStringLiteral(" (den slutter midt i en linje, så den er ikke hel)");
    if (codes.size() < kMinPostCodes)
        return notRegister +
               QStringLiteral(" (den har bare %1 postnumre; et fullstendig register har flere enn %2)")
                   .arg(codes.size())
                   .arg(kMinPostCodes);
    // Much smaller than the register in use: a cut or partial file.
    const QString current = PostRegisterPath();
    if (QFileInfo(current).canonicalFilePath() != QFileInfo(path).canonicalFilePath()) {
        QFile cur(current);
        QSet<QString> had;
        int line = 0;
        QString text;
        if (cur.open(QIODevice::ReadOnly) && registerCodes(cur.readAll(), had, line, text) &&
            codes.size() < had.size() * 9 / 10)
            return notRegister + QStringLiteral(" som kan erstatte det som brukes nå: den har %1 postnumre, "
                                                "registeret som brukes har %2")
                                     .arg(codes.size())
                                     .arg(had.size());
    }
    return {};
}

QString PostRegisterURL()
{
    MainIniSection sec(QStringLiteral("STANDARD"));
    const QString url = GetRegStr(QStringLiteral("PostRegisterURL")).trimmed();
    return url.isEmpty() ? QStringLiteral("https://www.bring.no/postnummerregister-ansi.txt") : url;
}

DownloadResult DownloadPostRegister(const QString& url, DownloadOptions options)
{
    options.validate = CheckPostRegisterFile;
    const QString path = PostRegisterPath();
    const DownloadResult r = HttpDownload(url, path, options);
    if (r.ok) LogLine(QStringLiteral("Postregister: lastet ned fra ") + url + QStringLiteral(" til ") + path);
    return r;
}

QString FinnPostSted(const QString& code)
{
    PostnummerInfo e;
    return PostRegister::instance().find(code, e) ? e.poststed : QString();
}

const std::array<QString, 24> Fylke = {
    QString(),
    QStringLiteral("ØSTFOLD"),
    QStringLiteral("AKERSHUS"),
    QStringLiteral("OSLO"),
    QStringLiteral("HEDMARK"),
    QStringLiteral("OPPLAND"),
    QStringLiteral("BUSKERUD"),
    QStringLiteral("VESTFOLD"),
    QStringLiteral("TELEMARK"),
    QStringLiteral("AUST-AGDER"),
    QStringLiteral("VEST-AGDER"),
    QStringLiteral("ROGALAND"),
    QStringLiteral("HORDALAND"),
    QString(),
    QStringLiteral("SOGN OG FJORDANE"),
    QStringLiteral("MØRE OG ROMSDAL"),
    QStringLiteral("SØR-TRØNDELAG"),
    QStringLiteral("NORD-TRØNDELAG"),
    QStringLiteral("NORDLAND"),
    QStringLiteral("TROMS"),
    QStringLiteral("FINNMARK"),
    QStringLiteral("SVALBARD"),
    QStringLiteral("JAN MAYEN"),
    QStringLiteral("KONTINENTALSOKKELEN"),
};

QString FylkeNavn(const QString& kommunenr)
{
    bool ok = false;
    const QString two = kommunenr.left(2);
    const int n = two.size() == 2 && two[0].isDigit() && two[1].isDigit() ? two.toInt(&ok) : -1;
    if (!ok || n < 0 || n >= int(Fylke.size())) return QString();
    return Fylke[size_t(n)];
}

QString KategoriNavn(const QString& letter)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("B"), QStringLiteral("Både gateadresse og postboks")},
        {QStringLiteral("F"), QStringLiteral("Flere bruksområder (felles)")},
        {QStringLiteral("G"), QStringLiteral("Gateadresse")},
        {QStringLiteral("K"), QStringLiteral("Kunde med eget postnummer")},
        {QStringLiteral("P"), QStringLiteral("Postboksadresse")},
        {QStringLiteral("S"), QStringLiteral("Serviceboks")},
    };
    return names.value(letter);
}
