#pragma once
// The sales windows made as the program makes them, over a fresh demo
// database, with scripted dialogs and the PDF printer writing into the
// test's own folder without a printer dialog.
#include "ui/uitest.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "data/itemcopy.h"
#include "print/utskrift.h"
#include "sales/documentlistform.h"
#include "sales/invoicedataform.h"
#include "sales/itemsaddform.h"
#include "sales/itemslistform.h"
#include "sales/offerdataform.h"
#include "sales/orderdataform.h"
#include "sales/podataform.h"
#include "sales/saleswindows.h"

#include <QProcess>
#include <QTimer>
#include <QRegularExpression>

class SalesTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        {
            MainIniSection s(QStringLiteral("STANDARD"));
            SetRegStr(QStringLiteral("PDF-mappe"), pdfDir());
        }
        QDir().mkpath(pdfDir());
        RegisterSalesWindows(*dm);
        Windows().createAll();
        // Printouts go straight to the PDF printer.
        PrinterSetupDialog = nullptr;
        ShowPreviewWindow = nullptr;
        SelectedPrinter.clear();
        ConfirmDelete = false;
        order = Windows().get<TOrderDataForm>();
        invoice = Windows().get<TInvoiceDataForm>();
        offer = Windows().get<TOfferDataForm>();
        po = Windows().get<TPODataForm>();
        orders = Windows().get<TOrderListForm>();
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        TDocumentDataForm::SendEpost = nullptr;
        PrinterSetupDialog = nullptr;
        PrintPreView = nopaint;
        UiTest::TearDown();
    }

    QString pdfDir() const { return root() + QStringLiteral("/pdf/"); }
    void sql(const QString& s)
    {
        ASSERT_TRUE(db->admin().exec(s)) << s.toStdString() << ": " << db->admin().lastError().toStdString();
    }
    double number(const QString& s) { return scalar(s).toDouble(); }

    // A document of table with these lines (code, count) made by SQL, the
    // document dataset standing on it.
    qint64 makeDocument(const QString& table, const QString& number, qint64 company = 2)
    {
        sql(QStringLiteral("INSERT INTO `%1` (companyid, ordernumber, status, subject, orderdate) VALUES (%2, '%3', "
                           "'', 'Prøve', CURDATE())")
                .arg(table)
                .arg(company)
                .arg(number));
        return scalar("SELECT MAX(id) FROM `" + table + "`").toLongLong();
    }
    void makeLine(const QString& key, qint64 doc, const QString& code, double count, double price = 100,
                  double remain = 0)
    {
        sql(QStringLiteral("INSERT INTO items (%1, productcode, producttext, itemcount, price, itemremain) "
                           "VALUES (%2, '%3', 'Linje %3', %4, %5, %6)")
                .arg(key)
                .arg(doc)
                .arg(code, SqlNum(count), SqlNum(price), SqlNum(remain)));
    }
    // Opens the record window of kind on document id, as the list does.
    void openDocument(TDocumentDataForm* w, Dataset& ds, qint64 id)
    {
        ASSERT_TRUE(dm->TableOpen(ds, true));
        ASSERT_TRUE(ds.locate("id", id));
        w->show();
        ASSERT_EQ(w->shownId(), id);
    }
    // The lines of the item query as shown: one "code:count" each.
    QStringList shownLines()
    {
        QStringList out;
        Dataset& items = dm->ItemsQuery;
        for (int r = 0; r < items.recordCount(); ++r)
            out << items.rowValue(r, items.fieldIndex("productcode")).toString() + ":" +
                       SqlNum(items.rowValue(r, items.fieldIndex("itemcount")).toDouble());
        return out;
    }
    // The grid cell of row and field.
    QModelIndex cell(TItemGrid* g, int row, const QString& field)
    {
        GridModel* m = g->gridModel();
        for (int c = 0; c < m->columnCount(); ++c)
            if (dm->ItemsQuery.fieldName(m->fieldOfColumn(c)) == field) return m->index(row, c);
        return {};
    }
    // Types text into a cell as the grid's editor hands it over.
    bool type(TItemGrid* g, int row, const QString& field, const QString& text)
    {
        const QModelIndex i = cell(g, row, field);
        g->setCurrentIndex(i);
        return g->gridModel()->setData(i, text, Qt::EditRole);
    }
    static QString run(const QString& program, const QStringList& args)
    {
        QProcess pr;
        pr.start(program, args);
        pr.waitForFinished(30000);
        return QString::fromUtf8(pr.readAllStandardOutput());
    }
    static QString pdfText(const QString& file) { return run("pdftotext", {"-layout", file, "-"}); }

    TOrderDataForm* order = nullptr;
    TInvoiceDataForm* invoice = nullptr;
    TOfferDataForm* offer = nullptr;
    TPODataForm* po = nullptr;
    TOrderListForm* orders = nullptr;
};
