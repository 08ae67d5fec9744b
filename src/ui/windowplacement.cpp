#include "ui/windowplacement.h"

#include "core/sysreg.h"

#include <QGuiApplication>
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
    if (!p.stored && !avail.isEmpty())
        at = avail.topLeft() + QPoint((avail.width() - size.width()) / 2, (avail.height() - size.height()) / 2);
    if (QScreen* on = QGuiApplication::screenAt(at)) avail = on->availableGeometry();
    if (!avail.isEmpty()) {
        const int frame = 30;
        at.setX(std::max(avail.left(), std::min(at.x(), avail.right() + 1 - size.width())));
        at.setY(std::max(avail.top() + frame, std::min(at.y(), avail.bottom() + 1 - size.height())));
    }
    w->setGeometry(QRect(at, size));
    if (p.maximized)
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
    return extra;
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
