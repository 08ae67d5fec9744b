#include "admin/userdataform.h"

#include "admin/useraccessform.h"
#include "admin/userlistform.h"
#include "core/dialogs.h"
#include "core/platform.h"
#include "data/datamodule.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>


TUserDataForm::TUserDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("UserDataForm"));
    setWindowTitle(QStringLiteral("Personaldata"));
    placementKey = QStringLiteral("UserDataForm");
    captionPrefix = QStringLiteral("Brukerdata [");
    Dataset* ds = &DataModule().UserTable;

    // Panel 1: who and how to reach the person.
    InitialsEdit = new TDBEdit(ds, QStringLiteral("initials"));
    InitialsEdit->setFixedWidth(80);
    RealNameEdit = new TDBEdit(ds, QStringLiteral("realname"));
    EmailEdit = new TDBEdit(ds, QStringLiteral("email"));
    EmailButton = smallButton(QStringLiteral("@"), QStringLiteral("Skriv epost"),
                              [this] { OpenAddress(QStringLiteral("mailto:") + EmailEdit->text().trimmed()); });
    MobileEdit = new TDBEdit(ds, QStringLiteral("mobilephone"));
    HomePhoneEdit = new TDBEdit(ds, QStringLiteral("homephone"));
    InternalPhoneEdit = new TDBEdit(ds, QStringLiteral("internalphone"));
    UserTagEdit = new TDBEdit(ds, QStringLiteral("usertag"));
    UserTagEdit->setFixedWidth(80);
    PublishedBox = new TDBCheckBox(QStringLiteral("Publisert"), ds, QStringLiteral("rwx_all"));
    PublishedBox->setValues(5, 0);
    addFieldPanel({{QStringLiteral("Initialer:"), InitialsEdit},
                   {QStringLiteral("Navn:"), RealNameEdit},
                   {QStringLiteral("Epost:"), withButton(EmailEdit, EmailButton)},
                   {QStringLiteral("Mobiltelefon:"), MobileEdit},
                   {QStringLiteral("Hjemmetelefon:"), HomePhoneEdit},
                   {QStringLiteral("Jobbtelefon:"), InternalPhoneEdit},
                   {QStringLiteral("Nr.:"), inRow({UserTagEdit, PublishedBox})}});

    // Panel 2: address, position and personal data.
    StreetAddressEdit = new TDBEdit(ds, QStringLiteral("streetaddress"));
    PostalAddressEdit = new TDBEdit(ds, QStringLiteral("postaladdress"));
    PostalCodeEdit = new TDBEdit(ds, QStringLiteral("postalcode"));
    PostalCodeEdit->setFixedWidth(52);
    CityEdit = new TDBEdit(ds, QStringLiteral("city"));
    TitleEdit = new TDBEdit(ds, QStringLiteral("title"));
    DepartmentEdit = new TDBEdit(ds, QStringLiteral("department"));
    HomepageEdit = new TDBEdit(ds, QStringLiteral("homepage"));
    HomepageButton = smallButton(QStringLiteral("www"), QStringLiteral("Åpne hjemmesiden"),
                                 [this] { OpenAddress(HomepageEdit->text().trimmed()); });
    GenderGroup = new TDBRadioGroup(QString(), {QStringLiteral("Ukjent"), QStringLiteral("Mann"), QStringLiteral("Kvinne")},
                                    {0, 1, 2});
    GenderGroup->setField(ds, QStringLiteral("gender"));
    BirthEdit = new TDBDateEdit(ds, QStringLiteral("birth"));
    SsidEdit = new TDBEdit(ds, QStringLiteral("ssid"));
    addFieldPanel({{QStringLiteral("Gateadresse:"), StreetAddressEdit},
                   {QStringLiteral("Postadresse:"), PostalAddressEdit},
                   {QStringLiteral("Poststed:"), inRow({PostalCodeEdit, CityEdit}, 1)},
                   {QStringLiteral("Stilling:"), TitleEdit},
                   {QStringLiteral("Avdeling:"), DepartmentEdit},
                   {QStringLiteral("Hjemmeside:"), withButton(HomepageEdit, HomepageButton)},
                   {QStringLiteral("Kjønn:"), GenderGroup},
                   {QStringLiteral("Fødselsdato:"), BirthEdit},
                   {QStringLiteral("Personnummer:"), SsidEdit}});

    // Panel 3: the note.
    auto* p3 = new QWidget;
    {
        auto* h = new QHBoxLayout(p3);
        h->setContentsMargins(8, 4, 8, 8);
        NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
        NoteMemo->setFixedHeight(110);
        h->addWidget(NoteMemo);
    }
    addPanel(p3);

    setDataset(ds);
    setClientWidth(400);
    setFocusProxy(InitialsEdit);

    PopupMenu1->addSeparator();
    Brukertilgang1 = addMenuItem(QStringLiteral("Brukertilgang"), [] { Windows().show<TUserAccessForm>(); });
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [] {
        TListForm::ShowDocuments(QStringLiteral("document.user="), DataModule().UserTable.currentId());
    });
}
