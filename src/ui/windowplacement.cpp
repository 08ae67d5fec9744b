#include "ui/windowplacement.h"

#include "core/sysreg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QString LoadWindow(QWidget* w, const QString& key, const QString& extraIn)
{
    WindowPlacement designed;
    designed.left = w->x();
    designed.top = w->y();
    designed.width = w->width();
    designed.height = w->height();
    designed.maximized = w->isMaximized();
    QSize screen;
    if (QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
        screen = s->availableGeometry().size();
    QString extra;
    const WindowPlacement p = LoadWindowPlacement(key, designed, screen, extraIn, &extra);
    w->move(p.left, p.top);
    if (extraIn != QLatin1String("OnlyPos") && p.width > 0 && p.height > 0)
        w->resize(p.width, p.height);
    if (p.maximized)
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
    return extra;
}

void SaveWindow(QWidget* w, const QString& key, const QString& extra)
{
    WindowPlacement p;
    const QRect r = w->isMaximized() ? w->normalGeometry() : w->geometry();
    const QPoint pos = w->isMaximized() ? r.topLeft() : w->pos();
    p.left = pos.x();
    p.top = pos.y();
    p.width = r.width();
    p.height = r.height();
    p.maximized = w->isMaximized();
    SaveWindowPlacement(key, p, extra);
}
