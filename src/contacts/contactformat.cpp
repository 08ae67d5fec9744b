#include "contacts/contactformat.h"

#include "contacts/postnummer.h"
#include "core/felles.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "data/dataset.h"

QString pRmBlank(const QString& number)
{
    QString s = number;
    s.remove(QLatin1Char(' '));
    return s;
}

QString pRmHyp(const QString& number)
{
    QString s = number;
    s.remove(QLatin1Char('-'));
    return s;
}

QString pFmtPhone(const QString& number, bool mobile)
{
    if (number.isEmpty() || number.startsWith(QLatin1Char('0'))) return number;
    QString s = pRmBlank(pRmHyp(number));
    if (s.isEmpty()) return s;
    QString prefix;
    if (s.startsWith(QLatin1Char('+'))) {
        prefix = s.left(3);
        s = s.mid(3);
    }
    // Blanks go in from the right end of the groups backwards; a position
    // past the end puts the blank at the end.
    const QList<int> positions = mobile ? QList<int>{6, 4} : QList<int>{7, 5, 3};
    for (int p : positions) {
        const qsizetype at = qMin<qsizetype>(p - 1, s.size());
        s.insert(at, QLatin1Char(' '));
    }
    return prefix.isEmpty() ? s : prefix + QLatin1Char(' ') + s;
}

QString pAdd47(const QString& number)
{
    if (number.isEmpty() || number.startsWith(QLatin1Char('+')) || number.startsWith(QLatin1Char('0'))) return number;
    return QStringLiteral("+47 ") + number;
}

QString pRm47(const QString& number)
{
    if (number.isEmpty()) return number;
    QString s = number;
    if (s.startsWith(QLatin1String("+47"))) s = s.mid(3);
    if (s.startsWith(QLatin1Char(' '))) s = s.mid(1);
    return s;
}

QString FormatNavn(const QString& name)
{
    QString s = name.toLower();
    bool start = true;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char(' ') || OrdSeperatorer.contains(c)) {
            start = true;
            continue;
        }
        if (start && c.isLetter()) s[i] = c.toUpper();
        start = false;
    }
    return s;
}

QString FormatFirmanavn(const QString& name)
{
    QString s = FormatNavn(name);
    if (s.size() >= 3 && s.right(3).toUpper() == QLatin1String(" AS")) s = s.left(s.size() - 3) + QStringLiteral(" AS");
    return s;
}

QStringList FormatFields(FormatTarget t)
{
    if (t == FormatTarget::Companies)
        return {"companyname", "postalcode", "city", "phone", "telefax"};
    return {"realname", "postalcode", "city", "internalphone", "homephone", "mobilephone"};
}

QStringList FormatValues(FormatTarget t, const FormatRules& r, const QStringList& in,
                         const std::function<QString(const QString&)>& lookUpCity)
{
    QStringList v = in;
    if (r.fmtName) v[0] = t == FormatTarget::Companies ? FormatFirmanavn(v[0]) : FormatNavn(v[0]);
    if (r.updateCity && lookUpCity) {
        const QString place = lookUpCity(v[1].trimmed());
        if (!place.isNull()) v[2] = place;
    }
    if (r.upperCity) v[2] = v[2].toUpper();
    for (qsizetype i = 3; i < v.size(); ++i) {
        const bool mobile = t == FormatTarget::Contacts && i == v.size() - 1;
        QString& p = v[i];
        if (r.rmHyphen) p = pRmHyp(p);
        if (r.rmBlank) p = pRmBlank(p);
        if (r.fmtPhone) p = pFmtPhone(p, mobile);
        if (r.add47) p = pAdd47(p);
        if (r.rm47) p = pRm47(p);
    }
    return v;
}

FormatResult FormatDataset(Dataset& ds, FormatTarget t, const FormatRules& rules, bool dryRun,
                           const std::function<bool(int, int)>& progress)
{
    FormatResult r;
    if (!ds.isOpen()) {
        r.error = QStringLiteral("Tabellen er ikke åpen");
        return r;
    }
    if (ds.state() != Dataset::Browse && !ds.post()) {
        r.error = QStringLiteral("Posten som redigeres kan ikke lagres: ") + ds.lastError();
        return r;
    }
    ds.fetchRest();
    const QStringList fields = FormatFields(t);
    QList<int> cols;
    for (const QString& f : fields) cols << ds.fieldIndex(f);
    const int idCol = ds.fieldIndex(QStringLiteral("id"));

    // The register is read once for the whole run.
    PostRegister& reg = PostRegister::instance();
    const bool haveRegister = !rules.updateCity || reg.available();
    r.noRegister = rules.updateCity && !haveRegister;
    std::function<QString(const QString&)> lookUp;
    if (rules.updateCity && haveRegister)
        lookUp = [&reg](const QString& code) {
            const PostnummerInfo* e = code.size() == 4 ? reg.cached(code) : nullptr;
            return e ? e->poststed : QStringLiteral("");
        };

    const int total = ds.recordCount();
    const qint64 keepId = ds.currentId();
    ds.disableControls();
    // The changed columns of the changed rows are written with one UPDATE
    // each, in transactions of 500 rows: a few seconds for the whole
    // register, where saving row by row through the list took minutes.
    // Formatting runs no record rules, so nothing is lost by going past the
    // dataset; it is read again once at the end.
    Connection* conn = ds.connection();
    const QString table = QStringLiteral("`") + ds.tableName() + QStringLiteral("`");
    int inBatch = 0;
    bool wrote = false;
    auto commitBatch = [&]() {
        if (!conn->commit()) {
            r.error = QStringLiteral("Kan ikke lagre endringene: ") + conn->lastError();
            return false;
        }
        return true;
    };
    for (int row = 0; row < total; ++row) {
        ++r.rows;
        if (progress && !progress(row + 1, total)) break;
        QStringList before;
        for (int c : cols) before << (c < 0 ? QString() : ds.rowValue(row, c).toString());
        const QStringList after = FormatValues(t, rules, before, lookUp);
        if (after == before) continue;
        ++r.changedRows;
        const qint64 id = idCol < 0 ? 0 : ds.rowValue(row, idCol).toLongLong();
        QStringList sets;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (cols[i] < 0 || after[i] == before[i]) continue;
            r.changes << FormatChange{id, fields[i], before[i], after[i]};
            QString v = after[i];
            const int max = ds.fieldInfo(cols[i]).maxChars;
            if (max > 0 && v.size() > max) {
                LogLine(QStringLiteral("ADVARSEL: formatering: ") + fields[i] + QStringLiteral(" i rad ") +
                        QString::number(id) + QStringLiteral(" er kortet til ") + QString::number(max) +
                        QStringLiteral(" tegn"));
                v.truncate(max);
            }
            sets << QStringLiteral("`") + fields[i] + QStringLiteral("`=") + conn->quote(v);
        }
        if (dryRun || id <= 0) continue;
        if (inBatch == 0 && !conn->begin()) {
            r.error = QStringLiteral("Kan ikke lagre endringene: ") + conn->lastError();
            break;
        }
        if (!conn->exec(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
                        QStringLiteral(" WHERE id=") + QString::number(id))) {
            r.error = QStringLiteral("Kan ikke lagre rad ") + QString::number(id) + QStringLiteral(": ") + conn->lastError();
            conn->rollback();
            inBatch = 0;
            break;
        }
        wrote = true;
        if (++inBatch >= 500) {
            inBatch = 0;
            if (!commitBatch()) break;
        }
    }
    if (inBatch > 0) commitBatch();
    if (wrote) {
        emit ds.written();  // look-ups of names read them again
        ds.refresh();
        if (keepId > 0) ds.locate(QStringLiteral("id"), keepId);
    }
    ds.enableControls();
    if (!r.error.isEmpty()) LogLine(QStringLiteral("FEIL: ") + r.error);
    return r;
}
