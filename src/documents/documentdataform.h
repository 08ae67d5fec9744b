#pragma once
// The document record window (TDocumentDataForm, "Dokumentdata") on the
// current row of the shared document query: the standard panel, the
// folder and file, the links to companies, contacts, projects, products,
// assets and jobs, and the type. The data tool's icons dropped on a field
// filter, sort or lock the document list by that field (DocumentFieldDrop).
//
// In namespace archive for the same reason as the document list; the
// window is registered as "TDocumentDataForm".
#include "ui/dataform.h"
#include "ui/datadrop.h"

#include <QHash>

#include <functional>

class QLabel;

namespace archive {

class TDocumentDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TDocumentDataForm(QWidget* parent = nullptr);

    // The file dialog of "...": (caption, start file or folder) -> the
    // chosen existing file, empty when cancelled. Tests replace it.
    static std::function<QString(const QString& caption, const QString& start)> ChooseFile;

    TDBEdit *SubjectEdit, *CategoryEdit, *PathEdit, *NameEdit, *PersonsEdit, *SizeEdit, *RegnumberEdit;
    TDBLookupComboBox *OwnerCombo, *JobCombo, *CompanyCombo, *ContactCombo, *ProjectCombo, *SystemCombo,
        *ProductCombo, *AssetCombo;
    TDBDateEdit *CreatedEdit, *UpdatedEdit;
    TDBCheckBox *PublishedBox, *DataIncludedBox;
    TDBRadioGroup* TypeGroup;
    TDBComboBox* MimeCombo;
    TDBMemo* InfoMemo;
    QToolButton *FileButton, *PersonsButton;
    QLabel* ProjectLabel;

    // The control of each field that takes the data tool's drops.
    QWidget* dropControl(const QString& field) const { return dropControls_.value(field); }

    // "..." beside "Filnavn:": registers a chosen file (name, folder, size).
    void FileButtonClick();
    // Registers file on the current row; false (with a message) when it lies
    // outside the document folders.
    bool RegisterFile(const QString& file);
    void PersonsButtonClick();
    // "Prosjekt:" is drawn blue while the project lock is on.
    void UpdateLockLabel();
    void FormShow() override;

protected:
    void changeEvent(QEvent* e) override;

private:
    TDBLookupComboBox* lookup(const QString& field, const QString& table, const QString& text, bool lazy);
    QHash<QString, QWidget*> dropControls_;
};

} // namespace archive
