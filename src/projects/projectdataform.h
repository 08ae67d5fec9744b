#pragma once
// The project record window (TProjectDataForm, "Prosjektdata [id]"): one
// project of the shared project dataset on three panels (the standard
// panel, the extended panel with status, dates, note and persons, and the
// two addresses), the buttons to the project's own company and contact,
// and the jumps to its parts, documents, time registrations and postings.
#include "ui/dataform.h"

class TProjectDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TProjectDataForm(QWidget* parent = nullptr);

    TDBEdit *ProjectNumberEdit, *ProjectNameEdit, *DepartmentEdit, *SchemaEdit, *PersonsEdit;
    TDBLookupComboBox *ResponsibleCombo, *CompanyCombo, *ContactCombo;
    QToolButton *CompanyButton = nullptr, *ContactButton = nullptr;
    TDBRadioGroup* StatusGroup;
    TDBDateEdit *StartDateEdit, *EndDateEdit;
    TDBMemo *NoteMemo, *AdminAddressMemo, *LocationMemo;

    QAction *Prosjektsystemer1 = nullptr, *Dokumenter1 = nullptr, *Timeregistreringer1 = nullptr,
            *Regnskapsposteringer1 = nullptr;

    // The id of the current, saved project; 0 when there is none.
    qint64 currentProject() const;
    // The buttons beside "Firma:" and "Kontaktperson:": the shared company
    // or contact dataset moved to the project's own company or contact
    // (shown in full when its filter hides it), then its record window.
    void CompanyButtonClick();
    void ContactButtonClick();
    void ChooseDate(const QString& field);
    void ChoosePersons();
    void updateWindowItems();
    void IdEditChange() override;
    void FormShow() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

// A lookup of field on table's id showing text: the list read when it
// drops down, the shown entry's text from its own row.
TDBLookupComboBox* ProjectLookupCombo(Dataset* ds, const QString& field, const QString& table, const QString& text);
// Moves the shared company dataset to the company id, reading it without
// its filter when the filter hides that row; false when it does not exist.
bool LocateCompany(qint64 id);
// The same for the shared contact query.
bool LocateContact(qint64 id);
// The company's or contact's record window for the form's current row's
// own field (a company or contact id): committed edits first, the shared
// dataset moved to that row with locate; without one, missing is shown.
void ShowOwnRow(QWidget* form, const QString& field, bool (*locate)(qint64), const QString& missing,
                const QString& windowClass);
