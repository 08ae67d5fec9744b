#include "ui/postinfoform.h"

#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QShowEvent>

namespace {
const QStringList kRights = {"0", "1", "2", "3", "4", "5", "6", "7"};
}

TPostinfoForm::TPostinfoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PostinfoForm"));
    setWindowTitle(QStringLiteral("Postinformasjon"));
    auto* f = new QFormLayout(this);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);

    CreatedEdit = new TDBEdit(this);
    UpdatedEdit = new TDBEdit(this);
    UpdatedEdit->setReadOnly(true);  // the server stamps it
    OwnerCombo = new TDBLookupComboBox(this);
    GroupCombo = new TDBLookupComboBox(this);
    Navigator = new TDBNavigator(this);
    AllCombo = new TDBComboBox(nullptr, QString(), kRights, true, this);
    GroupRightsCombo = new TDBComboBox(nullptr, QString(), kRights, true, this);
    UserRightsCombo = new TDBComboBox(nullptr, QString(), kRights, true, this);
    TagEdit = new TDBEdit(this);
    CheckedBox = new TDBCheckBox(QStringLiteral("Posten er merket"), this);

    f->addRow(QStringLiteral("Opprettet:"), CreatedEdit);
    f->addRow(QStringLiteral("Endret:"), UpdatedEdit);
    f->addRow(QStringLiteral("Eier:"), OwnerCombo);
    f->addRow(QStringLiteral("Gruppe:"), GroupCombo);
    f->addRow(QString(), Navigator);
    f->addRow(QStringLiteral("Alle:"), AllCombo);
    f->addRow(QStringLiteral("Gruppe-rettigheter:"), GroupRightsCombo);
    f->addRow(QStringLiteral("Eier-rettigheter:"), UserRightsCombo);
    f->addRow(QStringLiteral("Tag:"), TagEdit);
    f->addRow(QString(), CheckedBox);
    f->setSizeConstraint(QLayout::SetFixedSize);
}

void TPostinfoForm::AttachSource()
{
    if (!HasDataModule()) return;
    TDatabaseModule& dm = DataModule();
    Dataset* ds = dm.CommonSource;
    CreatedEdit->setField(ds, QStringLiteral("created"));
    UpdatedEdit->setField(ds, QStringLiteral("updated"));
    OwnerCombo->setListQuery(&dm.MyConnection, QStringLiteral("SELECT id, initials FROM users ORDER BY initials"));
    OwnerCombo->setField(ds, QStringLiteral("user"));
    GroupCombo->setListQuery(&dm.MyConnection,
                             QStringLiteral("SELECT group_id, group_name FROM `groups` ORDER BY group_name"));
    GroupCombo->setField(ds, QStringLiteral("usergroup"));
    Navigator->setDataset(ds);
    AllCombo->setField(ds, QStringLiteral("rwx_all"));
    GroupRightsCombo->setField(ds, QStringLiteral("rwx_group"));
    UserRightsCombo->setField(ds, QStringLiteral("rwx_user"));
    TagEdit->setField(ds, QStringLiteral("usertag"));
    CheckedBox->setField(ds, QStringLiteral("checked"));
}

void TPostinfoForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("PostinfoForm"), QStringLiteral("OnlyPos"));
        AttachSource();
    }
    QDialog::showEvent(e);
}

void TPostinfoForm::closeEvent(QCloseEvent* e)
{
    CommitDataControls(this);
    SaveWindow(this, QStringLiteral("PostinfoForm"));
    QDialog::closeEvent(e);
}
