#include "ui/listform.h"

#include "core/dialogs.h"
#include "core/sysreg.h"
#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

namespace {
InputStrFunction g_inputStr = nullptr;
}

void SetInputStrFunction(InputStrFunction f) { g_inputStr = f; }

bool AskInputStr(const QString& prompt, QString& answer)
{
    if (g_inputStr) return g_inputStr(prompt, QString(), answer);
    QString value;
    {
        UserIniSection s;
        value = GetRegStr(QStringLiteral("LastInputStr"));
    }
    if (!CurrentDialogs()->InputText(Dialogs::InputCaption(), prompt, value)) {
        answer.clear();
        return false;
    }
    answer = value;
    UserIniSection s;
    SetRegStr(QStringLiteral("LastInputStr"), value);
    return true;
}

TListForm::TListForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    resize(760, 420);
    Grid = new DataGrid(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Grid);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Ny1 = makeAction(PopupMenu1, QStringLiteral("Ny1"), QStringLiteral("Ny"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Rediger1 = makeAction(PopupMenu1, QStringLiteral("Rediger1"), QStringLiteral("Rediger"),
                          QKeySequence(Qt::CTRL | Qt::Key_Return));
    Rediger1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return)});
    Slett1 = makeAction(PopupMenu1, QStringLiteral("Slett1"), QStringLiteral("Slett"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Oppdater1 = makeAction(PopupMenu1, QStringLiteral("Oppdater1"), QStringLiteral("Oppdater"), QKeySequence(Qt::Key_F5));
    Filter1 = PopupMenu1->addMenu(QStringLiteral("Filter"));
    Filter1->setObjectName(QStringLiteral("Filter1"));
    Sketter1 = makeAction(Filter1, QStringLiteral("Sketter1"), QStringLiteral("Filtrer etter ..."),
                          QKeySequence(Qt::CTRL | Qt::Key_F));
    filterSeparator_ = Filter1->addSeparator();
    Alle1 = makeAction(Filter1, QStringLiteral("Alle1"), QStringLiteral("Vis alle"), QKeySequence(Qt::CTRL | Qt::Key_A));

    connect(Ny1, &QAction::triggered, this, [this] { Ny1Click(); });
    connect(Rediger1, &QAction::triggered, this, [this] { Rediger1Click(); });
    connect(Slett1, &QAction::triggered, this, [this] { Slett1Click(); });
    connect(Oppdater1, &QAction::triggered, this, [this] { Oppdater1Click(); });
    connect(Sketter1, &QAction::triggered, this, [this] { Sketter1Click(); });
    connect(Alle1, &QAction::triggered, this, [this] { Alle1Click(); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TListForm::PopupMenu1Popup);

    wireGrid();
}

void TListForm::wireGrid()
{
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(Grid->viewport()->mapToGlobal(p)); });
    connect(Grid, &DataGrid::rowDoubleClicked, this, [this] { Rediger1Click(); });
    Grid->installEventFilter(this);
}

void TListForm::replaceGrid(DataGrid* grid)
{
    DataGrid* old = Grid;
    grid->setParent(this);
    grid->setObjectName(QStringLiteral("Grid"));
    delete layout()->replaceWidget(old, grid);  // the old grid's layout item is ours
    Grid = grid;
    delete old;
    wireGrid();
}

bool TListForm::eventFilter(QObject* o, QEvent* e)
{
    // The grid claims Ctrl+A (select all) for itself; the menu keys win.
    if (e->type() == QEvent::ShortcutOverride) {
        const QKeySequence seq(static_cast<QKeyEvent*>(e)->keyCombination());
        for (QAction* a : actions())
            for (const QKeySequence& s : a->shortcuts())
                if (s == seq) {
                    e->ignore();
                    return true;
                }
    }
    return QWidget::eventFilter(o, e);
}

QAction* TListForm::makeAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    menu->addAction(a);
    addAction(a);  // the shortcut works while the menu is closed
    return a;
}

void TListForm::setDataset(Dataset* ds, const std::vector<GridColumn>& columns)
{
    ds_ = ds;
    Grid->setDataset(ds, columns);
}

QAction* TListForm::addFixedFilter(const QString& caption, const QString& condition)
{
    auto* a = new QAction(caption, this);
    Filter1->insertAction(filterSeparator_, a);
    connect(a, &QAction::triggered, this, [this, condition] { ApplyFilter(condition); });
    return a;
}

QMenu* TListForm::addSubMenu(const QString& caption)
{
    QMenu* m = PopupMenu1->addMenu(caption);
    return m;
}

QAction* TListForm::addWindowItem(QMenu* menu, const QString& caption, const QString& windowClass,
                                  std::function<void()> action)
{
    auto* a = new QAction(caption, this);
    menu->addAction(a);
    connect(a, &QAction::triggered, this, [action = std::move(action)] { action(); });
    windowItems_.emplace_back(a, windowClass);
    a->setEnabled(Windows().has(windowClass));
    return a;
}

QMenu* TListForm::jumpMenu()
{
    if (!VisTilhorende1) {
        VisTilhorende1 = addSubMenu(QStringLiteral("Vis tilhørende"));
        VisTilhorende1->setObjectName(QStringLiteral("VisTilhorende1"));
    }
    return VisTilhorende1;
}

QAction* TListForm::addJump(const QString& caption, const QString& windowClass, Dataset& dataset,
                            const QString& keyField)
{
    QPointer<Dataset> target(&dataset);
    return addWindowItem(jumpMenu(), caption, windowClass, [this, target, windowClass, keyField] {
        if (!target || !ds_) return;
        ShowFiltered(*target, keyField + QLatin1Char('=') + QString::number(ds_->currentId()), windowClass);
    });
}

QAction* TListForm::enablePrint(std::function<void()> print)
{
    print_ = std::move(print);
    if (!Utskrift1) {
        Utskrift1 = new QAction(QStringLiteral("Utskrift av listen"), this);
        Utskrift1->setObjectName(QStringLiteral("Utskrift1"));
        Utskrift1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        PopupMenu1->insertAction(Filter1->menuAction(), Utskrift1);
        addAction(Utskrift1);
        connect(Utskrift1, &QAction::triggered, this, [this] {
            if (print_) print_();
        });
    }
    return Utskrift1;
}

void TListForm::PopupMenu1Popup()
{
    for (auto& [a, cls] : windowItems_) a->setEnabled(Windows().has(cls));
}

void TListForm::Ny1Click()
{
    if (!ds_ || !ds_->isOpen()) return;
    if (!ds_->insert()) return;
    if (postNewRows) {
        if (ds_->state() == Dataset::Edit || ds_->state() == Dataset::Insert) {
            if (!ds_->post()) return;
        }
        ds_->edit();
    }
    if (!recordWindow_.isEmpty()) Windows().show(recordWindow_);
}

void TListForm::Rediger1Click()
{
    if (!ds_ || !ds_->isOpen() || ds_->recNo() < 0) return;
    if (!recordWindow_.isEmpty()) Windows().show(recordWindow_);
}

void TListForm::Slett1Click()
{
    if (!ds_ || !ds_->isOpen() || ds_->recNo() < 0) return;
    ds_->remove();  // the table's rule asks first and may refuse
}

void TListForm::Oppdater1Click()
{
    if (!ds_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DataModule().TableOpen(*ds_, true, false);
    QApplication::restoreOverrideCursor();
}

QString TListForm::SearchCondition(const QString& text) const
{
    const QString t = ds_ ? ds_->connection()->escapeLike(text) : SqlEscape(text);
    QStringList terms;
    for (const QString& f : searchFields_) terms << f + QStringLiteral(" like '%") + t + QStringLiteral("%'");
    return terms.join(QStringLiteral(" OR "));
}

void TListForm::Sketter1Click()
{
    if (!ds_ || searchFields_.isEmpty()) return;
    QString text;
    AskInputStr(QStringLiteral("Søk etter:"), text);
    if (text.isEmpty()) return;  // cancelled or nothing typed: the filter stays
    ApplyFilter(SearchCondition(text));
}

void TListForm::Alle1Click() { ApplyFilter(QString()); }

void TListForm::ApplyFilter(const QString& condition)
{
    if (!ds_) return;
    ds_->setFilter(condition);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DataModule().TableOpen(*ds_, true, false);
    QApplication::restoreOverrideCursor();
}

void TListForm::OpenData()
{
    if (ds_) DataModule().TableOpen(*ds_, true, gotoLastOnShow);
}

void TListForm::FormShow()
{
    LoadWindow(this, placementKey);
    OpenData();
    PopupMenu1Popup();
}

void TListForm::FormClose() { SaveWindow(this, placementKey, QString()); }

void TListForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    QWidget::showEvent(e);
}

void TListForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    QWidget::closeEvent(e);
}

void TListForm::ShowFiltered(Dataset& target, const QString& condition, const QString& windowClass)
{
    target.setFilter(condition);
    if (QWidget* w = Windows().find(windowClass); w && w->isVisible()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DataModule().TableOpen(target, true, false);
        QApplication::restoreOverrideCursor();
    }
    Windows().show(windowClass);
}

void TListForm::ShowDocuments(const QString& prefix, qint64 id)
{
    Document_WHERE = prefix + QString::number(id);
    const QString cls = QStringLiteral("TDocumentListForm");
    QWidget* w = Windows().find(cls);
    if (w && w->isVisible()) DataModule().DocumentSQLSelect();
    else Windows().show(cls);
}
