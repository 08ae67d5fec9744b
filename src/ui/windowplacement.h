#pragma once
// Window placement for real windows: the stored placement of the per-user
// settings file (see LoadWindowPlacement) applied to a widget, and the
// widget's placement stored back.

#include <QString>

class QWidget;

// Restores w's placement stored under key. With extraIn "OnlyPos" only the
// position is restored. Returns the stored "Diverse" text.
QString LoadWindow(QWidget* w, const QString& key, const QString& extraIn = QString());
// Stores w's placement (position, size, maximized) under key.
void SaveWindow(QWidget* w, const QString& key, const QString& extra = QString());
