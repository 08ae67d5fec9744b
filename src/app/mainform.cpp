#include "app/mainform.h"

#include "admin/inputform.h"
#include "admin/mappeoppsettform.h"
#include "admin/sqlform.h"
#include "app/connectform.h"
#include "core/dialogs.h"
#include "core/login.h"
#include "core/platform.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPanelHeight = 62;
constexpr int kButtonWidth = 132;
constexpr int kButtonHeight = 48;

QIcon icon(const QString& themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(fallback));
}
} // namespace

TMainform::TMainform(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QStringLiteral("Kvarnel"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(icon(QStringLiteral("office-database"), QStyle::SP_ComputerIcon));

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    StdPanel = makePanel("StdPanel", QStringLiteral("HideStdPanel"));
    addButton(StdPanel, QStringLiteral("Fir&maer"), QStringLiteral("go-home"), QStringLiteral("TCompanyListForm"));
    addButton(StdPanel, QStringLiteral("&Kontakter"), QStringLiteral("x-office-address-book"),
              QStringLiteral("TContactListForm"));
    CalendarButton = addButton(StdPanel, QStringLiteral("K&alender"), QStringLiteral("x-office-calendar"),
                               QStringLiteral("TCalendarListForm"));
    CalendarButton->setToolTip(QStringLiteral("Høyreklikk for å vise en kalender"));
    CalendarButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CalendarButton, &QWidget::customContextMenuRequested, this,
            [this] { openWindow(QStringLiteral("TCalendarSelectForm"), "ShowToday"); });

    SalePanel = makePanel("SalePanel", QStringLiteral("HideSalePanel"));
    addButton(SalePanel, QStringLiteral("&Ordre"), QStringLiteral("document-properties"),
              QStringLiteral("TOrderListForm"));
    addButton(SalePanel, QStringLiteral("&Tilbud"), QStringLiteral("document-new"), QStringLiteral("TOfferListForm"));
    addButton(SalePanel, QStringLiteral("&Nyheter"), QStringLiteral("internet-news-reader"),
              QStringLiteral("TNewsListForm"));
    addButton(SalePanel, QStringLiteral("&Reklame"), QStringLiteral("image-x-generic"),
              QStringLiteral("TBannerListForm"));

    POPanel = makePanel("POPanel", QStringLiteral("HidePOPanel"));
    addButton(POPanel, QStringLiteral("&Innkjøp"), QStringLiteral("mail-send-receive"), QStringLiteral("TPOListForm"));
    addButton(POPanel, QStringLiteral("&Varer"), QStringLiteral("package-x-generic"),
              QStringLiteral("TProductListForm"));
    addButton(POPanel, QStringLiteral("Varetransaksjoner"), QStringLiteral("view-list-details"),
              QStringLiteral("TItemsListForm"));

    ProjectPanel = makePanel("ProjectPanel", QStringLiteral("HideProjectPanel"));
    addButton(ProjectPanel, QStringLiteral("&Prosjekt"), QStringLiteral("folder"),
              QStringLiteral("TProjectListForm"));
    addButton(ProjectPanel, QStringLiteral("&Systemer"), QStringLiteral("view-list-tree"),
              QStringLiteral("TSubProjectListForm"));
    addButton(ProjectPanel, QStringLiteral("&Dokumenter"), QStringLiteral("x-office-document"),
              QStringLiteral("TDocumentListForm"));
    addButton(ProjectPanel, QStringLiteral("Timeregistrering"), QStringLiteral("appointment-new"),
              QStringLiteral("TCalendarRegListForm"));

    AssetPanel = makePanel("AssetPanel", QStringLiteral("HideAssetPanel"));
    addButton(AssetPanel, QStringLiteral("&Utstyr"), QStringLiteral("applications-engineering"),
              QStringLiteral("TAssetListForm"));
    addButton(AssetPanel, QStringLiteral("&Jobber"), QStringLiteral("system-run"), QStringLiteral("TJobListForm"));
    addButton(AssetPanel, QStringLiteral("Personal"), QStringLiteral("system-users"),
              QStringLiteral("TUserListForm"));
    // The TFM code builder as a free tool beside the asset register.
    addButton(AssetPanel, QStringLiteral("TFM-koder"), QStringLiteral("accessories-text-editor"),
              QStringLiteral("TTFMform"));

    AccountPanel = makePanel("AccountPanel", QStringLiteral("HideAccountPanel"));
    addButton(AccountPanel, QStringLiteral("&Faktura"), QStringLiteral("x-office-spreadsheet"),
              QStringLiteral("TInvoiceListForm"));
    addButton(AccountPanel, QStringLiteral("Kontoplan"), QStringLiteral("accessories-dictionary"),
              QStringLiteral("TAccountListForm"));
    addButton(AccountPanel, QStringLiteral("Posteringer"), QStringLiteral("format-justify-fill"),
              QStringLiteral("TEntriesListForm"));

    ToolPanel = makePanel("ToolPanel", QStringLiteral("HideToolPanel"));
    QPushButton* files =
        addButton(ToolPanel, QStringLiteral("Filer"), QStringLiteral("folder-open"), QString());
    connect(files, &QPushButton::clicked, this, [this] { OpenFolder(TrelvoPath(QStringLiteral("data\\docs"))); });
    QPushButton* pdf = addButton(ToolPanel, QStringLiteral("PDF-mappe"), QStringLiteral("folder-documents"), QString());
    connect(pdf, &QPushButton::clicked, this, [this] { OpenPdfFolder(); });
    addButton(ToolPanel, QStringLiteral("Kalkulator"), QStringLiteral("accessories-calculator"),
              QStringLiteral("TKalkulatorForm"));

    fitButtons();
    for (const Module& m : modules_)
        v->addWidget(m.panel);
    v->addStretch(1);
    setCentralWidget(central);

    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(StatusPanel, 1);
    statusBar()->setSizeGripEnabled(false);

    buildMenu();
    UpdateAvailability();
    AdjustForm();
}

QFrame* TMainform::makePanel(const char* name, const QString& hideKey)
{
    // Each module has its own colour on its left edge.
    static const QColor colours[] = {QColor(0x2E, 0x6D, 0xB4), QColor(0x3C, 0x9A, 0x5F), QColor(0xC8, 0x7F, 0x1E),
                                     QColor(0x7A, 0x4F, 0xA8), QColor(0x8A, 0x6A, 0x4A), QColor(0xB0, 0x3A, 0x3A),
                                     QColor(0x5A, 0x6A, 0x7A)};
    const QColor colour = colours[modules_.size() % 7];
    auto* panel = new QFrame(this);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setFixedHeight(kPanelHeight);
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(0, 6, 2, 6);
    h->setSpacing(6);
    auto* stripe = new QFrame(panel);
    stripe->setFixedWidth(6);
    stripe->setAutoFillBackground(true);
    QPalette pal = stripe->palette();
    pal.setColor(QPalette::Window, colour);
    stripe->setPalette(pal);
    h->addWidget(stripe);
    h->addStretch(1);  // buttons go before this stretch
    auto* hide = new QToolButton(panel);
    hide->setObjectName(QLatin1String(name) + QStringLiteral("Hide"));
    hide->setAutoRaise(true);
    hide->setArrowType(Qt::UpArrow);
    hide->setFixedSize(14, kButtonHeight);
    hide->setToolTip(QStringLiteral("Skjul"));
    hide->setFocusPolicy(Qt::NoFocus);
    h->addWidget(hide);
    connect(hide, &QToolButton::clicked, this, [this, panel] { HidePanel(panel); });
    modules_.push_back({panel, hideKey, hide});
    return panel;
}

void TMainform::fitButtons()
{
    // Every button as wide and tall as the largest text needs in the font
    // in use, at least the designed size; the panels follow.
    QSize size(kButtonWidth, kButtonHeight);
    for (QPushButton* b : buttons_)
        size = size.expandedTo(b->sizeHint());
    for (QPushButton* b : buttons_)
        b->setFixedSize(size);
    const int panelHeight = std::max(kPanelHeight, size.height() + 14);
    for (const Module& m : modules_) {
        m.panel->setFixedHeight(panelHeight);
        m.hideButton->setFixedSize(14, size.height());
    }
}

QPushButton* TMainform::addButton(QFrame* panel, const QString& caption, const QString& iconName,
                                  const QString& windowClass)
{
    auto* b = new QPushButton(caption, panel);
    b->setFixedSize(kButtonWidth, kButtonHeight);
    // A themed icon where the desktop has one; plain text otherwise.
    if (QIcon::hasThemeIcon(iconName)) {
        b->setIcon(QIcon::fromTheme(iconName));
        b->setIconSize(QSize(22, 22));
    }
    QFont f = b->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    b->setFont(f);
    b->setAutoDefault(false);
    auto* h = static_cast<QHBoxLayout*>(panel->layout());
    h->insertWidget(h->count() - 2, b);
    buttons_.push_back(b);
    if (!windowClass.isEmpty()) {
        openers_.push_back({windowClass, b, nullptr});
        if (windowClass == QLatin1String("TContactListForm"))
            connect(b, &QPushButton::clicked, this, [this, windowClass] { openWindow(windowClass, "ShowAll"); });
        else
            connect(b, &QPushButton::clicked, this, [this, windowClass] { openWindow(windowClass); });
    }
    return b;
}

QAction* TMainform::addAction(QMenu* menu, const QString& caption, const QString& windowClass, bool modal)
{
    QAction* a = menu->addAction(caption);
    actions_.push_back(a);
    if (!windowClass.isEmpty()) {
        openers_.push_back({windowClass, nullptr, a});
        connect(a, &QAction::triggered, this, [this, windowClass, modal] {
            if (modal)
                Windows().showModal(windowClass);
            else
                openWindow(windowClass);
        });
    }
    return a;
}

void TMainform::buildMenu()
{
    QMenu* database = menuBar()->addMenu(QStringLiteral("Database"));
    QAction* connectDb = addAction(database, QStringLiteral("Koble til database"), QString());
    connect(connectDb, &QAction::triggered, this, &TMainform::DatabaseConnectExecute);
    QMenu* tools = database->addMenu(QStringLiteral("Verktøy"));
    QAction* sql = addAction(tools, QStringLiteral("SQL"), QString());
    connect(sql, &QAction::triggered, this, &TMainform::SQL1Click);

    QMenu* view = menuBar()->addMenu(QStringLiteral("Vis"));
    addAction(view, QStringLiteral("Aktiviteter"), QStringLiteral("TActivityForm"));
    addAction(view, QStringLiteral("Verktøy"), QStringLiteral("TDataToolForm"));
    addAction(view, QStringLiteral("SQL-vindu"), QStringLiteral("TSQLForm"));
    view->addSeparator();
    QAction* all = addAction(view, QStringLiteral("Alle moduler"), QString());
    all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    all->setShortcutContext(Qt::WindowShortcut);
    connect(all, &QAction::triggered, this, &TMainform::AlleModulerClick);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("Oppsett"));
    addAction(setup, QStringLiteral("Tabelloppsett"), QStringLiteral("TTableSetupForm"), true);
    addAction(setup, QStringLiteral("Grupper"), QStringLiteral("TGroupForm"));
    QAction* folders = addAction(setup, QStringLiteral("Mapper"), QString());
    openers_.push_back({QStringLiteral("TMappeOppsettForm"), nullptr, folders});
    connect(folders, &QAction::triggered, this, [] {
        if (auto* f = Windows().get<TMappeOppsettForm>()) {
            f->VisMappeOppsett(false);
            Windows().show(QStringLiteral("TMappeOppsettForm"));
        }
    });
    QAction* mail = addAction(setup, QStringLiteral("Epost"), QString());
    openers_.push_back({QStringLiteral("TfmSetup"), nullptr, mail});
    connect(mail, &QAction::triggered, this, [this] { openWindow(QStringLiteral("TfmSetup"), "ShowSendOnly"); });
    addAction(setup, QStringLiteral("WEB-mappe"), QStringLiteral("TWebfolderForm"));
    QMenu* advanced = setup->addMenu(QStringLiteral("Avansert"));
    addAction(advanced, QStringLiteral("Oppstart"), QStringLiteral("TOppstartForm"), true);
    setup->addSeparator();
    addAction(setup, QStringLiteral("Kvarnel Oppsett"), QStringLiteral("TOppsettDialog"));
    addAction(setup, QStringLiteral("Håndterminal"), QStringLiteral("TProductTerminalForm"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Hjelp"));
    addAction(help, QStringLiteral("Systeminformasjon"), QStringLiteral("TSysInfoForm"));
}

QPushButton* TMainform::button(const QString& caption) const
{
    for (QPushButton* b : buttons_)
        if (b->text() == caption)
            return b;
    return nullptr;
}

QAction* TMainform::action(const QString& caption) const
{
    for (QAction* a : actions_)
        if (a->text() == caption)
            return a;
    return nullptr;
}

void TMainform::UpdateAvailability()
{
    for (const Opener& o : openers_) {
        const bool there = Windows().has(o.windowClass);
        if (o.button)
            o.button->setEnabled(there);
        if (o.action)
            o.action->setEnabled(there);
    }
    if (QAction* sql = action(QStringLiteral("SQL")))
        sql->setEnabled(HasDataModule());
}

void TMainform::openWindow(const QString& windowClass, const char* method)
{
    QWidget* w = Windows().find(windowClass);
    if (!w)
        return;
    Windows().show(windowClass);
    if (method && w->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(
                      (QByteArray(method) + "()").constData())) >= 0)
        QMetaObject::invokeMethod(w, method);
}

bool TMainform::OpenFolder(const QString& folder)
{
    if (folder.isEmpty()) return false;
    QDir().mkpath(folder);
    if (StartProg(folder)) return true;
    // Said at every click, so a button never seems dead; the log has the
    // reason (no xdg-open, or it could not be started).
    CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke åpne mappen ") + folder +
                                      QStringLiteral(": skrivebordet har ikke noe program som åpner mapper "
                                                     "(xdg-open). ") + DesktopOpenerAdvice(),
                                  QStringLiteral("Feil"));
    return false;
}

bool TMainform::OpenPdfFolder()
{
    QString folder;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        folder = GetRegStr(QStringLiteral("PDF-mappe")).trimmed();
    }
    if (folder.isEmpty()) {
        LogLine(QStringLiteral("FEIL: PDF-mappe er ikke satt"));
        CurrentDialogs()->ShowMessage(QStringLiteral("PDF-mappen er ikke valgt. Velg den i \"Oppsett\" → \"Mapper\" "
                                                     "(\"PDF-mappe:\")."),
                                      QStringLiteral("Feil"));
        return false;
    }
    // A folder written with backslashes (as the setting was on Windows)
    // gets this desktop's separators.
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return OpenFolder(folder);
}

int TMainform::ClientHeight() const
{
    int h = statusBar()->sizeHint().height();
    for (const Module& m : modules_)
        if (!m.panel->isHidden())
            h += m.panel->height();
    return h;
}

void TMainform::AdjustForm()
{
    int width = menuBar()->sizeHint().width();
    for (const Module& m : modules_)
        width = std::max(width, m.panel->minimumSizeHint().width());
    setFixedSize(width, menuBar()->sizeHint().height() + ClientHeight());
}

void TMainform::readHiddenPanels()
{
    UserIniSection s;
    for (const Module& m : modules_)
        m.panel->setVisible(!GetRegBoolean(m.hideKey));
}

void TMainform::HidePanel(QFrame* panel)
{
    panel->hide();
    for (const Module& m : modules_)
        if (m.panel == panel) {
            UserIniSection s;
            SetRegBoolean(m.hideKey, true);
        }
    AdjustForm();
}

void TMainform::AlleModulerClick()
{
    {
        UserIniSection s;
        for (const Module& m : modules_) {
            m.panel->show();
            SetRegBoolean(m.hideKey, false);
        }
    }
    AdjustForm();
}

void TMainform::SQL1Click()
{
    if (!HasDataModule())
        return;
    QString statement;
    InputStr(QStringLiteral("Utfør SQL:"), QString(), statement);
    if (statement.trimmed().isEmpty())
        return;
    TDatabaseModule& dm = DataModule();
    if (dm.SQLExecute(statement))
        return;
    // The server's own words tell the user what was wrong.
    const QString error = dm.MyConnection.isOpen() ? dm.MyConnection.lastError()
                                                   : QStringLiteral("Ikke koblet til databasen.");
    if (auto* sqlForm = Windows().get<TSQLForm>())
        sqlForm->ShowSqlError(statement, error);
    CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke utføre SQL-setningen:\n") + statement +
                                      QStringLiteral("\n\n") + error,
                                  QStringLiteral("Feil"));
}

void TMainform::FormShow()
{
    if (QWidget* info = Windows().find(QStringLiteral("TSysInfoForm")))
        info->setProperty("ProgramLabelName", QStringLiteral("Kvarnel SQL"));
    LoadWindow(this, QStringLiteral("MainForm6"), QStringLiteral("OnlyPos"));
    readHiddenPanels();
    AdjustForm();
    UpdateAvailability();
    if (runLoginOnShow)
        QTimer::singleShot(0, this, &TMainform::DatabaseConnectExecute);
}

void TMainform::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange && !buttons_.empty()) {
        fitButtons();
        AdjustForm();
    }
    QMainWindow::changeEvent(e);
}

void TMainform::showEvent(QShowEvent* e)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(e);
}

void TMainform::DatabaseConnectExecute()
{
    if (auto* login = Windows().get<TDatabaseConnectForm>())
        login->exec();
    // The placement is kept per login user; before the login only the
    // workstation user's file could be read.
    if (MyLoginStatus == 1) LoadWindow(this, QStringLiteral("MainForm6"), QStringLiteral("OnlyPos"));
    ShowLoginStatus();
}

QString TMainform::statusText() const
{
    return StatusPanel->text();
}

void TMainform::ShowLoginStatus()
{
    StatusPanel->setText(MyLoginUsername + QLatin1Char('@') + MyLoginServer + QStringLiteral("   ") +
                         MyLoginRealName);
}

void TMainform::FormClose()
{
    if (closedDone_)
        return;
    closedDone_ = true;
    SaveWindow(this, QStringLiteral("MainForm6"));
    if (HasDataModule())
        DataModule().UpDateIniFiles();
}

void TMainform::closeEvent(QCloseEvent* e)
{
    FormClose();
    QMainWindow::closeEvent(e);
    emit closed();
}
