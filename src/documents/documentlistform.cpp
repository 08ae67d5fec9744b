#include "documents/documentlistform.h"

#include "core/login.h"
#include "data/datamodule.h"
#include "documents/documentarchive.h"
#include "documents/documentrules.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>

#include <memory>
#include <utility>

namespace archive {

TDocumentListForm::TDocumentListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("DocumentListForm"));
    setWindowTitle(QStringLiteral("Dokumenter"));
    placementKey = QStringLiteral("DocumentListForm");
    resize(940, 420);

    TDatabaseModule& dm = DataModule();
    setDataset(&dm.DocumentQuery, {{"subject", "Emne", 300},
                                   {"document_name", "Filnavn", 300},
                                   {"category", "Kategori", 140},
                                   {"updated", "Oppdatert", 130}});
    Grid->setObjectName(QStringLiteral("DBGrid1"));
    // A new document is the newest: once saved, the list is read again in
    // its order (newest first) and stays on it, instead of keeping it at
    // the end where a new row is made.
    auto inserting = std::make_shared<bool>(false);
    dm.DocumentQuery.beforePost = [inserting](Dataset& d) {
        *inserting = d.state() == Dataset::Insert;
        return true;
    };
    dm.DocumentQuery.afterPost = [inserting](Dataset&) {
        if (std::exchange(*inserting, false)) RunDocumentSelect();
    };
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setRecordWindow(QStringLiteral("TDocumentDataForm"));

    // A double click opens the document, not the record window.
    disconnect(Grid, &DataGrid::rowDoubleClicked, this, nullptr);
    connect(Grid, &DataGrid::rowDoubleClicked, this, [this] { DBGrid1DblClick(); });
    // A column title sorts through the document select.
    disconnect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, Grid, nullptr);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { TitleClick(c); });

    Egenskaper1 = Rediger1;
    Egenskaper1->setObjectName(QStringLiteral("Egenskaper1"));
    Filtrereetter1 = Sketter1;
    Filtrereetter1->setText(QStringLiteral("Filtrere etter ..."));
    Alle1->setText(QStringLiteral("Alle"));
    Minedokumenter1 = filterItem(QStringLiteral("Mine dokumenter"), QString());
    disconnect(Minedokumenter1, &QAction::triggered, this, nullptr);
    connect(Minedokumenter1, &QAction::triggered, this,
            [] { SetDocumentFilter(QStringLiteral("document.user=") + QString::number(MyLoginID)); });
    Linker1 = filterItem(QStringLiteral("Linker"), QStringLiteral("document_type=6"));
    Programfiler1 = filterItem(QStringLiteral("Programfiler"), QStringLiteral("document_type=5"));
    Bilder1 = filterItem(QStringLiteral("Bilder"), QStringLiteral("document_type=3"));
    Dokument1 = filterItem(QStringLiteral("Dokument"), QStringLiteral("document_type<3"));
    Publiserte1 = filterItem(QStringLiteral("Publiserte"), QStringLiteral("document.rwx_all>0"));
    Siste101 = filterItem(QStringLiteral("Siste 10"), QString());
    disconnect(Siste101, &QAction::triggered, this, nullptr);
    connect(Siste101, &QAction::triggered, this, [] { ShowLatestDocuments(); });

    PopupMenu1->addSeparator();
    auto item = [this](const char* name, const QString& caption, std::function<void()> f) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        PopupMenu1->addAction(a);
        connect(a, &QAction::triggered, this, [f = std::move(f)] { f(); });
        return a;
    };
    Forhndsvisning1 = item("Forhndsvisning1", QStringLiteral("Forhåndsvisning"), [this] { Forhndsvisning1Click(); });
    Notat1 = item("Notat1", QStringLiteral("Notat"), [this] { Notat1Click(); });
    Oppdaterlokaledokumenter1 = item("Oppdaterlokaledokumenter1", QStringLiteral("Oppdater lokale dokumenter"),
                                     [this] { Oppdaterlokaledokumenter1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenuOpening(); });

    GridDrops = new DropTarget(
        Grid, &DocumentGridDrop, [](const DropResult& r) { ApplyDocumentDrop(r); },
        [] { return DatasetRow(&DataModule().DocumentQuery); });
}

QAction* TDocumentListForm::filterItem(const QString& caption, const QString& condition)
{
    QAction* a = addFixedFilter(caption, condition);
    // The document query is selected by its own condition, not a table filter.
    disconnect(a, &QAction::triggered, this, nullptr);
    connect(a, &QAction::triggered, this, [condition] { SetDocumentFilter(condition); });
    return a;
}

void TDocumentListForm::OpenData() { RunDocumentSelect(); }

void TDocumentListForm::Ny1Click()
{
    Dataset& q = DataModule().DocumentQuery;
    if (!q.isOpen() && !RunDocumentSelect()) return;
    TListForm::Ny1Click();
}

void TDocumentListForm::Oppdater1Click() { RunDocumentSelect(); }

void TDocumentListForm::Sketter1Click()
{
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    // An empty answer keeps the condition; the rows are read again anyway.
    if (text.isEmpty()) RunDocumentSelect();
    else SetDocumentFilter(DocumentSearchCondition(text));
}

void TDocumentListForm::Alle1Click() { SetDocumentFilter(QString()); }

void TDocumentListForm::DBGrid1DblClick() { OpenCurrentDocument(); }

void TDocumentListForm::Forhndsvisning1Click() { Windows().show(QStringLiteral("TImagePreViewForm")); }

void TDocumentListForm::Notat1Click() { Windows().show(QStringLiteral("TMemoForm")); }

void TDocumentListForm::Oppdaterlokaledokumenter1Click()
{
    if (!PostPendingEdit(&DataModule().DocumentQuery)) return;
    UpdateLocalDocumentsOfList();
}

void TDocumentListForm::PopupMenuOpening()
{
    if (Document_ORDER.contains(QLatin1String("LIMIT"), Qt::CaseInsensitive)) Document_ORDER = QStringLiteral("updated DESC");
}

void TDocumentListForm::TitleClick(int column)
{
    Dataset* ds = dataset();
    if (!ds || !Grid->gridModel()) return;
    const int f = Grid->gridModel()->fieldOfColumn(column);
    if (f < 0 || f >= ds->fieldCount()) return;
    SortDocuments(ds->fieldName(f));
}

void TDocumentListForm::changeEvent(QEvent* e)
{
    // The drag-and-drop tool follows the active window.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        if (QWidget* tool = Windows().find(QStringLiteral("TDataToolForm")))
            QMetaObject::invokeMethod(tool, "SetTable", Q_ARG(int, 103));
    TListForm::changeEvent(e);
}

} // namespace archive
