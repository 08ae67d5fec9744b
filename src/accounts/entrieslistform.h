#pragma once
// The posting journal (TEntriesListForm, "Posteringsliste"): postings in an
// editable grid, newest last; the search looks in the texts, and a typed
// number also finds the postings from or to that account and of that sum.
#include "ui/listform.h"

class TEntriesListForm : public TListForm {
    Q_OBJECT
public:
    explicit TEntriesListForm(QWidget* parent = nullptr);
    void Sketter1Click() override;
    // "Ny": a new row in the grid; the posting window is not opened.
    void Ny1Click() override;
    QString EntriesSearchCondition(const QString& text) const;
};
