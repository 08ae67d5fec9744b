#include "printui/printform.h"

#include "core/sysreg.h"
#include "print/utskrift.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const int kPageGap = 12;  // pixels between two pages
const int kMaxZoom = 20;

// The window's placement in the per-user settings, kept on the screen.
void loadPlacement(QWidget* w)
{
    LoadWindow(w, QStringLiteral("UTSKRIFTFORM"));
}

void savePlacement(QWidget* w)
{
    SaveWindow(w, QStringLiteral("UTSKRIFTFORM"));
}

void storeMain(const QString& key, const QString& value)
{
    const bool user = UsingUserIni();
    const QString old = StdSec;
    if (user) SwapToMainIni();
    ResetStdSec();
    SetRegStr(key, value);
    SetStdSec(old);
    if (user) SwapToUserIni();
}

QString readMain(const QString& key)
{
    const bool user = UsingUserIni();
    const QString old = StdSec;
    if (user) SwapToMainIni();
    ResetStdSec();
    const QString v = GetRegStr(key);
    SetStdSec(old);
    if (user) SwapToUserIni();
    return v;
}

}  // namespace

// The paint box: the rendered pages, one under the other.
class TPrintPagesWidget : public QWidget {
public:
    explicit TPrintPagesWidget(QWidget* parent) : QWidget(parent)
    {
        setCursor(Qt::CrossCursor);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QList<QImage> pages;
    QMenu* menu = nullptr;
    std::function<void()> refresh;

    void setPages(QList<QImage> p)
    {
        pages = std::move(p);
        int w = 0, h = 0;
        for (const QImage& img : pages) {
            w = std::max(w, img.width());
            h += img.height() + kPageGap;
        }
        setFixedSize(w + 2 * kPageGap, h + kPageGap);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xE8, 0xE8, 0xE8));
        int y = kPageGap;
        for (const QImage& img : pages) {
            const QRect r(kPageGap, y, img.width(), img.height());
            p.fillRect(r.translated(3, 3), QColor(0xA0, 0xA0, 0xA0));
            p.drawImage(r.topLeft(), img);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            y += img.height() + kPageGap;
        }
    }
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        if (menu) menu->exec(e->globalPos());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton) return;
        // Position from the top-left margin corner of the page clicked.
        int y = int(e->position().y()) - kPageGap;
        for (const QImage& img : pages) {
            if (y < img.height() + kPageGap) break;
            y -= img.height() + kPageGap;
        }
        const int x = int(e->position().x()) - kPageGap;
        if (HitMouseDown) {
            HitMouseDown(int(e->button()), x - PView.left, y - PView.top);
            if (refresh) refresh();
        } else {
            QApplication::beep();
        }
    }
};

TPrintForm::TPrintForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PrintForm"));
    setWindowTitle(QStringLiteral("Forhåndsvisning"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    // An A4 page at the first zoom, as far as the screen allows (the
    // placement keeps it on the screen).
    resize(900, 1000);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setWidgetResizable(false);
    scroll_->setFrameShape(QFrame::NoFrame);
    PaintBox1 = new TPrintPagesWidget(scroll_);
    scroll_->setWidget(PaintBox1);
    PaintBox1->refresh = [this] { Refresh(); };

    PopupMenu1 = new QMenu(this);
    Oppdater1 = PopupMenu1->addAction(QStringLiteral("Oppdater"), this, &TPrintForm::Oppdater1Click);
    Utskrift1 = PopupMenu1->addAction(QStringLiteral("Utskrift"), this, &TPrintForm::Utskrift1Click);
    QMenu* zoom = PopupMenu1->addMenu(QStringLiteral("Zoom"));
    Zoomin1 = zoom->addAction(QStringLiteral("Zoom in"), this, &TPrintForm::Zoomin1Click);
    Zoomut1 = zoom->addAction(QStringLiteral("Zoom ut"), this, &TPrintForm::Zoomut1Click);
    Helesiden1 = zoom->addAction(QStringLiteral("Hele siden"), this, &TPrintForm::Helesiden1Click);
    Sidebredde1 = zoom->addAction(QStringLiteral("Sidebredde"), this, &TPrintForm::Sidebredde1Click);
    Roter1 = PopupMenu1->addAction(QStringLiteral("Roter"), this, &TPrintForm::Roter1Click);
    PaintBox1->menu = PopupMenu1;
    for (QAction* a : {Oppdater1, Utskrift1, Roter1}) addAction(a);
    Zoomin1->setShortcut(QKeySequence::ZoomIn);
    Zoomut1->setShortcut(QKeySequence::ZoomOut);
    addAction(Zoomin1);
    addAction(Zoomut1);

    // The menu's commands also on a tool bar above the pages, where a
    // user finds them without a right click.
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->setAutoFillBackground(true);
    ToolBar1->setBackgroundRole(QPalette::Button);
    for (QAction* a : {Utskrift1, Oppdater1}) ToolBar1->addAction(a);
    ToolBar1->addSeparator();
    for (QAction* a : {Zoomin1, Zoomut1, Helesiden1, Sidebredde1, Roter1}) ToolBar1->addAction(a);

    auto* layout = new QVBoxLayout(this);  // the tool bar, then the pages filling the window
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(scroll_, 1);

    bool okZoom = false;
    const int stored = readMain(QStringLiteral("PreViewZoom")).toInt(&okZoom);
    if (okZoom && stored > 0) ZoomSize = std::min(stored, kMaxZoom);
    RotatedView = readMain(QStringLiteral("RotatedView")).toInt() != 0;
    loadPlacement(this);
}

TPrintForm::~TPrintForm()
{
    storeMain(QStringLiteral("PreViewZoom"), QString::number(ZoomSize));
    savePlacement(this);
}

const QList<QImage>& TPrintForm::pages() const { return PaintBox1->pages; }

void TPrintForm::Refresh()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PaintBox1->setPages(RenderPreviewPages(ZoomSize, RotatedView));
    QApplication::restoreOverrideCursor();
}

void TPrintForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Refresh();
}

void TPrintForm::Oppdater1Click() { Refresh(); }

void TPrintForm::Utskrift1Click()
{
    PrinterTitle = PreviewTitle;
    LPTPrint();
    ScreenPrint();
    Refresh();
}

void TPrintForm::Zoomin1Click()
{
    if (ZoomSize < kMaxZoom) ++ZoomSize;
    Refresh();
}

void TPrintForm::Zoomut1Click()
{
    if (ZoomSize > 1) --ZoomSize;
    Refresh();
}

void TPrintForm::Helesiden1Click()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int h = s ? s->availableGeometry().height() : 1000;
    ZoomSize = std::clamp(h / (RotatedView ? PaperWidth : PaperHeight), 1, kMaxZoom);
    Refresh();
}

void TPrintForm::Sidebredde1Click()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int w = s ? s->availableGeometry().width() : 1000;
    ZoomSize = std::clamp(w / (RotatedView ? PaperHeight : PaperWidth), 1, kMaxZoom);
    Refresh();
}

void TPrintForm::Roter1Click()
{
    RotatedView = !RotatedView;
    Refresh();
    storeMain(QStringLiteral("RotatedView"), RotatedView ? QStringLiteral("1") : QStringLiteral("0"));
}

TPrintForm* PrintForm()
{
    static TPrintForm* form = nullptr;
    if (!form) {
        form = new TPrintForm();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete form;
            form = nullptr;
        });
    }
    return form;
}

void InstallPrintWindows()
{
    PrinterSetupDialog = [](QPrinter& printer) {
        QPrintDialog dlg(&printer, QApplication::activeWindow());
        dlg.setWindowTitle(QStringLiteral("Skriveroppsett"));
        return dlg.exec() == QDialog::Accepted;
    };
    ShowPreviewWindow = [] {
        TPrintForm* f = PrintForm();
        f->show();
        f->raise();
        f->Refresh();
    };
}
