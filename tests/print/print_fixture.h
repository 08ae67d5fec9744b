#pragma once
// A data module on a fresh database, a settings store of its own with the
// user's company data, and the PDF printer writing into a temporary folder.
// Printouts are read back from their PDF files with pdftotext and pdfinfo.
#include "testsupport.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "print/printunit.h"
#include "print/utskrift.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class PrintTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ASSERT_TRUE(tmp_.isValid());
        oldAppData_ = qgetenv("APPDATA");
        qputenv("APPDATA", QFile::encodeName(tmp_.path() + "/appdata"));
        InitFelles();
        InitTextfil();
        LogToFile = true;
        OpenSettingsStore();
        ResetLoginIdentity();
        ResetSelectSettings();
        ResetSharedValues();
        setSetting("Firma_Navn", "Kvarnel Elektro AS");
        setSetting("Firma_PostNr", "3015");
        setSetting("Firma_PostSted", "DRAMMEN");
        setSetting("Firma_Telefon", "32 80 00 00");
        setSetting("Firma_OrgNr", "987 654 321");
        setSetting("Firma_Kontonr", "2220.11.33333");
        setSetting("PDF-mappe", pdfDir() + "/");
        PrintPreView = nopaint;
        PrinterTitle.clear();
        SelectedPrinter.clear();
        PrinterSetupDialog = nullptr;
        ASSERT_TRUE(dm.MyConnection.open(db->params()));
        sql("INSERT INTO users (id, username, realname) VALUES (4, 'kari', 'Kari Selger')");
        sql("INSERT INTO contact (id, companyid, realname) VALUES (9, 2, 'Per Innkjøper')");
        sql("INSERT INTO company (id, custno, companyname, streetaddress, postaladdress, postalcode, city, phone) "
            "VALUES (2, '10002', 'Bragernes Eiendom AS', 'Tollbugata 8', 'Postboks 12', '3001', 'DRAMMEN', "
            "'32 11 22 33')");
    }
    void TearDown() override
    {
        PrintPreView = nopaint;
        PrinterSetupDialog = nullptr;
        PrinterTitle.clear();
        CloseSettingsStore();
        qputenv("APPDATA", oldAppData_);
    }

    void sql(const QString& s)
    {
        ASSERT_TRUE(db->admin().exec(s)) << s.toStdString() << ": " << db->admin().lastError().toStdString();
    }
    static void setSetting(const QString& key, const QString& value) { SetRegStr(key, value); }
    QString pdfDir() const { return tmp_.path() + "/pdf"; }
    QString tmpPath(const QString& name) const { return tmp_.path() + "/" + name; }

    // A document row in table (orders, offer, invoice, po) with id 1 for
    // company 2, made current in its dataset.
    Dataset& document(const QString& table, const QString& number, const QString& extraColumns = {},
                      const QString& extraValues = {})
    {
        Dataset* ds = dm.datasetOf(table);
        EXPECT_NE(ds, nullptr);
        const QString cols = "id, companyid, userid, external_contact, ordernumber, orderdate, subject, payment, "
                             "currency" + (extraColumns.isEmpty() ? QString() : ", " + extraColumns);
        const QString vals = "1, 2, 4, 9, '" + number + "', '2026-11-04', 'Nye utestikk', '14 dager', 'NOK'" +
                             (extraValues.isEmpty() ? QString() : ", " + extraValues);
        sql("INSERT INTO `" + table + "` (" + cols + ") VALUES (" + vals + ")");
        EXPECT_TRUE(ds->open());
        EXPECT_TRUE(ds->locate("id", 1));
        return *ds;
    }
    void line(const QString& key, const QString& code, const QString& text, double count, double price,
              double cost = 0, int vat = 0, const QString& mark = {}, double discount = 0)
    {
        sql(QStringLiteral("INSERT INTO items (%1, productcode, producttext, itemcount, price, cost, VATcode, mark, "
                           "piece, discount) VALUES (1, '%2', '%3', %4, %5, %6, %7, '%8', 'stk', %9)")
                .arg(key, code, text, SqlNum(count), SqlNum(price), SqlNum(cost))
                .arg(vat)
                .arg(mark, SqlNum(discount)));
    }

    // Prints p on the PDF printer under title and returns the file.
    QString print(const PrintProc& p, const QString& title)
    {
        PrintPreView = p;
        PrinterTitle = title;
        EXPECT_TRUE(LPTPrint());
        return PdfFileName(title);
    }
    static QString run(const QString& program, const QStringList& args)
    {
        QProcess pr;
        pr.start(program, args);
        pr.waitForFinished(30000);
        return QString::fromUtf8(pr.readAllStandardOutput());
    }
    // The text of a PDF (or of one page of it), columns kept apart.
    static QString pdfText(const QString& file, int page = 0)
    {
        QStringList a{"-layout"};
        if (page > 0) a << "-f" << QString::number(page) << "-l" << QString::number(page);
        return run("pdftotext", a << file << "-");
    }
    static QString pdfInfo(const QString& file, const QString& key)
    {
        for (const QString& l : run("pdfinfo", {file}).split('\n'))
            if (l.startsWith(key + ":")) return l.mid(key.size() + 1).trimmed();
        return {};
    }
    static int pdfPages(const QString& file) { return pdfInfo(file, "Pages").toInt(); }
    // The words of a text, for checks that do not depend on spacing.
    static QStringList words(const QString& t) { return t.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts); }

    ScriptedDialogs dialogs;
    TDatabaseModule dm;

private:
    QTemporaryDir tmp_;
    QByteArray oldAppData_;
};
