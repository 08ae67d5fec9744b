#pragma once
// The asset record window (TAssetDataForm, "Utstyr [id]"): one asset of the
// shared asset dataset on three panels (the standard panel, the extended
// panel below it and the memo panel to its right, shown by the slider's
// three positions), the jumps to the asset's documents, time registrations,
// standard jobs and postings, and the asset number taken from the TFM code
// builder.
#include "ui/dataform.h"

#include <QDateTime>

#include <functional>

class QComboBox;
class QLabel;

class TAssetDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TAssetDataForm(QWidget* parent = nullptr);

    // The date chooser the date fields open on a double click: it starts at
    // the given date (today when it is not valid) and returns the chosen
    // one. Closed without a choice it returns the date it started at.
    using DateChooser = std::function<QDateTime(const QDateTime& start)>;
    static DateChooser SelectDate;

    // Standard panel
    TDBEdit *AssetNumberEdit, *AssetNameEdit, *ModelEdit, *SerialEdit, *UniqueIdEdit, *PriceEdit;
    TDBLookupComboBox* VendorCombo;
    TDBDateEdit *InstalledEdit, *NextServiceEdit;
    TDBCheckBox* ServiceBox;
    // Extended panel
    QComboBox *TypeCombo, *StatusCombo, *PriorityCombo;
    TDBEdit *TypeEdit, *StatusEdit, *PriorityEdit;  // hidden, bound to the coded fields
    TDBDateEdit* RunHourDateEdit;
    TDBEdit *RunHoursEdit, *LocationEdit, *PersonsEdit, *WattEdit, *PhaseEdit, *VoltageEdit;
    TDBComboBox* CurrentCombo;
    TDBLookupComboBox *UserCombo, *ProjectCombo, *SystemCombo;
    // Memo panel
    TDBMemo *NoteMemo, *SparePartMemo;
    QWidget *StandardPanel, *ExtendedPanel, *MemoPanel;

    QAction *LagNummer1, *Dokumenter1, *Timeregistreringer1, *Standardjobber1, *Regnskapsposteringer1;

    // The id of the current asset; 0 when there is none or it is not saved.
    qint64 currentAsset() const;
    void LagNummerFraTFMClick();
    void Dokumenter1Click();
    void Timeregistreringer1Click();
    void Standardjobber1Click();
    void Regnskapsposteringer1Click();
    // A date field's double click: the chooser, then the row in edit state
    // with the chosen date.
    void ChooseDate(const QString& field);
    void ChoosePersons();
    // A coded list closed on an entry: the row in edit state with its position.
    void CodedListChosen(QComboBox* list, const QString& field, int index);
    // The panels for the slider's position.
    void LayoutPanels();
    void updateWindowItems();

    void FormShow() override;
    void FormClose() override;
    // False when the pending edit could not be saved as the window closed.
    bool closedClean() const { return closedClean_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* makeStandardPanel(Dataset* ds);
    QWidget* makeExtendedPanel(Dataset* ds);
    QWidget* makeMemoPanel(Dataset* ds);
    TDBEdit* codedList(Dataset* ds, const QString& field, const QStringList& names, QComboBox** list);
    void watchDoubleClick(QWidget* w);
    bool closedClean_ = true;
};
