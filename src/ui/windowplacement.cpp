#include "ui/windowplacement.h"

#include "core/sysreg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    if (QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
        screen = s->availableGeometry().size();
    QString extra;
    const WindowPlacement p = LoadWindowPlacement(key, designed, screen, extraIn, &extra);
    QSize size = current.size();
    if (extraIn != QLatin1String("OnlyPos") && p.width > 0 && p.height > 0)
        size = QSize(p.width, p.height).expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
    if (maximized && !p.maximized)
        w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
    w->setGeometry(QRect(QPoint(p.left, p.top), size));
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
