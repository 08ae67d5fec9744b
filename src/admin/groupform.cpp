#include "admin/groupform.h"

#include "data/datamodule.h"
#include "ui/datagrid.h"
#include "ui/dbcontrols.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"
#include "ui/windowtypes.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>


TGroupForm::TGroupForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("GroupForm"));
    setWindowTitle(QStringLiteral("Grupper"));
    Dataset* ds = &DataModule().GroupTable;

    DBNavigator1 = new TDBNavigator;
    DBNavigator1->setDataset(ds);
    InsertButton = new QToolButton;
    InsertButton->setText(QStringLiteral("+"));
    InsertButton->setToolTip(QStringLiteral("Ny gruppe"));
    connect(InsertButton, &QToolButton::clicked, this, &TGroupForm::InsertButtonClick);
    DeleteButton = new QToolButton;
    DeleteButton->setText(QStringLiteral("−"));
    DeleteButton->setToolTip(QStringLiteral("Slett gruppen"));
    connect(DeleteButton, &QToolButton::clicked, this, &TGroupForm::DeleteButtonClick);

    DBGrid1 = new EditableDataGrid;
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setDataset(ds, {{"group_id", "Gruppe", 70}, {"group_name", "Navn", 220}});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto* top = new QHBoxLayout;
    top->addWidget(DBNavigator1);
    top->addWidget(InsertButton);
    top->addWidget(DeleteButton);
    top->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    v->addLayout(top);
    v->addWidget(DBGrid1);
    setFixedSize(360, 300);
}

void TGroupForm::InsertButtonClick()
{
    Dataset& ds = DataModule().GroupTable;
    if (!ds.isOpen() && !DataModule().TableOpen(ds)) return;
    if (ds.insert()) DBGrid1->setFocus();
}

void TGroupForm::DeleteButtonClick()
{
    Dataset& ds = DataModule().GroupTable;
    if (ds.state() == Dataset::Insert) {
        ds.cancel();
        return;
    }
    if (ds.isOpen() && !ds.isEmpty()) ds.remove();
}

void TGroupForm::showEvent(QShowEvent* e)
{
    TDatabaseModule& dm = DataModule();
    dm.TableOpen(dm.GroupTable, true);
    // Centred on the main window, as a dialog of it.
    if (QWidget* main = Windows().find(WindowName<TMainform>()); main && main->isVisible())
        move(main->frameGeometry().center() - rect().center());
    QWidget::showEvent(e);
}

void TGroupForm::closeEvent(QCloseEvent* e)
{
    // A pending edit of the grid is saved, not lost with the window.
    Dataset& ds = DataModule().GroupTable;
    if ((ds.state() == Dataset::Edit || ds.state() == Dataset::Insert) && !ds.post()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
