#pragma once
// The four document lists: orders ("Ordre"), offers ("Tilbud"), invoices
// ("Fakturaer") and purchase orders ("Innkjøp"). Each shows its documents
// newest last (numbers compared as numbers, so 1000 comes after 999), opens
// the record window on a double click, Ctrl+Enter or "Ny", filters by its
// fixed statuses, by the current row's company and by the search on number
// and text, and the order and invoice lists print themselves.
#include "sales/documentdataform.h"
#include "ui/listform.h"

class TDocumentListForm : public TListForm {
    Q_OBJECT
public:
    TDocumentListForm(DocKind kind, QWidget* parent = nullptr);
    DocKind kind() const { return kind_; }

    // "Denne leverandøren" / "Denne kunden": the current row's company.
    QAction* CompanyFilter1 = nullptr;
    void CompanyFilter1Click();
    // The order and invoice lists name the company in the item.
    void UpdateCompanyItem();
    // The list printout (orders and invoices).
    bool PrintList();

    void PopupMenu1Popup();
    // The invoice list also searches the KID while KID is switched on.
    void Sketter1Click() override;

    // The order the lists read their documents in.
    static QString NumberOrder();

protected:
    DocKind kind_;
};

class TOrderListForm : public TDocumentListForm {
    Q_OBJECT
public:
    explicit TOrderListForm(QWidget* parent = nullptr);
};
class TOfferListForm : public TDocumentListForm {
    Q_OBJECT
public:
    explicit TOfferListForm(QWidget* parent = nullptr);
};
class TInvoiceListForm : public TDocumentListForm {
    Q_OBJECT
public:
    explicit TInvoiceListForm(QWidget* parent = nullptr);
};
class TPOListForm : public TDocumentListForm {
    Q_OBJECT
public:
    explicit TPOListForm(QWidget* parent = nullptr);
};
