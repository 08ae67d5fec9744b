#pragma once
// The product printouts: the label of one product, the product list in its
// five forms (selling prices, cost prices, stock list, stock value and the
// two-column barcode sheet) and the stock status.
//
// As with the document printouts, each function reads what it needs once
// and returns a procedure that draws only from that copy; numbers are
// written in fixed Norwegian forms ("1 234,50") whatever the machine's
// locale.
#include "print/utskrift.h"

#include <QString>

#include <vector>

class Connection;
class Dataset;

// ---- label ------------------------------------------------------------

// The label settings; stored in the main settings file, section STANDARD.
struct LabelOptions {
    int MarginLeft = 0, MarginTop = 0, BarcodeHeight = 0;  // mm
    int PosLeft = 0, PosRight = 0, PosTop = 0;             // mm, the text block
    bool PrintBarcode = false, PrintProductText = false, PrintProductCode = false, PrintProductGroup = false,
         PrintPrice = false, PrintBarcodeEAN = false;
};
LabelOptions LoadLabelOptions();
void SaveLabelOptions(const LabelOptions& o);

struct LabelProduct {
    QString productcode, producttext, productgroup;
    double price = 0;
};
// The current row of ds as a label's product.
LabelProduct LabelProductOf(const Dataset& ds);

// One label (one page): the barcode at the label margins, then the code
// and group on one line, the text on the next, the price below. The code
// with its check digit goes under the bars with "EAN-nummer". A barcode
// height of 0 gives bars three text lines high.
PrintProc ProductPrintLabel(const LabelProduct& product, const LabelOptions& options);
// One label per product, each on its own page.
PrintProc ProductPrintLabels(const std::vector<LabelProduct>& products, const LabelOptions& options);

// ---- product list -----------------------------------------------------

struct ProductListOptions {
    int Mode = 1;  // 1 selling prices, 2 cost prices, 3 stock list, 4 stock value, 5 barcode sheet
    bool BarCode = false, BarCodeEAN = false, DoubleFeed = false, FromStart = true, SeperatorLine = false;
};
// ProductPrintMode (0..4) and the boxes as stored; Mode is the index + 1.
ProductListOptions LoadProductListOptions();
void SaveProductListOptions(const ProductListOptions& o);
// The titles of the modes 1 to 5 as the dialog lists them.
QString ProductListModeName(int mode);

// The rows of ds (its filter and order) from the first one, or from the
// current one when FromStart is off. ds's current row is left as it was.
PrintProc ProductListPrint(Dataset& ds, const ProductListOptions& options);

// ---- stock status -----------------------------------------------------

struct StockStatus {
    int filtered = 0;           // rows under the list's filter
    double filteredCost = 0;    // their instock * real_cost
    int all = 0, favourites = 0, stockItems = 0, inStock = 0;
    double costValue = 0, saleValue = 0, stockValue = 0;  // over the products in stock
};
// The figures of table (a warehouse) with the list's filter, counted on
// the server; false when the server could not be asked.
bool ComputeStockStatus(Connection& conn, const QString& table, const QString& filter, StockStatus& out);
PrintProc ProductStatusPrint(const StockStatus& status, const QString& title);
