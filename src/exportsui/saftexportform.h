#pragma once
// "SAF-T regnskapsfil" (TSaftExportForm): the chart of accounts, customers,
// suppliers and the postings of a period written as a SAF-T Financial file
// for the tax authorities or the accountant. The period is typed as
// dd.MM.yyyy (the previous calendar year is offered), the file chosen or
// typed; "Eksporter" writes it on a connection of its own, so the shared
// datasets are not disturbed, and tells what was written or why nothing was.
#include <QDate>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class TSaftExportForm : public QWidget {
    Q_OBJECT
public:
    explicit TSaftExportForm(QWidget* parent = nullptr);

    QLineEdit *FromEdit, *ToEdit, *FileEdit;
    QPushButton *BrowseButton, *ExportButton, *CloseButton;
    QLabel* ResultLabel;

    // Reads the fields and writes the file; true when written.
    bool ExportClick();
    void BrowseClick();

    // Asks where the file goes, offering suggested; empty when cancelled.
    // Tests replace it.
    static std::function<QString(QWidget* parent, const QString& suggested)> ChooseFile;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QString suggestedFile() const;
};

// Adds "SAF-T regnskapsfil ..." to a menu (the chart of accounts' "Rapporter"),
// showing the window; disabled while the window is not registered.
QAction* AddSaftExportItem(QMenu* menu);
