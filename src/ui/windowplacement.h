#pragma once
// Window placement for real windows: the stored placement of the per-user
// settings file (see LoadWindowPlacement) applied to a widget, and the
// widget's placement stored back.

#include <QString>

class QWidget;

// Restores w's placement stored under key. With extraIn "OnlyPos" only the
// position is restored. Returns the stored "Diverse" text.
QString LoadWindow(QWidget* w, const QString& key, const QString& extraIn = QString());
// The room a window's title bar takes above its client area, allowed for
// when a window is kept on the screen.
constexpr int kTitleBarHeight = 30;
// The room the window manager's border takes on the other three sides.
constexpr int kFrameBorder = 4;
// The greatest client size a window on w's screen can have with its title
// bar on the screen too (empty when there is no screen).
QSize AvailableClientSize(const QWidget* w);
// Moves w (a top-level window) so that as much of it as fits lies on the
// screen it is on, title bar included: a window grown downwards (a detail
// slider) goes up as far as it must.
void KeepOnScreen(QWidget* w);
// What the window manager's title bar needs for w's caption: the caption
// in bold beside the window icon and the three buttons.
constexpr int kTitleBarButtons = 110;
int CaptionWidth(const QWidget* w);
// Widens w (a window whose layout fixes its size, or any other) so that
// its caption is not cut in the title bar.
void FitCaption(QWidget* w);
// Stores w's placement (position, size, maximized) under key.
void SaveWindow(QWidget* w, const QString& key, const QString& extra = QString());
