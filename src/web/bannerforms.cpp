#include "web/bannerforms.h"

#include "core/textfil.h"
#include "data/datamodule.h"
#include "web/webpicture.h"
#include "ui/windowregistry.h"

#include <QEvent>
#include <QToolButton>
#include <QLabel>

// --- List ------------------------------------------------------------------------

TBannerListForm::TBannerListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("BannerListForm"));
    setWindowTitle(QStringLiteral("Reklame"));
    placementKey = QStringLiteral("BannerListForm");
    resize(1000, 420);
    setDataset(&DataModule().BannerTable, {{"time_from", "Fra", 85},
                                           {"time_to", "Til", 85},
                                           {"object_name", "Bildetekst", 250},
                                           {"picture", "Bildefil", 350},
                                           {"object_url", "BildeURL", 350}});
    // The list shows the days a banner runs; the record window keeps the times.
    for (const char* f : {"time_from", "time_to"})
        DataModule().BannerTable.setDisplayFormat(QLatin1String(f), QStringLiteral("dd.MM.yyyy"));
    Grid->setObjectName(QStringLiteral("BannerGrid"));
    setSearchFields({QStringLiteral("object_name"), QStringLiteral("object_url"), QStringLiteral("picture")});
    setRecordWindow(QStringLiteral("TBannerDataForm"));
    Sketter1->setText(QStringLiteral("Filtrer etter .."));
    GridDrops = InstallListDrops(this);
}

void TBannerListForm::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(QStringLiteral("TDataToolForm")))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 112));
    TListForm::changeEvent(e);
}

// --- Record window ----------------------------------------------------------------

std::function<QString(const QString&, const QString&)> TBannerDataForm::ChoosePicture = &ChoosePictureFile;

TBannerDataForm::TBannerDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("BannerDataForm"));
    setWindowTitle(QStringLiteral("Reklame"));
    placementKey = QStringLiteral("BannerDataForm");
    captionPrefix = QStringLiteral("Reklame [");
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.BannerTable;

    NameEdit = new TDBEdit(ds, QStringLiteral("object_name"));
    PictureEdit = new TDBEdit(ds, QStringLiteral("picture"));
    PictureButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg bilde"), [this] { PictureButtonClick(); });
    PictureButton->setObjectName(QStringLiteral("PictureButton"));
    UrlEdit = new TDBEdit(ds, QStringLiteral("object_url"));
    FromEdit = new TDBDateEdit(ds, QStringLiteral("time_from"));
    ToEdit = new TDBDateEdit(ds, QStringLiteral("time_to"));
    CompanyCombo = new TDBLookupComboBox;
    CompanyCombo->setListQuery(&dm.MyConnection, QStringLiteral("SELECT id, companyname FROM company ORDER BY companyname"));
    Connection* conn = &dm.MyConnection;
    CompanyCombo->setLazy([conn](qint64 id) {
        return conn->scalar(QStringLiteral("SELECT companyname FROM company WHERE id=%1").arg(id));
    });
    CompanyCombo->setField(ds, QStringLiteral("companyid"));
    PositionEdit = new TDBEdit(ds, QStringLiteral("position"));
    PositionEdit->setFixedWidth(60);
    ShowOrderEdit = new TDBEdit(ds, QStringLiteral("show_order"));
    ShowOrderEdit->setFixedWidth(60);
    ShowOrderEdit->setToolTip(QStringLiteral("Rekkefølgen banneret vises i"));
    auto* orderLabel = new QLabel(QStringLiteral("Vis til:"));
    orderLabel->setBuddy(ShowOrderEdit);
    orderLabel->setToolTip(ShowOrderEdit->toolTip());
    addFieldPanel({{QStringLiteral("Bildenavn:"), NameEdit},
                   {QStringLiteral("Bildefil:"), withButton(PictureEdit, PictureButton)},
                   {QStringLiteral("BildeURL:"), UrlEdit},
                   {QStringLiteral("Vis fra:"), FromEdit},
                   {QStringLiteral("Vis til:"), ToEdit},
                   {QStringLiteral("Firma:"), CompanyCombo},
                   {QStringLiteral("Posisjon:"), inRow({PositionEdit, orderLabel, ShowOrderEdit}, -1)}});

    BrowserEdit = new TDBEdit(ds, QStringLiteral("browserstr"));
    IpEdit = new TDBEdit(ds, QStringLiteral("ipstring"));
    addFieldPanel({{QStringLiteral("Browserstreng:"), BrowserEdit}, {QStringLiteral("IP-streng:"), IpEdit}});

    // The banner's text: bound to its field, so what is typed is saved.
    Memo1 = new TDBMemo(ds, QStringLiteral("object_text"));
    Memo1->setFixedHeight(100);
    addFieldPanel({{QString(), Memo1}});
    setDataset(ds);
    setClientWidth(473);
}

void TBannerDataForm::PictureButtonClick()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    const QString file = ChoosePicture(QStringLiteral("Velg bilde"), WebPictureFolder());
    if (!file.isEmpty()) SetPicture(file);
}

bool TBannerDataForm::SetPicture(const QString& file)
{
    Dataset* ds = dataset();
    return ds && SetWebPicture(*ds, file);
}

bool SavePendingWebEdits()
{
    if (!HasDataModule()) return true;
    TDatabaseModule& dm = DataModule();
    bool ok = true;
    const std::pair<Dataset*, const char*> edited[] = {{&dm.NewsTable, "TNewsDataForm"},
                                                       {&dm.BannerTable, "TBannerDataForm"}};
    for (const auto& [ds, window] : edited) {
        if (ds->state() != Dataset::Edit && ds->state() != Dataset::Insert) continue;
        // What is still typed in the window goes with the save.
        if (QWidget* w = Windows().find(QLatin1String(window))) CommitDataControls(w);
        if (!ds->post()) {
            LogLine(QStringLiteral("FEIL: ulagret endring i ") + ds->tableName() +
                    QStringLiteral(" kunne ikke lagres da programmet ble avsluttet: ") + ds->lastError());
            ok = false;
        }
    }
    return ok;
}
