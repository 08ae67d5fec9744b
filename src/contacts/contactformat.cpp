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
    const int keep = ds.recNo();
    ds.disableControls();
    // The writes go in batches of one transaction each: far fewer syncs
    // to disk than one per row, and no lock held for long.
    Connection* conn = ds.connection();
    const bool batches = !dryRun && conn && !conn->inTransaction();
    int inBatch = 0;
    bool batchFailed = false;
    if (batches) conn->begin();
    for (int row = 0; row < total; ++row) {
        ++r.rows;
        if (progress && !progress(row + 1, total)) break;
        QStringList before;
        for (int c : cols) before << (c < 0 ? QString() : ds.rowValue(row, c).toString());
        const QStringList after = FormatValues(t, rules, before, lookUp);
        if (after == before) continue;
        ++r.changedRows;
        const qint64 id = idCol < 0 ? 0 : ds.rowValue(row, idCol).toLongLong();
        for (qsizetype i = 0; i < fields.size(); ++i)
            if (cols[i] >= 0 && after[i] != before[i]) r.changes << FormatChange{id, fields[i], before[i], after[i]};
        if (dryRun) continue;
        if (!ds.moveTo(row) || !ds.edit()) {
            r.error = QStringLiteral("Kan ikke endre rad ") + QString::number(id) + QStringLiteral(": ") + ds.lastError();
            break;
        }
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (cols[i] < 0 || after[i] == before[i]) continue;
            QString v = after[i];
            const int max = ds.fieldInfo(cols[i]).maxChars;
            if (max > 0 && v.size() > max) {
                LogLine(QStringLiteral("ADVARSEL: formatering: ") + fields[i] + QStringLiteral(" i rad ") +
                        QString::number(id) + QStringLiteral(" er kortet til ") + QString::number(max) +
                        QStringLiteral(" tegn"));
                v.truncate(max);
            }
            ds.setValue(cols[i], v);
        }
        if (!ds.post()) {
            r.error = QStringLiteral("Kan ikke lagre rad ") + QString::number(id) + QStringLiteral(": ") + ds.lastError();
            ds.cancel();
            batchFailed = true;
            break;
        }
        if (batches && ++inBatch >= 500) {
            inBatch = 0;
            if (!conn->commit()) {
                r.error = QStringLiteral("Kan ikke lagre endringene: ") + conn->lastError();
                batchFailed = true;
                break;
            }
            conn->begin();
        }
    }
    if (batches && conn->inTransaction()) {
        if (batchFailed) {
            // The rows of the failed batch are not on the server: read the
            // rows again so the list shows what is stored.
            conn->rollback();
            ds.refresh();
        } else if (!conn->commit()) {
            r.error = QStringLiteral("Kan ikke lagre endringene: ") + conn->lastError();
            ds.refresh();
        }
    }
    if (keep >= 0 && keep < ds.recordCount()) ds.moveTo(keep);
    ds.enableControls();
    if (!r.error.isEmpty()) LogLine(QStringLiteral("FEIL: ") + r.error);
    return r;
}
