#include "ui/datadrop.h"

#include "data/connection.h"
#include "data/datamodule.h"
#include "data/dataset.h"
#include "ui/datagrid.h"
#include "ui/listform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPointer>

const char* const kDataToolMime = "application/x-kvarnel-datatool";

namespace {

const char* kindName(DropKind k)
{
    switch (k) {
    case DropKind::Where: return "where";
    case DropKind::Order: return "order";
    case DropKind::Lock: return "lock";
    case DropKind::All: return "all";
    case DropKind::Search: return "search";
    }
    return "";
}

} // namespace

// --- Results ---------------------------------------------------------------------

DropResult DropResult::Ignore()
{
    DropResult r;
    r.accepted = true;
    return r;
}

DropResult DropResult::Filter(const QString& condition)
{
    DropResult r;
    r.accepted = true;
    r.setFilter = true;
    r.filter = condition;
    return r;
}

DropResult DropResult::Sort(const QString& field)
{
    DropResult r;
    r.accepted = true;
    r.sort = field;
    return r;
}

DropResult DropResult::Reread()
{
    DropResult r;
    r.accepted = true;
    r.reread = true;
    return r;
}

QString DropResult::describe() const
{
    if (!accepted) return QStringLiteral("refuse");
    QStringList parts;
    if (lock) parts << QStringLiteral("lock:") + QString::number(lockValue);
    if (setFilter) parts << QStringLiteral("filter:") + filter;
    if (!sort.isEmpty()) parts << QStringLiteral("sort:") + sort;
    if (parts.isEmpty()) parts << (reread ? QStringLiteral("reread") : QStringLiteral("none"));
    return parts.join(QLatin1Char(' '));
}

// --- Values ----------------------------------------------------------------------

DropRow DatasetRow(const Dataset* ds)
{
    QPointer<Dataset> p(const_cast<Dataset*>(ds));
    return [p](const QString& field) -> QVariant {
        if (!p || !p->isOpen() || p->recNo() < 0 || !p->hasField(field)) return {};
        return p->value(field);
    };
}

QString SqlValue(const QVariant& v)
{
    if (!v.isValid()) return QStringLiteral("''");
    switch (v.typeId()) {
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return v.isNull() ? QStringLiteral("0") : QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return v.isNull() ? QStringLiteral("0") : SqlDouble(v.toDouble());
    case QMetaType::QDate: return QLatin1Char('\'') + v.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\'');
    default: return SqlQuote(v.toString());
    }
}

qint64 LinkValue(const QVariant& v)
{
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    return ok ? n : 0;
}

QString FieldCondition(const QString& field, const QVariant& v, bool isLink)
{
    if (isLink) return field + QLatin1Char('=') + QString::number(LinkValue(v));
    // An empty cell (NULL in the database) matches the empty rows of any type.
    if (!v.isValid()) return QLatin1Char('(') + field + QStringLiteral(" IS NULL OR ") + field + QStringLiteral("='')");
    if (v.isValid() && v.isNull() &&
        (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime))
        return field + QStringLiteral(" IS NULL");
    return field + QLatin1Char('=') + SqlValue(v);
}

QString ToggledOrder(const QString& order, const QString& field)
{
    if (!order.contains(field)) return field;
    if (order == field) return field + QStringLiteral(" DESC");
    if (order == field + QStringLiteral(" DESC")) return field;
    return order;
}

QString SearchTerms(const QStringList& fields, const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    t = SqlEscape(t);
    QStringList terms;
    for (const QString& f : fields) terms << f + QStringLiteral(" like '%") + t + QStringLiteral("%'");
    return terms.join(QStringLiteral(" OR "));
}

DropResult ColumnDrop(const DropEvent& e, const QStringList& searchFields, const QHash<QString, QString>& sortKeys)
{
    switch (e.kind) {
    case DropKind::Order:
        if (e.column.isEmpty()) return DropResult::Ignore();
        return DropResult::Sort(sortKeys.value(e.column, e.column));
    case DropKind::Where: {
        if (e.column.isEmpty()) return DropResult::Ignore();
        const QString key = sortKeys.value(e.column, e.column);
        if (key != e.column) return DropResult::Filter(FieldCondition(key, e.value(key), true));
        return DropResult::Filter(FieldCondition(e.column, e.value(e.column)));
    }
    case DropKind::All: return DropResult::Clear();
    case DropKind::Search:
        if (searchFields.isEmpty()) return DropResult::Refuse();
        if (e.text.trimmed().isEmpty()) return DropResult::Clear();
        return DropResult::Filter(SearchTerms(searchFields, e.text));
    case DropKind::Lock: return DropResult::Refuse();
    }
    return DropResult::Refuse();
}

// --- Drag data --------------------------------------------------------------------

QMimeData* DataToolMimeData(DropKind kind, const QString& text)
{
    auto* m = new QMimeData;
    QByteArray data(kindName(kind));
    if (kind == DropKind::Search) data += '\n' + text.toUtf8();
    m->setData(QString::fromLatin1(kDataToolMime), data);
    return m;
}

bool ReadDataToolMime(const QMimeData* data, DropKind* kind, QString* text)
{
    if (!data || !data->hasFormat(QString::fromLatin1(kDataToolMime))) return false;
    const QByteArray d = data->data(QString::fromLatin1(kDataToolMime));
    const int nl = d.indexOf('\n');
    const QByteArray name = nl < 0 ? d : d.left(nl);
    for (DropKind k : {DropKind::Where, DropKind::Order, DropKind::Lock, DropKind::All, DropKind::Search}) {
        if (name != kindName(k)) continue;
        if (kind) *kind = k;
        if (text) *text = nl < 0 ? QString() : QString::fromUtf8(d.mid(nl + 1));
        return true;
    }
    return false;
}

// --- Receiving ----------------------------------------------------------------------

DropTarget::DropTarget(QWidget* control, DropRule rule, std::function<void(const DropResult&)> apply,
                       std::function<DropRow()> row)
    : QObject(control), control_(control), rule_(std::move(rule)), apply_(std::move(apply)), row_(std::move(row))
{
    setObjectName(QStringLiteral("DropTarget"));
    auto* view = qobject_cast<QAbstractItemView*>(control);
    surface_ = view ? view->viewport() : control;
    surface_->setAcceptDrops(true);
    surface_->installEventFilter(this);
}

DropEvent DropTarget::eventAt(DropKind kind, const QPoint& pos, const QString& text) const
{
    DropEvent e;
    e.kind = kind;
    e.x = pos.x();
    e.text = text;
    e.row = row_ ? row_() : DropRow();
    if (auto* view = qobject_cast<QAbstractItemView*>(control_)) {
        // Grids: x in the content, so a scrolled grid's columns keep their
        // place, and the field of the column under the point.
        if (auto* grid = qobject_cast<DataGrid*>(view)) {
            e.x = pos.x() + grid->horizontalHeader()->offset();
            const int col = grid->columnAt(pos.x());
            if (col >= 0 && grid->gridModel() && grid->dataset()) {
                const int f = grid->gridModel()->fieldOfColumn(col);
                if (f >= 0 && f < grid->dataset()->fieldCount()) e.column = grid->dataset()->fieldName(f);
            }
        }
    }
    return e;
}

DropResult DropTarget::drop(DropKind kind, const QPoint& pos, const QString& text)
{
    const DropResult r = rule_ ? rule_(eventAt(kind, pos, text)) : DropResult::Refuse();
    if (r.accepted && apply_) apply_(r);
    return r;
}

bool DropTarget::eventFilter(QObject* o, QEvent* ev)
{
    if (o != surface_) return QObject::eventFilter(o, ev);
    switch (ev->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* d = static_cast<QDragMoveEvent*>(ev);
        DropKind kind;
        QString text;
        // Other drags (text onto an edit) are the control's own business.
        if (!ReadDataToolMime(d->mimeData(), &kind, &text)) return false;
        const bool ok = rule_ && rule_(eventAt(kind, d->position().toPoint(), text)).accepted;
        if (ok) {
            d->setDropAction(Qt::CopyAction);
            d->accept();
        } else {
            d->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(ev);
        DropKind kind;
        QString text;
        if (!ReadDataToolMime(d->mimeData(), &kind, &text)) return false;
        const DropResult r = drop(kind, d->position().toPoint(), text);
        if (r.accepted) {
            d->setDropAction(Qt::CopyAction);
            d->accept();
        } else {
            d->ignore();
        }
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(o, ev);
}

DropTarget* DropTargetOf(QWidget* control)
{
    if (!control) return nullptr;
    return control->findChild<DropTarget*>(QStringLiteral("DropTarget"), Qt::FindDirectChildrenOnly);
}

bool PostPendingEdit(Dataset* ds)
{
    if (!ds || (ds->state() != Dataset::Edit && ds->state() != Dataset::Insert)) return true;
    return ds->post();
}

bool ApplyListDrop(TListForm* list, const DropResult& r)
{
    Dataset* ds = list ? list->dataset() : nullptr;
    if (!ds || !r.accepted) return false;
    if (!r.setFilter && r.sort.isEmpty() && !r.reread) return true;
    if (!PostPendingEdit(ds)) return false;
    if (r.setFilter) ds->setFilter(r.filter);
    if (!r.sort.isEmpty()) ds->setOrder(ToggledOrder(ds->order(), r.sort));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = DataModule().TableOpen(*ds, true, false);
    QApplication::restoreOverrideCursor();
    return ok;
}

DropTarget* InstallListDrops(TListForm* list, DropRule rule)
{
    if (!rule) {
        rule = [list](const DropEvent& e) {
            return ColumnDrop(e, list->searchFields(), list->Grid->sortKeys());
        };
    }
    return new DropTarget(
        list->Grid, std::move(rule), [list](const DropResult& r) { ApplyListDrop(list, r); },
        [list] { return DatasetRow(list->dataset()); });
}
