#pragma once
// The TFM code builder (TTFMform, "Trelvo TFM-system   1.02"): composes a
// code from a location, a system with its running number and a product type
// with its running number and suffix, picked from the lists of the TFM
// folder; keeps a scratch list of codes that can be saved and opened; copies
// the code to the clipboard. Opened as a free tool from the main window and
// modally from the asset window, whose "Hent" takes the code.
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

class TTFMform : public QDialog {
    Q_OBJECT
public:
    explicit TTFMform(QWidget* parent = nullptr);

    static const QString TFMVersion;  // the caption
    static const QString ReferenceUrl;

    // Chooses the scratch-list file to save to (save) or open; empty when
    // cancelled. The program asks with the system's file dialogs; tests
    // answer by script.
    using FileChooser = std::function<QString(QWidget* parent, bool save, const QString& initial)>;
    static FileChooser ChooseFile;

    // --- Components ---------------------------------------------------------
    QComboBox *Lokalisering, *SystemCombo, *SystemUnderCOmbo, *System, *ProduktCombo, *Produkt, *Tekst;
    QLineEdit *Nr1, *Nr2, *IDNr;
    QCheckBox* Unik;
    QToolButton *SystemSok, *SystemNeste, *ProduktSok, *ProduktNeste;
    QToolButton *Nr1Pluss, *Nr2Pluss, *IDNrPluss;
    QToolButton *EditLokalisering, *EditSystem, *EditProdukt, *EditTekst;
    QLabel *TekstLAbel, *TFMLabel, *ReferenceLabel;
    QToolButton* CopyButton;
    QListWidget* MerkeListe;
    QPushButton *LeggTilListe, *HentFraListe, *LagreListe, *AapneListe, *HentKnapp;

    // --- State --------------------------------------------------------------
    QString SisteLet;          // last search text, shared by both searches
    int SisteSystem = -1;      // list position of the last system found
    int SisteProdukt = -1;     // list position of the last product found
    QString ListFileName;      // the scratch-list file last saved or opened

    // --- Operations -----------------------------------------------------------
    // The code label and the text label from the controls.
    void LokaliseringChange();
    // The group lists matched to the chosen system and product.
    void FixSystem();
    // Every list whose file exists takes the file's entries.
    void LoadTFM();
    // Narrowing after a main group or group was chosen.
    void SystemComboSelect(int index);
    void SystemUnderComboSelect(int index);
    void ProduktComboSelect(int index);
    // "Søk etter system ..", "next"; the same for products.
    void SystemSokClick();
    void SystemNesteClick();
    void ProduktSokClick();
    void ProduktNesteClick();
    // "+" on one of the three number edits.
    void PlussClick(QLineEdit* edit);
    void CopyButtonClick();
    void LeggTilListeClick();
    void HentFraListeClick();
    void SlettFraListe();
    void LagreListeClick();
    void AapneListeClick();
    // An edit-file button: the file in the user's editor, then the lists again.
    void EditFileClick(int tag);

    // Runs modally for the asset window with "Hent" shown; true when "Hent"
    // took the code (TFMLabel). A free window that is open already is hidden
    // first, so the window is never shown twice.
    bool ExecForAsset();

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormShow();
    void FormClose();
    void found(QComboBox* list, int index, int& last, QToolButton* next, const QString& text);
    void search(QComboBox* list, int& last, QToolButton* next, const QString& prompt);
    void searchNext(QComboBox* list, int& last, QToolButton* next);
    void watchFiles();
    QFileSystemWatcher* watcher_ = nullptr;
    bool composing_ = false;
};
