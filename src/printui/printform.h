#pragma once
// The preview window "Forhåndsvisning" (TPrintForm): the engine's current
// printout (PrintPreView) shown page under page at ZoomSize pixels per
// millimetre, with a popup menu to refresh, print, zoom and rotate.
//
// The pages are rendered once per refresh (on showing, "Oppdater", a zoom
// or a turn, and after a click handled by HitMouseDown) and only copied to
// the screen on repaints; the printout itself draws from data it prepared
// beforehand, so a refresh never reads or saves rows.
#include <QImage>
#include <QList>
#include <QWidget>

class QAction;
class QMenu;
class QScrollArea;
class QToolBar;

class TPrintPagesWidget;

class TPrintForm : public QWidget {
    Q_OBJECT
public:
    explicit TPrintForm(QWidget* parent = nullptr);
    ~TPrintForm() override;

    // Renders the pages again and repaints.
    void Refresh();
    // The pages as shown.
    const QList<QImage>& pages() const;
    QMenu* popupMenu() const { return PopupMenu1; }

    // Menu items, named as in the window's definition.
    QAction *Oppdater1, *Utskrift1, *Zoomin1, *Zoomut1, *Helesiden1, *Sidebredde1, *Roter1;
    QToolBar* ToolBar1;  // the menu's commands above the pages

public slots:
    void Oppdater1Click();
    void Utskrift1Click();
    void Zoomin1Click();
    void Zoomut1Click();
    void Helesiden1Click();
    void Sidebredde1Click();
    void Roter1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QScrollArea* scroll_;
    TPrintPagesWidget* PaintBox1;
    QMenu* PopupMenu1;
};

// The one preview window of the run; made on first use. Installs the
// preview and the printer dialog (QPrintDialog) into the engine.
TPrintForm* PrintForm();
// Installs the printer dialog and the preview window into the engine.
void InstallPrintWindows();
