#pragma once
// Item lines made from other rows: from a product, from a finished time
// registration, from other lines through the clipboard file "Items.TXT";
// and calendar entries made from standard jobs.
//
// The clipboard file lies in the program's temporary folder: one line per
// item line, product code and quantity separated by a comma, Windows-1252
// with CR LF. Quantities are written with a decimal point. Other programs
// read and write that file, so it keeps its two fields; the whole lines
// (text, count, unit, price, discount, VAT code, cost) go into a file of
// their own beside it, "Items.kvl" (JSON, UTF-8), which names the digest of
// the clipboard file it belongs to. A paste uses the whole lines only while
// the clipboard file is still the one they were copied with; a clipboard
// file written by another program is pasted from the product register.
#include <QString>

class Connection;
class TDatabaseModule;

// What an item line takes from a product.
struct ProductValues {
    qint64 id = 0;
    QString productcode, producttext, piece;
    double price = 0, real_cost = 0;
};
// The product whose code is exactly code, looked for over the whole product
// table whatever the product dataset is filtered on; false when none.
bool FindProduct(Connection& conn, const QString& code, ProductValues& out);

// Full path of the clipboard file.
QString ItemsTempFile();
// Full path of the file of whole lines beside it.
QString ItemsFullFile();
// Writes every line of ItemsQuery to the clipboard file (replacing it) and
// the whole lines beside it.
// False when the file cannot be written (the user has been told).
bool CopyItemsToFile(TDatabaseModule& dm);
// Adds the copied lines as they were when the whole lines belong to the
// clipboard file; otherwise a line for each clipboard line whose product is
// found in the product dataset as it is filtered, at the product's current
// price and cost.
// Returns the number of lines added, or -1 when the file cannot be read.
// The paste is one transaction: a line that cannot be saved (or a lost
// server) stops it with one message and nothing pasted. Lines without a
// known product code are counted in *skipped and logged.
int PasteItemsFromFile(TDatabaseModule& dm, int* skipped = nullptr);
// Deletes the lines from the current one to the last; each deletion asks
// as any deletion does, and the first "no" stops. Returns how many went.
int DeleteItems(TDatabaseModule& dm);
// Fills a line (a new one, or the current one) from the current product:
// code, text, price, unit and real cost; the quantity only when the line
// has none; the mark of the last saved line when it has none. Saves it.
bool CopyProductToItems(TDatabaseModule& dm, bool newLine, double quantity);
// The same from a product found with FindProduct; save false leaves the
// filled line unsaved (a product number still being typed).
bool CopyProductToItems(TDatabaseModule& dm, const ProductValues& product, bool newLine, double quantity,
                        bool save = true);
// Bills the current time registration into the current order: a line with
// the hours as quantity, unit "TIM", the hourly rate and cost from the
// settings and the given mark; the registration is marked as entered and
// tied to the order in the same transaction. Only done registrations not
// entered before, of a billable time group (never absence), are billed,
// and never twice, even from two workstations. True when a line was added.
// The order is orderId, else the one whose window is open (CurrentOrderID),
// else the order dataset's current row.
bool CopyCalendarToItems(TDatabaseModule& dm, const QString& mark, qint64 orderId = 0);
// Fills a calendar entry (a new one, or the current one) from the current
// standard job; with shiftDate it starts at midnight day_interval days from
// today. Saves it.
bool CopyJobToCalendar(TDatabaseModule& dm, bool newEntry, bool shiftDate);
