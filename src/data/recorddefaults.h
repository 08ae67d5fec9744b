#pragma once
// Record rules that run inside the dataset events: the defaults of a new
// row, document numbers, the computed columns of item lines, products and
// postings, and the questions asked before a row is deleted.
#include <QString>

class Connection;
class Dataset;
class TDatabaseModule;

// The VAT rate in per cent of a VAT code 0 to 4 (VATpercent); false for any
// other code, which no rule accepts.
bool VatRate(qint64 code, double& percent);
// The message shown when a row carries a VAT code outside 0 to 4.
QString VatCodeError(qint64 code);

// The own company's address as it goes into a new purchase order: name,
// postal address, street address, postcode and place, CR LF between lines.
QString OwnCompanyAddress();

// Rows changed by the last statement on the connection, as the server
// counts them (ROW_COUNT()); -1 when it cannot be asked.
qint64 ChangedRows(Connection& conn);

// Document numbers. The highest number of a document table that reads as a
// whole number, over the whole table on the server; texts that are not
// numbers are passed over. 0 when there is none. ok (when given) is false
// when the server could not be asked.
int HighestDocumentNumber(Connection& conn, const QString& table, bool* ok = nullptr);

// The defaults every new row gets (usergroup, user, rwx_all) and the
// further defaults of its table.
void ApplyNewRecordDefaults(TDatabaseModule& dm, Dataset& ds);

// Item line on save: sum and cost sum, LastMark, and delivered/remaining
// quantities (the one changed in this edit wins; otherwise the remainder
// follows the count). False (save refused) for a VAT code outside 0 to 4.
bool ItemsBeforePost(Dataset& ds);
// The number after the highest whole project number; the current year's
// first ("26001") when there is none.
QString NextProjectNumber(Connection& conn);
// A new project whose number another has taken since gets the next one.
bool ProjectBeforePost(Dataset& ds);
// Product on save: real cost, sales price from the mark-ups, value, price
// date, owner, and maxstock never below minstock.
bool ProductBeforePost(Dataset& ds);
// Posting on save: VAT sum from the VAT code; false for a code outside 0 to 4.
bool EntriesBeforePost(Dataset& ds);
void EntriesAfterPost(Dataset& ds);

// "Slette denne posten?" when ConfirmDelete is on.
bool ConfirmRowDelete(Dataset& ds);
// Invoices: never when invoiced ("Fakturert"), otherwise "Slette denne fakturaen?".
bool ConfirmInvoiceDelete(Dataset& ds);
