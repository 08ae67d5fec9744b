#include "calendar/calendardataform.h"

#include "calendar/calendarrules.h"
#include "core/dialogs.h"
#include "core/felles.h"
#include "crm/personsselectform.h"
#include "data/datamodule.h"
#include "ui/windowplacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using namespace CalendarRules;

namespace {

bool editing(const Dataset* ds) { return ds && (ds->state() == Dataset::Edit || ds->state() == Dataset::Insert); }
bool hasRow(const Dataset* ds) { return ds && ds->isOpen() && (ds->recNo() >= 0 || ds->state() == Dataset::Insert); }

int thisYear()
{
    bool ok = false;
    const int y = DetteAar.toInt(&ok);
    return ok && y > 0 ? y : QDate::currentDate().year();
}

QString clockText(const QDateTime& t)
{
    if (!t.isValid() || t.time() == QTime(0, 0)) return QString();
    return t.time().toString(QStringLiteral("HH:mm"));
}

void complain(const QString& text) { CurrentDialogs()->ShowMessage(text, QStringLiteral("Feil")); }

TDBLookupComboBox* lookup(Dataset* ds, const QString& field, const QString& table, const QString& text)
{
    auto* c = new TDBLookupComboBox;
    Connection* conn = &DataModule().MyConnection;
    c->setListQuery(conn, QStringLiteral("SELECT id, `%1` FROM `%2` ORDER BY `%1`").arg(text, table));
    // Long registers: the list is read when it drops down.
    c->setLazy([conn, table, text](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT `%1` FROM `%2` WHERE id=%3").arg(text, table).arg(id));
    });
    c->setField(ds, field);
    return c;
}

// The project-part list offers only the parts of the row's project and
// follows it as the row moves or another project is chosen; choosing
// another project clears a part that belongs to a different one.
void partsOfProject(QObject* owner, Dataset* ds, TDBLookupComboBox* project, TDBLookupComboBox* parts,
                    const QString& text)
{
    Connection* conn = &DataModule().MyConnection;
    auto shown = std::make_shared<qint64>(-1);
    auto follow = [=] {
        const qint64 p = hasRow(ds) ? ds->asInt(QStringLiteral("projectid")) : 0;
        if (p == *shown) return;
        *shown = p;
        parts->setListQuery(conn, QStringLiteral("SELECT id, `%1` FROM subproject WHERE project=%2 ORDER BY `%1`")
                                      .arg(text)
                                      .arg(p));
    };
    QObject::connect(ds, &Dataset::currentChanged, owner, follow);
    QObject::connect(ds, &Dataset::rowsReset, owner, follow);
    QObject::connect(ds, &Dataset::opened, owner, follow);
    QObject::connect(ds, &Dataset::stateChanged, owner, follow);
    QObject::connect(ds, &Dataset::rowChanged, owner, follow);
    QObject::connect(project, &QComboBox::activated, owner, [=] {
        follow();
        if (!hasRow(ds)) return;
        const qint64 part = ds->asInt(QStringLiteral("systemid"));
        if (part == 0) return;
        const qint64 owning = conn->scalar(QStringLiteral("SELECT project FROM subproject WHERE id=%1").arg(part)).toLongLong();
        if (owning != ds->asInt(QStringLiteral("projectid"))) {
            if (!editing(ds)) ds->edit();
            ds->setValue(QStringLiteral("systemid"), 0);
        }
    });
    follow();
}

QLineEdit* clockEdit()
{
    auto* e = new QLineEdit;
    e->setMaxLength(5);
    e->setFixedWidth(60);
    return e;
}

}  // namespace

// --- The date chooser --------------------------------------------------------------

TCalendarSelectForm::TCalendarSelectForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CalendarSelectForm"));
    setWindowTitle(QStringLiteral("Kalender"));
    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    Calendar->setFirstDayOfWeek(Qt::Monday);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Calendar->setGridVisible(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(Calendar);
    connect(Calendar, &QCalendarWidget::activated, this, [this](QDate day) {
        Result = QDateTime(day, QTime(0, 0));
        accept();
    });
    ShowToday();
}

QDateTime TCalendarSelectForm::SelectDate(const QDateTime& date)
{
    TCalendarSelectForm f(QApplication::activeWindow());
    const QDate d = date.isValid() && !date.isNull() ? date.date() : QDate::currentDate();
    f.Result = QDateTime(d, QTime(0, 0));
    f.Calendar->setSelectedDate(d);
    f.exec();
    return f.Result;
}

void TCalendarSelectForm::ShowToday()
{
    Result = QDateTime(QDate::currentDate(), QTime(0, 0));
    Calendar->setSelectedDate(QDate::currentDate());
    Calendar->showToday();
}

void TCalendarSelectForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        // Without a stored position: over the middle of the window it was
        // opened from (or of the screen).
        if (!placed_) {
            placed_ = true;
            adjustSize();
            QRect over;
            if (QWidget* a = QApplication::activeWindow(); a && a != this) over = a->frameGeometry();
            else if (QScreen* sc = screen()) over = sc->availableGeometry();
            if (over.isValid()) move(over.center() - rect().center());
        }
        LoadWindow(this, QStringLiteral("CalendarSelectForm"), QStringLiteral("OnlyPos"));
    }
    QDialog::showEvent(e);
}

void TCalendarSelectForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("CalendarSelectForm"));
    QDialog::closeEvent(e);
}

void TCalendarSelectForm::done(int r)
{
    SaveWindow(this, QStringLiteral("CalendarSelectForm"));
    QDialog::done(r);
}

// --- The calendar entry window --------------------------------------------------------

const int TCalendarDataForm::EventCodes[12] = {0, 1, 2, 3, 1028, 5, 1024, 16, 32, 20, 24, 2048};

QStringList TCalendarDataForm::EventCaptions()
{
    return {QStringLiteral("Kalender"),    QStringLiteral("Avtale"),          QStringLiteral("Møte"),
            QStringLiteral("Ekstern hendelse"), QStringLiteral("Prosjektoppføring"), QStringLiteral("Utstyroppføring"),
            QStringLiteral("Oppgave"),     QStringLiteral("Avspasering"),     QStringLiteral("Helligdag"),
            QStringLiteral("Ferie"),       QStringLiteral("Fravær"),          QStringLiteral("Arrangement")};
}

int TCalendarDataForm::EventPosition(int code)
{
    for (int i = 0; i < 12; ++i)
        if (EventCodes[i] == code) return i;
    return -1;
}

TCalendarDataForm::TCalendarDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("CalendarDataForm"));
    setWindowTitle(QStringLiteral("Kalenderdata"));
    placementKey = QStringLiteral("CalendarDataForm");
    captionPrefix = QStringLiteral("Kalenderdata [");
    onlyPosition = true;
    Dataset* ds = &DataModule().CalendarTable;

    UserCombo = lookup(ds, QStringLiteral("userid"), QStringLiteral("users"), QStringLiteral("initials"));
    auto picker = [] {
        auto* p = new QDateEdit;
        p->setCalendarPopup(true);
        p->setFixedWidth(130);
        p->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        p->setLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
        SetupNorwegianCalendar(p->calendarWidget());
        return p;
    };
    DateTimeFrom = picker();
    DateTimeTo = picker();
    MaskTimeFrom = clockEdit();
    MaskTimeTo = clockEdit();
    MaskTimeFrom->setProperty("clockField", QStringLiteral("time_from"));
    MaskTimeTo->setProperty("clockField", QStringLiteral("time_to"));
    SubjectEdit = new TDBEdit(ds, QStringLiteral("subject"));
    LocationEdit = new TDBEdit(ds, QStringLiteral("location"));
    EventCombo = new QComboBox;
    EventCombo->addItems(EventCaptions());
    ProjectCombo = lookup(ds, QStringLiteral("projectid"), QStringLiteral("project"), QStringLiteral("projectname"));
    SystemCombo = lookup(ds, QStringLiteral("systemid"), QStringLiteral("subproject"), QStringLiteral("systemname"));
    partsOfProject(this, ds, ProjectCombo, SystemCombo, QStringLiteral("systemname"));
    ProjectPanel = inRow({ProjectCombo, SystemCombo});
    ContactCombo = lookup(ds, QStringLiteral("external_contact"), QStringLiteral("contact"), QStringLiteral("realname"));
    CompanyCombo = lookup(ds, QStringLiteral("external_company"), QStringLiteral("company"), QStringLiteral("companyname"));
    ContactPanel = inRow({ContactCombo, CompanyCombo});
    AlldayBox = new TDBCheckBox(QStringLiteral("Full dag"), ds, QStringLiteral("allday"));
    OutdoorBox = new TDBCheckBox(QStringLiteral("Ute"), ds, QStringLiteral("outdoor"));
    DoneBox = new TDBCheckBox(QStringLiteral("Ferdig"), ds, QStringLiteral("status"));
    DoneBox->setValues(20, 0);
    PublishedBox = new TDBCheckBox(QStringLiteral("Publisert"), ds, QStringLiteral("rwx_all"));
    PublishedBox->setValues(5, 0);
    PersonsMemo = new TDBMemo(ds, QStringLiteral("persons"));
    PersonsMemo->setFixedHeight(44);
    PersonsButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg personer"), [this] { PersonsButtonClick(); });

    StdPanel = addFormPanel(&form_);
    form_->addRow(QStringLiteral("Ansatt:"), UserCombo);
    form_->addRow(QStringLiteral("Fra:"), inRow({DateTimeFrom, MaskTimeFrom, new QWidget}, 2));
    form_->addRow(QStringLiteral("Til:"), inRow({DateTimeTo, MaskTimeTo, new QWidget}, 2));
    form_->addRow(QStringLiteral("Tekst:"), SubjectEdit);
    form_->addRow(QStringLiteral("Sted:"), LocationEdit);
    form_->addRow(QStringLiteral("Oppføringstype:"), EventCombo);
    form_->addRow(QStringLiteral("Prosjekt:"), ProjectPanel);
    form_->addRow(QStringLiteral("Kontakt:"), ContactPanel);
    form_->addRow(QString(), inRow({AlldayBox, OutdoorBox, DoneBox, PublishedBox}));
    form_->addRow(QStringLiteral("Personer:"), withButton(PersonsMemo, PersonsButton));

    MemoPanel = new QWidget;
    {
        auto* v = new QVBoxLayout(MemoPanel);
        v->setContentsMargins(8, 4, 8, 8);
        ObjectMemo = new TDBMemo(ds, QStringLiteral("object_text"));
        ObjectMemo->setMinimumHeight(160);
        v->addWidget(ObjectMemo);
    }
    addPanel(MemoPanel);
    setClientWidth(520);
    setDataset(ds);

    // Typing a time is an edit of the row; leaving the edit stores it.
    for (QLineEdit* e : {MaskTimeFrom, MaskTimeTo})
        connect(e, &QLineEdit::textEdited, this, [this] {
            if (!loading_ && hasRow(dataset()) && !editing(dataset())) dataset()->edit();
        });
    connect(MaskTimeFrom, &QLineEdit::editingFinished, this, [this] {
        if (!loading_ && MaskTimeFrom->isModified()) StoreFrom();
    });
    connect(MaskTimeTo, &QLineEdit::editingFinished, this, [this] {
        if (!loading_ && MaskTimeTo->isModified()) StoreTo();
    });
    connect(DateTimeFrom, &QDateEdit::dateChanged, this, [this] {
        if (!loading_) StoreFrom();
    });
    connect(DateTimeTo, &QDateEdit::dateChanged, this, [this] {
        if (!loading_) StoreTo();
    });
    connect(EventCombo, &QComboBox::activated, this, [this](int pos) {
        Dataset* d = dataset();
        if (loading_ || !hasRow(d)) return;
        d->setValue(QStringLiteral("event_type"), pos >= 0 && pos < 12 ? EventCodes[pos] : 0);
        showType();
    });
    connect(AlldayBox, &QCheckBox::toggled, this, [this](bool on) {
        MaskTimeFrom->setVisible(!on);
        MaskTimeTo->setVisible(!on);
    });
    // The controls follow the row: another row, a re-read, a saved or
    // cancelled edit, or a value written by a rule.
    auto follow = [this] {
        if (!loading_ && isVisible()) ShowRow();
    };
    connect(ds, &Dataset::currentChanged, this, follow);
    connect(ds, &Dataset::rowsReset, this, follow);
    connect(ds, &Dataset::opened, this, follow);
    connect(ds, &Dataset::stateChanged, this, [this, follow](int s) {
        if (s == Dataset::Browse || s == Dataset::Insert) follow();
    });
    connect(ds, &Dataset::rowChanged, this, [this, follow](int row) {
        if (dataset() && row == dataset()->recNo()) follow();
    });
}

void TCalendarDataForm::FormShow()
{
    MaskTimeFrom->setVisible(true);
    MaskTimeTo->setVisible(true);
    TDataForm::FormShow();
    ShowRow();
}

void TCalendarDataForm::ShowRow()
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return;
    loading_ = true;
    const QDateTime from = ds->asDateTime(QStringLiteral("time_from"));
    QDateTime to = ds->asDateTime(QStringLiteral("time_to"));
    // An end before the start is moved to the start's day, keeping its
    // clock time; still before the start, it is moved up to the start.
    if (from.isValid() && to.isValid() && from > to) {
        QDateTime moved(from.date(), to.time());
        if (moved < from) moved = from;
        if (ds->setValue(QStringLiteral("time_to"), moved)) to = moved;
    }
    DateTimeFrom->setDate(from.isValid() ? from.date() : QDate::currentDate());
    MaskTimeFrom->setText(from.isValid() ? from.time().toString(QStringLiteral("HH:mm")) : QString());
    MaskTimeFrom->setModified(false);
    DateTimeTo->setDate(to.isValid() ? to.date() : DateTimeFrom->date());
    MaskTimeTo->setText(to.isValid() ? to.time().toString(QStringLiteral("HH:mm")) : QString());
    MaskTimeTo->setModified(false);
    const bool allday = ds->asInt(QStringLiteral("allday")) == 1;
    MaskTimeFrom->setVisible(!allday);
    MaskTimeTo->setVisible(!allday);
    showType();
    loading_ = false;
}

void TCalendarDataForm::showType()
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return;
    const int code = int(ds->asInt(QStringLiteral("event_type")));
    const bool was = loading_;
    loading_ = true;
    if (const int pos = EventPosition(code); pos >= 0) EventCombo->setCurrentIndex(pos);
    loading_ = was;
    form_->setRowVisible(ProjectPanel, code == 1028);
    form_->setRowVisible(ContactPanel, code == 2);
    if (isVisible()) resize(width(), sizeHint().height() > height() ? sizeHint().height() : height());
}

bool TCalendarDataForm::storeTime(QDateEdit* picker, QLineEdit* clock, const char* field)
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return false;
    QTime t(0, 0);
    if (ds->asInt(QStringLiteral("allday")) != 1) {
        QString c;
        if (!NormaliseClock(clock->text(), c)) {
            complain(QStringLiteral("«%1» er ikke et gyldig klokkeslett").arg(clock->text()));
            return false;
        }
        const bool was = loading_;
        loading_ = true;
        clock->setText(c);
        clock->setModified(false);
        loading_ = was;
        t = QTime::fromString(c, QStringLiteral("HH:mm"));
    }
    const QDateTime v(picker->date(), t);
    if (ds->asDateTime(QLatin1String(field)) == v) return true;
    const bool was = loading_;
    loading_ = true;
    const bool ok = ds->setValue(QLatin1String(field), v);
    loading_ = was;
    return ok;
}

bool TCalendarDataForm::StoreFrom()
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return false;
    // An end time typed but not yet stored is stored first, so that moving
    // the start cannot overwrite it.
    if (MaskTimeTo->isModified() && !StoreTo()) return false;
    const QDateTime oldFrom = ds->asDateTime(QStringLiteral("time_from"));
    const QDateTime oldTo = ds->asDateTime(QStringLiteral("time_to"));
    if (!storeTime(DateTimeFrom, MaskTimeFrom, "time_from")) return false;
    const QDateTime from = ds->asDateTime(QStringLiteral("time_from"));
    if (!from.isValid() || !oldTo.isValid()) return true;
    // A start moved to another day takes the end along, so the entry keeps
    // its length; an end that would still lie before the start moves to
    // the start's day with its own clock time, or up to the start.
    QDateTime to = oldTo;
    if (oldFrom.isValid() && oldTo >= oldFrom) to = oldTo.addDays(oldFrom.date().daysTo(from.date()));
    if (to < from) {
        to = QDateTime(from.date(), to.time());
        if (to < from) to = from;
    }
    if (to == oldTo) return true;
    const bool was = loading_;
    loading_ = true;
    const bool ok = ds->setValue(QStringLiteral("time_to"), to);
    DateTimeTo->setDate(to.date());
    MaskTimeTo->setText(to.time().toString(QStringLiteral("HH:mm")));
    MaskTimeTo->setModified(false);
    loading_ = was;
    return ok;
}

bool TCalendarDataForm::StoreTo() { return storeTime(DateTimeTo, MaskTimeTo, "time_to"); }

bool TCalendarDataForm::SaveOnClose()
{
    // The start and end as shown, as on saving.
    Dataset* ds = dataset();
    if (hasRow(ds) && editing(ds) && (!StoreFrom() || !StoreTo())) return false;
    return TDataForm::SaveOnClose();
}

void TCalendarDataForm::Lagre1Click()
{
    Dataset* ds = dataset();
    if (!ds || !CommitDataControls(this)) return;
    // The start and end as shown: each from its own picker, so an entry
    // over several days keeps its end date.
    if (editing(ds) && (!StoreFrom() || !StoreTo())) return;
    if (editing(ds)) ds->post();
}

void TCalendarDataForm::Nypost1Click()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || !CommitDataControls(this)) return;
    if (editing(ds) && !ds->post()) return;
    if (!ds->insert()) return;
    ds->setValue(QStringLiteral("timetype"), 1);
    ShowRow();
    focusFirstField();
}

void TCalendarDataForm::PersonsButtonClick()
{
    if (hasRow(dataset())) SelectPersons(*dataset());
}

// --- The time registration window -------------------------------------------------------

TCalendarRegDataForm::DateChooser TCalendarRegDataForm::SelectDate = [](const QDateTime& d) {
    return TCalendarSelectForm::SelectDate(d);
};

QStringList TCalendarRegDataForm::TimeGroupCaptions()
{
    return {QStringLiteral("Kun kalender"),   QStringLiteral("Timearbeid"),    QStringLiteral("Prosjekt og anbud"),
            QStringLiteral("Prosjekt tillegg"), QStringLiteral("Garantiarbeid"), QStringLiteral("Fravær")};
}

QVariantList TCalendarRegDataForm::TimeGroupValues() { return {0, 1, 2, 3, 4, 16}; }

QStringList TCalendarRegDataForm::AbsenceCaptions()
{
    return {QStringLiteral("Egenmelding"),       QStringLiteral("Sykemeldt 1-3 dager"), QStringLiteral("Sykemeldt 4-14 dager"),
            QStringLiteral("Sykemeldt  >14 dager"), QStringLiteral("Barns sykdom"),      QStringLiteral("Omsorgpermisjon"),
            QStringLiteral("Lønnet permisjon"),  QStringLiteral("Lønnet ferie"),        QStringLiteral("Ulønnet permisjon"),
            QStringLiteral("SKOFT")};
}

TCalendarRegDataForm::TCalendarRegDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("CalendarRegDataForm"));
    setWindowTitle(QStringLiteral("Timedata"));
    placementKey = QStringLiteral("CalendarRegDataForm");
    captionPrefix = QStringLiteral("Kalenderdata [");
    onlyPosition = true;
    keepSlider = false;
    Dataset* ds = &DataModule().CalendarTable;

    InitialerCombo = lookup(ds, QStringLiteral("userid"), QStringLiteral("users"), QStringLiteral("initials"));
    InitialerCombo->setObjectName(QStringLiteral("InitialerCombo"));
    DateEDit = new QLineEdit(QStringLiteral("01.01.1980"));
    DateEDit->setObjectName(QStringLiteral("DateEDit"));
    DateEDit->setFixedWidth(100);
    DateEDit->setToolTip(QStringLiteral("Dobbeltklikk for å velge dato"));
    DateEDit->installEventFilter(this);
    TimeFromEdit = clockEdit();
    TimeFromEdit->setText(QStringLiteral("08:00"));
    TimeToEdit = clockEdit();
    TimeToEdit->setText(QStringLiteral("16:00"));
    TimeFromEdit->setProperty("clockField", QStringLiteral("time_from"));
    TimeToEdit->setProperty("clockField", QStringLiteral("time_to"));
    auto hours = [ds](const char* f) {
        auto* e = new TDBEdit(ds, QLatin1String(f));
        e->setFixedWidth(60);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    HoursEdit = hours("hours");
    Hours50Edit = hours("hours_50");
    Hours100Edit = hours("hours_100");
    SubjectEdit = new TDBEdit(ds, QStringLiteral("subject"));
    DoneBox = new TDBCheckBox(QStringLiteral("Ferdig"), ds, QStringLiteral("status"));
    DoneBox->setValues(20, 0);
    ReadOrderBox = new TDBCheckBox(QStringLiteral("Anført/Fakturert"), ds, QStringLiteral("read_order"));
    ProjectCombo = lookup(ds, QStringLiteral("projectid"), QStringLiteral("project"), QStringLiteral("projectnumber"));
    SystemCombo = lookup(ds, QStringLiteral("systemid"), QStringLiteral("subproject"), QStringLiteral("systemnumber"));
    partsOfProject(this, ds, ProjectCombo, SystemCombo, QStringLiteral("systemnumber"));
    OrderCombo = lookup(ds, QStringLiteral("orderid"), QStringLiteral("orders"), QStringLiteral("ordernumber"));
    AssetCombo = lookup(ds, QStringLiteral("assetid"), QStringLiteral("asset"), QStringLiteral("assetnumber"));
    SubAssetEdit = new TDBEdit(ds, QStringLiteral("subassetid"));
    SubAssetEdit->setFixedWidth(90);
    CompanyCombo = lookup(ds, QStringLiteral("external_company"), QStringLiteral("company"), QStringLiteral("companyname"));
    TimeGroup = new TDBRadioGroup(QStringLiteral("Timegruppe:"), TimeGroupCaptions(), TimeGroupValues());
    TimeGroup->setField(ds, QStringLiteral("timetype"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(AbsenceCaptions());
    ObjectMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    ObjectMemo->setFixedHeight(70);

    // The time groups in two columns, so the window stays low.
    {
        delete TimeGroup->layout();
        auto* g = new QGridLayout(TimeGroup);
        g->setContentsMargins(8, 4, 8, 4);
        g->setVerticalSpacing(2);
        const QList<QRadioButton*> buttons = TimeGroup->findChildren<QRadioButton*>();
        for (int i = 0; i < buttons.size(); ++i) g->addWidget(buttons[i], i % 3, i / 3);
    }
    addFieldPanel({{QStringLiteral("Initialer:"), InitialerCombo},
                   {QStringLiteral("Dato:"), inRow({DateEDit, new QLabel(QStringLiteral("Fra:")), TimeFromEdit,
                                                    new QLabel(QStringLiteral("Til:")), TimeToEdit, new QWidget},
                                                   5)},
                   {QStringLiteral("Timer:"), inRow({HoursEdit, new QLabel(QStringLiteral("50%")), Hours50Edit,
                                                     new QLabel(QStringLiteral("100%")), Hours100Edit, new QWidget},
                                                    5)},
                   {QStringLiteral("Tekst:"), SubjectEdit},
                   {QString(), inRow({DoneBox, ReadOrderBox, new QWidget}, 2)},
                   {QStringLiteral("Prosjekt:"), ProjectCombo},
                   {QStringLiteral("System:"), SystemCombo},
                   {QStringLiteral("Ordre:"), OrderCombo},
                   {QStringLiteral("Utstyr:"), inRow({AssetCombo, new QLabel(QStringLiteral("Utstyrdel:")), SubAssetEdit}, 0)},
                   {QStringLiteral("Firma:"), CompanyCombo},
                   {QString(), TimeGroup},
                   {QStringLiteral("Type fravær:"), ComboBox1},
                   {QString(), ObjectMemo}});
    setClientWidth(500);
    setDataset(ds);
    TrackBar1->setVisible(false);

    // What is typed into the unbound edits is an edit of the row, so that
    // "Lagre" saves it.
    for (QLineEdit* e : {DateEDit, TimeFromEdit, TimeToEdit})
        connect(e, &QLineEdit::textEdited, this, [this] { typed(); });
    connect(ComboBox1, &QComboBox::activated, this, [this] { typed(); });
    auto enableAbsence = [this] { ComboBox1->setEnabled(TimeGroup->itemIndex() == 5); };
    connect(ds, &Dataset::rowChanged, this, [this, enableAbsence](int row) {
        enableAbsence();
        if (dataset() && row == dataset()->recNo()) Mirror(false);
    });
    connect(ds, &Dataset::currentChanged, this, [this, enableAbsence] {
        enableAbsence();
        Mirror(true);
    });
    connect(ds, &Dataset::rowsReset, this, [this] { Mirror(true); });
    connect(ds, &Dataset::opened, this, [this] { Mirror(true); });
    connect(ds, &Dataset::stateChanged, this, [this, enableAbsence](int s) {
        enableAbsence();
        if (s == Dataset::Browse || s == Dataset::Insert) Mirror(true);
    });
    for (QObject* b : TimeGroup->findChildren<QAbstractButton*>())
        connect(static_cast<QAbstractButton*>(b), &QAbstractButton::toggled, this, enableAbsence);
    enableAbsence();
}

void TCalendarRegDataForm::typed()
{
    Dataset* ds = dataset();
    if (!loading_ && hasRow(ds) && !editing(ds)) ds->edit();
}

void TCalendarRegDataForm::Mirror(bool force)
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return;
    const qint64 id = ds->state() == Dataset::Insert ? 0 : ds->currentId();
    const QDateTime from = ds->asDateTime(QStringLiteral("time_from"));
    const QDateTime to = ds->asDateTime(QStringLiteral("time_to"));
    loading_ = true;
    if (force || id != lastId_ || from != lastFrom_) {
        DateEDit->setText(from.isValid() ? DateStr(from.date()).left(10) : QString());
        const int dow = from.isValid() ? from.date().dayOfWeek() : 0;
        DateEDit->setStyleSheet(dow == 7   ? QStringLiteral("color: #FF0000")
                                : dow == 6 ? QStringLiteral("color: #0000FF")
                                           : QString());
        TimeFromEdit->setText(clockText(from));
    }
    if (force || id != lastId_ || to != lastTo_) TimeToEdit->setText(clockText(to));
    if (force || id != lastId_) {
        const int t2 = int(ds->asInt(QStringLiteral("timetype2")));
        ComboBox1->setCurrentIndex(t2 >= 0 && t2 < ComboBox1->count() ? t2 : 0);
    }
    lastId_ = id;
    lastFrom_ = from;
    lastTo_ = to;
    loading_ = false;
}

bool TCalendarRegDataForm::StoreTypedTimes()
{
    Dataset* ds = dataset();
    if (!hasRow(ds)) return false;
    QDate day;
    if (!ParseDateText(DateEDit->text(), thisYear(), day)) {
        complain(QStringLiteral("«%1» er ikke en gyldig dato").arg(DateEDit->text()));
        DateEDit->setFocus();
        return false;
    }
    QString from, to;
    if (!NormaliseClock(TimeFromEdit->text(), from)) {
        complain(QStringLiteral("«%1» er ikke et gyldig klokkeslett").arg(TimeFromEdit->text()));
        TimeFromEdit->setFocus();
        return false;
    }
    if (!NormaliseClock(TimeToEdit->text(), to)) {
        complain(QStringLiteral("«%1» er ikke et gyldig klokkeslett").arg(TimeToEdit->text()));
        TimeToEdit->setFocus();
        return false;
    }
    loading_ = true;
    DateEDit->setText(DateStr(day).left(10));
    TimeFromEdit->setText(from);
    TimeToEdit->setText(to);
    loading_ = false;
    // The end keeps its own date: an entry over several days stays one,
    // and moves by as many days as the start does.
    const QDateTime oldFrom = ds->asDateTime(QStringLiteral("time_from"));
    const QDateTime oldTo = ds->asDateTime(QStringLiteral("time_to"));
    QDate endDay = day;
    if (oldFrom.isValid() && oldTo.isValid() && oldTo.date() > oldFrom.date())
        endDay = oldTo.date().addDays(oldFrom.date().daysTo(day));
    const QDateTime newFrom(day, QTime::fromString(from, QStringLiteral("HH:mm")));
    const QDateTime newTo(endDay, QTime::fromString(to, QStringLiteral("HH:mm")));
    if (newFrom != oldFrom && !ds->setValue(QStringLiteral("time_from"), newFrom)) return false;
    if (newTo != oldTo && !ds->setValue(QStringLiteral("time_to"), newTo)) return false;
    return true;
}

bool TCalendarRegDataForm::SaveOnClose()
{
    // The typed date, clock times and absence type go with the row.
    Dataset* ds = dataset();
    if (hasRow(ds) && editing(ds)) {
        if (!StoreTypedTimes()) return false;
        if (ds->asInt(QStringLiteral("timetype2")) != ComboBox1->currentIndex() &&
            !ds->setValue(QStringLiteral("timetype2"), ComboBox1->currentIndex()))
            return false;
    }
    return TDataForm::SaveOnClose();
}

void TCalendarRegDataForm::Lagre1Click()
{
    Dataset* ds = dataset();
    if (!ds || !CommitDataControls(this)) return;
    if (!editing(ds)) return;  // nothing typed, nothing to save
    if (!StoreTypedTimes()) return;
    if (ds->asInt(QStringLiteral("timetype2")) != ComboBox1->currentIndex() &&
        !ds->setValue(QStringLiteral("timetype2"), ComboBox1->currentIndex()))
        return;
    ds->post();
}

void TCalendarRegDataForm::Nypost1Click()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || !CommitDataControls(this)) return;
    if (editing(ds) && !ds->post()) return;
    if (!ds->insert()) return;
    ds->setValue(QStringLiteral("timetype"), 1);
    Mirror(true);
    if (isVisible()) InitialerCombo->setFocus();
}

void TCalendarRegDataForm::DateEDitDblClick()
{
    QDate day;
    if (!ParseDateText(DateEDit->text(), thisYear(), day)) {
        complain(QStringLiteral("«%1» er ikke en gyldig dato").arg(DateEDit->text()));
        return;
    }
    const QDateTime chosen = SelectDate ? SelectDate(QDateTime(day, QTime(0, 0))) : QDateTime(day, QTime(0, 0));
    if (!chosen.isValid() || chosen.date() == day) return;
    DateEDit->setText(DateStr(chosen.date()).left(10));
    typed();
}

bool TCalendarRegDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == DateEDit && e->type() == QEvent::MouseButtonDblClick) {
        DateEDitDblClick();
        return true;
    }
    return TDataForm::eventFilter(o, e);
}
