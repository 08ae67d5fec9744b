#include "calendar/calendarrules.h"

#include "data/connection.h"
#include "data/datamodule.h"
#include "data/dataset.h"
#include "data/itemcopy.h"

#include <QRegularExpression>
#include <QStringList>

namespace CalendarRules {

namespace {

bool allDigits(const QString& s)
{
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

bool clockOf(int h, int m, QString& out)
{
    if (h < 0 || h > 23 || m < 0 || m > 59) return false;
    out = QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
    return true;
}

}  // namespace

bool NormaliseClock(const QString& typed, QString& out)
{
    const QString t = typed.trimmed();
    if (t.isEmpty()) {
        out = QStringLiteral("00:00");
        return true;
    }
    const qsizetype sep = t.indexOf(QRegularExpression(QStringLiteral("[:.]")));
    if (sep < 0) {
        if (!allDigits(t)) return false;
        switch (t.size()) {
        case 1:
        case 2: return clockOf(t.toInt(), 0, out);
        case 3: return clockOf(t.left(1).toInt(), t.mid(1).toInt(), out);
        case 4: return clockOf(t.left(2).toInt(), t.mid(2).toInt(), out);
        default: return false;
        }
    }
    const QString h = t.left(sep), m = t.mid(sep + 1);
    if (h.size() < 1 || h.size() > 2 || m.size() != 2 || !allDigits(h) || !allDigits(m)) return false;
    return clockOf(h.toInt(), m.toInt(), out);
}

bool ParseDateText(const QString& typed, int year, QDate& out)
{
    const QStringList parts = typed.trimmed().split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 3) return false;
    for (const QString& p : parts)
        if (!allDigits(p) || p.size() > 4) return false;
    if (parts[0].size() > 2 || parts[1].size() > 2) return false;
    int y = year;
    if (parts.size() == 3) {
        if (parts[2].size() == 2) y = 2000 + parts[2].toInt();
        else if (parts[2].size() == 4) y = parts[2].toInt();
        else return false;
    }
    const QDate d(y, parts[1].toInt(), parts[0].toInt());
    if (!d.isValid() || y < 1900) return false;
    out = d;
    return true;
}

std::vector<Filter> Filters(int myLoginId)
{
    const QString me = QString::number(myLoginId);
    return {
        {QStringLiteral("Ikkeutfrt1"), QStringLiteral("Ikke utført"), QStringLiteral("status<20"), true},
        {QStringLiteral("Utfrt1"), QStringLiteral("Utført"), QStringLiteral("status=20"), true},
        {QStringLiteral("Mineikkeutfrt1"), QStringLiteral("Mine ikke utført"), QStringLiteral("status<20 and userid=") + me,
         true},
        {QStringLiteral("Ikkeanfrt1"), QStringLiteral("Ikke anført"),
         QStringLiteral("read_order=0 AND (timetype=1 OR timetype=3)"), false},
        {QStringLiteral("Anfrt1"), QStringLiteral("Anført"), QStringLiteral("read_order=1"), false},
        {QStringLiteral("Fakturerbaretimer1"), QStringLiteral("Timearbeid"), QStringLiteral("timetype=1 OR timetype=3"),
         false},
        {QStringLiteral("Vedlikeholdsjobber1"), QStringLiteral("Vedlikeholdsjobber"),
         QStringLiteral("assetid>0 and status<20"), false},
        {QStringLiteral("Allemine1"), QStringLiteral("Alle mine"), QStringLiteral("userid=") + me, true},
        {QStringLiteral("Publisert1"), QStringLiteral("Publisert"), QStringLiteral("rwx_all>0"), true},
    };
}

QString TransferCondition(qint64 orderId, qint64 projectId)
{
    QString c = QStringLiteral("orderid=") + QString::number(orderId);
    if (projectId > 0)
        c += QStringLiteral(" OR (projectid=") + QString::number(projectId) + QStringLiteral(" AND read_order<>1)");
    return c;
}

Mark ReadOrderMark(qint64 orderId, qint64 projectId, int timetype, int readOrder)
{
    if (orderId > 0 || (projectId > 0 && (timetype == 3 || timetype == 1)))
        return {true, readOrder == 1 ? 0x00FF00u : 0xFF0000u};
    return {};
}

Mark StatusMark(int status) { return {true, status == 20 ? 0x008000u : 0xFFFF00u}; }

Mark TimeTypeMark(int timetype, int status)
{
    switch (timetype) {
    case 1:
    case 3: return {true, status == 20 ? 0x008000u : 0xFF0000u};
    case 2: return {true, 0x0000FFu};
    case 16: return {true, 0x000000u};
    default: return {};
    }
}

TransferResult TransferHoursToOrder(TDatabaseModule& dm, qint64 orderId)
{
    TransferResult r;
    Connection& c = dm.MyConnection;
    auto order = orderId > 0 ? c.query(QStringLiteral("SELECT projectid FROM orders WHERE id=%1").arg(orderId)) : nullptr;
    if (!order || !order->next()) {
        r.error = order ? QStringLiteral("Finner ikke ordren") : DbFailure(QStringLiteral("Kan ikke lese ordren"), c);
        return r;
    }
    const qint64 projectId = order->toLongLong(0);
    order.reset();

    Dataset& cal = dm.CalendarTable;
    if (cal.state() == Dataset::Edit || cal.state() == Dataset::Insert) {
        if (!cal.post()) {
            r.error = cal.lastError();
            return r;
        }
    }
    cal.setFilter(TransferCondition(orderId, projectId));
    if (!dm.TableOpen(cal, true, false)) {
        r.error = DbFailure(QStringLiteral("Kan ikke lese timeregistreringene"), c);
        return r;
    }
    if (projectId == 0) r.mark = LastMark;
    else if (!cal.isEmpty()) {
        cal.first();
        r.mark = cal.asString(QStringLiteral("projectnumber")) + QLatin1Char('/') + cal.asString(QStringLiteral("systemnumber"));
    }

    // The lines go to this order, whatever another document window selected.
    const QString own = QStringLiteral("orderid=") + QString::number(orderId);
    if (Items_WHERE != own || !Items_AND.isEmpty() || !dm.ItemsQuery.isOpen()) {
        Items_WHERE = own;
        Items_AND.clear();
        dm.ItemsSQLSelect();
        if (!dm.ItemsQuery.isOpen()) {
            r.error = DbFailure(QStringLiteral("Kan ikke lese ordrelinjene"), c);
            return r;
        }
    }

    // The ids first: a claim lost to another workstation re-reads the rows.
    std::vector<qint64> ids;
    const int idCol = cal.fieldIndex(QStringLiteral("id"));
    for (int row = 0; row < cal.recordCount(); ++row) ids.push_back(cal.rowValue(row, idCol).toLongLong());
    for (qint64 id : ids) {
        if (!cal.locate(QStringLiteral("id"), id)) continue;
        const int type = int(cal.asInt(QStringLiteral("timetype")));
        const bool wanted = cal.asInt(QStringLiteral("status")) >= 20 && cal.asInt(QStringLiteral("read_order")) != 1 &&
                            !(type == 0 || type == 2 || (type >= 4 && type <= 10) || type == 16);
        if (CopyCalendarToItems(dm, r.mark, orderId)) {
            ++r.billed;
            continue;
        }
        if (!wanted) continue;
        // Not billed although it should be: another workstation took it
        // first (it is entered now), or saving failed, which stops here.
        const QString now = c.scalar(QStringLiteral("SELECT read_order FROM calendar WHERE id=%1").arg(id));
        if (now == QLatin1String("1")) continue;
        r.error = c.lastErrno() != 0 ? DbFailure(QStringLiteral("Kan ikke overføre timene"), c)
                                     : QStringLiteral("Kan ikke overføre timene: ") +
                                           (cal.lastError().isEmpty() ? dm.ItemsQuery.lastError() : cal.lastError());
        break;
    }
    cal.first();
    return r;
}

}  // namespace CalendarRules
