#pragma once
// What the order, offer, invoice and purchase-order windows share: the
// document's header on panels over its dataset, the item grid with the
// item-line menu (PopupMenu2) below, and the bookkeeping of the open
// document.
//
// One document window is open at a time, because all four show their lines
// through the one item-line query: showing one closes the other three. While
// a window is open, its document's id is in CurrentOrderID (or its
// sibling), which new item lines take; whenever the shown document changes
// (showing, stepping, a new document, saving) the window selects that
// document's lines and recomputes its totals. Before a recompute, a
// delivery, a posting or a printout it makes sure the item query holds its
// own document's lines again, whatever another window selected meanwhile.
#include "sales/itemgrid.h"
#include "ui/dataform.h"

#include <functional>

class QGridLayout;
class QMenu;
class TDatabaseModule;

enum class DocKind { Order, Offer, Invoice, PO };

// The class name of each kind's record window ("TOrderDataForm" …).
QString DocumentWindowClass(DocKind kind);

class TDocumentDataForm : public TDataForm {
    Q_OBJECT
public:
    TDocumentDataForm(DocKind kind, QWidget* parent = nullptr);

    DocKind kind() const { return kind_; }
    Dataset& doc() const { return *doc_; }
    // "orderid", "offerid", "invoiceid" or "poid".
    QString itemKey() const;
    // CurrentOrderID or its sibling.
    int& currentDocId() const;
    // The document's id as shown; 0 when there is none.
    qint64 shownId() const;

    TItemGrid* ItemGrid;
    QMenu* PopupMenu2;
    QAction *SlettVare1, *Varedata1, *Vareliste1, *Kopier1, *LimInn1, *SlettAlle1, *KlippUt1, *OppdaterVarer1,
        *HentVare1, *Vareregister1, *LesTerminal1;
    // Header controls every document has.
    TDBEdit *NumberEdit, *SubjectEdit, *TotalEdit;
    TDBDateEdit *DateEdit, *DeliveryDateEdit;
    TDBLookupComboBox *CompanyCombo, *UserCombo, *ContactCombo;
    TDBComboBox *StatusCombo, *ConditionCombo, *CurrencyCombo, *PaymentCombo;
    TDBMemo* DeliveryAddressMemo;

    // --- The lines ------------------------------------------------------------
    // Whether the item query holds exactly this document's lines.
    bool OwnLinesSelected() const;
    // Selects this document's lines (pending edits saved first); without
    // force only when the query holds something else.
    void SelectOwnLines(bool force);
    // The shown document became another one: CurrentXID, its lines, totals.
    void RefreshLines();
    // Recomputes the document's totals from its own lines.
    bool Recompute();

    // --- Menu items of PopupMenu2 ----------------------------------------------
    void SlettVare1Click();
    void Varedata1Click();
    void Kopier1Click();
    void LimInn1Click();
    void SlettAlle1Click();
    void KlippUt1Click();
    void OppdaterVarer1Click();
    void HentVare1Click();
    void Vareregister1Click();
    void LesTerminal1Click();
    void PopupMenu2Popup();
    // Lagre and Avbryt also while an item line is being edited.
    void PopupMenu1Popup() override;

    // Choosing the company in "Firma:": the contact list of that company and
    // (when the company actually changed) its default contact and, where
    // the window does so, its address as the delivery address.
    void CompanyChosen();
    // The document's contact's e-mail address, by the contact's id.
    QString ContactEmail() const;

    // Mail hand-over ("Send på epost"): to, subject, text, attachment. The
    // item stays disabled while none is installed.
    using MailFunction = std::function<bool(const QString&, const QString&, const QString&, const QString&)>;
    static MailFunction SendEpost;

    void Lagre1Click() override;
    void Avbryt1Click() override;
    void Nypost1Click() override;
    void IdEditChange() override;
    void FormShow() override;
    void FormClose() override;

protected:
    // The header panels: standard, extended; laid out from columns of
    // (label, control) rows.
    QWidget* addColumnsPanel(std::initializer_list<std::initializer_list<FieldRow>> columns);
    // A lookup of field over table's ids, showing text (an SQL expression),
    // listed in order.
    TDBLookupComboBox* lookup(const QString& field, const QString& table, const QString& text, const QString& order);
    TDBEdit* edit(const QString& field, int width = 0, bool readOnly = false);
    // The item grid with these columns, the item-line menu and the footer.
    void setupItemGrid(const std::vector<GridColumn>& columns);
    // Whether choosing a company rewrites the delivery address.
    bool companyFillsAddress = true;
    // Runs body with the document saved and its own lines selected; a
    // refused save runs nothing.
    bool withOwnLines(const std::function<void()>& body);
    // The memo window's class ("TOrderMemoForm" …).
    QString memoWindow() const;
    // The document's number.
    QString number() const;
    // The PDF the document's printout was stored as ("O1001.PDF" …).
    QString pdfFile(const QString& prefix) const;
    bool editingDoc() const;
    bool saveDoc();

    DocKind kind_;
    TDatabaseModule& dm_;
    Dataset* doc_;
    qint64 linesOf_ = -1;     // the document whose lines were last selected
    qint64 knownCompany_ = 0; // the company as stored, before the user picks one
    bool refreshing_ = false;
    int bulk_ = 0;            // > 0 while many lines change at once
};

// The memo window of a document ("Ordrenotat" …): the document's note.
class TDocMemoForm : public QWidget {
    Q_OBJECT
public:
    TDocMemoForm(DocKind kind, QWidget* parent = nullptr);
    TDBMemo* Memo;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QString placementKey_;
    bool onlyPosition_ = false;
};

class TOrderMemoForm : public TDocMemoForm {
    Q_OBJECT
public:
    explicit TOrderMemoForm(QWidget* parent = nullptr) : TDocMemoForm(DocKind::Order, parent) {}
};
class TOfferMemoForm : public TDocMemoForm {
    Q_OBJECT
public:
    explicit TOfferMemoForm(QWidget* parent = nullptr) : TDocMemoForm(DocKind::Offer, parent) {}
};
class TInvoiceMemoForm : public TDocMemoForm {
    Q_OBJECT
public:
    explicit TInvoiceMemoForm(QWidget* parent = nullptr) : TDocMemoForm(DocKind::Invoice, parent) {}
};
class TPOMemoForm : public TDocMemoForm {
    Q_OBJECT
public:
    explicit TPOMemoForm(QWidget* parent = nullptr) : TDocMemoForm(DocKind::PO, parent) {}
};

// Windows of other registers the document windows open, named by type.
class TProductDataForm;
class TProductListForm;
class TProductTerminalForm;
class TCalendarRegListForm;
class TItemsAddForm;
