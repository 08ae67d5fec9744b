#include "documents/documentdataform.h"

#include "core/dialogs.h"
#include "crm/personsselectform.h"
#include "data/datamodule.h"
#include "documents/documentarchive.h"
#include "documents/documentrules.h"
#include "net/webdocument.h"
#include "ui/windowregistry.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMimeDatabase>
#include <QSlider>
#include <QToolButton>

namespace archive {

std::function<QString(const QString&, const QString&)> TDocumentDataForm::ChooseFile =
    [](const QString& caption, const QString& start) {
        return QFileDialog::getOpenFileName(nullptr, caption, start);
    };

TDocumentDataForm::TDocumentDataForm(QWidget* parent) : TDataForm(parent)
{
    setObjectName(QStringLiteral("DocumentDataForm"));
    setWindowTitle(QStringLiteral("Dokumentdata"));
    placementKey = QStringLiteral("DocumentDataForm");
    captionPrefix = QStringLiteral("Dokument [");
    TDatabaseModule& dm = DataModule();
    Dataset* ds = &dm.DocumentQuery;

    // Standard panel.
    SubjectEdit = new TDBEdit(ds, QStringLiteral("subject"));
    CategoryEdit = new TDBEdit(ds, QStringLiteral("category"));
    OwnerCombo = new TDBLookupComboBox;
    OwnerCombo->setListQuery(&dm.MyConnection, QStringLiteral("SELECT id, initials FROM users ORDER BY initials"));
    OwnerCombo->setField(ds, QStringLiteral("user"));
    CreatedEdit = new TDBDateEdit(ds, QStringLiteral("document_created"));
    UpdatedEdit = new TDBDateEdit(ds, QStringLiteral("updated"));
    UpdatedEdit->setReadOnly(true);
    UpdatedEdit->setFocusPolicy(Qt::NoFocus);
    PublishedBox = new TDBCheckBox(QStringLiteral("Publisert"), ds, QStringLiteral("rwx_all"));
    PublishedBox->setValues(5, 0);
    auto* dates = new QWidget;
    {
        auto* h = new QGridLayout(dates);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(CreatedEdit, 0, 0);
        auto* l = new QLabel(QStringLiteral("Endret:"));
        l->setBuddy(UpdatedEdit);
        h->addWidget(l, 0, 1);
        h->addWidget(UpdatedEdit, 0, 2);
        h->setColumnStretch(0, 1);
        h->setColumnStretch(2, 1);
    }
    addFieldPanel({{QStringLiteral("Tekst:"), SubjectEdit},
                   {QStringLiteral("Kategori:"), CategoryEdit},
                   {QStringLiteral("Eier:"), inRow({OwnerCombo, PublishedBox}, 0)},
                   {QStringLiteral("Opprettet:"), dates}});

    // Folder and file.
    PathEdit = new TDBEdit(ds, QStringLiteral("document_path"));
    NameEdit = new TDBEdit(ds, QStringLiteral("document_name"));
    FileButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg filen"), [this] { FileButtonClick(); });
    FileButton->setObjectName(QStringLiteral("FileButton"));
    addFieldPanel({{QStringLiteral("Mappe:"), PathEdit}, {QStringLiteral("Filnavn:"), withButton(NameEdit, FileButton)}});

    // Links.
    PersonsEdit = new TDBEdit(ds, QStringLiteral("persons"));
    PersonsButton = smallButton(QStringLiteral("..."), QStringLiteral("Velg personer"), [this] { PersonsButtonClick(); });
    JobCombo = lookup(QStringLiteral("jobid"), QStringLiteral("jobs"), QStringLiteral("subject"), false);
    CompanyCombo = lookup(QStringLiteral("companyid"), QStringLiteral("company"), QStringLiteral("companyname"), true);
    ContactCombo = lookup(QStringLiteral("userid"), QStringLiteral("contact"), QStringLiteral("realname"), true);
    ProjectCombo = lookup(QStringLiteral("projectid"), QStringLiteral("project"), QStringLiteral("projectname"), false);
    SystemCombo = lookup(QStringLiteral("systemid"), QStringLiteral("subproject"), QStringLiteral("systemname"), false);
    ProductCombo = lookup(QStringLiteral("productid"), QStringLiteral("product"), QStringLiteral("producttext"), true);
    AssetCombo = lookup(QStringLiteral("assetid"), QStringLiteral("asset"), QStringLiteral("assetname"), true);
    QFormLayout* links = nullptr;
    addFormPanel(&links);
    links->addRow(QStringLiteral("Personer:"), withButton(PersonsEdit, PersonsButton));
    links->addRow(QStringLiteral("Jobb:"), JobCombo);
    links->addRow(QStringLiteral("Firma:"), CompanyCombo);
    links->addRow(QStringLiteral("Kontakt:"), ContactCombo);
    ProjectLabel = new QLabel(QStringLiteral("Prosjekt:"));
    ProjectLabel->setObjectName(QStringLiteral("ProjectLabel"));
    ProjectLabel->setBuddy(ProjectCombo);
    links->addRow(ProjectLabel, ProjectCombo);
    links->addRow(QStringLiteral("System:"), SystemCombo);
    links->addRow(QStringLiteral("Produkt:"), ProductCombo);
    links->addRow(QStringLiteral("Utstyr:"), AssetCombo);

    // Type.
    QVariantList typeValues;
    for (int v : DocumentTypeValues) typeValues << v;
    TypeGroup = new TDBRadioGroup(QStringLiteral("Dokumenttype:"), DocumentTypeCaptions, typeValues);
    TypeGroup->setField(ds, QStringLiteral("document_type"));
    DataIncludedBox = new TDBCheckBox(QStringLiteral("Data i databasen"), ds, QStringLiteral("dataincluded"));
    DataIncludedBox->setValues(1, 0);
    MimeCombo = new TDBComboBox(ds, QStringLiteral("document_mime"), DocumentMimeTypes, true);
    InfoMemo = new TDBMemo(ds, QStringLiteral("document_info"));
    InfoMemo->setFixedHeight(60);
    SizeEdit = new TDBEdit(ds, QStringLiteral("document_size"));
    RegnumberEdit = new TDBEdit(ds, QStringLiteral("regnumber"));
    RegnumberEdit->setToolTip(QStringLiteral("Registreringsnummer"));
    auto* typePanel = new QWidget;
    {
        auto* g = new QGridLayout(typePanel);
        g->setContentsMargins(8, 4, 8, 8);
        g->addWidget(TypeGroup, 0, 0, 5, 1);
        auto* form = new QFormLayout;
        form->addRow(DataIncludedBox);
        form->addRow(QStringLiteral("MIME:"), MimeCombo);
        form->addRow(QStringLiteral("Filinfo:"), InfoMemo);
        form->addRow(QStringLiteral("Størrelse:"), SizeEdit);
        form->addRow(QStringLiteral("Reg.nr.:"), RegnumberEdit);
        g->addLayout(form, 0, 1, 5, 1);
        g->setColumnStretch(1, 1);
    }
    addPanel(typePanel);

    setDataset(ds);
    setClientWidth(520);

    // The data tool's drops on the fields.
    dropControls_ = {{QStringLiteral("subject"), SubjectEdit},        {QStringLiteral("category"), CategoryEdit},
                     {QStringLiteral("user"), OwnerCombo},            {QStringLiteral("document_created"), CreatedEdit},
                     {QStringLiteral("updated"), UpdatedEdit},        {QStringLiteral("document_path"), PathEdit},
                     {QStringLiteral("document_name"), NameEdit},     {QStringLiteral("jobid"), JobCombo},
                     {QStringLiteral("companyid"), CompanyCombo},     {QStringLiteral("userid"), ContactCombo},
                     {QStringLiteral("projectid"), ProjectCombo},     {QStringLiteral("systemid"), SystemCombo},
                     {QStringLiteral("productid"), ProductCombo},     {QStringLiteral("assetid"), AssetCombo},
                     {QStringLiteral("document_size"), SizeEdit},     {QStringLiteral("regnumber"), RegnumberEdit}};
    for (auto it = dropControls_.cbegin(); it != dropControls_.cend(); ++it) {
        const QString field = it.key();
        new DropTarget(
            it.value(), [field](const DropEvent& e) { return DocumentFieldDrop(field, e); },
            [this](const DropResult& r) {
                ApplyDocumentDrop(r);
                UpdateLockLabel();
            },
            [] { return DatasetRow(&DataModule().DocumentQuery); });
    }
    UpdateLockLabel();
}

TDBLookupComboBox* TDocumentDataForm::lookup(const QString& field, const QString& table, const QString& text,
                                             bool lazy)
{
    TDatabaseModule& dm = DataModule();
    auto* c = new TDBLookupComboBox;
    c->setListQuery(&dm.MyConnection,
                    QStringLiteral("SELECT id, `%1` FROM `%2` ORDER BY `%1`").arg(text, table));
    if (lazy) {
        // Long registers: the list is read when it drops down, the shown
        // name from its own row.
        Connection* conn = &dm.MyConnection;
        c->setLazy([conn, table, text](qint64 id) {
            return conn->scalar(QStringLiteral("SELECT `%1` FROM `%2` WHERE id=%3").arg(text, table).arg(id));
        });
    }
    c->setField(&dm.DocumentQuery, field);
    return c;
}

void TDocumentDataForm::FormShow()
{
    TDataForm::FormShow();
    UpdateLockLabel();
}

void TDocumentDataForm::UpdateLockLabel()
{
    QPalette p = ProjectLabel->palette();
    p.setColor(QPalette::WindowText, ProjectLockId != 0 ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
    ProjectLabel->setPalette(p);
    ProjectLabel->setToolTip(ProjectLockId != 0 ? QStringLiteral("Dokumentlisten er låst til prosjektet")
                                                : QString());
}

void TDocumentDataForm::FileButtonClick()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    // Start in the local folder of the row's web folder.
    const WebFolderSettings s = WebFolderSettings::Read();
    const QString name = ds->asString(QStringLiteral("document_name"));
    QString start = DataBaseDocumentFolder(ds->asString(QStringLiteral("document_path")));
    if (start.isEmpty()) {
        const DocumentLocation loc = LocateDocument(
            s, DocumentReference(ds->asString(QStringLiteral("document_path")), name.isEmpty() ? QStringLiteral("x") : name));
        start = loc.ok() ? QFileInfo(loc.local).absolutePath() : s.localBase();
    }
    start.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QDir(start).exists()) start = s.localBase();
    if (!name.isEmpty()) start = QDir(start).filePath(name);
    const QString file = ChooseFile(QStringLiteral("Velg dokument"), start);
    if (file.isEmpty()) return;
    RegisterFile(file);
}

bool TDocumentDataForm::RegisterFile(const QString& file)
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return false;
    const QFileInfo info(file);
    if (!info.isFile()) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Finner ikke filen %1.").arg(file), QStringLiteral("Feil"));
        return false;
    }
    QString error;
    const QString address = DatabaseDocumentURLName(info.absoluteFilePath(), &error);
    if (address.isEmpty()) {
        CurrentDialogs()->ShowMessage(error, QStringLiteral("Feil"));
        return false;
    }
    const int slash = address.lastIndexOf(QLatin1Char('/'));
    const QString name = address.mid(slash + 1);
    const QString folder = slash < 0 ? QString() : address.left(slash);
    if (ds->state() != Dataset::Edit && ds->state() != Dataset::Insert && !ds->edit()) return false;
    if (!ds->setValue(QStringLiteral("document_name"), name) || !ds->setValue(QStringLiteral("document_path"), folder))
        return false;
    ds->setValue(QStringLiteral("document_size"), info.size());
    // What the file tells, where the row has nothing yet.
    if (ds->asString(QStringLiteral("subject")).isEmpty()) ds->setValue(QStringLiteral("subject"), info.completeBaseName().left(128));
    if (ds->asString(QStringLiteral("document_mime")).isEmpty())
        ds->setValue(QStringLiteral("document_mime"), QMimeDatabase().mimeTypeForFile(info).name().left(64));
    if (ds->isNull(QStringLiteral("document_created")))
        ds->setValue(QStringLiteral("document_created"), info.lastModified());
    return true;
}

void TDocumentDataForm::PersonsButtonClick()
{
    Dataset* ds = dataset();
    if (!ds || !ds->isOpen() || ds->recNo() < 0) return;
    SelectPersons(*ds);
}

void TDocumentDataForm::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(QStringLiteral("TDataToolForm")))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 103));
    TDataForm::changeEvent(e);
}

} // namespace archive
