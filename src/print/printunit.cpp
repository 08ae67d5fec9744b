#include "print/printunit.h"

#include "core/felles.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/invoicekid.h"
#include "data/ordertotals.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <memory>

namespace {

// ---- the prepared copy ------------------------------------------------

enum class DocKind { Order, Offer, PO, Invoice, Delivery };

struct Line {
    QString productcode, producttext, piece, mark;
    double price = 0, cost = 0, itemcount = 0, discount = 0, sum = 0, sumcost = 0, itemdelivered = 0, itemremain = 0;
};

struct InfoRow {
    QString label, value;
    bool advance = true;
};

struct Document {
    DocKind kind = DocKind::Order;
    DeliveryKind delivery = DeliveryKind::DeliveryNote;
    PrintOptions opt;
    QString heading;
    QString bodyFont;
    int storFont = 9;    // address and information block
    int listFont = 8;    // item list
    bool hasCompany = false;
    QStringList address;  // custno, name, street, postal address, postal code and city
    QString deliveryAddress, subject;
    std::vector<InfoRow> info;
    QStringList memo;
    double ordertotal = 0, orderVAT = 0, ordercost = 0, profit = 0, lockedprice = 0;
    bool pricelock = false;
    std::vector<Line> lines;
};

struct ListRow {
    QString number, date, name, text, status;
    double amount = 0;
};

// ---- settings ---------------------------------------------------------

QString bodyFontName()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    const QString f = GetRegStr(QStringLiteral("Skriver_Font")).trimmed();
    return f.isEmpty() ? QStringLiteral("Arial") : f;
}

int listFontSize()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    const int v = GetRegInt(QStringLiteral("Salgutskrift_Or_FontSize"));
    return v > 0 ? v : 8;
}

int storFontSize()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    int v = GetRegInt(QStringLiteral("Skriver_StorFont"));
    if (v <= 0) {
        v = 9;
        SetRegInt(QStringLiteral("Skriver_StorFont"), v);
    }
    return v;
}

// ---- reading ----------------------------------------------------------

QString money(double x) { return DoubleToStr(100, 2, x); }
QString plain(double x) { return DoubleToStr(0, 0, x); }

QString dateText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime) return DateStr(v.toDateTime().date());
    if (v.typeId() == QMetaType::QDate) return DateStr(v.toDate());
    return v.toString();
}

QString text(const QVariant& v)
{
    if (v.typeId() == QMetaType::QByteArray) return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

QStringList memoLines(const QString& memo)
{
    QString m = memo;
    m.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = m.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    return lines;
}

// One row of a table by id, as name -> text; empty when there is none.
QHash<QString, QString> rowById(TDatabaseModule& dm, const QString& table, qint64 id, const QStringList& columns)
{
    QHash<QString, QString> out;
    if (id <= 0) return out;
    QStringList quoted;
    for (const QString& c : columns) quoted << '`' + c + '`';
    auto r = dm.MyConnection.query(QStringLiteral("SELECT %1 FROM `%2` WHERE id=%3").arg(quoted.join(','), table).arg(id));
    if (!r || !r->next()) return out;
    for (int i = 0; i < columns.size(); ++i) out.insert(columns[i], r->value(i));
    return out;
}

std::vector<Line> readLines(Dataset& q)
{
    std::vector<Line> lines;
    if (!q.isOpen()) return lines;
    auto col = [&](const char* n) { return q.fieldIndex(QString::fromLatin1(n)); };
    const int cCode = col("productcode"), cText = col("producttext"), cPiece = col("piece"), cMark = col("mark"),
              cPrice = col("price"), cCost = col("cost"), cCount = col("itemcount"), cDisc = col("discount"),
              cSum = col("sum"), cSumCost = col("sumcost"), cDel = col("itemdelivered"), cRem = col("itemremain");
    auto s = [&](int row, int c) { return c < 0 ? QString() : text(q.rowValue(row, c)); };
    auto d = [&](int row, int c) { return c < 0 ? 0.0 : q.rowValue(row, c).toDouble(); };
    for (int r = 0; r < q.recordCount(); ++r) {
        Line l;
        l.productcode = s(r, cCode);
        l.producttext = s(r, cText);
        l.piece = s(r, cPiece);
        l.mark = s(r, cMark);
        l.price = d(r, cPrice);
        l.cost = d(r, cCost);
        l.itemcount = d(r, cCount);
        l.discount = d(r, cDisc);
        l.sum = d(r, cSum);
        l.sumcost = d(r, cSumCost);
        l.itemdelivered = d(r, cDel);
        l.itemremain = d(r, cRem);
        lines.push_back(l);
    }
    return lines;
}

struct KindInfo {
    Dataset TDatabaseModule::*table;
    const char* key;
    bool (*update)(TDatabaseModule&);
};

KindInfo kindInfo(DocKind k)
{
    switch (k) {
    case DocKind::Offer: return {&TDatabaseModule::OfferTable, "offerid", OfferUpdate};
    case DocKind::PO: return {&TDatabaseModule::POTable, "poid", POUpdate};
    case DocKind::Invoice: return {&TDatabaseModule::InvoiceTable, "invoiceid", InvoiceUpdate};
    case DocKind::Order:
    case DocKind::Delivery: break;
    }
    return {&TDatabaseModule::OrderTable, "orderid", OrderUpdate};
}

std::shared_ptr<Document> prepareDocument(TDatabaseModule& dm, DocKind kind, const PrintOptions& opt,
                                          const QString& defaultHeading)
{
    auto doc = std::make_shared<Document>();
    doc->kind = kind;
    doc->opt = opt;
    doc->heading = opt.Header.isEmpty() ? defaultHeading : opt.Header;
    doc->bodyFont = bodyFontName();
    doc->storFont = storFontSize();
    doc->listFont = listFontSize();

    const KindInfo ki = kindInfo(kind);
    Dataset& ds = dm.*ki.table;
    if (!ds.isOpen() || ds.isEmpty()) return doc;
    const qint64 id = ds.currentId();

    // The lines of this document, grouped by mark and sorted by product
    // within a mark; the delivery papers keep the order the window shows,
    // unless the lines shown belong to another document.
    const QString where = QString::fromLatin1(ki.key) + '=' + QString::number(id);
    if (kind != DocKind::Delivery) {
        Items_ORDER = QStringLiteral("mark,productcode,producttext");
        Items_WHERE = where;
        dm.ItemsSQLSelect();
        ki.update(dm);
    }
    // An invoice printed with KID switched on carries its KID, made now
    // when it has none yet.
    const KidSettings kidSettings = kind == DocKind::Invoice ? ReadKidSettings() : KidSettings();
    if (kidSettings.on && ds.hasField(QStringLiteral("kid")) && ds.asString(QStringLiteral("kid")).trimmed().isEmpty()) {
        QString why;
        EnsureInvoiceKid(dm.MyConnection, id, kidSettings, &why);
        if (!why.isEmpty()) LogLine(QStringLiteral("ADVARSEL: faktura uten KID: ") + why);
        ds.refreshRow();
    } else if (Items_WHERE != where || !dm.ItemsQuery.isOpen()) {
        Items_WHERE = where;
        dm.ItemsSQLSelect();
    }
    doc->lines = readLines(dm.ItemsQuery);

    auto s = [&](const char* n) { return ds.hasField(QString::fromLatin1(n)) ? text(ds.value(QString::fromLatin1(n))) : QString(); };
    auto f = [&](const char* n) { return ds.asFloat(QString::fromLatin1(n)); };
    doc->ordertotal = f("ordertotal");
    doc->orderVAT = f("orderVAT");
    doc->ordercost = f("ordercost");
    doc->profit = f("profit");
    doc->lockedprice = f("lockedprice");
    doc->pricelock = ds.asInt(QStringLiteral("pricelock")) == 1;
    doc->memo = kind == DocKind::Delivery ? QStringList() : memoLines(s("object_text"));
    doc->deliveryAddress = s("deliveryaddress");
    doc->subject = s("subject");

    const auto company = rowById(dm, QStringLiteral("company"), ds.asInt(QStringLiteral("companyid")),
                                 {"custno", "companyname", "streetaddress", "postaladdress", "postalcode", "city",
                                  "phone", "telefax"});
    doc->hasCompany = !company.isEmpty();
    if (!doc->hasCompany) return doc;
    doc->address = {company["custno"], company["companyname"], company["streetaddress"], company["postaladdress"],
                    company["postalcode"] + ' ' + company["city"]};

    // The information column.
    auto row = [&](const QString& label, const QString& value, bool advance = true) {
        doc->info.push_back({label, value, advance});
    };
    const bool delivery = kind == DocKind::Delivery;
    row(delivery ? QStringLiteral("Ordrenummer:") : QStringLiteral("Nummer:"), s("ordernumber"));
    row(QStringLiteral("Dato:"), dateText(ds.value(QStringLiteral("orderdate"))));
    const QString deliveryDate = dateText(ds.value(QStringLiteral("deliverydate")));
    if (!deliveryDate.isEmpty() || (kind != DocKind::Order && kind != DocKind::Offer))
        row(QStringLiteral("Leveringstid:"), deliveryDate);
    row(QStringLiteral("Vår referanse:"), s("contact_int"));
    row(QStringLiteral("Deres referanse:"), s("contact_ex"));
    if (delivery) row(QStringLiteral("Leveringsbetingelse:"), s("deliverycondition"));
    if (!company["phone"].isEmpty()) row(QStringLiteral("Deres telefon:"), company["phone"]);
    if (!company["telefax"].isEmpty()) row(QStringLiteral("Deres faxnr:"), company["telefax"]);
    if (kind == DocKind::PO || kind == DocKind::Invoice) row(QString(), QString());
    if (!delivery && opt.PrintPrice) {
        row(QStringLiteral("Betalingsbetingelse:"), s("payment"));
        row(QStringLiteral("Leveringsbetingelse:"), s("deliverycondition"));
        row(QStringLiteral("Valuta:"), s("currency"));
        // The payment details a Norwegian invoice with KID is paid by.
        const QString kid = kind == DocKind::Invoice ? s("kid").trimmed() : QString();
        if (!kid.isEmpty()) {
            const SellerSettings seller = ReadSellerSettings();
            const QDate date = ds.value(QStringLiteral("orderdate")).toDate();
            row(QStringLiteral("Forfallsdato:"), DateStr(InvoiceDueDate(date, s("payment"), seller.defaultDueDays)));
            if (!seller.bankAccount.isEmpty()) row(QStringLiteral("Kontonr.:"), seller.bankAccount);
            row(QStringLiteral("KID:"), kid);
        }
    }
    const auto project = rowById(dm, QStringLiteral("project"), ds.asInt(QStringLiteral("projectid")), {"projectnumber"});
    if (!project.isEmpty()) {
        row(QStringLiteral("Prosjektnr:"), project["projectnumber"]);
        const qint64 systemid = ds.asInt(QStringLiteral("systemid"));
        if (systemid != 0)
            row(QStringLiteral("Systemnr:"),
                rowById(dm, QStringLiteral("subproject"), systemid, {"systemnumber"}).value("systemnumber"));
        if (!s("department").isEmpty()) row(QStringLiteral("Avdeling:"), s("department"), false);
    }
    return doc;
}

// ---- drawing ----------------------------------------------------------

void setBrushWhite()
{
    if (PrintCanvas) PrintCanvas->setBrush(QBrush(Qt::white, Qt::SolidPattern));
}

// The address frame and column with the information column beside it; the
// cursor ends below the lower of the two.
void addressBlock(const Document& d)
{
    if (!d.hasCompany) {
        SetFont(d.bodyFont, 8);
        return;
    }
    Linjened(1);
    const int Sidebredde = PView.right - PView.left;
    const int Pos1 = rnd((Sidebredde / 2) / PixPrMM);
    const int Pos2 = rnd((Sidebredde - Sidebredde / 4) / PixPrMM);
    const int Pos3 = PView.left + Sidebredde / 2;  // the middle of the printable width
    SetFont(d.bodyFont, d.storFont);

    if (PrintCanvas) {
        const QFontMetricsF fm(CurrentPrintFont(), PrintCanvas->device());
        const int T = rnd(Ypluss * PixPrMM - fm.height() / 6);
        const int h = int(fm.height());
        const int B = pmm(Ypluss) + 5 * (h + h / 5);
        QPolygon frame;
        frame << QPoint(PView.left, T) << QPoint(Pos3, T) << QPoint(Pos3, B) << QPoint(PView.left, B)
              << QPoint(PView.left, T);
        PrintCanvas->drawPolyline(frame);
    }
    const int top = Ypluss;
    for (const QString& l : d.address) {
        WriteFromLeft(3, l);
        Linjened(1);
    }
    Linjened(3);
    if (!d.deliveryAddress.trimmed().isEmpty()) {
        WriteFromLeft(3, QStringLiteral("Vareadresse:"));
        Linjened(1);
        for (const QString& l : memoLines(d.deliveryAddress)) {
            WriteFromLeft(3, l);
            Linjened(1);
        }
        Linjened(1);
    }
    if (!d.subject.isEmpty()) {
        WriteFromLeft(3, QStringLiteral("Tekst: ") + d.subject);
        Linjened(1);
    }
    const int LeftY = Ypluss;

    Ypluss = top;
    bool onLastRow = false;
    for (const InfoRow& r : d.info) {
        if (!r.label.isEmpty()) {
            PrintXY(Pos1 + 1, 0, r.label);
            PrintXY(Pos2 + 1, 0, r.value);
        }
        onLastRow = !r.advance;
        if (r.advance) Linjened(1);
    }
    // A row written without moving on (the department, last) still takes
    // its line: the item list starts below it, never on top of it.
    if (onLastRow) Linjened(1);
    if (d.kind == DocKind::Delivery) Linjened(1);
    SetFont(d.bodyFont, 8);
    Ypluss = std::max(Ypluss, LeftY);
}

bool purchase(const Document& d) { return d.kind == DocKind::PO; }

// The price and sum a line prints: cost prices on an internal printout and
// on a purchase order, which is priced at cost.
double itemsPrice(const Document& d, const Line& l) { return (d.opt.PrintCost || purchase(d)) ? l.cost : l.price; }
double itemsSum(const Document& d, const Line& l) { return (d.opt.PrintCost || purchase(d)) ? l.sumcost : l.sum; }
bool showDiscount(const Document& d) { return !d.opt.PrintCost && !purchase(d); }

// The frame the lines are listed in, from here to the foot of the page,
// with its grey heading band.
void lineFrame(const Document& d)
{
    SetFontSize(d.listFont);
    SetFontColor(0);
    Linjened(1);
    setBrushWhite();
    PrintRectPix(PView.left, pmm(Ypluss), PView.right, PView.bottom);
    GrayLineBorder();
}

void itemListHeader(const Document& d)
{
    lineFrame(d);
    if (d.opt.PrintPrice) {
        WriteFromRight(2, QStringLiteral("Total"));
        WriteFromRight(22, QStringLiteral("Enh."));
        WriteFromRight(30, QStringLiteral("Antall"));
        WriteFromRight(46, QStringLiteral("Pris"));
        if (showDiscount(d)) WriteFromRight(68, QStringLiteral("Rabatt"));
    } else {
        WriteFromRight(2, QStringLiteral("Enh."));
        WriteFromRight(15, QStringLiteral("Antall"));
    }
    WriteFromLeft(3, QStringLiteral("Varenr."));
    WriteFromLeft(26, QStringLiteral("Varetekst"));
    setBrushWhite();
    Linjened(1.5);
}

void itemListData(const Document& d, const Line& l)
{
    if (d.opt.OrderNoPriceNoPrint && l.price == 0) return;
    if (d.opt.PrintPrice) {
        WriteFromRight(2, money(itemsSum(d, l)));
        WriteFromRight(22, l.piece);
        WriteFromRight(30, plain(l.itemcount));
        WriteFromRight(46, money(itemsPrice(d, l)));
        if (showDiscount(d) && l.discount > 0) WriteFromRight(68, plain(l.discount));
    } else {
        WriteFromRight(2, l.piece);
        WriteFromRight(15, plain(l.itemcount));
    }
    WriteFromLeft(3, l.productcode);
    WriteFromLeft(26, l.producttext);
    Linjened(1);
}

void setMark(const Document& d, const QString& mark)
{
    if (d.opt.OrderNoPriceNoPrint) return;
    PrnBold(true);
    WriteFromLeft(26, mark + ':');
    Linjened(1);
    PrnBold(false);
}

void endMark(const Document& d, const QString& mark, double& markSum, double& markCost)
{
    if (!d.opt.OrderNoPriceNoPrint) PrnBold(true);
    if (d.opt.PrintPrice && d.opt.PrintCost) {
        WriteFromRight(2, RealStr(12, 2, markCost));
        WriteFromLeft(26, QStringLiteral("SUM ") + mark + QStringLiteral(":  Utpris: ") + money(markSum) +
                              QStringLiteral("  Fortjeneste: ") + money(markSum - markCost));
    } else if (d.opt.PrintPrice && !d.opt.OrderNoPriceNoPrint) {
        WriteFromLeft(26, mark);
        WriteFromRight(2, RealStr(16, 2, markSum));
    }
    PrnBold(false);
    Linjened(2);
    markSum = 0;
    markCost = 0;
}

void newItemPage(const Document& d)
{
    NextPage();
    PrintMiniHeader(d.heading, true);
    itemListHeader(d);
}

bool printsTotals(const Document& d) { return d.opt.PrintPrice || d.opt.LockedPrice; }

void totalLine(const Document& d)
{
    if (!printsTotals(d)) return;
    setBrushWhite();
    const int F = rnd(PView.bottom / PixPrMM);
    int H = LineHeightMM();
    // The box sits at the foot of the page; when the list already reaches
    // down there it goes to the foot of a new page.
    if (Ypluss > F - 2 * H - 1) {
        NextPage();
        PrintMiniHeader(d.heading, true);
        SetFontSize(d.listFont);
        H = LineHeightMM();
    }
    Ypluss = F - H - 1;
    PrintRectPix(PView.left, pmm(Ypluss), PView.right, PView.bottom);

    struct Cell {
        int x;
        QString label;
        double value;
    };
    std::vector<Cell> cells;
    const bool sales = d.kind != DocKind::PO;
    if (sales && d.opt.PrintCost) {
        cells = {{2, QStringLiteral("Kostpris total"), d.ordercost},
                 {35, QStringLiteral("Fortjeneste"), d.profit},
                 {70, QStringLiteral("Utpris"), d.opt.LockedPrice ? d.lockedprice : d.ordertotal}};
    } else {
        double total;
        if (sales)
            total = d.pricelock ? d.lockedprice : d.ordertotal;
        else
            total = d.opt.LockedPrice ? d.lockedprice : d.ordercost;
        cells = {{2, QStringLiteral("Inkl. mva"), total + d.orderVAT},
                 {25, QStringLiteral("Mva"), d.orderVAT},
                 {50, QStringLiteral("Total"), total}};
    }
    Ypluss = F - 2 * H - 1;
    for (const Cell& c : cells) WriteFromRight(c.x, c.label);
    Ypluss = F - H;
    PrnBold(true);
    for (const Cell& c : cells) WriteFromRight(c.x, money(c.value));
    PrnBold(false);
}

void drawDocument(const Document& d)
{
    PrintMiniHeader(d.heading, true);
    addressBlock(d);
    itemListHeader(d);

    QString MarkStr, LastMarkStr;
    double MarkSum = 0, MarkCost = 0;
    bool full = false;
    for (const Line& l : d.lines) {
        LastMarkStr = MarkStr;
        MarkStr = l.mark;
        if (MarkStr != LastMarkStr) {
            if (MarkSum != 0) {
                if (full) newItemPage(d);
                endMark(d, LastMarkStr, MarkSum, MarkCost);
                full = EndOfPage(3);
            }
            if (full) newItemPage(d);
            setMark(d, MarkStr);
            full = EndOfPage(3);
        }
        MarkSum += purchase(d) ? l.sumcost : l.sum;
        MarkCost += l.sumcost;
        if (full) newItemPage(d);
        itemListData(d, l);
        full = EndOfPage(3);
    }
    if (!MarkStr.isEmpty()) {
        if (full) newItemPage(d);
        endMark(d, MarkStr, MarkSum, MarkCost);
    }

    Linjened(2);
    if (!d.memo.isEmpty()) {
        Linjened(1);
        PrnBold(false);
        const QFont before = CurrentPrintFont();
        const double reserve = printsTotals(d) ? 4 : 2;  // room for the totals box below the memo
        for (const QString& line : d.memo) {
            if (EndOfPage(reserve)) {
                NextPage();
                PrintMiniHeader(d.heading, true);
                addressBlock(d);
                SetFont(before.family(), before.pointSizeF());
                Linjened(1);
            }
            WriteFromLeft(3, line);
            Linjened(1);
        }
    }
    totalLine(d);
}

// ---- delivery note and picking list -----------------------------------

void deliveryHeader(const Document& d)
{
    lineFrame(d);
    WriteFromRight(2, QStringLiteral("Rest"));
    WriteFromRight(22, QStringLiteral("Enh."));
    WriteFromRight(30, QStringLiteral("Ordre"));
    WriteFromRight(46, QStringLiteral("Levert"));
    WriteFromLeft(3, QStringLiteral("Varenr."));
    WriteFromLeft(26, QStringLiteral("Varetekst"));
    setBrushWhite();
    Linjened(1.5);
}

void drawDelivery(const Document& d)
{
    PrintMiniHeader(d.heading, true);
    addressBlock(d);
    deliveryHeader(d);
    const QString blank = QStringLiteral("__________");
    bool full = false;
    for (const Line& l : d.lines) {
        if (full) {
            NextPage();
            PrintMiniHeader(d.heading, true);
            deliveryHeader(d);
        }
        const bool note = d.delivery == DeliveryKind::DeliveryNote;
        WriteFromRight(2, note ? plain(l.itemremain) : blank);
        WriteFromRight(22, l.piece);
        WriteFromRight(30, plain(l.itemcount));
        WriteFromRight(46, note ? plain(l.itemdelivered) : blank);
        WriteFromLeft(3, l.productcode);
        WriteFromLeft(26, l.producttext);
        Linjened(2);
        full = EndOfPage(3);
    }
}

// ---- lists ------------------------------------------------------------

struct DocList {
    QString title;
    QString bodyFont;
    std::vector<ListRow> rows;
};

std::shared_ptr<DocList> prepareList(Dataset& ds, const QString& title)
{
    auto list = std::make_shared<DocList>();
    list->title = title;
    list->bodyFont = bodyFontName();
    if (!ds.isOpen()) return list;
    auto col = [&](const char* n) { return ds.fieldIndex(QString::fromLatin1(n)); };
    const int cNum = col("ordernumber"), cDate = col("orderdate"), cName = col("companyname"), cText = col("subject"),
              cStatus = col("status"), cAmount = col("ordertotal");
    auto s = [&](int r, int c) { return c < 0 ? QString() : text(ds.rowValue(r, c)); };
    // Rows are read where they stand; the list's current row never moves.
    for (int r = 0; r < ds.recordCount(); ++r) {
        ListRow row;
        row.number = s(r, cNum);
        row.date = cDate < 0 ? QString() : dateText(ds.rowValue(r, cDate));
        row.name = s(r, cName);
        row.text = s(r, cText);
        row.status = s(r, cStatus);
        row.amount = cAmount < 0 ? 0 : ds.rowValue(r, cAmount).toDouble();
        list->rows.push_back(row);
    }
    return list;
}

// The status column stands at 141 mm, moved left on narrow pages so that
// it keeps clear of the amount column.
int statusColumn() { return std::min(141, rnd((PView.right - PView.left) / PixPrMM) - 45); }

void listHeader(const DocList& l)
{
    SetFont(l.bodyFont, 8);
    SetFontColor(0);
    PrnBold(true);
    Linjened(1);
    setBrushWhite();
    PrintRectPix(PView.left, pmm(Ypluss), PView.right, PView.bottom);
    GrayLineBorder();
    WriteFromLeft(3, QStringLiteral("Nummer"));
    WriteFromLeft(21, QStringLiteral("Dato"));
    WriteFromLeft(41, QStringLiteral("Navn"));
    WriteFromLeft(86, QStringLiteral("Tekst"));
    WriteFromLeft(statusColumn(), QStringLiteral("Status"));
    WriteFromRight(2, QStringLiteral("Pris eks. mva"));
    setBrushWhite();
    PrnBold(false);
    Linjened(2);
}

void drawList(const DocList& l)
{
    PrintMiniHeader(l.title, true);
    listHeader(l);
    int count = 0;
    double sum = 0;
    for (const ListRow& r : l.rows) {
        if (EndOfPage(3)) {
            NextPage();
            PrintMiniHeader(l.title, true);
            listHeader(l);
        }
        WriteFromLeft(3, r.number);
        WriteFromLeft(21, r.date);
        WriteFromLeft(41, r.name);
        WriteFromLeft(86, r.text);
        WriteFromLeft(statusColumn(), r.status);
        WriteFromRight(2, money(r.amount));
        sum += r.amount;
        ++count;
        Linjened(1);
    }
    Linjened(2);
    PrnBold(true);
    WriteFromLeft(21, QStringLiteral("Total utpris eks. mva av totalt ") + QString::number(count) +
                          QStringLiteral(" poster:"));
    WriteFromRight(2, money(sum));
    PrnBold(false);
}

}  // namespace

// ---- options ----------------------------------------------------------

PrintOptions OrderPrintOptions(const QString& heading, bool showPrices, bool costPrices, bool noPriceNoPrint,
                               bool pricelock)
{
    PrintOptions o;
    o.PrintPrice = showPrices;
    o.PrintCost = costPrices;
    o.Header = heading + (costPrices ? QStringLiteral(" KOSTPRIS") : QString());
    o.LockedPrice = pricelock;
    if (pricelock && !costPrices) o.PrintPrice = false;
    o.OrderNoPriceNoPrint = noPriceNoPrint;
    return o;
}

PrintOptions OfferPrintOptions(const QString& heading, bool showPrices, bool noPriceNoPrint, bool pricelock)
{
    PrintOptions o;
    o.PrintPrice = showPrices && !pricelock;
    o.LockedPrice = pricelock;
    o.OrderNoPriceNoPrint = noPriceNoPrint;
    o.Header = heading;
    return o;
}

PrintOptions POPrintOptions(const QString& heading, bool showPrices, bool pricelock)
{
    PrintOptions o;
    o.PrintPrice = showPrices && !pricelock;
    o.LockedPrice = pricelock;
    o.Header = heading;
    return o;
}

PrintOptions InvoicePrintOptions(bool pricelock)
{
    PrintOptions o;
    o.LockedPrice = pricelock;
    o.Header = QStringLiteral("FAKTURA");
    return o;
}

// ---- printouts --------------------------------------------------------

PrintProc OrderPrint(TDatabaseModule& dm, const PrintOptions& options)
{
    auto d = prepareDocument(dm, DocKind::Order, options, QStringLiteral("ORDRE"));
    return [d] { drawDocument(*d); };
}

PrintProc OfferPrint(TDatabaseModule& dm, const PrintOptions& options)
{
    PrintOptions o = options;
    o.PrintCost = false;
    auto d = prepareDocument(dm, DocKind::Offer, o, QStringLiteral("TILBUD"));
    return [d] { drawDocument(*d); };
}

PrintProc POprint(TDatabaseModule& dm, const PrintOptions& options)
{
    PrintOptions o = options;
    o.PrintCost = false;
    o.OrderNoPriceNoPrint = false;
    auto d = prepareDocument(dm, DocKind::PO, o, QStringLiteral("BESTILLING"));
    return [d] { drawDocument(*d); };
}

PrintProc InvoicePrint(TDatabaseModule& dm)
{
    const bool locked = dm.InvoiceTable.isOpen() && !dm.InvoiceTable.isEmpty() &&
                        dm.InvoiceTable.asInt(QStringLiteral("pricelock")) == 1;
    return InvoicePrint(dm, InvoicePrintOptions(locked));
}

PrintProc InvoicePrint(TDatabaseModule& dm, const PrintOptions& options)
{
    PrintOptions o = options;
    o.PrintCost = false;
    o.Header = QStringLiteral("FAKTURA");
    auto d = prepareDocument(dm, DocKind::Invoice, o, QStringLiteral("FAKTURA"));
    return [d] { drawDocument(*d); };
}

PrintProc PrintDelivery(TDatabaseModule& dm, DeliveryKind kind)
{
    PrintOptions o;
    o.Header = kind == DeliveryKind::DeliveryNote ? QStringLiteral("PAKKSEDDEL") : QStringLiteral("PLUKKLISTE");
    auto d = prepareDocument(dm, DocKind::Delivery, o, o.Header);
    d->delivery = kind;
    return [d] { drawDelivery(*d); };
}

PrintProc OrderListPrint(TDatabaseModule& dm)
{
    auto l = prepareList(dm.OrderTable, QStringLiteral("Ordreliste"));
    return [l] { drawList(*l); };
}

PrintProc InvoiceListPrint(TDatabaseModule& dm)
{
    auto l = prepareList(dm.InvoiceTable, QStringLiteral("Fakturaliste"));
    return [l] { drawList(*l); };
}

QString DocumentJobTitle(const QString& prefix, const QString& number) { return prefix + number; }
