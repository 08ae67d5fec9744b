// The document printouts read back from their PDF files: headings, the
// address and information block, the item columns, mark groups, memo,
// totals, page breaks and the print options of each document.
#include "print_fixture.h"

#include "data/ordertotals.h"

namespace {

using Documents = PrintTest;

// "a b c" appears in t with any spacing between the words.
::testing::AssertionResult hasWords(const QString& t, const QString& phrase)
{
    QString pattern;
    for (const QString& w : phrase.split(' ', Qt::SkipEmptyParts))
        pattern += (pattern.isEmpty() ? "" : "\\s+") + QRegularExpression::escape(w);
    if (QRegularExpression(pattern).match(t).hasMatch()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << phrase.toStdString() << "\" not in:\n" << t.toStdString();
}

}  // namespace

TEST_F(Documents, OrderPrintsHeadingAddressInformationLinesAndTotals)
{
    document("orders", "1001", "deliverydate, deliverycondition, object_text, deliveryaddress",
             "'2026-11-06', 'EXW', 'Montering uke 51.\\r\\nRing før levering.', 'Lager\\r\\nStrandveien 2'");
    line("orderid", "300301", "Stikkontakt dobbel", 1, 100, 60, 0);
    line("orderid", "300302", "Stikkontakt utendørs", 2, 100, 60, 2);
    const QString file = print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false)), "O1001");

    EXPECT_EQ(file, pdfDir() + "/O1001.PDF");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(pdfInfo(file, "Title"), "O1001");
    EXPECT_EQ(pdfPages(file), 1);
    EXPECT_TRUE(PrinterTitle.isEmpty());
    const QString t = pdfText(file);
    for (const char* s : {"Kvarnel Elektro AS", "ORDRE", "10002", "Bragernes Eiendom AS", "Tollbugata 8",
                          "3001 DRAMMEN", "Vareadresse:", "Lager Strandveien 2", "Tekst: Nye utestikk", "Nummer: 1001", "Dato: 04.11.2026",
                          "Leveringstid: 06.11.2026", "Vår referanse: Kari Selger",
                          "Deres referanse: Per Innkjøper", "Deres telefon: 32 11 22 33",
                          "Betalingsbetingelse: 14 dager", "Leveringsbetingelse: EXW", "Valuta: NOK",
                          "Varenr. Varetekst Rabatt Pris Antall Enh. Total",
                          "300301 Stikkontakt dobbel 100.00 1 stk 100.00",
                          "300302 Stikkontakt utendørs 100.00 2 stk 200.00", "Montering uke 51.",
                          "Ring før levering.", "Total Mva Inkl. mva", "300.00 49.00 349.00",
                          "3015 DRAMMEN Telefon: 32 80 00 00 Org.nr: 987 654 321 Kontonr.:2220.11.33333"})
        EXPECT_TRUE(hasWords(t, QString::fromUtf8(s)));
    // Totals are recomputed before printing.
    EXPECT_DOUBLE_EQ(dm.OrderTable.asFloat("ordertotal"), 300);
    EXPECT_EQ(Items_ORDER, "mark,productcode,producttext");
}

TEST_F(Documents, FixedPriceTotalsWithoutLinePrices)
{
    document("orders", "1002", "pricelock, lockedprice", "1, 250");
    line("orderid", "A1", "Materiell", 3, 100);
    const QString t =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, true)), "O1002"));
    EXPECT_TRUE(hasWords(t, "250.00 62.50 312.50"));
    EXPECT_TRUE(hasWords(t, "Varenr. Varetekst Antall Enh."));
    EXPECT_FALSE(t.contains("Pris")) << "no line prices on a fixed-price order";
    EXPECT_FALSE(t.contains("300.00"));
    EXPECT_FALSE(t.contains("Betalingsbetingelse"));
}

TEST_F(Documents, EachDocumentHasItsHeadingAndInformation)
{
    struct Case {
        const char *table, *key, *title, *heading;
        std::function<PrintProc(TDatabaseModule&)> printout;
        QStringList present, absent;
    };
    const std::vector<Case> cases = {
        {"offer", "offerid", "T2001", "TILBUD",
         [](TDatabaseModule& d) { return OfferPrint(d, OfferPrintOptions("TILBUD", true, false, false)); },
         {"Nummer: 2001", "Betalingsbetingelse: 14 dager", "300.00 49.00 349.00"}, {"Leveringstid:"}},
        {"invoice", "invoiceid", "F5001", "FAKTURA", [](TDatabaseModule& d) { return InvoicePrint(d); },
         {"Nummer: 5001", "Leveringstid:", "Valuta: NOK", "300.00 49.00 349.00"}, {}},
        {"po", "poid", "B3001", "BESTILLING",
         [](TDatabaseModule& d) { return POprint(d, POPrintOptions("BESTILLING", true, false)); },
         // Priced at cost: 1 x 60 at 25 % and 2 x 60 at 12 %.
         {"Nummer: 3001", "Leveringstid:", "60.00 1 stk 60.00", "180.00 29.40 209.40"}, {"Rabatt"}},
        {"orders", "orderid", "OP1001", "PAKKSEDDEL",
         [](TDatabaseModule& d) { return PrintDelivery(d, DeliveryKind::DeliveryNote); },
         {"Ordrenummer: 1001", "Leveringstid:", "Leveringsbetingelse:", "Varenr. Varetekst Levert Ordre Enh. Rest",
          "300301 Stikkontakt dobbel 1 1 stk 0"},
         {"Inkl. mva", "Valuta:", "100.00"}},
        {"orders", "orderid", "OPL1001", "PLUKKLISTE",
         [](TDatabaseModule& d) { return PrintDelivery(d, DeliveryKind::PickingList); },
         {"Ordrenummer: 1001", "300301 Stikkontakt dobbel __________ 1 stk __________"}, {"Inkl. mva"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const QString number = QString::fromLatin1(c.title).remove(QRegularExpression("^[A-Z]+"));
        document(c.table, number);
        line(c.key, "300301", "Stikkontakt dobbel", 1, 100, 60, 0);
        line(c.key, "300302", "Stikkontakt utendørs", 2, 100, 60, 2);
        sql("UPDATE items SET itemdelivered=itemcount");
        dm.ItemsQuery.close();
        const QString file = print(c.printout(dm), c.title);
        EXPECT_EQ(pdfInfo(file, "Title"), c.title);
        const QString t = pdfText(file);
        EXPECT_TRUE(hasWords(t, QString("Kvarnel Elektro AS ") + c.heading));
        for (const QString& s : c.present) EXPECT_TRUE(hasWords(t, s));
        for (const QString& s : c.absent) EXPECT_FALSE(t.contains(s)) << s.toStdString();
        sql("DELETE FROM items");
        sql(QString("DELETE FROM `%1`").arg(c.table));
    }
}

TEST_F(Documents, InvoiceAndOfferNeverShowCostPricesOfAnEarlierInternalPrintout)
{
    document("orders", "1001");
    line("orderid", "A1", "Kabel", 2, 100, 60);
    const QString internal =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, true, false, false)), "O1001"));
    EXPECT_TRUE(hasWords(internal, "ORDRE KOSTPRIS"));
    EXPECT_TRUE(hasWords(internal, "Kostpris total"));
    EXPECT_TRUE(hasWords(internal, "200.00 80.00 120.00"));  // sale, profit, cost
    EXPECT_FALSE(internal.contains("Rabatt"));

    document("invoice", "5001");
    sql("UPDATE items SET invoiceid=1");
    const QString invoice = pdfText(print(InvoicePrint(dm), "F5001"));
    EXPECT_FALSE(invoice.contains("KOSTPRIS"));
    EXPECT_FALSE(invoice.contains("Kostpris"));
    EXPECT_TRUE(hasWords(invoice, "A1 Kabel 100.00 2 stk 200.00"));
    EXPECT_TRUE(hasWords(invoice, "200.00 50.00 250.00"));

    document("offer", "2001");
    sql("UPDATE items SET offerid=1");
    PrintOptions o = OfferPrintOptions("TILBUD", true, false, false);
    o.PrintCost = true;  // an offer is never printed at cost
    const QString offer = pdfText(print(OfferPrint(dm, o), "T2001"));
    EXPECT_FALSE(offer.contains("Kostpris"));
    EXPECT_TRUE(hasWords(offer, "200.00 50.00 250.00"));
}

TEST_F(Documents, MarkGroupsHaveHeadingsAndSums)
{
    document("orders", "1001");
    line("orderid", "P2", "Panel", 1, 40, 0, 0, "Etg 1");
    line("orderid", "P1", "Bryter", 1, 60, 0, 0, "Etg 1");
    line("orderid", "K1", "Kabel", 1, 0, 0, 0, "Etg 2");  // a group summing to 0
    line("orderid", "S1", "Stikk", 1, 25, 0, 0, "Etg 3");  // the last group, one line
    const QString t =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false)), "O1001"));
    // Sorted by product within a mark; each group summed under its own mark.
    EXPECT_TRUE(hasWords(t, "Etg 1: P1 Bryter 60.00 1 stk 60.00 P2 Panel 40.00 1 stk 40.00 Etg 1 100.00 Etg 2:"));
    EXPECT_TRUE(hasWords(t, "K1 Kabel 0.00 1 stk 0.00 Etg 3: S1 Stikk 25.00 1 stk 25.00 Etg 3 25.00"));
    EXPECT_FALSE(hasWords(t, "Etg 2 0.00"));

    // Leaving out lines without price leaves out the mark headings and sums.
    const QString n =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, true, false)), "O1001"));
    EXPECT_FALSE(n.contains("Kabel"));
    EXPECT_FALSE(n.contains("Etg"));
    EXPECT_TRUE(hasWords(n, "P1 Bryter 60.00 1 stk 60.00 P2 Panel 40.00 1 stk 40.00 S1 Stikk 25.00 1 stk 25.00"));
}

TEST_F(Documents, WithoutPricesOnlyNumberTextUnitAndCount)
{
    document("orders", "1001");
    line("orderid", "A1", "Kabel", 2, 100);
    const QString t =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDREBEKREFTELSE", false, false, false, false)), "O1001"));
    EXPECT_TRUE(hasWords(t, "Kvarnel Elektro AS ORDREBEKREFTELSE"));
    EXPECT_TRUE(hasWords(t, "A1 Kabel 2 stk"));
    EXPECT_FALSE(t.contains("100.00"));
    EXPECT_FALSE(t.contains("Inkl. mva"));
    EXPECT_FALSE(t.contains("Valuta"));
}

TEST_F(Documents, DeletedCompanyLeavesOutTheAddressBlock)
{
    document("orders", "1001");
    line("orderid", "A1", "Kabel", 2, 100);
    sql("DELETE FROM company");
    const QString t =
        pdfText(print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false)), "O1001"));
    EXPECT_TRUE(hasWords(t, "Kvarnel Elektro AS ORDRE"));
    EXPECT_FALSE(t.contains("Nummer:"));
    EXPECT_FALSE(t.contains("Tollbugata"));
    EXPECT_TRUE(hasWords(t, "A1 Kabel 100.00 2 stk 200.00"));
    EXPECT_TRUE(hasWords(t, "200.00 50.00 250.00"));
}

TEST_F(Documents, LongDocumentContinuesWithRepeatedHeadingsAndTotalsOnTheLastPage)
{
    document("orders", "1001", "object_text", "'Notat til slutt'");
    QStringList values;
    for (int i = 1; i <= 150; ++i)
        values << QString("(1, 'V%1', 'Vare nummer %1', 1, 2, 'stk')").arg(i, 3, 10, QChar('0'));
    sql("INSERT INTO items (orderid, productcode, producttext, itemcount, price, piece) VALUES " + values.join(','));
    const QString file = print(OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false)), "O1001");
    const int pages = pdfPages(file);
    ASSERT_GE(pages, 3);
    QString all;
    for (int p = 1; p <= pages; ++p) {
        SCOPED_TRACE(p);
        const QString t = pdfText(file, p);
        all += t;
        EXPECT_TRUE(hasWords(t, "Kvarnel Elektro AS ORDRE"));
        EXPECT_TRUE(hasWords(t, "Varenr. Varetekst Rabatt Pris Antall Enh. Total"));
        EXPECT_EQ(bool(hasWords(t, "Nummer: 1001")), p == 1) << "the address block only on the first page";
        EXPECT_EQ(t.contains("Inkl. mva"), p == pages) << "the totals only on the last page";
    }
    for (int i = 1; i <= 150; ++i) {
        const QString code = QString("V%1").arg(i, 3, 10, QChar('0'));
        EXPECT_EQ(all.count(QRegularExpression("\\b" + code + "\\b")), 1) << code.toStdString();
    }
    EXPECT_TRUE(all.contains("Notat til slutt"));
    EXPECT_TRUE(hasWords(pdfText(file, pages), "300.00 75.00 375.00"));
}

TEST_F(Documents, PrintoutDrawsFromDataReadOnce)
{
    document("orders", "1001");
    line("orderid", "A1", "Kabel", 2, 100);
    PrintPreView = OrderPrint(dm, OrderPrintOptions("ORDRE", true, false, false, false));
    sql("UPDATE items SET producttext='Endret', price=999");
    sql("UPDATE orders SET ordertotal=1");
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        EXPECT_EQ(RenderPreviewPages(2, false).size(), 1);
        PrinterTitle = "O1001";
        ASSERT_TRUE(LPTPrint());
        const QString t = pdfText(PdfFileName("O1001"));
        EXPECT_TRUE(hasWords(t, "A1 Kabel 100.00 2 stk 200.00"));
        EXPECT_TRUE(hasWords(t, "200.00 50.00 250.00"));
    }
    EXPECT_EQ(db->admin().scalar("SELECT ordertotal FROM orders"), "1") << "nothing written back";
}
