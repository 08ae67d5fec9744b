#include "crm/companyselectform.h"

#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>

int SelectedCompany = -1;

TCompanySelectForm::TCompanySelectForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompanySelectForm"));
    setWindowTitle(QStringLiteral("Velg firma"));
    resize(400, 420);
    CompanyGrid = new DataGrid(this);
    CompanyGrid->setObjectName(QStringLiteral("CompanyGrid"));
    CompanyGrid->horizontalHeader()->setSectionsClickable(false);  // the summary keeps its order
    CompanyGrid->setDataset(&DataModule().CompanyMiniQuery,
                            {{"companyname", "Firmanavn", 300}, {"COUNT(*)", "Antall", 70}});
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(CompanyGrid);
    connect(CompanyGrid, &DataGrid::rowDoubleClicked, this, &TCompanySelectForm::CompanyGridDblClick);
}

void TCompanySelectForm::CompanyGridDblClick()
{
    Dataset* q = CompanyGrid->dataset();
    if (!q || q->recNo() < 0) return;
    SelectedCompany = int(q->value(QStringLiteral("vendor")).toLongLong());
    accept();
}

void TCompanySelectForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) LoadWindow(this, QStringLiteral("CompanySelectForm"));
    QDialog::showEvent(e);
}

void TCompanySelectForm::done(int r)
{
    SaveWindow(this, QStringLiteral("CompanySelectForm"));
    QDialog::done(r);
}

int SelectCompany()
{
    SelectedCompany = -1;
    Dataset& q = DataModule().CompanyMiniQuery;
    if (!q.isOpen()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        q.open();
        QApplication::restoreOverrideCursor();
    }
    auto* form = Windows().get<TCompanySelectForm>();
    if (!form) return -1;
    form->exec();
    return SelectedCompany;
}
