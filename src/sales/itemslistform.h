#pragma once
// The item-line list (TItemsListForm, "Varetransaksjoner"): item lines
// across documents as stock transactions, with the numbers of the offer,
// order, purchase order and invoice each belongs to. It shows whatever the
// item-line select holds (other windows open it on a product, a company or
// a project); a double click on a document number opens that document.
#include "ui/listform.h"

class TItemsListForm : public TListForm {
    Q_OBJECT
public:
    explicit TItemsListForm(QWidget* parent = nullptr);

    void Ny1Click() override;
    void Oppdater1Click() override;
    void Sketter1Click() override;
    void Alle1Click() override;
    void OpenData() override;
    // The search condition for text: exactly that product number when a
    // product has it (read through the product-code index), otherwise the
    // text anywhere in the line's text, number, customer order or EAN.
    QString ItemsSearch(const QString& text) const;
    // A click on a column title: sorts by that column (document numbers by
    // their ids).
    void ItemsTitleClick(int column);
    // A double click on a document number opens that document.
    void OpenDocument(int row, int column);
};
