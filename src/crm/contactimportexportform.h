#pragma once
// The vCard window (TContactImportExportForm, "Eksporter og Importer
// Kontakter"): the listed contacts to a vCard 3.0 file, and contacts from
// such a file, optionally creating the companies they name.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QProgressBar;
class QPushButton;
class QLabel;

class TContactImportExportForm : public QWidget {
    Q_OBJECT
public:
    explicit TContactImportExportForm(QWidget* parent = nullptr);

    // Writes the contact list as it is filtered to file; true on success.
    bool ExportVcard3(const QString& file);
    // Reads file; true on success (the contact list is re-read).
    bool ImportVCard3(const QString& file);

    QComboBox* FormatCombo;
    QPushButton *ImporterButton, *EksporterButton;
    QCheckBox* OpprettFirmaer;
    QProgressBar* ProgressBar1;
    QLabel* ResultLabel;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};
