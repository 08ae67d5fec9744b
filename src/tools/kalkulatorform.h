#pragma once
// The tape calculator: every number entered becomes a line of the tape,
// newest first; the ticked lines are summed, with count, average, square,
// root, a second calculation and Norwegian VAT on the result.

#include "tools/kalkulator.h"

#include <QColor>
#include <QMainWindow>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

class TKalkulatorForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKalkulatorForm(QWidget* parent = nullptr);
    ~TKalkulatorForm() override;

    static constexpr int LineHeight = 14;

    // Adds the input box's entry to the tape (see ReadEntry); a refused
    // entry beeps and stays in the box.
    void SettInnTall();
    void SummerListe();
    void MerkMinMax();
    void SlettUmerkede();
    void SlettHeleListen();
    void MerkAlle(bool ticked);
    void InverterMerker();
    // Tape files: "liste.kalkulator" plus the suffix in the data folder.
    QString TapeFileName(const QString& suffix = QString()) const;
    void LagreListe(const QString& suffix = QString());
    void HentListe(const QString& suffix = QString());
    // A result label dropped on the input box: its number becomes a line.
    void DropNumber(const QString& text);
    void SetMini(bool mini);
    bool IsMini() const { return mini_; }
    // The stored free value of the window settings, and reading it back.
    QString FreeValue() const;
    void ApplyFreeValue(QString value);
    // Reads the placement, the settings and the tape (once, at the first showing).
    void FormShow();
    // What a closing window does; also run when the program ends.
    void FormClose();

    QList<TapeLine> Tape() const;
    const KalkResults& Results() const { return results_; }

    // The beep and the colour dialog, replaceable by tests.
    std::function<void()> beep;
    std::function<QColor(const QColor&)> chooseColor;

    QLineEdit* eInn = nullptr;
    QListWidget* TallListe = nullptr;
    QFrame* mvaPanel = nullptr;
    QFrame* SnittPanel = nullptr;
    QFrame* Regnepanel = nullptr;
    QFrame* InputPanel = nullptr;
    QFrame* ListPanel = nullptr;
    QFrame* SumPanel = nullptr;
    QLabel* mvaLabel = nullptr;
    QLabel* inklmvalabel = nullptr;
    QLabel* mva2label = nullptr;
    QCheckBox* mvacheck = nullptr;
    QLabel* AntallLabel = nullptr;
    QLabel* SnittLabel = nullptr;
    QLabel* KvadratLabel = nullptr;
    QLabel* RotLabel = nullptr;
    QComboBox* RegneCombo = nullptr;
    QLineEdit* RegneTall = nullptr;
    QLabel* RegneSum = nullptr;
    QLabel* ListeSumLabel = nullptr;
    QAction* Snitt1 = nullptr;
    QAction* Mva1 = nullptr;
    QAction* AndreUtregning1 = nullptr;
    QAction* JusterVindu1 = nullptr;
    QAction* AlltidOverst1 = nullptr;
    QAction* MsModus1 = nullptr;
    QAction* Mini1 = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void buildMenus();
    void addTapeLine(const QString& text, bool ticked, int row);
    void fitHeight();
    void setAlwaysOnTop(bool on);
    bool inputKeyRelease(class QKeyEvent* k);
    void copyNumber(const QString& text);
    void colourPanel(QFrame* panel);

    KalkResults results_;
    bool mini_ = false;
    bool recomputing_ = false;
    bool loading_ = false;
    bool loaded_ = false;
    int normalHeight_ = 0;
    int fixedWidth_ = 0;
    QPoint dragStart_;
};
