#pragma once
// The web-folder settings: TWebfolderForm ("Oppsett WEB-mapper") with the
// document web folder, the local folder and the two switches, and
// TWebfolderAdvForm ("WEB-mapper, avanserte instillinger") with the nine
// translation pairs and the pull page. Both read the settings when shown
// and write them when closed, however they are closed.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

class TWebfolderForm : public QDialog {
    Q_OBJECT
public:
    explicit TWebfolderForm(QWidget* parent = nullptr);

    QCheckBox *UseURL, *URLImages;
    QLineEdit *DocumentURL, *docfolder;
    QToolButton* FolderButton;
    QLabel* ImagesLabel;
    QPushButton *AdvButton, *CloseButton;

    void Load();
    void Store();
    // Everything but "Aktiver WEB-mappe" follows its tick.
    void UseURLClick();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool stored_ = true;
};

class TWebfolderAdvForm : public QDialog {
    Q_OBJECT
public:
    explicit TWebfolderAdvForm(QWidget* parent = nullptr);

    QTableWidget* Grid;
    QCheckBox* Transelate;
    QComboBox* PullCombo;
    QPushButton* CloseButton;

    void Load();
    // Writes the pairs: a web folder gets its "/", a local folder its
    // trailing "/"; a row whose web folder was emptied removes its pair.
    void Store();
    // A double click on a row: the folder chooser for its local folder.
    void ChooseLocalFolder(int row);

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool stored_ = true;
};
