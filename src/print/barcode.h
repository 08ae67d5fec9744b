#pragma once
// The product barcode: GS1-128 (Code 128 whose data begins with FNC1) over
// the product code followed by its GS1 check digit, drawn on the print
// engine's page or on any painter.
//
// Every character of the text is a symbol: a backslash is data like any
// other. Code 128 carries ASCII only, and GS1-128 only its printable part
// (blank to tilde); a text with any other character (ÆØÅ, control
// characters) gets no symbol at all, and the reason says which character,
// so a label never carries bars that scan as something else.
#include <QString>
#include <vector>

class QPainter;
class QRectF;

struct Code128Symbol {
    bool ok = false;
    QString error;             // why there is no symbol (Norwegian)
    std::vector<int> values;   // start, data and check values, then the stop (106)
    std::vector<int> modules;  // bar and space widths in modules, starting with a bar
    int moduleCount() const;   // the symbol without quiet zones
};

// Code 128 symbol for data; with fnc1 the data is preceded by FNC1 (GS1-128).
// The encoder picks code set C for runs of four digits or more and code set
// B otherwise, and appends the modulo-103 check character and the stop.
Code128Symbol EncodeCode128(const QString& data, bool fnc1);

// The product barcode of a product code: FNC1 + code + GS1 check digit.
struct ProductBarcode {
    QString fullEncoded;  // product code + check digit: the human-readable text
    Code128Symbol symbol;
};
ProductBarcode MakeProductBarcode(const QString& productCode);

// The width of a quiet zone on each side, in modules.
constexpr int kQuietZoneModules = 10;

// Draws the bars of symbol into rect of painter (its units), the quiet
// zones included in the rect's width; with text, the text goes centred
// below the bars inside the rect (the bars get what is left of the height).
// Bars are filled black rectangles at fractional positions.
void DrawCode128(QPainter& painter, const QRectF& rect, const Code128Symbol& symbol, const QString& text);

// Prints the product barcode on the running print job, like the engine's
// other primitives: lengths in millimetres from the top-left corner of the
// printable area. width > 0 fits the whole symbol with quiet zones into
// width; width 0 uses moduleWidth per module. With showText the full
// encoded text is written under the bars in the engine's current font. A
// code that cannot be encoded prints the reason in place of the bars.
// Returns false in that case.
bool PrintProductBarcode(const QString& productCode, double width, double height, double top, double left,
                         double moduleWidth, bool showText);
