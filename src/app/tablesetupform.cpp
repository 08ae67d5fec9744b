#include "app/tablesetupform.h"

#include "core/sysreg.h"
#include "data/datamodule.h"
#include "core/sysreg.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TTableSetupForm::TTableSetupForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TableSetupForm"));
    setWindowTitle(QStringLiteral("Tabelloppsett"));
    Label1 = new QLabel(QStringLiteral("Tabeller som IKKE skal åpnes:"), this);
    CheckListBox1 = new QListWidget(this);
    for (const QString& name : TableRealNames) {
        auto* item = new QListWidgetItem(name, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    v->addWidget(CheckListBox1);
    resize(240, 440);
    ReadKeys();
}

void TTableSetupForm::ReadKeys()
{
    MainIniSection s(QStringLiteral("KVARNEL_SQL"));
    for (int i = 0; i < TableNames.size(); ++i)
        CheckListBox1->item(i)->setCheckState(GetRegBoolean(QStringLiteral("NO_") + TableNames[i]) ? Qt::Checked
                                                                                                    : Qt::Unchecked);
}

void TTableSetupForm::WriteKeys()
{
    {
        MainIniSection s(QStringLiteral("KVARNEL_SQL"));
        for (int i = 0; i < TableNames.size(); ++i)
            SetRegBoolean(QStringLiteral("NO_") + TableNames[i], CheckListBox1->item(i)->checkState() == Qt::Checked);
    }
    FlushSettings();
}

bool TTableSetupForm::isChecked(const QString& table) const
{
    const int i = TableNames.indexOf(table);
    return i >= 0 && CheckListBox1->item(i)->checkState() == Qt::Checked;
}

void TTableSetupForm::setChecked(const QString& table, bool checked)
{
    const int i = TableNames.indexOf(table);
    if (i >= 0)
        CheckListBox1->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TTableSetupForm::done(int r)
{
    WriteKeys();
    QDialog::done(r);
}
