#pragma once
// The base of every record window: data-bound panels stacked under each
// other, the detail slider TrackBar1 in the top-left corner (position 0
// shows the first panel, each further position one panel more), a hidden
// edit on the row's id that retitles the window, and the window's own
// popup menu (Lagre, Avbryt, Ny post, Forrige post, Neste post and what the
// window adds), which opens on a right click anywhere in the window and
// whose shortcuts work also while a text field has the focus.
//
// The placement is restored on show and stored on close; the slider's
// position travels with it as the placement's free value.
#include "ui/dbcontrols.h"
#include "ui/windowregistry.h"
#include "ui/windowtypes.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QFormLayout;
class QScrollArea;
class QMenu;
class QSlider;
class QToolButton;
class QVBoxLayout;

// One row of a panel laid out from a table: a caption and its control (an
// empty caption gives the control the whole row).
struct FieldRow {
    QString label;
    QWidget* control;
};

class TDataForm : public QWidget {
    Q_OBJECT
public:
    explicit TDataForm(QWidget* parent = nullptr);

    // --- Description of the window ----------------------------------------
    QString placementKey;      // the class name without the leading T
    QString captionPrefix;     // "Firmadata [": the caption is prefix + id + "]"
    bool onlyPosition = false; // restore the position only ("OnlyPos")
    bool keepSlider = true;    // the slider position is stored and restored

    void setDataset(Dataset* ds);
    Dataset* dataset() const { return ds_; }
    // Adds a panel below the others; the slider gets one position per
    // panel after the first.
    QWidget* addPanel(QWidget* panel);
    // A new panel with a two-column form (caption, control) to fill.
    QWidget* addFormPanel(QFormLayout** form);
    // A new panel laid out from a table of (caption, control) rows:
    //   addFieldPanel({{"Firmanavn:", NameEdit}, {"Epost:", withButton(EmailEdit, EmailButton)}});
    QWidget* addFieldPanel(std::initializer_list<FieldRow> rows);
    // A small button beside a field ("@", "www", "?", "..."): it takes no
    // focus, so Tab walks the fields only.
    // Opens a web or mail address from a field in the browser or mail
    // program; anything else (a program, another scheme) is refused with a
    // message, never started.
    static void OpenAddress(const QString& value);
    QToolButton* smallButton(const QString& text, const QString& tip, std::function<void()> onClick = {});
    // field and button on one line, the field taking the room.
    static QWidget* withButton(QWidget* field, QToolButton* button);
    // Controls on one line; the one at stretchIndex takes the room.
    static QWidget* inRow(std::initializer_list<QWidget*> controls, int stretchIndex = -1);
    // Gives the focus to the first field of the first panel.
    void focusFirstField();
    int panelCount() const { return int(panels_.size()); }
    QWidget* panel(int i) const { return panels_[size_t(i)]; }
    // Fixed client width (0: as the panels need).
    void setClientWidth(int w);
    // A widget under the panels, always shown whatever the slider says
    // (the document windows' item grid); the client height becomes the
    // visible panels plus its fixed height.
    void setFooter(QWidget* footer, int height);
    // An item of the window's popup menu after the standard ones.
    QAction* addMenuItem(const QString& caption, std::function<void()> action,
                         const QKeySequence& key = QKeySequence());
    // "Oppdater" (F5): re-reads the row.
    QAction* enableRefresh();

    // --- Components ---------------------------------------------------------
    QSlider* TrackBar1;
    TDBEdit* IdEdit;    // hidden, bound to id
    QMenu* PopupMenu1;
    QAction *Lagre1, *Avbryt1, *Nypost1, *Forrigepost1, *Nestepost1, *Oppdater1 = nullptr;

    // --- Handlers -----------------------------------------------------------
    virtual void Lagre1Click();
    virtual void Avbryt1Click();
    virtual void Nypost1Click();
    virtual void Forrigepost1Click();
    virtual void Nestepost1Click();
    virtual void Oppdater1Click();
    // Lagre and Avbryt enabled exactly while the row is being edited or
    // inserted, Ny post exactly while it is not.
    virtual void PopupMenu1Popup();
    // Lays the panels out for the slider's position.
    void TrackBar1Change();
    // The id edit's change: the caption.
    virtual void IdEditChange();
    virtual void FormShow();
    virtual void FormClose();
    // The sum of the heights of the visible panels.
    int panelsHeight() const;
    // Closing: hands over what the controls show and saves an edited row
    // (a new one only when something was typed into it); false, with the
    // refusal shown, when that could not be done.
    virtual bool SaveOnClose();

protected:
    // Called after a step to another row.
    virtual void AfterStep() {}
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QAction* makeAction(const QString& name, const QString& caption, const QKeySequence& key);
    void guardShortcuts();
    QPointer<Dataset> ds_;
    std::vector<QWidget*> panels_;
    QVBoxLayout* panelLayout_;
    QScrollArea* panelArea_;
    QMetaObject::Connection stateConn_;
    int clientWidth_ = 0;
    bool scrolling_ = false;  // the panels scroll (taller than the screen)
    QWidget* footer_ = nullptr;
    int footerHeight_ = 0;
    bool typedSinceInsert_ = false;
};
