#pragma once
// The main window (TMainform, "Kvarnel"): seven module panels of large
// buttons that open the list windows, the main menu, and a status bar that
// shows who is logged in. Closing it ends the program.
//
// Buttons and menu items open windows of the window registry by class
// name; one whose window does not exist is disabled. A few open their
// window in a particular state through an invokable method of that window
// when it has one: the contact list's "ShowAll" (after "&Kontakter"), the
// date chooser's "ShowToday" (right click on "K&alender") and the e-mail
// set-up's "ShowSendOnly" ("Epost").

#include <QMainWindow>
#include <QString>

#include <vector>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

class TMainform : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainform(QWidget* parent = nullptr);

    // The show handler of the first show: placement, hidden panels,
    // height, then (with runLoginOnShow) the login.
    void FormShow();
    // "Koble til database".
    void DatabaseConnectExecute();
    // Heights of the visible panels plus the status bar.
    int ClientHeight() const;
    void AdjustForm();
    // A panel's hide button.
    void HidePanel(QFrame* panel);
    // "Alle moduler".
    void AlleModulerClick();
    // "Database" -> "Verktøy" -> "SQL".
    void SQL1Click();
    // Closing: placement and settings copies.
    void FormClose();
    // Enables what can be opened now that the windows exist.
    void UpdateAvailability();
    // "Filer" and "PDF-mappe": opens folder (made when missing) on the
    // desktop; when that cannot be done, says so (with what to install).
    bool OpenFolder(const QString& folder);
    // "PDF-mappe": the folder of the setting PDF-mappe; an empty setting
    // is said ("Feil") and logged.
    bool OpenPdfFolder();
    // The status bar text after a login.
    void ShowLoginStatus();
    QString statusText() const;

    // Runs the login when the window is first shown (the program does;
    // tests of the window itself need not).
    bool runLoginOnShow = true;

    QFrame *StdPanel, *SalePanel, *POPanel, *ProjectPanel, *AssetPanel, *AccountPanel, *ToolPanel;
    QLabel* StatusPanel;
    QPushButton* CalendarButton;

    struct Module {
        QFrame* panel;
        QString hideKey;
        QToolButton* hideButton;
    };
    const std::vector<Module>& modules() const { return modules_; }
    QPushButton* button(const QString& caption) const;
    QAction* action(const QString& caption) const;

signals:
    // The window has closed and the program is to end.
    void closed();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Opener {
        QString windowClass;
        QPushButton* button = nullptr;
        QAction* action = nullptr;
    };
    QFrame* makePanel(const char* name, const QString& hideKey);
    QPushButton* addButton(QFrame* panel, const QString& caption, const QString& icon, const QString& windowClass);
    QAction* addAction(QMenu* menu, const QString& caption, const QString& windowClass, bool modal = false);
    void openWindow(const QString& windowClass, const char* method = nullptr);
    void buildMenu();
    void fitButtons();
    void readHiddenPanels();

    std::vector<Module> modules_;
    std::vector<Opener> openers_;
    std::vector<QPushButton*> buttons_;
    std::vector<QAction*> actions_;
    bool shown_ = false;
    bool closedDone_ = false;
};
