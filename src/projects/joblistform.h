#pragma once
// The standard-job list (TJobListForm, "Standardjobber"): the job query of
// the data module, selected by Job_WHERE and Job_ORDER, with the search,
// the jumps to the job's documents and time registrations, and "Lag
// kalenderoppføring", which makes a calendar entry from the current job.
#include "ui/listform.h"

class DropTarget;

class TJobListForm : public TListForm {
    Q_OBJECT
public:
    explicit TJobListForm(QWidget* parent = nullptr);

    QAction *Dokumenter1, *imeregistreringer1, *Lagkalenderoppfring1;

    // The id of the current, saved job; 0 when there is none.
    qint64 currentJob() const;
    // Makes the entry and shows it in the calendar's record window;
    // returns the entry's id (0 when nothing was made).
    qint64 Lagkalenderoppfring1Click();
    void updateItems();
    // The data tool's drops on the grid: they set the select's condition
    // and order, as the search and a title click do.
    DropTarget* GridDrops = nullptr;

    void Sketter1Click() override;
    void Alle1Click() override;
    void Oppdater1Click() override;
    void OpenData() override;
};
