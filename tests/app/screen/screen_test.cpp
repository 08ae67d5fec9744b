// Every registered window at every position of its detail slider on a
// screen of 1366 x 768: the window with its title bar lies on the screen,
// no label and no column title is cut, and the caption fits the title bar.
#include "app/apptest.h"

#include "app/mainform.h"
#include "app/startup.h"
#include "printui/printform.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QSlider>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>

namespace {

// What is cut in w: labels whose text is wider than the label, column
// titles wider than their column, and (checkCaption) a caption wider than
// the title bar.
QStringList cutTexts(QWidget& w, bool checkCaption)
{
    QStringList out;
    for (QLabel* l : w.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&w) || l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()) continue;
        if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
            continue;
        QString text = l->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        int need = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            need = std::max(need, l->fontMetrics().horizontalAdvance(line));
        const int room = l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
        if (need > room)
            out << QStringLiteral("etikett «%1» (%2 px i %3 px)").arg(text).arg(need).arg(room);
    }
    for (QHeaderView* h : w.findChildren<QHeaderView*>()) {
        if (h->orientation() != Qt::Horizontal || !h->isVisibleTo(&w) || !h->model()) continue;
        const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int s = 0; s < h->count(); ++s) {
            if (h->isSectionHidden(s) || h->sectionSize(s) == 0) continue;
            const QString title = h->model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
            const int need = h->fontMetrics().horizontalAdvance(title) + margin;
            if (need > h->sectionSize(s))
                out << QStringLiteral("kolonne «%1» (%2 px i %3 px)").arg(title).arg(need).arg(h->sectionSize(s));
        }
    }
    // The window manager's title bar: a fixed caption (not one that shows
    // a row's data) in bold beside an icon and three buttons.
    if (checkCaption) {
        const int captionNeed = CaptionWidth(&w);
        if (captionNeed > w.frameGeometry().width())
            out << QStringLiteral("tittel «%1» (%2 px i %3 px)").arg(w.windowTitle()).arg(captionNeed).arg(w.frameGeometry().width());
    }
    return out;
}

class ScreenTest : public AppTest {};

} // namespace

TEST_F(ScreenTest, EveryWindowAtEveryDetailLevelFitsA1366x768Screen)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(1366, 768));
    const QRect avail = screen->availableGeometry();

    RegisterWindows(*dm);
    Windows().createAll();
    Windows().get<TMainform>()->runLoginOnShow = false;
    // The captions the windows are made with, before a row's data shows.
    QMap<QString, QString> designed;
    for (const QString& name : Windows().created()) designed[name] = Windows().find(name)->windowTitle();
    ASSERT_TRUE(login(*Windows().get<TDatabaseConnectForm>(), "demo", "demo"));
    Windows().get<TDatabaseConnectForm>()->hide();

    // A window that asks something while it opens is answered at once.
    QStringList asked;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&asked] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            asked << m->windowTitle();
            m->close();
        }
    });
    closer.start(50);

    QStringList faults;
    for (const QString& name : Windows().created()) {
        QWidget* w = Windows().find(name);
        ASSERT_TRUE(w) << name.toStdString();
        auto* slider = w->findChild<QSlider*>(QStringLiteral("TrackBar1"));
        const int levels = slider && slider->maximum() > 0 ? slider->maximum() + 1 : 1;
        Windows().show(name);
        for (int level = 0; level < levels; ++level) {
            if (slider) slider->setValue(level);
            QApplication::processEvents();
            const QString where = QStringLiteral("%1 nivå %2: ").arg(name).arg(level);
            // The title bar above the client area, the border on the other
            // sides; a window the program did not place is placed by the
            // window manager, and has only to fit.
            QRect withTitle = w->frameGeometry();
            withTitle.setTop(std::min(withTitle.top(), w->geometry().top() - kTitleBarHeight));
            const bool fits = w->testAttribute(Qt::WA_Moved) ? avail.contains(withTitle)
                                                             : withTitle.width() <= avail.width() &&
                                                                   withTitle.height() <= avail.height();
            if (!fits)
                faults << where + QStringLiteral("vinduet %1,%2 %3x%4 ligger utenfor skjermen")
                                      .arg(withTitle.x()).arg(withTitle.y()).arg(withTitle.width()).arg(withTitle.height());
            for (const QString& cut : cutTexts(*w, w->windowTitle() == designed[name])) faults << where + cut;
        }
        // The main and login windows close the program; they only go away.
        if (name == QLatin1String("TMainform") || name == QLatin1String("TDatabaseConnectForm"))
            w->hide();
        else
            w->close();
        QApplication::processEvents();
    }
    EXPECT_EQ(faults.join('\n').toStdString(), "");
    EXPECT_EQ(asked.join('\n').toStdString(), "");
}

// A print-option window never placed before (or "placed" in the corner
// by an exit without showing it) opens over the document window it is
// opened from, not in the screen's corner; once moved, it comes back
// where it was left.
TEST_F(ScreenTest, PrintOptionWindowsOpenOverTheirDocumentWindow)
{
    // What the windows once stored at every exit without being shown.
    SaveWindowPlacement("OfferPrintForm", {0, 0, 640, 480, false, false});
    RegisterWindows(*dm);
    Windows().createAll();
    ASSERT_TRUE(login(*Windows().get<TDatabaseConnectForm>(), "demo", "demo"));
    Windows().get<TDatabaseConnectForm>()->hide();
    for (const auto& [document, options] : {std::pair{"TOfferDataForm", "TOfferPrintForm"},
                                            std::pair{"TPODataForm", "TPOprintForm"}}) {
        SCOPED_TRACE(options);
        QWidget* doc = Windows().find(document);
        QWidget* opt = Windows().find(options);
        ASSERT_TRUE(doc && opt);
        Windows().show(document);
        doc->move(500, 200);
        doc->activateWindow();
        QApplication::processEvents();
        Windows().show(options);
        QApplication::processEvents();
        const QPoint off = opt->geometry().center() - doc->geometry().center();
        EXPECT_LE(off.manhattanLength(), 4) << opt->x() << "," << opt->y();
        opt->setGeometry(QRect(QPoint(40, 90), opt->size()));
        opt->close();
        QApplication::processEvents();
        opt->setGeometry(QRect(QPoint(0, 0), opt->size()));
        Windows().show(options);
        QApplication::processEvents();
        EXPECT_EQ(opt->geometry().topLeft(), QPoint(40, 90));
        opt->close();
        doc->close();
        QApplication::processEvents();
    }
}

// The print preview (the income statement on screen, every printout's
// preview) opens on the screen, its tool bar at the top.
TEST_F(ScreenTest, PrintPreviewFitsWithItsToolBar)
{
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    TPrintForm* f = PrintForm();
    f->show();
    QApplication::processEvents();
    QRect withTitle = f->frameGeometry();
    withTitle.setTop(std::min(withTitle.top(), f->geometry().top() - kTitleBarHeight));
    EXPECT_TRUE(avail.contains(withTitle)) << withTitle.x() << "," << withTitle.y() << " " << withTitle.width() << "x"
                                           << withTitle.height();
    ASSERT_TRUE(f->ToolBar1->isVisible());
    EXPECT_EQ(f->ToolBar1->mapTo(f, QPoint(0, 0)).y(), 0);
    QStringList commands;
    for (QAction* a : f->ToolBar1->actions())
        if (!a->isSeparator()) commands << a->text();
    EXPECT_EQ(commands.join(", ").toStdString(), "Utskrift, Oppdater, Zoom in, Zoom ut, Hele siden, Sidebredde, Roter");
    f->close();
}
