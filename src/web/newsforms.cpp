#include "web/newsforms.h"

#include "data/datamodule.h"
#include "web/webpicture.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QToolButton>
#include <QFormLayout>
#include <QMenu>

namespace {

void pointDataTool(int table)
{
    if (QWidget* tool = Windows().find(QStringLiteral("TDataToolForm")))
        QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, table));
}

} // namespace

// --- List ------------------------------------------------------------------------

TNewsListForm::TNewsListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("NewsListForm"));
    setWindowTitle(QStringLiteral("Nyheter"));
    placementKey = QStringLiteral("NewsListForm");
    resize(1000, 420);
    setDataset(&DataModule().NewsTable, {{"newsdate", "Dato", 85},
                                         {"news_initials", "Forfatter", 75},
                                         {"header", "Overskrift", 350},
                                         {"category", "Kategori", 350},
                                         {"topic", "Emne", 350}});
    // The list shows the day of each item; the record window keeps the time.
    DataModule().NewsTable.setDisplayFormat(QStringLiteral("newsdate"), QStringLiteral("dd.MM.yyyy"));
    Grid->setObjectName(QStringLiteral("NewsGrid"));
    Grid->setSortKeys({{QStringLiteral("news_initials"), QStringLiteral("author")}});
    // The headline is what a search looks in first (the table has no subject).
    setSearchFields({QStringLiteral("header"), QStringLiteral("topic"), QStringLiteral("category")});
    setRecordWindow(QStringLiteral("TNewsDataForm"));
    Publiserte1 = addFixedFilter(QStringLiteral("Publiserte"), QStringLiteral("rwx_all=5"));
    Ikkepubliserte1 = addFixedFilter(QStringLiteral("Ikke publiserte"), QStringLiteral("rwx_all=0"));
    Historie1 = addFixedFilter(QStringLiteral("Historie"), QStringLiteral("status=10"));
    Aktive1 = addFixedFilter(QStringLiteral("Aktive"), QStringLiteral("status=1"));
    GridDrops = InstallListDrops(this);
}

void TNewsListForm::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) pointDataTool(104);
    TListForm::changeEvent(e);
}

// --- Record window ----------------------------------------------------------------

std::function<QString(const QString&, const QString&)> TNewsDataForm::ChoosePicture = &ChoosePictureFile;

TNewsDataForm::TNewsDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("NewsDataForm"));
    setWindowTitle(QStringLiteral("Nyhet"));
    placementKey = QStringLiteral("NewsDataForm");
    captionPrefix = QStringLiteral("Nyhet [");
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.NewsTable;

    DateEdit = new TDBDateEdit(ds, QStringLiteral("newsdate"));
    AuthorCombo = new TDBLookupComboBox;
    AuthorCombo->setListQuery(&dm.MyConnection, QStringLiteral("SELECT id, initials FROM users ORDER BY initials"));
    AuthorCombo->setField(ds, QStringLiteral("author"));
    HeaderEdit = new TDBEdit(ds, QStringLiteral("header"));
    TextMemo = new TDBMemo(ds, QStringLiteral("object_text"));
    TextMemo->setFixedHeight(140);
    PictureEdit = new TDBEdit(ds, QStringLiteral("picture"));
    PictureButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg bilde"), [this] { PictureButtonClick(); });
    PictureButton->setObjectName(QStringLiteral("PictureButton"));
    PublishedBox = new TDBCheckBox(QStringLiteral("Publisert"), ds, QStringLiteral("rwx_all"));
    PublishedBox->setValues(5, 0);
    HistoryBox = new TDBCheckBox(QStringLiteral("Historie"), ds, QStringLiteral("status"));
    HistoryBox->setValues(10, 1);
    addFieldPanel({{QStringLiteral("Dato:"), inRow({DateEdit, PublishedBox, HistoryBox}, -1)},
                   {QStringLiteral("Forfatter:"), AuthorCombo},
                   {QStringLiteral("Overskrift:"), HeaderEdit},
                   {QStringLiteral("Tekst:"), TextMemo},
                   {QStringLiteral("Bilde:"), withButton(PictureEdit, PictureButton)}});

    TopicEdit = new TDBEdit(ds, QStringLiteral("topic"));
    StartEdit = new TDBDateEdit(ds, QStringLiteral("starttime"));
    StopEdit = new TDBDateEdit(ds, QStringLiteral("stopptime"));
    MoreTextMemo = new TDBMemo(ds, QStringLiteral("moretext"));
    MoreTextMemo->setFixedHeight(100);
    addFieldPanel({{QStringLiteral("Emne:"), TopicEdit},
                   {QStringLiteral("Fra dato:"), StartEdit},
                   {QStringLiteral("Til dato:"), StopEdit},
                   {QStringLiteral("Mer tekst:"), MoreTextMemo}});
    setDataset(ds);
    setClientWidth(514);
}

void TNewsDataForm::FormShow()
{
    // The record window works on the news also when the list was never shown.
    Dataset& news = DataModule().NewsTable;
    if (!news.isOpen()) DataModule().TableOpen(news);
    TDataForm::FormShow();
}

void TNewsDataForm::PictureButtonClick()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    const QString file = ChoosePicture(QStringLiteral("Velg bilde"), WebPictureFolder());
    if (!file.isEmpty()) SetPicture(file);
}

bool TNewsDataForm::SetPicture(const QString& file)
{
    Dataset* ds = dataset();
    return ds && SetWebPicture(*ds, file);
}

void TNewsDataForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    Dataset* ds = dataset();
    if (ds && (ds->state() == Dataset::Edit || ds->state() == Dataset::Insert) && !ds->post()) {
        // The message was shown; the article stays open to be put right.
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
