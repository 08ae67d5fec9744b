#pragma once
// Document totals, order delivery, purchase-order receipt, invoice posting
// and the bulk price recalculation.
//
// The document is the current row of OrderTable, OfferTable, InvoiceTable
// or POTable; its item lines are the rows of `items` that point at it
// (orderid, offerid, invoiceid, poid), which is what the document windows
// select into ItemsQuery. The work is done on the server: lines are
// recomputed and summed there, only lines whose values change are written,
// and ItemsQuery is re-read afterwards when something changed.
//
// Stock moves are relative updates of `product` by product code over the
// whole table. Every line remembers (in `kv_stockmove`) what it has moved
// so far, so a repeated or stepped delivery or receipt moves only the
// difference, in the same transaction as the change that causes it.
#include <QString>

class TDatabaseModule;

// Totals of the current order, offer, invoice or purchase order: the lines
// get their sums recomputed and the document's references (project, part,
// asset, job, customer); the document gets ordertotal, ordercost, profit and
// orderVAT (VAT per line from its own code; on a fixed price from the
// document's code; purchase orders on the cost sums). A document without
// lines keeps its totals. False (nothing changed) when a VAT code is
// outside 0 to 4 or the server fails.
bool OrderUpdate(TDatabaseModule& dm);
bool OfferUpdate(TDatabaseModule& dm);
bool InvoiceUpdate(TDatabaseModule& dm);
bool POUpdate(TDatabaseModule& dm);

// Delivers the current order: each line's delivered quantity becomes its
// count (when its remainder is 0 or deliverAll is set) or its count less
// the remainder; stock goes down by what was delivered since the last
// delivery; the order gets today's delivery date.
bool OrderDeliver(TDatabaseModule& dm, bool deliverAll);

// Saves the purchase order's new status and moves its lines' quantities:
// "Bestilt" puts what is not yet received on order, "Delvis mottatt"
// receives each line's delivered quantity (the rest stays on order), and
// "Alt mottatt" receives every line in full. Other statuses move nothing.
// Picking the same status again moves nothing more.
bool POUpdateStatus(TDatabaseModule& dm, const QString& status);

// Marks the current invoice "Fakturert" and writes its posting, in one
// transaction and only when the status changes to "Fakturert" then and
// there; true when this call posted it. A subject longer than the posting
// text column is shortened (with a warning in the log).
bool PostInvoice(TDatabaseModule& dm);

// Recomputes real cost and sales price of every product in one statement
// and re-reads the product dataset.
void UpdateAllProducts(TDatabaseModule& dm);
