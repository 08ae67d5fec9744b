#pragma once
// The project list (TProjectListForm, "Prosjekter"): the shared project
// dataset with its status filters, the search over name, department and
// address, the jumps to everything that carries the project's id, and the
// calculation window.
#include "ui/listform.h"

class TProjectListForm : public TListForm {
    Q_OBJECT
public:
    explicit TProjectListForm(QWidget* parent = nullptr);

    QAction *Oppstartet1, *Pgende1, *Midlertidigatoppet1, *Ferdigstilt1, *Minepgende1, *Allemine1;
    QAction *Prosjektdeler1, *Dokumenter1, *Timeregistreringer1, *Varetransaksjoner1, *Tilbud1, *Ordrer1,
        *Innkjop1, *Utstyr1, *Kalkulasjon1;

    // The id of the current, saved project; 0 when there is none.
    qint64 currentProject() const;
    void Varetransaksjoner1Click();
    void updateJumps();
};

// The jumps a project and a project part share: conditions on the project's
// id P and, for a part, the part's id S.
namespace ProjectJumps {
// "Dokumenter": the document list on document.projectid (or systemid).
void Documents(const QString& prefix, qint64 id);
// "Varetransaksjoner": the item-line list on the condition.
void Items(const QString& condition);
// "Timeregistreringer", "Tilbud", "Ordrer", "Innkjøp", "Utstyr": the
// target's condition, then its list.
void Filtered(Dataset& target, const QString& condition, const QString& windowClass);
}  // namespace ProjectJumps
