#include "projects/projectcalcform.h"

#include "core/dialogs.h"
#include "core/textfil.h"
#include "core/sysreg.h"
#include "data/datamodule.h"
#include "ui/datagrid.h"
#include "ui/dbcontrols.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QString number(double v)
{
    return QLocale(QLocale::NorwegianBokmal, QLocale::Norway).toString(v, 'f', 2);
}
QLabel* bold(const QString& text)
{
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
}  // namespace

TProjectCalcForm::TProjectCalcForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ProjectCalcForm"));
    setWindowTitle(QStringLiteral("Kalkulasjon prosjekt "));
    TDatabaseModule& dm = DataModule();
    Dataset* project = &dm.ProjectTable;

    CalcHoursEdit = new TDBEdit(project, QStringLiteral("calc_hours"));
    AccHoursEdit = new TDBEdit(project, QStringLiteral("acc_hours"));
    CalcCostEdit = new TDBEdit(project, QStringLiteral("calc_cost"));
    AccCostEdit = new TDBEdit(project, QStringLiteral("acc_cost"));
    for (TDBEdit* e : {CalcHoursEdit, AccHoursEdit, CalcCostEdit, AccCostEdit}) {
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(120);
    }
    RegHoursLabel = new QLabel;
    RegCostLabel = new QLabel;
    for (QLabel* l : {RegHoursLabel, RegCostLabel}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(120);
        l->setToolTip(QStringLiteral("Summert fra timeregistreringene og varetransaksjonene"));
    }

    auto* panel = new QWidget;
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(8, 8, 8, 4);
    g->setHorizontalSpacing(10);
    g->addWidget(bold(QStringLiteral("Kalkulert")), 0, 1, Qt::AlignRight);
    g->addWidget(bold(QStringLiteral("Registrert hittil")), 0, 2, Qt::AlignRight);
    g->addWidget(bold(QStringLiteral("Fra registreringene")), 0, 3, Qt::AlignRight);
    g->addWidget(new QLabel(QStringLiteral("Timeforbruk:")), 1, 0);
    g->addWidget(CalcHoursEdit, 1, 1);
    g->addWidget(AccHoursEdit, 1, 2);
    g->addWidget(RegHoursLabel, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Kostnader:")), 2, 0);
    g->addWidget(CalcCostEdit, 2, 1);
    g->addWidget(AccCostEdit, 2, 2);
    g->addWidget(RegCostLabel, 2, 3);
    g->setColumnStretch(4, 1);

    PartGrid = new EditableDataGrid({QStringLiteral("systemnumber")});
    PartGrid->setDataset(&dm.SubProjectTable, {{"systemnumber", "Prosjektdelnr.", 100},
                                               {"calc_hours", "Kalk. timer", 0},
                                               {"calc_cost", "Kalk. kost.", 100},
                                               {"acc_hours", "Reg. timer", 0},
                                               {"acc_cost", "Reg. kost", 100}});
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(panel);
    v->addWidget(PartGrid, 1);
    resize(560, 340);

    PopupMenu1 = new QMenu(this);
    Lagre1 = PopupMenu1->addAction(QStringLiteral("Lagre"));
    Lagre1->setObjectName(QStringLiteral("Lagre1"));
    Lagre1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Avbryt1 = PopupMenu1->addAction(QStringLiteral("Avbryt"));
    Avbryt1->setObjectName(QStringLiteral("Avbryt1"));
    Avbryt1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    PopupMenu1->addSeparator();
    HentRegistrert1 = PopupMenu1->addAction(QStringLiteral("Hent registrert hittil fra registreringene"));
    for (QAction* a : {Lagre1, Avbryt1}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    connect(Lagre1, &QAction::triggered, this, &TProjectCalcForm::Lagre1Click);
    connect(Avbryt1, &QAction::triggered, this, &TProjectCalcForm::Avbryt1Click);
    connect(HentRegistrert1, &QAction::triggered, this, &TProjectCalcForm::HentRegistrert1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TProjectCalcForm::PopupMenu1Popup);
    // A right click anywhere in the window, the grid included.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { PopupMenu1->popup(mapToGlobal(p)); });
    PartGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PartGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(PartGrid->viewport()->mapToGlobal(p)); });
    connect(project, &Dataset::stateChanged, this, &TProjectCalcForm::PopupMenu1Popup);
    connect(project, &Dataset::currentChanged, this, [this] {
        if (isVisible()) FormShow();
    });
    PopupMenu1Popup();
}

void TProjectCalcForm::PopupMenu1Popup()
{
    const Dataset& p = DataModule().ProjectTable;
    const bool editing = p.state() == Dataset::Edit || p.state() == Dataset::Insert;
    Lagre1->setEnabled(editing);
    Avbryt1->setEnabled(editing);
    HentRegistrert1->setEnabled(p.isOpen() && p.recNo() >= 0 && p.state() == Dataset::Browse && p.currentId() > 0);
}

void TProjectCalcForm::Lagre1Click()
{
    Dataset& p = DataModule().ProjectTable;
    if (p.state() != Dataset::Edit && p.state() != Dataset::Insert) return;
    if (!CommitDataControls(this)) return;
    p.post();
}

void TProjectCalcForm::Avbryt1Click()
{
    Dataset& p = DataModule().ProjectTable;
    if (p.state() == Dataset::Edit || p.state() == Dataset::Insert) p.cancel();
}

void TProjectCalcForm::ReadRegistered()
{
    Dataset& p = DataModule().ProjectTable;
    registeredFor_ = p.isOpen() && p.recNo() >= 0 ? p.currentId() : 0;
    registered_ = Projects::Registered{};
    QString error;
    if (registeredFor_ > 0 &&
        !Projects::ReadRegistered(DataModule().MyConnection, registeredFor_,
                                  GetRegDouble(QStringLiteral("Arbeid_Kostpris")), registered_, &error)) {
        LogLine(QStringLiteral("FEIL: Kan ikke summere registreringene på prosjektet: ") + error);
        RegHoursLabel->setText(QStringLiteral("-"));
        RegCostLabel->setText(QStringLiteral("-"));
        return;
    }
    RegHoursLabel->setText(number(registered_.total.hours));
    RegCostLabel->setText(number(registered_.total.cost));
}

void TProjectCalcForm::HentRegistrert1Click()
{
    TDatabaseModule& dm = DataModule();
    Dataset& p = dm.ProjectTable;
    if (!p.isOpen() || p.recNo() < 0 || p.state() != Dataset::Browse || p.currentId() <= 0) return;
    if (dm.SubProjectTable.state() != Dataset::Browse && !dm.SubProjectTable.post()) return;
    ReadRegistered();
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = Projects::StoreRegistered(dm.MyConnection, p.currentId(), registered_, &error);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        LogLine(QStringLiteral("FEIL: Kan ikke lagre de registrerte tallene: ") + error);
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke lagre de registrerte tallene:\n") + error,
                                      QStringLiteral("Feil"));
        return;
    }
    p.refreshRow();
    if (dm.SubProjectTable.isOpen()) dm.SubProjectTable.refresh();
}

void TProjectCalcForm::FormShow()
{
    Dataset& p = DataModule().ProjectTable;
    setWindowTitle(QStringLiteral("Kalkulasjon prosjekt ") +
                   (p.isOpen() && p.recNo() >= 0 ? p.asString(QStringLiteral("projectnumber")) : QString()));
    if (TDatabaseModule& dm = DataModule(); !dm.SubProjectTable.isOpen() && p.isOpen()) dm.TableOpen(dm.SubProjectTable);
    ReadRegistered();
    PopupMenu1Popup();
}

void TProjectCalcForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("ProjectCalcForm"), QStringLiteral("OnlyPos"));
        FormShow();
    }
    QWidget::showEvent(e);
}

void TProjectCalcForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("ProjectCalcForm"), QString());
    QWidget::closeEvent(e);
}
