#include "crm/companydataform.h"

#include "core/dialogs.h"
#include "core/norsk.h"
#include "core/platform.h"
#include "core/textfil.h"
#include "crm/companylistform.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"
#include "data/datamodule.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>


TCompanyDataForm::TCompanyDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("CompanyDataForm"));
    setWindowTitle(QStringLiteral("Firmadata"));
    placementKey = QStringLiteral("CompanyDataForm");
    captionPrefix = QStringLiteral("Firmadata [");
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.CompanyTable;

    // Panel 1: the name and the ways to reach the company.
    CompanyNameEdit = new TDBEdit(ds, QStringLiteral("companyname"));
    {
        QFont f = CompanyNameEdit->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        CompanyNameEdit->setFont(f);
    }
    PhoneEdit = new TDBEdit(ds, QStringLiteral("phone"));
    TelefaxEdit = new TDBEdit(ds, QStringLiteral("telefax"));
    EmailEdit = new TDBEdit(ds, QStringLiteral("email"));
    EmailButton = smallButton(QStringLiteral("@"), QStringLiteral("Skriv epost"),
                              [this] { OpenAddress(QStringLiteral("mailto:") + EmailEdit->text()); });
    HomepageEdit = new TDBEdit(ds, QStringLiteral("homepage"));
    HomepageButton = smallButton(QStringLiteral("www"), QStringLiteral("Åpne hjemmesiden"),
                                 [this] { OpenAddress(HomepageEdit->text()); });
    ContactCombo = new TDBLookupComboBox;
    ContactCombo->setListSource(&dm.ContactQuery, QStringLiteral("id"), QStringLiteral("realname"));
    ContactCombo->setField(ds, QStringLiteral("defaultcontact"));
    ContactButton = smallButton(QStringLiteral("..."), QStringLiteral("Vis kontaktpersonen"), [this] {
        Dataset& contacts = DataModule().ContactQuery;
        const qint64 id = ContactCombo->currentKey();
        if (id > 0 && contacts.isOpen()) contacts.locate(QStringLiteral("id"), id);
        Windows().show<TContactDataForm>();
    });
    addFieldPanel({{QStringLiteral("Firmanavn:"), CompanyNameEdit},
                   {QStringLiteral("Telefon:"), PhoneEdit},
                   {QStringLiteral("Telefax:"), TelefaxEdit},
                   {QStringLiteral("Epost:"), withButton(EmailEdit, EmailButton)},
                   {QStringLiteral("Hjemmeside:"), withButton(HomepageEdit, HomepageButton)},
                   {QStringLiteral("Kontakt:"), withButton(ContactCombo, ContactButton)}});

    // Panel 2: addresses, numbers and roles, in the order the Tab key walks.
    StreetAddressEdit = new TDBEdit(ds, QStringLiteral("streetaddress"));
    PostalAddressEdit = new TDBEdit(ds, QStringLiteral("postaladdress"));
    PostalCodeEdit = new TDBEdit(ds, QStringLiteral("postalcode"));
    PostalCodeEdit->setFixedWidth(52);
    PostalCodeButton = smallButton(QStringLiteral("?"), QStringLiteral("Vis postnummeret"),
                                   [this] { PostalCodeButtonClick(); });
    CityEdit = new TDBEdit(ds, QStringLiteral("city"));
    CustNoEdit = new TDBEdit(ds, QStringLiteral("custno"));
    OrgNumberEdit = new TDBEdit(ds, QStringLiteral("orgnumber"));
    OrgNumberWarningLabel = new QLabel;
    OrgNumberWarningLabel->setObjectName(QStringLiteral("OrgNumberWarningLabel"));
    OrgNumberWarningLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    connect(OrgNumberEdit, &QLineEdit::textChanged, this, &TCompanyDataForm::UpdateOrgNumberWarning);
    connect(OrgNumberEdit, &QLineEdit::textEdited, this, [this] { orgNumberTyped_ = true; });
    connect(OrgNumberEdit, &QLineEdit::editingFinished, this, &TCompanyDataForm::OrgNumberExit);
    BranchCombo = new TDBComboBox(ds, QStringLiteral("branch"), {}, true);
    BankAccountEdit = new TDBEdit(ds, QStringLiteral("bankaccount"));
    CustomerBox = new TDBCheckBox(QStringLiteral("Kunde"), ds, QStringLiteral("customer"));
    VendorBox = new TDBCheckBox(QStringLiteral("Leverandør"), ds, QStringLiteral("vendor"));
    EquipVendorBox = new TDBCheckBox(QStringLiteral("UtstyrLeverandør"), ds, QStringLiteral("equipvendor"));
    TaxBox = new TDBCheckBox(QStringLiteral("Momspliktig"), ds, QStringLiteral("tax"));
    PartnerBox = new TDBCheckBox(QStringLiteral("Avtale eller partner"), ds, QStringLiteral("partner"));
    BlacklistedBox = new TDBCheckBox(QStringLiteral("Svartelistet"), ds, QStringLiteral("blacklisted"));
    MyContactCombo = new TDBLookupComboBox;
    MyContactCombo->setListQuery(&dm.MyConnection, QStringLiteral("SELECT id, initials FROM users ORDER BY initials"));
    MyContactCombo->setField(ds, QStringLiteral("mycontact"));

    auto* roles = new QWidget;
    {
        auto* g = new QGridLayout(roles);
        g->setContentsMargins(0, 2, 0, 2);
        g->setVerticalSpacing(2);
        g->addWidget(CustomerBox, 0, 0);
        g->addWidget(VendorBox, 1, 0);
        g->addWidget(EquipVendorBox, 2, 0);
        g->addWidget(TaxBox, 0, 1);
        g->addWidget(PartnerBox, 1, 1);
        g->addWidget(BlacklistedBox, 2, 1);
    }
    addFieldPanel({{QStringLiteral("Gateadresse:"), StreetAddressEdit},
                   {QStringLiteral("Postadresse:"), PostalAddressEdit},
                   {QStringLiteral("Poststed:"), inRow({PostalCodeEdit, PostalCodeButton, CityEdit}, 2)},
                   {QStringLiteral("Kundenr.:"), CustNoEdit},
                   {QStringLiteral("Org. nr.:"), inRow({OrgNumberEdit, OrgNumberWarningLabel}, 0)},
                   {QStringLiteral("Bransje:"), BranchCombo},
                   {QStringLiteral("Bankkonto:"), BankAccountEdit},
                   {QString(), roles},
                   {QStringLiteral("Vår kontakt:"), MyContactCombo}});
    const QWidget* const order[] = {StreetAddressEdit, PostalAddressEdit, PostalCodeEdit, CityEdit,
                                    CustNoEdit,        OrgNumberEdit,     BranchCombo,    BankAccountEdit,
                                    CustomerBox,       VendorBox,         EquipVendorBox, TaxBox,
                                    PartnerBox,        BlacklistedBox,    MyContactCombo};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    PostalCodeEdit->installEventFilter(this);

    // Panel 3: the note.
    auto* p3 = new QWidget;
    {
        auto* v = new QHBoxLayout(p3);
        v->setContentsMargins(8, 4, 8, 8);
        NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
        NoteMemo->setFixedHeight(110);
        v->addWidget(NoteMemo);
    }
    addPanel(p3);

    setDataset(ds);
    setClientWidth(422);
    setFocusProxy(CompanyNameEdit);

    PopupMenu1->addSeparator();
    Kontakter1 = addMenuItem(QStringLiteral("Kontakter"), [this] { Kontakter1Click(); });
    Timeregistreringer1 = addMenuItem(QStringLiteral("Timeregistreringer"), [] {
        if (auto* l = Windows().get<TCompanyListForm>()) l->Timeregistreringer1Click();
    });
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [] {
        if (auto* l = Windows().get<TCompanyListForm>()) l->Dokumenter1Click();
    });
    Postinformasjon1 = addMenuItem(QStringLiteral("Postinformasjon"), [] {
        DataModule().CommonSource = &DataModule().CompanyTable;
        Windows().show<TPostinfoForm>();
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TCompanyDataForm::updateWindowItems);
    updateWindowItems();
}

void TCompanyDataForm::updateWindowItems()
{
    WindowRegistry& w = Windows();
    Kontakter1->setEnabled(w.has<TContactListForm>());
    Timeregistreringer1->setEnabled(w.has<TCalendarListForm>() && w.has<TCompanyListForm>());
    Dokumenter1->setEnabled(w.has<TDocumentListForm>() && w.has<TCompanyListForm>());
    Postinformasjon1->setEnabled(w.has<TPostinfoForm>());
    ContactButton->setEnabled(w.has<TContactDataForm>());
}

void TCompanyDataForm::FormShow()
{
    TDataForm::FormShow();
    updateWindowItems();
    SelectContacts();
    CompanyNameEdit->setFocus();
}

void TCompanyDataForm::AfterStep() { SelectContacts(); }

void TCompanyDataForm::SelectContacts()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->state() == Dataset::Insert) return;
    Contact_WHERE = "companyid=" + QString::number(ds->currentId());
    DataModule().ContactSQLSelect();
    ContactCombo->reloadList();
}

void TCompanyDataForm::i6750Exit()
{
    Dataset* ds = dataset();
    if (!ds || (ds->state() != Dataset::Edit && ds->state() != Dataset::Insert)) return;
    const QString code = PostalCodeEdit->text();
    if (code.size() != 4) return;
    if (!PostRegister::instance().available()) return;  // no register: the typed place stays
    ds->setValue(QStringLiteral("city"), FinnPostSted(code));
}

void TCompanyDataForm::PostalCodeButtonClick()
{
    auto* f = Windows().get<TPostnummerForm>();
    if (!f) return;
    f->ePostNr->setText(PostalCodeEdit->text());
    Windows().show<TPostnummerForm>();
}

void TCompanyDataForm::UpdateOrgNumberWarning()
{
    const QString why = OrgNumberWarning(OrgNumberEdit->text());
    OrgNumberWarningLabel->setText(why.isEmpty() ? QString() : QStringLiteral("Ugyldig"));
    OrgNumberWarningLabel->setToolTip(why);
}

void TCompanyDataForm::OrgNumberExit()
{
    if (!orgNumberTyped_) return;
    orgNumberTyped_ = false;
    const QString why = OrgNumberWarning(OrgNumberEdit->text());
    if (why.isEmpty()) return;
    LogLine(QStringLiteral("ADVARSEL: ") + why);
    CurrentDialogs()->ShowMessage(why + QStringLiteral(" Nummeret lagres likevel."), QStringLiteral("Advarsel"));
}

void TCompanyDataForm::Kontakter1Click()
{
    Dataset* ds = dataset();
    if (!ds) return;
    Contact_WHERE = "companyid=" + QString::number(ds->currentId());
    QWidget* list = Windows().find(WindowName<TContactListForm>());
    if (list && list->isVisible()) DataModule().ContactSQLSelect();
    else Windows().show<TContactListForm>();
}

bool TCompanyDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == PostalCodeEdit && e->type() == QEvent::FocusOut) {
        PostalCodeEdit->commit();
        i6750Exit();
    }
    return TDataForm::eventFilter(o, e);
}
