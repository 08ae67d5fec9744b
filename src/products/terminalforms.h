#pragma once
// The handheld terminal's windows: "Oppsett Håndterminal" (file, folder,
// separator, line end, delete or archive) and "Håndterminal", which reads the
// terminal file into stock or into the open document's lines and lists what
// it could not match under "Feilmeldinger:". The work is data/terminal.h's.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
struct TerminalResult;

class TProductTerminalForm : public QWidget {
    Q_OBJECT
public:
    explicit TProductTerminalForm(QWidget* parent = nullptr);
    QComboBox *TerminalCombo, *SeparatorCombo, *LineFeedCombo;
    QLineEdit *FolderEdit, *FileEdit;
    QCheckBox *DeleteBox, *ArchiveBox;
    void FormShow();
    void FormClose();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

class TProductTerminalDialogForm : public QWidget {
    Q_OBJECT
public:
    explicit TProductTerminalDialogForm(QWidget* parent = nullptr);
    QComboBox* ModeCombo;
    QPushButton *LesInnButton, *RerunButton;
    QPlainTextEdit *FileMemo, *ErrorMemo;
    QSlider* SizeSlider;
    // "Les inn"; false when nothing was applied.
    bool LesInnClick();
    bool RerunClick();
    void FormShow();
    void showResult(const TerminalResult& r);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void setSize(int position);
    QWidget* memos_;
};
