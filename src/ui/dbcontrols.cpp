#include "ui/dbcontrols.h"
#include "ui/datagrid.h"

#include <QStandardItemModel>

#include "data/connection.h"
#include "core/dialogs.h"
#include "core/felles.h"
#include "core/textfil.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// --- FieldLink ---------------------------------------------------------------

FieldLink::FieldLink(QWidget* owner, std::function<void()> refresh) : owner_(owner), refresh_(std::move(refresh)) {}

FieldLink::~FieldLink()
{
    for (auto& c : conns_) QObject::disconnect(c);
}

void FieldLink::bind(Dataset* ds, const QString& field)
{
    for (auto& c : conns_) QObject::disconnect(c);
    conns_.clear();
    ds_ = ds;
    field_ = field;
    if (ds) {
        auto again = [this] {
            if (!writing_) refresh_();
        };
        conns_.push_back(QObject::connect(ds, &Dataset::currentChanged, owner_, again));
        conns_.push_back(QObject::connect(ds, &Dataset::rowsReset, owner_, again));
        conns_.push_back(QObject::connect(ds, &Dataset::stateChanged, owner_, again));
        conns_.push_back(QObject::connect(ds, &Dataset::opened, owner_, again));
        conns_.push_back(QObject::connect(ds, &Dataset::closed, owner_, again));
        conns_.push_back(QObject::connect(ds, &Dataset::rowChanged, owner_, [this, again](int row) {
            if (ds_ && row == ds_->recNo()) again();
        }));
    }
    refresh_();
}

int FieldLink::column() const { return ds_ ? ds_->fieldIndex(field_) : -1; }

const FieldInfo* FieldLink::info() const
{
    const int c = column();
    return c >= 0 ? &ds_->fieldInfo(c) : nullptr;
}

bool FieldLink::hasRow() const { return ds_ && ds_->isOpen() && ds_->recNo() >= 0 && column() >= 0; }

QVariant FieldLink::value() const { return hasRow() ? ds_->value(column()) : QVariant(); }

QString FieldLink::displayText() const { return hasRow() ? ds_->displayText(ds_->recNo(), column()) : QString(); }

bool FieldLink::write(const QVariant& v)
{
    if (!hasRow()) return false;
    writing_ = true;
    const bool ok = ds_->setValue(column(), v);
    writing_ = false;
    return ok;
}

bool FieldLink::beginEdit()
{
    if (!hasRow()) return false;
    writing_ = true;
    const bool ok = ds_->edit();
    writing_ = false;
    return ok;
}

void FieldLink::refreshNow() { refresh_(); }

// --- TDBEdit -----------------------------------------------------------------

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent), link_(this, [this] { refresh(); })
{
    connect(this, &QLineEdit::textEdited, this, &TDBEdit::userEdited);
}

TDBEdit::TDBEdit(Dataset* ds, const QString& field, QWidget* parent) : TDBEdit(parent) { setField(ds, field); }

void TDBEdit::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

bool TDBEdit::numeric() const
{
    const FieldInfo* f = link_.info();
    return f && (f->kind == FieldKind::Integer || f->kind == FieldKind::Float);
}

void TDBEdit::refresh()
{
    pending_ = false;
    const FieldInfo* f = link_.info();
    setMaxLength(f && f->kind == FieldKind::Text && f->maxChars > 0 ? f->maxChars : 32767);
    setAlignment(numeric() ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    const QString t = link_.displayText();
    if (t != text()) {
        setText(t);
        // A text longer than the field shows its start, not its end.
        if (!hasFocus()) setCursorPosition(0);
    }
}

void TDBEdit::userEdited(const QString& t)
{
    if (!link_.hasRow()) {
        refresh();
        return;
    }
    if (numeric()) {
        double d = 0;
        if (ParseTypedNumber(t, d)) {
            pending_ = false;
            if (!link_.write(d)) refresh();
        } else {
            pending_ = true;
            link_.beginEdit();
        }
        return;
    }
    if (!link_.write(t)) refresh();
}

bool TDBEdit::commit()
{
    if (!pending_) return true;
    pending_ = false;
    const bool ok = link_.write(text());  // refused with the dataset's own message
    if (!ok) refresh();
    return ok;
}

void TDBEdit::focusOutEvent(QFocusEvent* e)
{
    commit();
    // Shows the number the way the program writes it ("1234,5" -> "1 234,50").
    if (numeric()) refresh();
    QLineEdit::focusOutEvent(e);
}

// --- TDBMemo -----------------------------------------------------------------

TDBMemo::TDBMemo(QWidget* parent) : QPlainTextEdit(parent), link_(this, [this] { refresh(); })
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (loading_) return;
        if (!link_.hasRow() || !link_.write(toPlainText())) refresh();
    });
}

TDBMemo::TDBMemo(Dataset* ds, const QString& field, QWidget* parent) : TDBMemo(parent) { setField(ds, field); }

void TDBMemo::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

void TDBMemo::refresh()
{
    const QString t = link_.value().toString();
    if (t == toPlainText()) return;
    loading_ = true;
    setPlainText(t);
    loading_ = false;
}

// --- TDBDateEdit -------------------------------------------------------------

namespace {

// A small calendar sheet for the drop-down button.
QIcon calendarIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(180, 40, 40));
    p.setPen(QColor(90, 90, 90));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3) p.drawPoint(x, y);
    return QIcon(pm);
}

} // namespace

void SetupNorwegianCalendar(QCalendarWidget* c)
{
    c->setLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    c->setFirstDayOfWeek(Qt::Monday);
    c->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    c->setGridVisible(false);
}

TDBDateEdit::TDBDateEdit(QWidget* parent) : QLineEdit(parent), link_(this, [this] { refresh(); })
{
    QAction* drop = addAction(calendarIcon(), QLineEdit::TrailingPosition);
    drop->setToolTip(QStringLiteral("Velg dato i kalenderen (Alt+Pil ned)"));
    drop->setObjectName(QStringLiteral("CalendarButton"));
    connect(drop, &QAction::triggered, this, &TDBDateEdit::showCalendar);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!link_.hasRow()) {
            refresh();
            return;
        }
        pending_ = true;
        link_.beginEdit();
    });
}

TDBDateEdit::TDBDateEdit(Dataset* ds, const QString& field, QWidget* parent) : TDBDateEdit(parent)
{
    setField(ds, field);
}

void TDBDateEdit::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

void TDBDateEdit::setDateOnly(bool on)
{
    dateOnly_ = on;
    refresh();
}

bool TDBDateEdit::dateTimeColumn() const
{
    const FieldInfo* f = link_.info();
    return f && f->kind == FieldKind::DateTime;
}

QString TDBDateEdit::format() const
{
    return dateTimeColumn() && !dateOnly_ ? QStringLiteral("dd.MM.yyyy HH:mm") : QStringLiteral("dd.MM.yyyy");
}

void TDBDateEdit::refresh()
{
    pending_ = false;
    const QVariant v = link_.value();
    QString t;
    if (v.typeId() == QMetaType::QDate) t = v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    else if (v.typeId() == QMetaType::QDateTime) t = v.toDateTime().toString(format());
    else if (!v.isNull()) t = link_.displayText();
    if (t != text()) setText(t);
}

QDate TDBDateEdit::date() const
{
    QDate d;
    QTime t;
    bool hasTime = false;
    return ParseTypedDateTime(text(), d, t, hasTime) ? d : QDate();
}

bool TDBDateEdit::commit()
{
    if (!pending_ || complaining_) return !pending_;
    const QString typed = text().trimmed();
    QVariant v;
    if (!typed.isEmpty()) {
        QDate d;
        QTime t;
        bool hasTime = false;
        const bool ok = dateTimeColumn() && !dateOnly_ ? ParseTypedDateTime(typed, d, t, hasTime)
                                                       : ParseTypedDate(typed, d);
        if (!ok) {
            complaining_ = true;
            const QString msg = QStringLiteral("«%1» er ikke en gyldig dato. Skriv datoen som dd.mm.åååå, "
                                               "for eksempel %2.")
                                    .arg(typed.left(40), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
            LogLine(QStringLiteral("FEIL: ") + msg + QStringLiteral(" (feltet ") + link_.field() + QStringLiteral(")"));
            CurrentDialogs()->ShowMessage(msg, QStringLiteral("Feil"));
            complaining_ = false;
            return false;
        }
        if (dateTimeColumn()) {
            // Only a date typed: the time of day the row had stays.
            if (!hasTime) {
                const QVariant old = link_.value();
                if (old.typeId() == QMetaType::QDateTime) t = old.toDateTime().time();
            }
            v = QDateTime(d, t);
        } else {
            v = d;
        }
    }
    pending_ = false;
    const bool ok = link_.write(v);
    refresh();
    return ok;
}

void TDBDateEdit::focusOutEvent(QFocusEvent* e)
{
    // The calendar taking the focus is not leaving the field.
    if (!(popup_ && popup_->isVisible())) commit();
    QLineEdit::focusOutEvent(e);
}

void TDBDateEdit::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && e->modifiers() == Qt::NoModifier) commit();
    if ((e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier)) ||
        (e->key() == Qt::Key_F4 && e->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TDBDateEdit::showCalendar()
{
    if (isReadOnly() || !isEnabled()) return;
    if (!popup_) {
        popup_ = new QFrame(this, Qt::Popup);
        popup_->setFrameShape(QFrame::StyledPanel);
        auto* lay = new QVBoxLayout(popup_);
        lay->setContentsMargins(1, 1, 1, 1);
        calendar_ = new QCalendarWidget(popup_);
        SetupNorwegianCalendar(calendar_);
        lay->addWidget(calendar_);
        connect(calendar_, &QCalendarWidget::clicked, this, &TDBDateEdit::pick);
        connect(calendar_, &QCalendarWidget::activated, this, &TDBDateEdit::pick);
    }
    const QDate shown = date();
    const QDate d = shown.isValid() ? shown : QDate::currentDate();
    calendar_->setSelectedDate(d);
    calendar_->setCurrentPage(d.year(), d.month());
    popup_->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        if (at.y() + popup_->height() > avail.bottom()) at.setY(mapToGlobal(QPoint(0, 0)).y() - popup_->height());
        at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() - popup_->width())));
    }
    popup_->move(at);
    popup_->show();
    calendar_->setFocus();
}

void TDBDateEdit::pick(const QDate& day)
{
    if (popup_) popup_->hide();
    if (!link_.hasRow()) return;
    QString t = day.toString(QStringLiteral("dd.MM.yyyy"));
    // A date-and-time field keeps its clock time.
    if (dateTimeColumn() && !dateOnly_) {
        const QVariant old = link_.value();
        const QTime time = old.typeId() == QMetaType::QDateTime ? old.toDateTime().time() : QTime(0, 0);
        t += QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm"));
    }
    setText(t);
    pending_ = true;
    link_.beginEdit();
    commit();
    setFocus();
}

// --- TDBCheckBox -------------------------------------------------------------

TDBCheckBox::TDBCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), link_(this, [this] { refresh(); })
{
    connect(this, &QCheckBox::toggled, this, [this](bool on) {
        if (loading_) return;
        if (!link_.hasRow() || !link_.write(on ? on_ : off_)) refresh();
    });
}

TDBCheckBox::TDBCheckBox(const QString& caption, Dataset* ds, const QString& field, QWidget* parent)
    : TDBCheckBox(caption, parent)
{
    setField(ds, field);
}

void TDBCheckBox::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

void TDBCheckBox::setValues(const QVariant& checkedValue, const QVariant& uncheckedValue)
{
    on_ = checkedValue;
    off_ = uncheckedValue;
    refresh();
}

void TDBCheckBox::refresh()
{
    loading_ = true;
    const QVariant v = link_.value();
    setChecked(!v.isNull() && v.toString() == on_.toString());
    loading_ = false;
}

// --- TDBComboBox -------------------------------------------------------------

TDBComboBox::TDBComboBox(QWidget* parent) : QComboBox(parent), link_(this, [this] { refresh(); })
{
    connect(this, &QComboBox::activated, this, [this](int i) { userChose(itemText(i)); });
}

TDBComboBox::TDBComboBox(Dataset* ds, const QString& field, const QStringList& items, bool freeText, QWidget* parent)
    : TDBComboBox(parent)
{
    setEditable(freeText);
    addItems(items);
    if (freeText)
        connect(lineEdit(), &QLineEdit::textEdited, this, &TDBComboBox::userChose);
    setField(ds, field);
}

void TDBComboBox::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

void TDBComboBox::userChose(const QString& text)
{
    if (loading_) return;
    if (!link_.hasRow() || !link_.write(text)) refresh();
}

void TDBComboBox::refresh()
{
    loading_ = true;
    const FieldInfo* f = link_.info();
    if (isEditable() && lineEdit())
        lineEdit()->setMaxLength(f && f->kind == FieldKind::Text && f->maxChars > 0 ? f->maxChars : 32767);
    const QString t = link_.displayText();
    if (isEditable()) {
        if (currentText() != t) setEditText(t);
    } else {
        // A stored text the list does not offer (set elsewhere, or an older
        // value) is shown as it is, as an entry that cannot be picked.
        const int foreign = findData(true, Qt::UserRole + 1);
        int i = findText(t);
        if (i == foreign) i = -1;
        if (i < 0 && !t.isEmpty()) {
            if (foreign >= 0) {
                setItemText(foreign, t);
                i = foreign;
            } else {
                addItem(t);
                i = count() - 1;
                setItemData(i, true, Qt::UserRole + 1);
                if (auto* m = qobject_cast<QStandardItemModel*>(model()))
                    if (QStandardItem* item = m->item(i)) item->setEnabled(false);
            }
        } else if (foreign >= 0) {
            removeItem(foreign);
            if (i > foreign) --i;
        }
        setCurrentIndex(i);
    }
    loading_ = false;
}

// --- TDBLookupComboBox ---------------------------------------------------------

TDBLookupComboBox::TDBLookupComboBox(QWidget* parent) : QComboBox(parent), link_(this, [this] { refresh(); })
{
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (loading_) return;
        if (!link_.hasRow() || !link_.write(itemData(i).toLongLong())) refresh();
    });
}

void TDBLookupComboBox::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

void TDBLookupComboBox::setListSource(Dataset* list, const QString& keyField, const QString& textField)
{
    QObject::disconnect(listConn_);
    list_ = list;
    keyField_ = keyField;
    textField_ = textField;
    conn_ = nullptr;
    if (list)
        listConn_ = connect(list, &Dataset::rowsReset, this, [this] {
            if (keyText_) listLoaded_ = false;
            else reloadList();
        });
    reloadList();
}

void TDBLookupComboBox::setLazy(std::function<QString(qint64)> keyText)
{
    keyText_ = std::move(keyText);
    listLoaded_ = false;
}

void TDBLookupComboBox::showPopup()
{
    if (keyText_ && !listLoaded_) fillList();
    QComboBox::showPopup();
}

void TDBLookupComboBox::setListQuery(Connection* conn, const QString& sql)
{
    QObject::disconnect(listConn_);
    list_ = nullptr;
    conn_ = conn;
    sql_ = sql;
    reloadList();
}

void TDBLookupComboBox::reloadList()
{
    if (!keyText_) {
        fillList();
        return;
    }
    // Read when it drops down (or a key is chosen from it).
    loading_ = true;
    clear();
    addItem(QString(), qlonglong(0));
    listLoaded_ = false;
    loading_ = false;
    refresh();
}

void TDBLookupComboBox::fillList()
{
    loading_ = true;
    clear();
    addItem(QString(), qlonglong(0));
    listLoaded_ = true;
    if (list_ && list_->isOpen()) {
        const int k = list_->fieldIndex(keyField_), t = list_->fieldIndex(textField_);
        if (k >= 0 && t >= 0)
            for (int r = 0; r < list_->recordCount(); ++r)
                addItem(list_->rowValue(r, t).toString(), list_->rowValue(r, k).toLongLong());
    } else if (conn_ && conn_->isOpen()) {
        if (auto res = conn_->query(sql_))
            while (res->next()) addItem(res->value(1), res->toLongLong(0));
    }
    loading_ = false;
    refresh();
}

void TDBLookupComboBox::keyPressEvent(QKeyEvent* e)
{
    // Keys step through and search the whole list, so it is read first.
    if (keyText_ && !listLoaded_) fillList();
    QComboBox::keyPressEvent(e);
}

void TDBLookupComboBox::showEvent(QShowEvent* e)
{
    if (keyText_) {
        listLoaded_ = false;
        refresh();
    } else if (conn_) {
        reloadList();
    }
    QComboBox::showEvent(e);
}

qint64 TDBLookupComboBox::currentKey() const { return currentIndex() >= 0 ? currentData().toLongLong() : 0; }

void TDBLookupComboBox::chooseKey(qint64 key)
{
    if (keyText_ && !listLoaded_) fillList();
    const int i = findData(qlonglong(key));
    if (i < 0) return;
    setCurrentIndex(i);
    emit activated(i);
}

void TDBLookupComboBox::refresh()
{
    loading_ = true;
    const QVariant v = link_.value();
    int i = v.isNull() ? -1 : findData(v.toLongLong());
    if (i < 0 && keyText_ && !v.isNull() && v.toLongLong() != 0) {
        // Not read yet: this one entry, from its own row.
        addItem(keyText_(v.toLongLong()), v.toLongLong());
        i = count() - 1;
    }
    setCurrentIndex(i);
    loading_ = false;
}

// --- TDBRadioGroup -------------------------------------------------------------

TDBRadioGroup::TDBRadioGroup(const QString& caption, const QStringList& items, const QVariantList& values,
                             QWidget* parent)
    : QGroupBox(caption, parent), link_(this, [this] { refresh(); }), values_(values), group_(new QButtonGroup(this))
{
    auto* v = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_->addButton(b, i);
        v->addWidget(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (loading_) return;
        if (!link_.hasRow() || id < 0 || id >= values_.size() || !link_.write(values_[id])) refresh();
    });
}

void TDBRadioGroup::setField(Dataset* ds, const QString& field) { link_.bind(ds, field); }

int TDBRadioGroup::itemIndex() const { return group_->checkedId(); }

void TDBRadioGroup::chooseIndex(int i)
{
    if (QAbstractButton* b = group_->button(i)) b->click();
}

void TDBRadioGroup::refresh()
{
    loading_ = true;
    const QString v = link_.value().toString();
    int hit = -1;
    for (int i = 0; i < values_.size(); ++i)
        if (link_.hasRow() && values_[i].toString() == v) hit = i;
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(group_->id(b) == hit);
    group_->setExclusive(true);
    loading_ = false;
}

// --- TDBNavigator --------------------------------------------------------------

TDBNavigator::TDBNavigator(QWidget* parent) : QWidget(parent)
{
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    auto button = [this, h](QStyle::StandardPixmap pm, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setIcon(style()->standardIcon(pm));
        b->setToolTip(tip);
        b->setAutoRaise(false);
        h->addWidget(b);
        return b;
    };
    First = button(QStyle::SP_MediaSkipBackward, QStringLiteral("Første post"));
    Prior = button(QStyle::SP_MediaSeekBackward, QStringLiteral("Forrige post"));
    Next = button(QStyle::SP_MediaSeekForward, QStringLiteral("Neste post"));
    Last = button(QStyle::SP_MediaSkipForward, QStringLiteral("Siste post"));
    Post = button(QStyle::SP_DialogApplyButton, QStringLiteral("Lagre"));
    Cancel = button(QStyle::SP_DialogCancelButton, QStringLiteral("Avbryt"));
    h->addStretch();
    connect(First, &QToolButton::clicked, this, [this] { if (ds_) ds_->first(); });
    connect(Prior, &QToolButton::clicked, this, [this] { if (ds_) ds_->prior(); });
    connect(Next, &QToolButton::clicked, this, [this] { if (ds_) ds_->next(); });
    connect(Last, &QToolButton::clicked, this, [this] { if (ds_) ds_->last(); });
    connect(Post, &QToolButton::clicked, this, [this] {
        if (ds_ && CommitDataControls(window())) ds_->post();
    });
    connect(Cancel, &QToolButton::clicked, this, [this] { if (ds_) ds_->cancel(); });
    updateButtons();
}

void TDBNavigator::setDataset(Dataset* ds)
{
    for (auto& c : conns_) disconnect(c);
    conns_.clear();
    ds_ = ds;
    if (ds) {
        conns_.push_back(connect(ds, &Dataset::currentChanged, this, &TDBNavigator::updateButtons));
        conns_.push_back(connect(ds, &Dataset::stateChanged, this, &TDBNavigator::updateButtons));
        conns_.push_back(connect(ds, &Dataset::rowsReset, this, &TDBNavigator::updateButtons));
    }
    updateButtons();
}

void TDBNavigator::updateButtons()
{
    const bool open = ds_ && ds_->isOpen();
    const bool editing = open && (ds_->state() == Dataset::Edit || ds_->state() == Dataset::Insert);
    const int row = open ? ds_->recNo() : -1, n = open ? ds_->recordCount() : 0;
    First->setEnabled(open && row > 0);
    Prior->setEnabled(open && row > 0);
    Next->setEnabled(open && row >= 0 && row < n - 1);
    Last->setEnabled(open && row >= 0 && row < n - 1);
    Post->setEnabled(editing);
    Cancel->setEnabled(editing);
}

// --- helpers -------------------------------------------------------------------

std::vector<DataControl*> DataControlsOf(QWidget* w)
{
    std::vector<DataControl*> out;
    for (QWidget* c : w->findChildren<QWidget*>())
        if (auto* d = dynamic_cast<DataControl*>(c)) out.push_back(d);
    return out;
}

bool CommitDataControls(QWidget* w)
{
    bool ok = true;
    for (DataControl* c : DataControlsOf(w))
        if (!c->commit()) ok = false;
    // What a grid's cell editor shows counts as typed too.
    for (DataGrid* g : w->findChildren<DataGrid*>())
        if (!g->commitPending()) ok = false;
    return ok;
}
