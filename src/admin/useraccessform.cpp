#include "admin/useraccessform.h"

#include "data/datamodule.h"
#include "ui/dbcontrols.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

TUserAccessForm::TUserAccessForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("UserAccessForm"));
    setWindowTitle(QStringLiteral("Brukertilgang"));
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.UserTable;

    UserNameEdit = new TDBEdit(ds, QStringLiteral("username"));
    IdEdit = new TDBEdit(ds, QStringLiteral("id"));
    IdEdit->setReadOnly(true);
    IdEdit->setFixedWidth(80);
    ActiveBox = new TDBCheckBox(QStringLiteral("Aktiv"), ds, QStringLiteral("activ"));
    ActiveBox->setValues(1, 0);
    DoorKeyEdit = new TDBEdit(ds, QStringLiteral("doorkey"));
    // The password is stored as typed but never shown in clear.
    PasswordEdit = new TDBEdit(ds, QStringLiteral("passwd"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    EncryptedBox = new TDBCheckBox(QStringLiteral("Kryptert"), ds, QStringLiteral("passwdvariant"));
    EncryptedBox->setValues(0, 1);
    GroupCombo = new TDBLookupComboBox;
    GroupCombo->setListSource(&dm.GroupTable, QStringLiteral("group_id"), QStringLiteral("group_name"));
    GroupCombo->setField(ds, QStringLiteral("usergroup"));
    GroupAccessBox = new TDBCheckBox(QStringLiteral("Gruppetilgang"), ds, QStringLiteral("defaultgroup"));
    GroupAccessBox->setValues(100, 149);
    ParameterMemo = new TDBMemo(ds, QStringLiteral("parameter"));
    ParameterMemo->setFixedHeight(60);
    UpdatedEdit = new TDBEdit(ds, QStringLiteral("updated"));
    UpdatedEdit->setReadOnly(true);
    LastIpEdit = new TDBEdit(ds, QStringLiteral("lastip"));
    LastIpEdit->setReadOnly(true);
    LogonCountEdit = new TDBEdit(ds, QStringLiteral("logoncount"));
    LogonCountEdit->setReadOnly(true);
    IniFileMemo = new TDBMemo(ds, QStringLiteral("inifile"));
    IniFileMemo->setFixedHeight(110);
    CompanyIdEdit = new TDBEdit(ds, QStringLiteral("companyid"));
    CompanyIdEdit->setFixedWidth(80);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(10, 10, 10, 10);
    form->setVerticalSpacing(4);
    auto row = [](std::initializer_list<QWidget*> ws) {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        for (QWidget* x : ws) h->addWidget(x);
        h->addStretch(1);
        return w;
    };
    form->addRow(QStringLiteral("Brukernavn:"), UserNameEdit);
    form->addRow(QStringLiteral("ID:"), row({IdEdit, ActiveBox}));
    form->addRow(QStringLiteral("Nøkkelnr:"), DoorKeyEdit);
    form->addRow(QStringLiteral("Passord:"), row({PasswordEdit, EncryptedBox}));
    form->addRow(QStringLiteral("Gruppe:"), row({GroupCombo, GroupAccessBox}));
    form->addRow(QStringLiteral("Tabelltilgang:"), ParameterMemo);
    form->addRow(QStringLiteral("Sist oppdatert:"), UpdatedEdit);
    form->addRow(QStringLiteral("Siste IP-adresse:"), row({LastIpEdit, new QLabel(QStringLiteral("Pålogginger:")),
                                                          LogonCountEdit}));
    form->addRow(QStringLiteral("INIFIL:"), IniFileMemo);
    form->addRow(QStringLiteral("FirmaID:"), CompanyIdEdit);
    LogonCountEdit->setFixedWidth(60);
    setFixedSize(480, sizeHint().height());

    PopupMenu1 = new QMenu(this);
    Lagre1 = PopupMenu1->addAction(QStringLiteral("Lagre"), this, &TUserAccessForm::Lagre1Click);
    Lagre1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    Avbryt1 = PopupMenu1->addAction(QStringLiteral("Avbryt"), this, &TUserAccessForm::Avbryt1Click);
    Avbryt1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    for (QAction* a : {Lagre1, Avbryt1}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    connect(ds, &Dataset::stateChanged, this, [this] { updateItems(); });
    connect(ds, &Dataset::currentChanged, this, [this] { FormShow(); });
    updateItems();
}

void TUserAccessForm::updateItems()
{
    const Dataset& ds = DataModule().UserTable;
    const bool editing = ds.state() == Dataset::Edit || ds.state() == Dataset::Insert;
    Lagre1->setEnabled(editing);
    Avbryt1->setEnabled(editing);
}

void TUserAccessForm::Lagre1Click()
{
    Dataset& ds = DataModule().UserTable;
    if (ds.state() != Dataset::Edit && ds.state() != Dataset::Insert) return;
    if (!CommitDataControls(this)) return;
    ds.post();
}

void TUserAccessForm::Avbryt1Click()
{
    Dataset& ds = DataModule().UserTable;
    if (ds.state() == Dataset::Edit || ds.state() == Dataset::Insert) ds.cancel();
}

void TUserAccessForm::FormShow()
{
    TDatabaseModule& dm = DataModule();
    const Dataset& ds = dm.UserTable;
    if (!dm.GroupTable.isOpen()) dm.TableOpen(dm.GroupTable);
    if (ds.isOpen() && !ds.isEmpty())
        setWindowTitle(ds.asString(QStringLiteral("realname")) + QStringLiteral(" [") + QString::number(ds.currentId()) +
                       QStringLiteral("]"));
    else
        setWindowTitle(QStringLiteral("Brukertilgang"));
    GroupCombo->reloadList();
}

void TUserAccessForm::showEvent(QShowEvent* e)
{
    LoadWindow(this, QStringLiteral("UserAccessForm"), QStringLiteral("OnlyPos"));
    FormShow();
    QWidget::showEvent(e);
}

void TUserAccessForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("UserAccessForm"));
    QWidget::closeEvent(e);
}

void TUserAccessForm::contextMenuEvent(QContextMenuEvent* e)
{
    updateItems();
    PopupMenu1->exec(e->globalPos());
}
