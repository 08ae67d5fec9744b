#pragma once
// The product register's own rules: the GS1 check digit, the list's search
// text (a code range or a free text), warehouse tables, stock counted one
// unit at a time and reset for the whole register, EAN numbers generated
// for the products without one, and products copied onto a purchase order.
//
// Stock statements are relative updates on the server on the table the
// product dataset shows (the chosen warehouse), so two workstations counting
// the same product never overwrite each other's count.
#include <QString>

class Connection;
class Dataset;
class TDatabaseModule;

// The GS1 modulo-10 digit over every character of code: from the rightmost
// character leftwards the values (character code minus '0') are weighted
// 3, 1, 3, 1 …; the digit is (10 - sum mod 10) mod 10. Nothing is refused.
int Gs1CheckDigit(const QString& code);
// code followed by its check digit (the EAN number made from a product code).
QString WithCheckDigit(const QString& code);

// A search text that is a range of product codes: blanks removed, split at
// the first "-", both parts whole numbers of at least 1. from and to get
// the parts as typed (without blanks).
bool IsFromToNumber(const QString& text, QString* from = nullptr, QString* to = nullptr);
// The product list's filter for a typed search text: a text range of
// product codes for "100-200", otherwise the free-text search over code,
// text, supplier numbers, EAN, internal text and group. Empty for an empty
// text. Quotes and backslashes are escaped; the user's % and _ still work
// in the like terms.
QString ProductSearchCondition(const QString& text);

// Whether name is a table of this database with every column of `product`
// (a warehouse the list can show). error gets the Norwegian reason.
bool IsWarehouseTable(Connection& conn, const QString& name, QString* error = nullptr);

// Adds delta to the current product's stock on the server (instock =
// instock + delta) and stamps the receipt (delta > 0: lastorder) or the
// withdrawal (delta < 0: lastsale); the row is re-read afterwards. A
// pending edit of the row is saved first. False when nothing was changed.
bool ChangeStockByOne(TDatabaseModule& dm, double delta);

enum class StockReset { SetAsCounted, SetToZero, BackToCounted };
// The statement of a whole-register stock reset on the shown table.
QString StockResetStatement(StockReset kind, const QString& table);
// Runs the reset on the product dataset's table and re-reads the list.
bool ResetStock(TDatabaseModule& dm, StockReset kind);

// The product's save rule (real cost, price from the mark-ups, value,
// price date, owner, max never below min) as SET assignments for a
// statement over many rows, for user and group.
QString ProductSaveRuleAssignments(int user, int group);

// "Generer EAN-nummer": every product of the product dataset's selection
// (its filter, on the server) whose EAN is empty gets its product code with
// the check digit, and goes through the product's save rule, in one
// transaction. Codes too long for the EAN column are passed over and
// counted in skipped. The list is re-read and left on its last row.
// Returns the number of products given an EAN, or -1 when it failed
// (nothing written then).
int GenerateEAN(TDatabaseModule& dm, int* skipped = nullptr);

// "Hent alle til bestilling": every product of the list, read afresh from
// the server, with maxstock - instock > 0 is added to the open document's
// lines with that quantity (CopyProductToItems). Returns the lines added.
int CopyAllForOrdering(TDatabaseModule& dm);

// Adding mode of the product list: set by the order window's
// "Vareregister" before it shows the list, cleared when the list closes.
// While set, Enter or a double-click on a product adds it to the document.
extern bool AddingProduct;
