#include "crm/contactdataform.h"

#include "core/dialogs.h"
#include "core/platform.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"
#include "data/datamodule.h"
#include "netui/sendsmtpform.h"
#include "ui/listform.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

TContactDataForm::TContactDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("ContactDataForm"));
    setWindowTitle(QStringLiteral("Kontaktinformasjon"));
    placementKey = QStringLiteral("ContactDataForm");
    captionPrefix = QStringLiteral("Kontakt [");
    Dataset* ds = &DataModule().ContactQuery;

    NameEdit = new TDBEdit(ds, QStringLiteral("realname"));
    {
        QFont f = NameEdit->font();
        f.setBold(true);
        NameEdit->setFont(f);
    }
    WorkPhoneEdit = new TDBEdit(ds, QStringLiteral("internalphone"));
    HomePhoneEdit = new TDBEdit(ds, QStringLiteral("homephone"));
    MobileEdit = new TDBEdit(ds, QStringLiteral("mobilephone"));
    HomepageEdit = new TDBEdit(ds, QStringLiteral("homepage"));
    HomepageButton = smallButton(QStringLiteral("www"), QStringLiteral("Åpne hjemmesiden"), [this] {
        if (!OpenDatabaseValue(HomepageEdit->text()))
            CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke åpne «%1»: bare web-adresser kan åpnes herfra.")
                                              .arg(HomepageEdit->text().left(100)),
                                          QStringLiteral("Feil"));
    });
    EmailEdit = new TDBEdit(ds, QStringLiteral("email"));
    EmailButton = smallButton(QStringLiteral("@"), QStringLiteral("Skriv epost"), [this] { SendEpost(EmailEdit->text()); });
    HomeEmailEdit = new TDBEdit(ds, QStringLiteral("home_email"));
    HomeEmailButton =
        smallButton(QStringLiteral("@"), QStringLiteral("Skriv epost"), [this] { SendEpost(HomeEmailEdit->text()); });
    addFieldPanel({{QStringLiteral("Navn:"), NameEdit},
                   {QStringLiteral("Jobbtelefon:"), WorkPhoneEdit},
                   {QStringLiteral("Hjemmetelefon:"), HomePhoneEdit},
                   {QStringLiteral("Mobiltelefon:"), MobileEdit},
                   {QStringLiteral("Hjemmeside:"), withButton(HomepageEdit, HomepageButton)},
                   {QStringLiteral("Epost jobb:"), withButton(EmailEdit, EmailButton)},
                   {QStringLiteral("Epost privat:"), withButton(HomeEmailEdit, HomeEmailButton)}});

    StreetEdit = new TDBEdit(ds, QStringLiteral("streetaddress"));
    PostalAddressEdit = new TDBEdit(ds, QStringLiteral("postaladdress"));
    PostalCodeEdit = new TDBEdit(ds, QStringLiteral("postalcode"));
    PostalCodeEdit->setFixedWidth(52);
    PostalCodeButton = smallButton(QStringLiteral("?"), QStringLiteral("Vis postnummeret"), [this] {
        if (auto* f = Windows().get<TPostnummerForm>()) {
            f->ePostNr->setText(PostalCodeEdit->text());
            Windows().show<TPostnummerForm>();
        }
    });
    CityEdit = new TDBEdit(ds, QStringLiteral("city"));
    DepartmentEdit = new TDBEdit(ds, QStringLiteral("department"));
    TitleEdit = new TDBEdit(ds, QStringLiteral("title"));
    CompanyEdit = new TDBEdit(ds, QStringLiteral("companyname"));
    CompanyEdit->setReadOnly(true);
    CompanyEdit->setFocusPolicy(Qt::NoFocus);
    addFieldPanel({{QStringLiteral("Gateadresse:"), StreetEdit},
                   {QStringLiteral("Postadresse:"), PostalAddressEdit},
                   {QStringLiteral("Poststed:"), inRow({PostalCodeEdit, PostalCodeButton, CityEdit}, 2)},
                   {QStringLiteral("Avdeling:"), DepartmentEdit},
                   {QStringLiteral("Stilling:"), TitleEdit},
                   {QStringLiteral("Firma:"), CompanyEdit}});
    PostalCodeEdit->installEventFilter(this);

    auto* memoPanel = new QWidget;
    {
        auto* h = new QHBoxLayout(memoPanel);
        h->setContentsMargins(8, 4, 8, 8);
        NoteMemo = new TDBMemo(ds, QStringLiteral("object_text"));
        NoteMemo->setFixedHeight(110);
        h->addWidget(NoteMemo);
    }
    addPanel(memoPanel);

    setDataset(ds);
    setClientWidth(400);
    setFocusProxy(NameEdit);
    PopupMenu1->addSeparator();
    Dokumenter1 = addMenuItem(QStringLiteral("Dokumenter"), [] {
        TListForm::ShowDocuments(QStringLiteral("document.userid="), DataModule().ContactQuery.currentId());
    });
}

void TContactDataForm::PostalCodeExit()
{
    Dataset* ds = dataset();
    if (!ds || (ds->state() != Dataset::Edit && ds->state() != Dataset::Insert)) return;
    const QString code = PostalCodeEdit->text();
    if (code.size() != 4) return;
    if (!PostRegister::instance().available()) return;  // no register: the typed place stays
    ds->setValue(QStringLiteral("city"), FinnPostSted(code));
}

bool TContactDataForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == PostalCodeEdit && e->type() == QEvent::FocusOut) {
        PostalCodeEdit->commit();
        PostalCodeExit();
    }
    return TDataForm::eventFilter(o, e);
}
