#include "ui/windowplacement.h"

#include "core/sysreg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QSpacerItem>
#include <QVariant>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// The stored numbers are the inner (client) rectangle, without the frame
// the window manager draws: they are read with geometry() and applied with
// setGeometry(), which both leave the frame out. Mixing the framed position
// (pos(), move()) with the inner one made a window creep by the frame's
// size on every restart.
QString LoadWindow(QWidget* w, const QString& key, const QString& extraIn)
{
    const bool maximized = w->isMaximized();
    const QRect current = maximized ? w->normalGeometry() : w->geometry();
    WindowPlacement designed;
    designed.left = current.x();
    designed.top = current.y();
    designed.width = current.width();
    designed.height = current.height();
    designed.maximized = maximized;
    QSize screen;
    QRect avail;
    if (QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen()) {
        avail = s->availableGeometry();
        screen = avail.size();
    }
    QString extra;
    const WindowPlacement p = LoadWindowPlacement(key, designed, screen, extraIn, &extra);
    QSize size = current.size();
    if (extraIn != QLatin1String("OnlyPos") && p.width > 0 && p.height > 0)
        size = QSize(p.width, p.height).expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
    if (maximized && !p.maximized)
        w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
    QPoint at(p.left, p.top);
    // A window never placed before opens in the middle of the screen; any
    // window is kept wholly on the screen it is on (the primary one when
    // its stored place is on no screen any more), where it fits, leaving
    // room for the frame's title bar above it.
    // A dialog never placed before opens over the window it belongs to
    // (the one it was opened from).
    if (!p.stored && !avail.isEmpty()) {
        QWidget* over = nullptr;
        if (w->inherits("QDialog")) {
            over = w->parentWidget() ? w->parentWidget()->window() : QApplication::activeWindow();
            if (over == w || (over && !over->isVisible())) over = nullptr;
        }
        const QRect around = over ? over->geometry() : avail;
        at = around.topLeft() + QPoint((around.width() - size.width()) / 2, (around.height() - size.height()) / 2);
    }
    if (QScreen* on = QGuiApplication::screenAt(at)) avail = on->availableGeometry();
    if (!avail.isEmpty()) {
        // A size stored on a larger screen, or designed for one, shrinks
        // to this one as far as the window allows.
        size = size.boundedTo(QSize(avail.width() - 2 * kFrameBorder, avail.height() - kTitleBarHeight - kFrameBorder))
                   .expandedTo(w->minimumSize());
        at.setX(std::max(avail.left() + kFrameBorder, std::min(at.x(), avail.right() + 1 - kFrameBorder - size.width())));
        at.setY(std::max(avail.top() + kTitleBarHeight,
                         std::min(at.y(), avail.bottom() + 1 - kFrameBorder - size.height())));
    }
    w->setGeometry(QRect(at, size));
    if (p.maximized)
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
    return extra;
}

QSize AvailableClientSize(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!s) return QSize();
    const QRect avail = s->availableGeometry();
    return QSize(avail.width() - 2 * kFrameBorder, avail.height() - kTitleBarHeight - kFrameBorder);
}

void KeepOnScreen(QWidget* w)
{
    if (!w->isWindow() || w->isMaximized() || w->isFullScreen()) return;
    const QRect g = w->geometry();
    QScreen* s = QGuiApplication::screenAt(g.center());
    if (!s) s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    // The frame the window manager drew, once the window has been shown;
    // before that, what a frame usually takes.
    const QRect f = w->frameGeometry();
    const bool framed = f != g;
    const int left = framed ? g.left() - f.left() : kFrameBorder;
    const int right = framed ? f.right() - g.right() : kFrameBorder;
    const int top = std::max(kTitleBarHeight, g.top() - f.top());
    const int bottom = framed ? f.bottom() - g.bottom() : kFrameBorder;
    QPoint at = g.topLeft();
    at.setX(std::max(avail.left() + left, std::min(at.x(), avail.right() + 1 - right - g.width())));
    at.setY(std::max(avail.top() + top, std::min(at.y(), avail.bottom() + 1 - bottom - g.height())));
    if (at != g.topLeft()) w->setGeometry(QRect(at, g.size()));
}

int CaptionWidth(const QWidget* w)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(w->windowTitle()) + kTitleBarButtons;
}

void FitCaption(QWidget* w)
{
    const int need = CaptionWidth(w);
    // The size the layout gives the window, also before it is first shown.
    if (QLayout* l = w->layout()) l->activate();
    if (w->windowTitle().isEmpty() || w->width() >= need) return;
    if (QLayout* l = w->layout(); l && l->sizeConstraint() == QLayout::SetFixedSize) {
        // The layout sets the size: an empty item as wide as the caption
        // needs widens it (made once, resized for a new caption).
        auto* strut = static_cast<QSpacerItem*>(w->property("kvCaptionStrut").value<void*>());
        const QMargins m = l->contentsMargins();
        if (!strut) {
            strut = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
            l->addItem(strut);
            w->setProperty("kvCaptionStrut", QVariant::fromValue<void*>(strut));
        }
        strut->changeSize(need - m.left() - m.right(), 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        l->invalidate();
        l->activate();
        return;
    }
    // A window of a fixed width (a record window's panels) stays as it is.
    if (w->maximumWidth() < need) return;
    w->setMinimumWidth(need);
    if (w->width() < need) w->resize(need, w->height());
}

void SaveWindow(QWidget* w, const QString& key, const QString& extra)
{
    WindowPlacement p;
    const QRect r = w->isMaximized() ? w->normalGeometry() : w->geometry();
    p.left = r.x();
    p.top = r.y();
    p.width = r.width();
    p.height = r.height();
    p.maximized = w->isMaximized();
    SaveWindowPlacement(key, p, extra);
}
