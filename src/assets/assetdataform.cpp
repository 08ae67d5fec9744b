#include "assets/assetdataform.h"

#include "assets/assetrules.h"
#include "assets/tfmform.h"
#include "crm/personsselectform.h"
#include "data/datamodule.h"
#include "ui/listform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kStandardWidth = 560;
constexpr int kMemoWidth = 320;

// The small month calendar the date fields open: a double click on a day
// takes it, closing the calendar otherwise keeps the date it started at.
QDateTime chooseDateWithCalendar(const QDateTime& start)
{
    const QDate from = start.isValid() ? start.date() : QDate::currentDate();
    QDialog d(QApplication::activeWindow());
    d.setWindowTitle(QStringLiteral("Kalender"));
    auto* cal = new QCalendarWidget(&d);
    cal->setLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    cal->setFirstDayOfWeek(Qt::Monday);
    cal->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    cal->setSelectedDate(from);
    auto* v = new QVBoxLayout(&d);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(cal);
    QDate chosen = from;
    QObject::connect(cal, &QCalendarWidget::activated, &d, [&](QDate day) {
        chosen = day;
        d.accept();
    });
    d.exec();
    return QDateTime(chosen, QTime(0, 0));
}

bool editing(const Dataset& ds) { return ds.state() == Dataset::Edit || ds.state() == Dataset::Insert; }

QLabel* rightLabel(const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TAssetDataForm::DateChooser TAssetDataForm::SelectDate = chooseDateWithCalendar;

TAssetDataForm::TAssetDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("AssetDataForm"));
    setWindowTitle(QStringLiteral("Utstyr"));
    placementKey = QStringLiteral("AssetDataForm");
    captionPrefix = QStringLiteral("Utstyr [");
    Dataset* ds = &DataModule().AssetTable;

    StandardPanel = makeStandardPanel(ds);
    MemoPanel = makeMemoPanel(ds);
    ExtendedPanel = makeExtendedPanel(ds);

    // The first panel holds the standard panel and, to its right, the memo
    // panel that only the last slider position shows.
    auto* top = new QWidget;
    {
        auto* h = new QHBoxLayout(top);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(0);
        h->addWidget(StandardPanel, 0, Qt::AlignTop);
        h->addWidget(MemoPanel, 0, Qt::AlignTop);
        h->addStretch(1);
    }
    addPanel(top);
    addPanel(ExtendedPanel);
    setDataset(ds);
    TrackBar1->setRange(0, 2);
    TrackBar1->setVisible(true);
    // After the base's own layout on every slider move.
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { LayoutPanels(); });
    LayoutPanels();
    setFocusProxy(AssetNumberEdit);

    PopupMenu1->addSeparator();
    LagNummer1 = addMenuItem(QStringLiteral("Lag nummer fra TFM"), [this] { LagNummerFraTFMClick(); });
    PopupMenu1->addSeparator();
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [this] { Dokumenter1Click(); });
    Timeregistreringer1 = addMenuItem(QStringLiteral("Timeregistreringer"), [this] { Timeregistreringer1Click(); });
    Standardjobber1 = addMenuItem(QStringLiteral("Standardjobber"), [this] { Standardjobber1Click(); });
    Regnskapsposteringer1 =
        addMenuItem(QStringLiteral("Regnskapsposteringer"), [this] { Regnskapsposteringer1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TAssetDataForm::updateWindowItems);
    connect(ds, &Dataset::currentChanged, this, &TAssetDataForm::updateWindowItems);
    connect(ds, &Dataset::stateChanged, this, &TAssetDataForm::updateWindowItems);
    updateWindowItems();
}

QWidget* TAssetDataForm::makeStandardPanel(Dataset* ds)
{
    AssetNumberEdit = new TDBEdit(ds, QStringLiteral("assetnumber"));
    {
        QFont f = AssetNumberEdit->font();
        f.setBold(true);
        AssetNumberEdit->setFont(f);
    }
    AssetNameEdit = new TDBEdit(ds, QStringLiteral("assetname"));
    ModelEdit = new TDBEdit(ds, QStringLiteral("model"));
    SerialEdit = new TDBEdit(ds, QStringLiteral("serial"));
    UniqueIdEdit = new TDBEdit(ds, QStringLiteral("uniqueid"));
    VendorCombo = new TDBLookupComboBox;
    Connection* conn = &DataModule().MyConnection;
    VendorCombo->setListQuery(conn, QStringLiteral("SELECT id, companyname FROM company ORDER BY companyname"));
    VendorCombo->setLazy([conn](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT companyname FROM company WHERE id=%1").arg(id));
    });
    VendorCombo->setField(ds, QStringLiteral("vendor"));
    InstalledEdit = new TDBDateEdit(ds, QStringLiteral("installed"));
    PriceEdit = new TDBEdit(ds, QStringLiteral("price"));
    PriceEdit->setAlignment(Qt::AlignRight);
    ServiceBox = new TDBCheckBox(QStringLiteral("Serviceavtale"), ds, QStringLiteral("service"));
    NextServiceEdit = new TDBDateEdit(ds, QStringLiteral("nextservice"));
    for (QWidget* w : {static_cast<QWidget*>(InstalledEdit), static_cast<QWidget*>(NextServiceEdit)}) {
        w->setToolTip(QStringLiteral("Dobbeltklikk for å velge dato"));
        watchDoubleClick(w);
    }
    InstalledEdit->setDateOnly(true);
    NextServiceEdit->setDateOnly(true);
    InstalledEdit->setFixedWidth(130);
    NextServiceEdit->setFixedWidth(130);
    PriceEdit->setFixedWidth(130);

    auto* p = new QWidget;
    auto* f = new QFormLayout(p);
    f->setContentsMargins(8, 6, 8, 6);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    f->addRow(QStringLiteral("Utstyrnr.:"), AssetNumberEdit);
    f->addRow(QStringLiteral("Utstyrnavn:"), AssetNameEdit);
    f->addRow(QStringLiteral("Modell:"), ModelEdit);
    f->addRow(QStringLiteral("Serienummer:"), SerialEdit);
    f->addRow(QStringLiteral("ID:"), UniqueIdEdit);
    f->addRow(QStringLiteral("Leverandør:"), VendorCombo);
    f->addRow(QStringLiteral("Innkjøpt:"), InstalledEdit);
    f->addRow(QStringLiteral("Pris:"), PriceEdit);
    f->addRow(QString(), ServiceBox);
    f->addRow(QStringLiteral("Neste service:"), NextServiceEdit);
    p->setFixedWidth(kStandardWidth);
    return p;
}

TDBEdit* TAssetDataForm::codedList(Dataset* ds, const QString& field, const QStringList& names, QComboBox** list)
{
    auto* c = new QComboBox;
    c->addItems(names);
    c->setCurrentIndex(-1);
    *list = c;
    // The list is not bound: a hidden edit on the field sets its position
    // whenever the stored value changes, and closing the list on an entry
    // stores the entry's position.
    auto* hidden = new TDBEdit(ds, field, this);
    hidden->hide();
    auto follow = [c, hidden] {
        bool ok = false;
        const int v = hidden->text().trimmed().toInt(&ok);
        c->setCurrentIndex(ok && v >= 0 && v < c->count() ? v : -1);
    };
    connect(hidden, &QLineEdit::textChanged, c, follow);
    follow();
    connect(c, &QComboBox::activated, this, [this, c, field](int i) { CodedListChosen(c, field, i); });
    return hidden;
}

QWidget* TAssetDataForm::makeExtendedPanel(Dataset* ds)
{
    TypeEdit = codedList(ds, QStringLiteral("assettype"), Assets::TypeNames(), &TypeCombo);
    StatusEdit = codedList(ds, QStringLiteral("status"), Assets::StatusNames(), &StatusCombo);
    PriorityEdit = codedList(ds, QStringLiteral("priority"), Assets::PriorityNames(), &PriorityCombo);
    RunHourDateEdit = new TDBDateEdit(ds, QStringLiteral("runhourdate"));
    RunHourDateEdit->setDateOnly(true);
    RunHourDateEdit->setToolTip(QStringLiteral("Dobbeltklikk for å velge dato"));
    watchDoubleClick(RunHourDateEdit);
    RunHoursEdit = new TDBEdit(ds, QStringLiteral("runhours"));
    RunHoursEdit->setAlignment(Qt::AlignRight);
    LocationEdit = new TDBEdit(ds, QStringLiteral("location"));
    Connection* conn = &DataModule().MyConnection;
    UserCombo = new TDBLookupComboBox;
    UserCombo->setListQuery(conn, QStringLiteral("SELECT id, initials FROM users ORDER BY initials"));
    UserCombo->setField(ds, QStringLiteral("assetuser"));
    PersonsEdit = new TDBEdit(ds, QStringLiteral("persons"));
    PersonsEdit->setToolTip(QStringLiteral("Dobbeltklikk for å velge personer"));
    watchDoubleClick(PersonsEdit);
    WattEdit = new TDBEdit(ds, QStringLiteral("watt"));
    WattEdit->setAlignment(Qt::AlignRight);
    PhaseEdit = new TDBEdit(ds, QStringLiteral("phase"));
    PhaseEdit->setAlignment(Qt::AlignRight);
    PhaseEdit->setFixedWidth(50);
    VoltageEdit = new TDBEdit(ds, QStringLiteral("voltage"));
    VoltageEdit->setAlignment(Qt::AlignRight);
    VoltageEdit->setFixedWidth(70);
    CurrentCombo = new TDBComboBox(ds, QStringLiteral("current"),
                                   {QStringLiteral("AC"), QStringLiteral("DC"), QStringLiteral("AC/DC")}, true);
    ProjectCombo = new TDBLookupComboBox;
    ProjectCombo->setListQuery(conn, QStringLiteral("SELECT id, projectnumber FROM project ORDER BY projectnumber"));
    ProjectCombo->setLazy([conn](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT projectnumber FROM project WHERE id=%1").arg(id));
    });
    ProjectCombo->setField(ds, QStringLiteral("projectid"));
    SystemCombo = new TDBLookupComboBox;
    SystemCombo->setListQuery(conn, QStringLiteral("SELECT id, systemnumber FROM subproject ORDER BY systemnumber"));
    SystemCombo->setLazy([conn](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT systemnumber FROM subproject WHERE id=%1").arg(id));
    });
    SystemCombo->setField(ds, QStringLiteral("systemid"));

    auto* phaseVolt = new QWidget;
    {
        auto* h = new QHBoxLayout(phaseVolt);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(4);
        h->addWidget(PhaseEdit);
        h->addWidget(new QLabel(QStringLiteral("Volt:")));
        h->addWidget(VoltageEdit);
        h->addStretch(1);
    }

    auto* p = new QWidget;
    auto* g = new QGridLayout(p);
    g->setContentsMargins(8, 4, 8, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    const std::pair<QString, QWidget*> leftRows[] = {{QStringLiteral("Utstyrstype:"), TypeCombo},
                                                     {QStringLiteral("Status:"), StatusCombo},
                                                     {QStringLiteral("Prioritering:"), PriorityCombo},
                                                     {QStringLiteral("Sist avlest:"), RunHourDateEdit},
                                                     {QStringLiteral("Timeteller:"), RunHoursEdit},
                                                     {QStringLiteral("Lokasjon:"), LocationEdit},
                                                     {QStringLiteral("Bruker:"), UserCombo}};
    const std::pair<QString, QWidget*> rightRows[] = {{QStringLiteral("Personer:"), PersonsEdit},
                                                      {QStringLiteral("Strømforbruk (W):"), WattEdit},
                                                      {QStringLiteral("Fase:"), phaseVolt},
                                                      {QStringLiteral("Strøm:"), CurrentCombo},
                                                      {QStringLiteral("Prosjekt:"), ProjectCombo},
                                                      {QStringLiteral("System:"), SystemCombo}};
    int row = 0;
    for (const auto& [caption, w] : leftRows) {
        g->addWidget(rightLabel(caption, w), row, 0);
        g->addWidget(w, row++, 1);
    }
    row = 0;
    for (const auto& [caption, w] : rightRows) {
        g->addWidget(rightLabel(caption, w), row, 2);
        g->addWidget(w, row++, 3);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    p->setFixedWidth(kStandardWidth);
    // Tab walks the left column, then the right one.
    QWidget* order[] = {TypeCombo, StatusCombo,    PriorityCombo, RunHourDateEdit, RunHoursEdit, LocationEdit,
                        UserCombo, PersonsEdit,    WattEdit,      PhaseEdit,       VoltageEdit,  CurrentCombo,
                        ProjectCombo, SystemCombo};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    return p;
}

QWidget* TAssetDataForm::makeMemoPanel(Dataset* ds)
{
    NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    SparePartMemo = new TDBMemo(ds, QStringLiteral("sparepart"));
    auto* p = new QWidget;
    auto* v = new QVBoxLayout(p);
    v->setContentsMargins(4, 6, 8, 6);
    v->setSpacing(2);
    v->addWidget(new QLabel(QStringLiteral("Notat:")));
    v->addWidget(NoteMemo, 1);
    v->addWidget(new QLabel(QStringLiteral("Reservedelsbehov:")));
    v->addWidget(SparePartMemo, 1);
    for (TDBMemo* m : {NoteMemo, SparePartMemo}) {
        m->setMinimumHeight(40);
        m->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    }
    p->setFixedWidth(kMemoWidth);
    return p;
}

void TAssetDataForm::watchDoubleClick(QWidget* w)
{
    w->installEventFilter(this);
    // A date edit's text part takes the clicks itself.
    for (QLineEdit* inner : w->findChildren<QLineEdit*>()) inner->installEventFilter(this);
}

bool TAssetDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        auto within = [o](QWidget* w) { return o == w || (o->parent() == w); };
        if (within(InstalledEdit)) return ChooseDate(QStringLiteral("installed")), true;
        if (within(NextServiceEdit)) return ChooseDate(QStringLiteral("nextservice")), true;
        if (within(RunHourDateEdit)) return ChooseDate(QStringLiteral("runhourdate")), true;
        if (o == PersonsEdit) return ChoosePersons(), true;
    }
    return TDataForm::eventFilter(o, e);
}

void TAssetDataForm::LayoutPanels()
{
    const int pos = TrackBar1->value();
    MemoPanel->setVisible(pos == 2);
    if (pos == 2) MemoPanel->setFixedHeight(StandardPanel->sizeHint().height());
    int h = StandardPanel->sizeHint().height();
    if (pos >= 1) h += ExtendedPanel->sizeHint().height();
    const int w = TrackBar1->sizeHint().width() + 2 + kStandardWidth + (pos == 2 ? kMemoWidth : 0);
    setFixedSize(w, qMax(h, 56));
}

qint64 TAssetDataForm::currentAsset() const
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || ds->state() == Dataset::Insert) return 0;
    return ds->currentId();
}

void TAssetDataForm::updateWindowItems()
{
    WindowRegistry& w = Windows();
    Dataset* ds = dataset();
    const bool row = currentAsset() > 0;
    LagNummer1->setEnabled(w.has<TTFMform>() && ds && ds->isOpen() && ds->recNo() >= 0);
    Dokumenter1->setEnabled(row && w.has<TDocumentListForm>());
    Timeregistreringer1->setEnabled(row && w.has<TCalendarRegListForm>());
    Standardjobber1->setEnabled(row && w.has<TJobListForm>());
    Regnskapsposteringer1->setEnabled(row && w.has<TEntriesListForm>());
}

void TAssetDataForm::CodedListChosen(QComboBox* list, const QString& field, int index)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || index < 0) return;
    if (!editing(*ds) && !ds->edit()) return;
    if (ds->asInt(field) != index || ds->isNull(field)) ds->setValue(field, index);
    // A refused value leaves the list on the stored one.
    if (ds->asInt(field) != index) {
        bool ok = false;
        const int v = ds->asString(field).toInt(&ok);
        list->setCurrentIndex(ok && v >= 0 && v < list->count() ? v : -1);
    }
}

void TAssetDataForm::ChooseDate(const QString& field)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0 || !SelectDate) return;
    const QDateTime stored = ds->isNull(field) ? QDateTime() : ds->asDateTime(field);
    const QDateTime start = stored.isValid() ? stored : QDateTime(QDate::currentDate(), QTime(0, 0));
    const QDateTime chosen = SelectDate(start);
    if (!chosen.isValid()) return;
    if (!editing(*ds) && !ds->edit()) return;
    ds->setValue(field, QDateTime(chosen.date(), QTime(0, 0)));
}

void TAssetDataForm::ChoosePersons()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    PersonsEdit->commit();
    SelectPersons(*ds);
}

void TAssetDataForm::LagNummerFraTFMClick()
{
    Dataset* ds = dataset();
    auto* tfm = Windows().get<TTFMform>();
    if (!ds || !tfm || !ds->isOpen() || ds->recNo() < 0) return;
    if (!CommitDataControls(this)) return;
    if (!tfm->ExecForAsset()) return;  // "Avbryt": nothing changes
    if (!editing(*ds) && !ds->edit()) return;
    ds->setValue(QStringLiteral("assetnumber"), tfm->TFMLabel->text());
}

void TAssetDataForm::Dokumenter1Click()
{
    const qint64 id = currentAsset();
    if (id > 0) TListForm::ShowDocuments(QStringLiteral("document.assetid="), id);
}

void TAssetDataForm::Timeregistreringer1Click()
{
    const qint64 id = currentAsset();
    if (id > 0)
        TListForm::ShowFiltered(DataModule().CalendarTable, QStringLiteral("assetid=") + QString::number(id),
                                WindowName<TCalendarRegListForm>());
}

void TAssetDataForm::Standardjobber1Click()
{
    const qint64 id = currentAsset();
    if (id <= 0) return;
    Job_WHERE = QStringLiteral("assetid=") + QString::number(id);
    QWidget* jobs = Windows().find(WindowName<TJobListForm>());
    if (jobs && jobs->isActiveWindow()) DataModule().JobSQLSelect();
    else Windows().show<TJobListForm>();
}

void TAssetDataForm::Regnskapsposteringer1Click()
{
    const qint64 id = currentAsset();
    if (id > 0)
        TListForm::ShowFiltered(DataModule().EntriesTable, QStringLiteral("assetid=") + QString::number(id),
                                WindowName<TEntriesListForm>());
}

void TAssetDataForm::FormShow()
{
    if (Dataset* ds = dataset(); ds && !ds->isOpen()) DataModule().TableOpen(*ds);
    TDataForm::FormShow();
    LayoutPanels();
    updateWindowItems();
}

void TAssetDataForm::FormClose()
{
    TDataForm::FormClose();
    closedClean_ = true;
    Dataset* ds = dataset();
    // A pending edit is saved as the window closes; a refused save keeps
    // the window open with the row still in edit state.
    if (ds && editing(*ds) && !ds->post()) closedClean_ = false;
}

void TAssetDataForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    if (!closedClean_) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
