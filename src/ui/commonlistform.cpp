#include "ui/commonlistform.h"

#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QVBoxLayout>

TCommonListForm::TCommonListForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CommonListForm"));
    setWindowTitle(QStringLiteral("Tabell"));
    resize(720, 400);
    Grid = new DataGrid(this);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Grid);
}

void TCommonListForm::AttachSource()
{
    if (!HasDataModule()) return;
    Dataset* ds = DataModule().CommonSource;
    if (Grid->dataset() != ds) Grid->setDataset(ds);
    setWindowTitle(QStringLiteral("Tabell ") + QString::number(ds ? ds->tableNumber() : 0));
}

void TCommonListForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("CommonListForm"));
        AttachSource();
    }
    QWidget::showEvent(e);
}

void TCommonListForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("CommonListForm"));
    QWidget::closeEvent(e);
}
