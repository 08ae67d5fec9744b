#include "print/productprint.h"

#include "core/felles.h"
#include "core/sysreg.h"
#include "data/connection.h"
#include "data/dataset.h"
#include "print/barcode.h"

#include <QCursor>
#include <QDate>
#include <QGuiApplication>

#include <cmath>
#include <memory>
#include <vector>

namespace {

QString bodyFont()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    const QString f = GetRegStr(QStringLiteral("Skriver_Font")).trimmed();
    return f.isEmpty() ? QStringLiteral("Arial") : f;
}

// "#,##0.00" the Norwegian way: blank between thousands, decimal comma.
QString money(double x) { return NorNum(x, 2); }

int intSetting(const QString& key)
{
    bool ok = false;
    const int v = GetRegStr(key).trimmed().toInt(&ok);
    return ok ? v : 0;
}

class WaitCursor {
public:
    WaitCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            on_ = true;
        }
    }
    ~WaitCursor()
    {
        if (on_) QGuiApplication::restoreOverrideCursor();
    }

private:
    bool on_ = false;
};

}  // namespace

// ---- label ------------------------------------------------------------

LabelOptions LoadLabelOptions()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    LabelOptions o;
    o.MarginLeft = intSetting(QStringLiteral("ProductLabelMarginLeft"));
    o.MarginTop = intSetting(QStringLiteral("ProductLabelMarginTop"));
    o.BarcodeHeight = intSetting(QStringLiteral("ProductLabelBarcodeHeight"));
    o.PosLeft = intSetting(QStringLiteral("ProductLabelPosLeft"));
    o.PosRight = intSetting(QStringLiteral("ProductLabelPosRight"));
    o.PosTop = intSetting(QStringLiteral("ProductLabelPosTop"));
    o.PrintBarcode = GetRegBoolean(QStringLiteral("ProductLabelPrintBarcode"));
    o.PrintProductText = GetRegBoolean(QStringLiteral("ProductLabelPrintProductText"));
    o.PrintProductCode = GetRegBoolean(QStringLiteral("ProductLabelPrintProductCode"));
    o.PrintProductGroup = GetRegBoolean(QStringLiteral("ProductLabelPrintProductGroup"));
    o.PrintPrice = GetRegBoolean(QStringLiteral("ProductLabelPrintPrice"));
    o.PrintBarcodeEAN = GetRegBoolean(QStringLiteral("ProductLabelPrintBarcodeEAN"));
    return o;
}

void SaveLabelOptions(const LabelOptions& o)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    SetRegStr(QStringLiteral("ProductLabelMarginLeft"), QString::number(o.MarginLeft));
    SetRegStr(QStringLiteral("ProductLabelMarginTop"), QString::number(o.MarginTop));
    SetRegStr(QStringLiteral("ProductLabelBarcodeHeight"), QString::number(o.BarcodeHeight));
    SetRegStr(QStringLiteral("ProductLabelPosLeft"), QString::number(o.PosLeft));
    SetRegStr(QStringLiteral("ProductLabelPosRight"), QString::number(o.PosRight));
    SetRegStr(QStringLiteral("ProductLabelPosTop"), QString::number(o.PosTop));
    SetRegBoolean(QStringLiteral("ProductLabelPrintBarcode"), o.PrintBarcode);
    SetRegBoolean(QStringLiteral("ProductLabelPrintProductText"), o.PrintProductText);
    SetRegBoolean(QStringLiteral("ProductLabelPrintProductCode"), o.PrintProductCode);
    SetRegBoolean(QStringLiteral("ProductLabelPrintProductGroup"), o.PrintProductGroup);
    SetRegBoolean(QStringLiteral("ProductLabelPrintPrice"), o.PrintPrice);
    SetRegBoolean(QStringLiteral("ProductLabelPrintBarcodeEAN"), o.PrintBarcodeEAN);
}

LabelProduct LabelProductOf(const Dataset& ds)
{
    LabelProduct p;
    if (!ds.isOpen() || ds.isEmpty()) return p;
    p.productcode = ds.asString(QStringLiteral("productcode"));
    p.producttext = ds.asString(QStringLiteral("producttext"));
    p.productgroup = ds.asString(QStringLiteral("productgroup"));
    p.price = ds.asFloat(QStringLiteral("price"));
    return p;
}

PrintProc ProductPrintLabel(const LabelProduct& product, const LabelOptions& o)
{
    const QString font = bodyFont();
    return [product, o, font] {
        // The font first: a barcode height of 0 is measured in its lines.
        SetFont(font, 8);
        SetFontColor(0);
        PrnBold(false);
        const int height = o.BarcodeHeight > 0 ? o.BarcodeHeight : 3 * LineHeightMM();
        if (o.PrintBarcode)
            PrintProductBarcode(product.productcode, 24, height, o.MarginTop, o.MarginLeft, 1.0, o.PrintBarcodeEAN);
        // An unset text top (0) puts the text under the bars and their
        // text instead of across them.
        int textTop = o.PosTop;
        if (o.PrintBarcode && textTop == 0) textTop = height + (o.PrintBarcodeEAN ? LineHeightMM() : 0) + 1;
        setYPluss(o.MarginTop + textTop);
        setXPluss(o.MarginLeft + o.PosLeft);
        // The code and the group share the first line; the text gets its
        // own line below them, so neither covers the other.
        bool firstLine = false;
        if (o.PrintProductCode) {
            WriteFromLeft(0, product.productcode);
            firstLine = true;
        }
        if (o.PrintProductGroup) {
            WriteFromRight(o.PosRight + o.MarginLeft + o.PosLeft, product.productgroup);
            firstLine = true;
        }
        if (o.PrintProductText) {
            if (firstLine) Linjened(1);
            WriteFromLeft(0, product.producttext);
            firstLine = true;
        }
        if (o.PrintPrice) {
            if (firstLine) Linjened(1);
            WriteFromLeft(0, QStringLiteral("Pris: ") + money(product.price));
        }
    };
}

PrintProc ProductPrintLabels(const std::vector<LabelProduct>& products, const LabelOptions& options)
{
    std::vector<PrintProc> labels;
    labels.reserve(products.size());
    for (const LabelProduct& p : products) labels.push_back(ProductPrintLabel(p, options));
    return [labels] {
        for (size_t i = 0; i < labels.size(); ++i) {
            if (i > 0) NextPage();
            labels[i]();
        }
    };
}

// ---- product list -----------------------------------------------------

ProductListOptions LoadProductListOptions()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    ProductListOptions o;
    o.Mode = std::clamp(GetRegInt(QStringLiteral("ProductPrintMode")), 0, 4) + 1;
    o.BarCode = GetRegBoolean(QStringLiteral("ProductPrintBarCode"));
    o.BarCodeEAN = GetRegBoolean(QStringLiteral("ProductPrintBarCodeEAN"));
    o.DoubleFeed = GetRegBoolean(QStringLiteral("ProductPrintDoubleFeed"));
    o.FromStart = GetRegBoolean(QStringLiteral("ProductPrintFromStart"));
    o.SeperatorLine = GetRegBoolean(QStringLiteral("ProductPrintSeperatorLine"));
    return o;
}

void SaveProductListOptions(const ProductListOptions& o)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    SetRegInt(QStringLiteral("ProductPrintMode"), std::clamp(o.Mode, 1, 5) - 1);
    SetRegBoolean(QStringLiteral("ProductPrintBarCode"), o.BarCode);
    SetRegBoolean(QStringLiteral("ProductPrintBarCodeEAN"), o.BarCodeEAN);
    SetRegBoolean(QStringLiteral("ProductPrintDoubleFeed"), o.DoubleFeed);
    SetRegBoolean(QStringLiteral("ProductPrintFromStart"), o.FromStart);
    SetRegBoolean(QStringLiteral("ProductPrintSeperatorLine"), o.SeperatorLine);
}

QString ProductListModeName(int mode)
{
    static const char* const names[] = {"Utpriser", "Kostpriser", "Lagerliste", "Lagerverdi", "Strekkodeliste"};
    return QString::fromUtf8(names[std::clamp(mode, 1, 5) - 1]);
}

namespace {

struct ProductRow {
    QString productcode, producttext, piece, productgroup;
    double price = 0, real_cost = 0, instock = 0;
};

struct ProductList {
    ProductListOptions opt;
    QString font;
    std::vector<ProductRow> rows;
};

QString modeTitle(int mode)
{
    static const char* const titles[] = {"UTPRISER", "KOSTPRISER", "LAGERLISTE", "LAGERVERDI"};
    return QString::fromLatin1(titles[std::clamp(mode, 1, 4) - 1]);
}

void listPageStart(const ProductList& l)
{
    if (l.opt.Mode == 5) {
        setXPluss(0);
        setYPluss(0);
        SetPen(1);
    } else {
        PrintMiniHeader(modeTitle(l.opt.Mode), true);
    }
}

void listHeading(const ProductList& l)
{
    SetFont(l.font, 8);
    SetFontColor(0);
    PrnBold(true);
    if (l.opt.Mode == 5) {
        Linjened(1);
        PrnBold(false);
        return;
    }
    WriteFromRight(2, QStringLiteral("Utskrift dato: ") + DateStr(QDate::currentDate()));
    PrnBold(false);
    Linjened(2);
    SetBrushColor(0xFFFFFF);
    PrintRectPix(PView.left, pmm(Ypluss), PView.right, PView.bottom);
    GrayLineBorder();
    PrnBold(true);
    WriteFromLeft(2, QStringLiteral("Varenr"));
    WriteFromLeft(25, QStringLiteral("Varetekst"));
    switch (l.opt.Mode) {
    case 1: WriteFromRight(25, QStringLiteral("Utpris")); break;
    case 2: WriteFromRight(25, QStringLiteral("Kostpris")); break;
    case 3: WriteFromRight(25, QStringLiteral("Pålager")); break;
    default:
        WriteFromRight(65, QStringLiteral("Kostpris"));
        WriteFromRight(45, QStringLiteral("Pålager"));
        WriteFromRight(25, QStringLiteral("Totalt"));
    }
    WriteFromRight(15, QStringLiteral("Enh"));
    WriteFromRight(2, QStringLiteral("Gruppe"));
    PrnBold(false);
    SetBrushColor(0xFFFFFF);
    Linjened(2);
}

// One entry of modes 1 to 4; true when the page is full.
bool listLine(const ProductList& l, const ProductRow& r, int& count)
{
    WriteFromLeft(2, r.productcode);
    WriteFromLeft(25, r.producttext);
    switch (l.opt.Mode) {
    case 1: WriteFromRight(25, money(r.price)); break;
    case 2: WriteFromRight(25, money(r.real_cost)); break;
    case 3: WriteFromRight(25, money(r.instock)); break;
    default:
        WriteFromRight(65, money(r.real_cost));
        WriteFromRight(45, money(r.instock));
        WriteFromRight(25, money(r.instock * r.real_cost));
    }
    WriteFromRight(15, r.piece);
    WriteFromRight(2, r.productgroup);
    if (l.opt.BarCode) {
        // The bars go on their own lines under the product text, clear of
        // the number columns whatever the list shows.
        Linjened(1);
        const double top = Ypluss + 0.5 - PView.top / PixPrMM;
        PrintProductBarcode(r.productcode, 0, 5, top, 25, 0.3, l.opt.BarCodeEAN);
        const int barLines = int(std::ceil((5.5 + (l.opt.BarCodeEAN ? LineHeightMM() : 0) + 1) / std::max(1, Yheight)));
        Linjened(barLines - 1);
    }
    Linjened(1);
    if (l.opt.DoubleFeed) Linjened(1);
    ++count;
    if (l.opt.SeperatorLine && count % 4 == 0) SeperatorLine(2, 2);
    return EndOfPage(3);
}

// One entry of the barcode sheet; column flips between left and right.
bool sheetEntry(const ProductList& l, const ProductRow& r, bool& right)
{
    int offset = 0;
    if (right) {
        offset = PaperWidth / 2;
        LinjeOpp(4);
    }
    WriteFromLeft(offset + 26, r.productcode);
    WriteFromLeft(offset + 66, r.productgroup);
    const double top = Ypluss - 1 - PView.top / PixPrMM;
    PrintProductBarcode(r.productcode, 24, 10, top, offset + 5, 1.0, l.opt.BarCodeEAN);
    Linjened(1);
    WriteFromLeft(offset + 26, r.producttext);
    if (l.opt.SeperatorLine) {
        Linjened(2);
        // The line goes under each row of two, once.
        if (right) SeperatorLine(0, 0);
    } else {
        Linjened(3);
    }
    right = !right;
    return EndOfPage(4);
}

void drawProductList(const ProductList& l)
{
    WaitCursor wait;
    listPageStart(l);
    if (l.opt.Mode == 5 && l.opt.SeperatorLine) SeperatorLine(0, 0);
    listHeading(l);
    int count = 0;
    double total = 0;
    bool right = false;
    for (size_t i = 0; i < l.rows.size(); ++i) {
        const ProductRow& r = l.rows[i];
        const bool full = l.opt.Mode == 5 ? sheetEntry(l, r, right) : listLine(l, r, count);
        total += r.instock * r.real_cost;
        // A page break in the sheet waits for the row of two to be whole.
        if (full && i + 1 < l.rows.size() && !(l.opt.Mode == 5 && right)) {
            NextPage();
            listPageStart(l);
            listHeading(l);
            right = false;
        }
    }
    if (l.opt.Mode == 4) {
        Linjened(2);
        PrnBold(true);
        WriteFromLeft(30, QStringLiteral("Total kostpris av totalt ") + QString::number(count) +
                              QStringLiteral(" vareslag:"));
        WriteFromRight(25, money(total));
        PrnBold(false);
    }
}

}  // namespace

PrintProc ProductListPrint(Dataset& ds, const ProductListOptions& options)
{
    auto l = std::make_shared<ProductList>();
    l->opt = options;
    l->font = bodyFont();
    if (ds.isOpen() && !ds.isEmpty()) {
        auto col = [&](const char* n) { return ds.fieldIndex(QString::fromLatin1(n)); };
        const int cCode = col("productcode"), cText = col("producttext"), cPiece = col("piece"),
                  cGroup = col("productgroup"), cPrice = col("price"), cCost = col("real_cost"), cStock = col("instock");
        auto s = [&](int r, int c) { return c < 0 ? QString() : ds.rowValue(r, c).toString(); };
        auto d = [&](int r, int c) { return c < 0 ? 0.0 : ds.rowValue(r, c).toDouble(); };
        // Rows are read where they stand; the list's current row stays.
        const int n = ds.recordCount();
        l->rows.reserve(size_t(n));
        for (int r = options.FromStart ? 0 : std::max(0, ds.recNo()); r < n; ++r)
            l->rows.push_back({s(r, cCode), s(r, cText), s(r, cPiece), s(r, cGroup), d(r, cPrice), d(r, cCost),
                               d(r, cStock)});
    }
    return [l] { drawProductList(*l); };
}

// ---- stock status -----------------------------------------------------

bool ComputeStockStatus(Connection& conn, const QString& table, const QString& filter, StockStatus& out)
{
    const QString t = QStringLiteral("`") + table + QStringLiteral("`");
    const QString where = filter.isEmpty() ? QStringLiteral("1") : QStringLiteral("(") + filter + QStringLiteral(")");
    auto r = conn.query(
        QStringLiteral("SELECT SUM(") + where + QStringLiteral("), SUM(IF(") + where +
        QStringLiteral(", instock*real_cost, 0)), COUNT(*), SUM(user_favorite=1), SUM(minstock>0), SUM(instock>0), "
                       "SUM(IF(instock>0, instock*real_cost, 0)), SUM(IF(instock>0, instock*price, 0)), "
                       "SUM(IF(instock>0, instock*real_cost/100*value, 0)) FROM ") +
        t);
    if (!r || !r->next()) return false;
    out.filtered = int(r->toLongLong(0));
    out.filteredCost = r->toDouble(1);
    out.all = int(r->toLongLong(2));
    out.favourites = int(r->toLongLong(3));
    out.stockItems = int(r->toLongLong(4));
    out.inStock = int(r->toLongLong(5));
    out.costValue = r->toDouble(6);
    out.saleValue = r->toDouble(7);
    out.stockValue = r->toDouble(8);
    return true;
}

PrintProc ProductStatusPrint(const StockStatus& st, const QString& title)
{
    const QString font = bodyFont();
    return [st, title, font] {
        WaitCursor wait;
        PrintMiniHeader(title, true);
        SetFont(font, 10);
        SetFontColor(0);
        Linjened(5);
        struct Row {
            const char* label;
            QString value;
            const char* unit;
            double feed;
        };
        const Row rows[] = {
            {"Varer i vareregisteret", QString::number(st.all), "stk", 2},
            {"Favorittvarer", QString::number(st.favourites), "stk", 2},
            {"Varer på lager", QString::number(st.inStock), "stk", 2},
            {"Lagervare", QString::number(st.stockItems), "stk", 4},
            {"Kostpris varelager", money(st.costValue), "Kr", 2},
            {"Varelagerverdi", money(st.stockValue), "Kr", 2},
            {"Salgsverdi varelager", money(st.saleValue), "Kr", 0},
        };
        for (const Row& r : rows) {
            WriteFromLeft(0, QString::fromUtf8(r.label));
            RightJustifyPrint(50 + 30, r.value);
            WriteFromLeft(53 + 30, QString::fromLatin1(r.unit));
            if (r.feed > 0) Linjened(r.feed);
        }
    };
}
