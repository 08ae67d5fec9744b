#pragma once
// Supplier files into the product register: the fixed-column price list and
// discount list, and the bulk price update. The windows and kvarnel-admin use
// these; nothing here knows about widgets.
//
// A line is trimmed at both ends before its fields are cut (positions count
// from its first non-blank character); the preview shows exactly what the
// import would store. Every import runs as one transaction: a failure leaves
// the product table as it was. Lines without a product code, with a price or
// discount that is not one number within its range, or longer than
// kMaxImportLine characters, are skipped, counted and logged with their
// line numbers.
#include <QString>
#include <QStringList>

#include <vector>

class Connection;

// A 1-based position and a length in characters.
struct FieldPos {
    int pos = 1, len = 0;
};

// The text of f in line, trailing blanks removed; empty when the line is
// shorter than the position.
QString CutField(const QString& line, FieldPos f);

struct PriceListLayout {
    FieldPos code{5, 7}, text{19, 40}, price{74, 9}, unit{71, 3}, group{83, 5};
};
struct DiscountListLayout {
    FieldPos code{7, 8}, discount{15, 5}, type{21, 1}, group{7, 8};
};

struct PriceLine {
    QString code, text, price, unit, group;  // price as a plain number text ("12.50")
    QString problem;                         // why the line is skipped; empty when it is not
};
struct DiscountLine {
    QString code, discount, type, group;
    bool byGroup = false;  // type "G"
    QString problem;
};

// One line of a price list (as read from the file), as the import stores it:
// apostrophes become U+00B4. Prices (0 to 99 999 999) and discounts (0 to
// 100 %) are read strictly (ReadFileNumber); a field that is not one such
// number, also one that runs on into the columns after it, gives a problem.
PriceLine ParsePriceLine(const QString& line, const PriceListLayout& layout);
DiscountLine ParseDiscountLine(const QString& line, const DiscountListLayout& layout);

// "Importvalg:": update the cost of existing products; update or add; add all.
enum class PriceImportMode { UpdateCost = 0, UpdateOrInsert = 1, InsertAll = 2 };

constexpr int kMaxImportLine = 2000;
constexpr qint64 kMaxImportFile = 64 * 1024 * 1024;

struct ImportReport {
    int lines = 0;     // lines read
    int updated = 0;   // products changed
    int inserted = 0;  // products added
    int skipped = 0;   // lines left out, with the reasons below
    QStringList skippedLines;  // "linje N: reason"
    QString error;             // set when nothing was imported
    QString note;              // e.g. that the file was read as UTF-8
    QString summary() const;   // "N linjer lest, … N linjer hoppet over"
};

// Reads a supplier file into lines: Windows-1252, or UTF-8 when the file is
// valid UTF-8 with non-ASCII letters (noted in note). False with a Norwegian
// error for a missing, unreadable, empty, binary or over-large file.
bool ReadImportFile(const QString& path, QStringList& lines, QString& error, QString* note = nullptr);

// The price list into product, for supplier vendorId. test: nothing is
// written, the report says what would happen. Lines apply in file order:
// under UpdateOrInsert a new product code on several lines is added by its
// first line and its cost then set by the last, so it counts as one product
// added and, when the later price differs, one product changed.
bool ImportPriceList(Connection& conn, const QString& path, const PriceListLayout& layout, PriceImportMode mode,
                     int vendorId, bool test, ImportReport& report);
// The discount list: per product code, or per product group for type "G".
// The products' real cost and price are recalculated from the new
// discounts in the same transaction.
// The caller recalculates the products afterwards.
bool ImportDiscountList(Connection& conn, const QString& path, const DiscountListLayout& layout, ImportReport& report);

// "Prisoppdatering": each set member is applied (the cost raised by a
// percent, the others set); restricted to a product group and/or supplier
// when given. Values are typed numbers (comma or point). Returns the number
// of products changed, or -1 with error set.
struct PriceUpdate {
    bool raiseCost = false, setDiscount = false, setDirectCost = false, setFreight = false, setAddPercent = false,
         setAddSum = false, setVatCode = false, forGroup = false, forVendor = false;
    QString costPercent, discount, directCost, freight, addPercent, addSum, vatCode, group;
    int vendorId = 0;
};
int RunPriceUpdate(Connection& conn, const PriceUpdate& u, QString& error);
// The statement RunPriceUpdate runs, with ? for each value, and the values.
QString PriceUpdateStatement(const PriceUpdate& u, QStringList* values = nullptr);
// Recalculates real cost and price of every product on the server.
bool RecalculateAllProducts(Connection& conn);
