#pragma once
// The project-part list (TSubProjectListForm, "Prosjektsystemer"): the parts
// of the project that is current in the project dataset, with the search
// and the jumps on the project's and the part's id.
#include "ui/listform.h"

class TSubProjectListForm : public TListForm {
    Q_OBJECT
public:
    explicit TSubProjectListForm(QWidget* parent = nullptr);

    QAction *Dokumenter1, *Timeregistreringer1, *Varetransaksjoner1, *Tilbud1, *Ordrer1, *Innkjop1, *Utstyr1;

    // The current, saved part; 0 when there is none.
    qint64 currentPart() const;
    qint64 currentProject() const;
    // "projectid=P and systemid=S" (item lines: subprojectid).
    QString partCondition(const QString& partField = QStringLiteral("systemid")) const;
    void updateJumps();
    void FormShow() override;
    void OpenData() override;
};
