#pragma once
// The document and list printouts: order, offer, purchase order, invoice,
// delivery note and picking list, and the order and invoice lists.
//
// Each function reads what its printout needs once (recomputing the
// document first, where the document calls for it) and returns the printout
// procedure, which draws only from that copy. Set PrintPreView to it and
// call LPTPrint (or PrintToPdfFile, or the preview): repainting never
// recomputes or saves a row.
//
// All documents share one design: the mini heading with the company line at
// the foot, the customer's address in a frame with the document's
// information beside it, a framed item list grouped by mark with a sum per
// mark, the memo, and the totals box at the foot of the last page. The
// headings and the item-list headings are repeated on every new page.
#include "print/utskrift.h"

#include <QString>

class TDatabaseModule;

// How one document is printed. Every printout gets its options from its
// own call, so an invoice or an offer never inherits the cost prices of an
// earlier internal order printout.
struct PrintOptions {
    bool PrintPrice = true;            // prices, sums and the totals box
    bool PrintCost = false;            // cost prices instead of sale prices (internal)
    bool LockedPrice = false;          // the document has a fixed price
    bool OrderNoPriceNoPrint = false;  // leave out lines priced 0, mark headings and mark sums
    QString Header;                    // page heading; empty gives the document's own
};

// The options as the print-option windows set them.
// Order: the heading gets " KOSTPRIS" with cost prices; a fixed-price order
// printed without cost prices prints no line prices (the totals box shows
// the fixed price).
PrintOptions OrderPrintOptions(const QString& heading, bool showPrices, bool costPrices, bool noPriceNoPrint,
                               bool pricelock);
// Offer: never cost prices; a fixed-price offer prints no line prices.
PrintOptions OfferPrintOptions(const QString& heading, bool showPrices, bool noPriceNoPrint, bool pricelock);
// Purchase order: never cost prices, every line printed; a fixed price
// prints no line prices.
PrintOptions POPrintOptions(const QString& heading, bool showPrices, bool pricelock);
// Invoice: prices shown, no cost prices, every line printed.
PrintOptions InvoicePrintOptions(bool pricelock);

// The document printouts, over the current row of the order, offer,
// purchase-order and invoice datasets. The item lines are re-selected for
// that document in the order "mark,productcode,producttext" and the
// document is recomputed (OrderUpdate and its siblings) first.
PrintProc OrderPrint(TDatabaseModule& dm, const PrintOptions& options);
PrintProc OfferPrint(TDatabaseModule& dm, const PrintOptions& options);
PrintProc POprint(TDatabaseModule& dm, const PrintOptions& options);
PrintProc InvoicePrint(TDatabaseModule& dm);
PrintProc InvoicePrint(TDatabaseModule& dm, const PrintOptions& options);

// Delivery note ("PAKKSEDDEL": remaining and delivered quantities) and
// picking list ("PLUKKLISTE": blanks to fill in by hand) of the current
// order, in the order the item lines are shown.
enum class DeliveryKind { DeliveryNote, PickingList };
PrintProc PrintDelivery(TDatabaseModule& dm, DeliveryKind kind);

// The order list ("Ordreliste") and invoice list ("Fakturaliste"): the
// rows of the order or invoice dataset as the list shows them (its filter
// and sort order), with a count and a total. The dataset's current row is
// left where it was.
PrintProc OrderListPrint(TDatabaseModule& dm);
PrintProc InvoiceListPrint(TDatabaseModule& dm);

// The job titles the document windows give their printouts: "O", "T",
// "B", "F", "OP" and "OPL" followed by the document number.
QString DocumentJobTitle(const QString& prefix, const QString& number);
