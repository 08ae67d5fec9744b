// The product list and stock status printouts, read back from their PDFs.
#include "print/print_fixture.h"
#include "qstring_print.h"

#include "print/productprint.h"

#include <QLocale>

class ProductPrintTest : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        // The machine's locale must not change the printed numbers.
        oldLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        QLocale::setDefault(oldLocale_);
        PrintTest::TearDown();
    }
    // n products "P0001" …: stock i, real cost 1000 + i/2, price 2000.
    void products(int n)
    {
        QStringList values;
        for (int i = 1; i <= n; ++i)
            values << QStringLiteral("('P%1', 'Vare nummer %2', 'stk', 'Gr%3', %4, %5, 2000)")
                          .arg(i, 4, 10, QLatin1Char('0'))
                          .arg(i)
                          .arg(i % 7)
                          .arg(i)
                          .arg(SqlNum(1000 + i / 2.0));
        sql("INSERT INTO product (productcode, producttext, piece, productgroup, instock, real_cost, price) VALUES " +
            values.join(','));
        dm.ProductTable.setFilter(QString());
        ASSERT_TRUE(dm.ProductTable.open());
    }
    QString printList(const ProductListOptions& o, const QString& name = "liste.pdf")
    {
        PrintPreView = ProductListPrint(dm.ProductTable, o);
        PrinterTitle = ProductListModeName(o.Mode);
        const QString pdf = tmpPath(name);
        EXPECT_TRUE(PrintToPdfFile(pdf));
        return pdf;
    }
    // The product codes on each page.
    QList<QStringList> codesPerPage(const QString& pdf)
    {
        QList<QStringList> out;
        static const QRegularExpression code("\\bP\\d{4}\\b");
        for (int p = 1; p <= pdfPages(pdf); ++p) {
            QStringList c;
            auto it = code.globalMatch(pdfText(pdf, p));
            while (it.hasNext()) c << it.next().captured();
            out << c;
        }
        return out;
    }

private:
    QLocale oldLocale_;
};

TEST_F(ProductPrintTest, StockValueListOfAThousandProductsHasItsHeadingsTotalAndPages)
{
    products(1000);
    ProductListOptions o;
    o.Mode = 4;
    const QString pdf = printList(o);
    const QString first = pdfText(pdf, 1);
    for (const char* h : {"LAGERVERDI", "Varenr", "Varetekst", "Kostpris", "Pålager", "Totalt", "Enh", "Gruppe"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(h))) << h;
    // Every product once, in order, and every page but the last full.
    const QList<QStringList> pages = codesPerPage(pdf);
    QStringList all;
    for (const QStringList& p : pages) all += p;
    ASSERT_EQ(all.size(), 1000);
    EXPECT_EQ(all.first(), "P0001");
    EXPECT_EQ(all.last(), "P1000");
    const int perPage = int(pages.first().size());
    ASSERT_GT(perPage, 20);
    for (int i = 0; i + 1 < pages.size(); ++i) EXPECT_EQ(pages[i].size(), perPage) << "side " << i + 1;
    EXPECT_EQ(pdfPages(pdf), (1000 + perPage - 1) / perPage);
    // Each page repeats the heading.
    EXPECT_TRUE(pdfText(pdf, pdfPages(pdf)).contains("Varetekst"));

    // Σ i * (1000 + i/2) for i = 1..1000 = 500 500 000 + 166 916 750 = 667 416 750.
    const QString last = pdfText(pdf, pdfPages(pdf));
    EXPECT_TRUE(words(last).join(' ').contains("Total kostpris av totalt 1000 vareslag: 667 416 750,00"))
        << last.toStdString();
    // A single line in the Norwegian form whatever the locale.
    EXPECT_TRUE(words(first).join(' ').contains("P0003 Vare nummer 3 1 001,50 3,00 3 004,50 stk Gr3"))
        << first.toStdString();
}

TEST_F(ProductPrintTest, NegativeStockSubtractsFromTheTotal)
{
    sql("INSERT INTO product (productcode, producttext, instock, real_cost) VALUES ('P0001', 'A', 10, 5), "
        "('P0002', 'B', -4, 5)");
    dm.ProductTable.setFilter(QString());
    ASSERT_TRUE(dm.ProductTable.open());
    ProductListOptions o;
    o.Mode = 4;
    const QString t = words(pdfText(printList(o))).join(' ');
    EXPECT_TRUE(t.contains("Total kostpris av totalt 2 vareslag: 30,00")) << t.toStdString();
}

TEST_F(ProductPrintTest, WithoutFromStartTheListBeginsAtTheCurrentRow)
{
    products(10);
    ASSERT_TRUE(dm.ProductTable.locate("productcode", "P0004"));
    ProductListOptions o;
    o.Mode = 1;
    o.FromStart = false;
    QStringList codes;
    for (const QStringList& p : codesPerPage(printList(o))) codes += p;
    EXPECT_EQ(codes.first(), "P0004");
    EXPECT_EQ(codes.size(), 7);
    EXPECT_EQ(dm.ProductTable.recNo(), 3);  // the list stays where it was
    o.FromStart = true;
    codes.clear();
    for (const QStringList& p : codesPerPage(printList(o, "alle.pdf"))) codes += p;
    EXPECT_EQ(codes.size(), 10);
}

TEST_F(ProductPrintTest, BarcodeSheetPutsOddProductsLeftAndEvenRight)
{
    products(6);
    ProductListOptions o;
    o.Mode = 5;
    const QString text = pdfText(printList(o));
    int rows = 0;
    for (const QString& line : text.split('\n')) {
        static const QRegularExpression code("\\bP\\d{4}\\b");
        QStringList c;
        auto it = code.globalMatch(line);
        while (it.hasNext()) c << it.next().captured();
        if (c.isEmpty()) continue;
        ++rows;
        ASSERT_EQ(c.size(), 2) << line.toStdString();
        EXPECT_EQ(c[0].mid(1).toInt() % 2, 1);
        EXPECT_EQ(c[1].mid(1).toInt(), c[0].mid(1).toInt() + 1);
    }
    EXPECT_EQ(rows, 3);
}

TEST_F(ProductPrintTest, StockStatusCountsTheRegisterAndPrintsItsFigures)
{
    sql("INSERT INTO product (productcode, user_favorite, minstock, instock, real_cost, price, value) VALUES "
        "('1', 1, 5, 10, 100, 150, 100), ('2', 0, 0, 2, 1000, 1200, 50), ('3', 1, 1, -3, 100, 100, 100), "
        "('4', 0, 0, 0, 10, 10, 100)");
    StockStatus st;
    ASSERT_TRUE(ComputeStockStatus(dm.MyConnection, "product", "user_favorite=1", st));
    EXPECT_EQ(st.filtered, 2);
    EXPECT_DOUBLE_EQ(st.filteredCost, 1000 - 300);
    EXPECT_EQ(st.all, 4);
    EXPECT_EQ(st.favourites, 2);
    EXPECT_EQ(st.stockItems, 2);
    EXPECT_EQ(st.inStock, 2);
    // Negative stock is not part of the sums.
    EXPECT_DOUBLE_EQ(st.costValue, 1000 + 2000);
    EXPECT_DOUBLE_EQ(st.saleValue, 1500 + 2400);
    EXPECT_DOUBLE_EQ(st.stockValue, 1000 + 1000);

    PrintPreView = ProductStatusPrint(st, "Varelagerstatus");
    PrinterTitle = "Varelagerstatus";
    const QString pdf = tmpPath("status.pdf");
    ASSERT_TRUE(PrintToPdfFile(pdf));
    const QString t = words(pdfText(pdf)).join(' ');
    for (const char* line : {"Varer i vareregisteret 4 stk", "Favorittvarer 2 stk", "Varer på lager 2 stk",
                             "Lagervare 2 stk", "Kostpris varelager 3 000,00 Kr", "Varelagerverdi 2 000,00 Kr",
                             "Salgsverdi varelager 3 900,00 Kr"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(line))) << line << "\n" << t.toStdString();
    EXPECT_EQ(pdfPages(pdf), 1);
}
