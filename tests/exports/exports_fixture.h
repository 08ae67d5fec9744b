#pragma once
// A fresh database with a customer and its contact, the data module on it,
// a settings store of its own with the own company (a valid organisation
// number, VAT registered, a bank account), and the checkers that read the
// exported files back with lxml.
#include "testsupport.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "print/utskrift.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class ExportTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        ASSERT_TRUE(tmp_.isValid());
        oldAppData_ = qgetenv("APPDATA");
        qputenv("APPDATA", QFile::encodeName(appData()));
        InitFelles();
        InitTextfil();
        OpenSettingsStore();
        ResetLoginIdentity();
        ResetSelectSettings();
        ResetSharedValues();
        for (const auto& [k, v] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"Firma_Navn", "Nordvik Elektro AS"},
                 {"Firma_GateAdresse", "Tollbugata 12"},
                 {"Firma_PostAdresse", "Postboks 214 Bragernes"},
                 {"Firma_PostNr", "3001"},
                 {"Firma_PostSted", "DRAMMEN"},
                 {"Firma_Telefon", "32 21 45 60"},
                 {"Firma_Epost", "post@nordvik.example"},
                 {"Firma_OrgNr", "914 823 056"},
                 {"Firma_KontoNr", "2250.11.47382"},
                 {"Firma_MVARegistrert", "1"},
                 {"Firma_Foretaksregisteret", "1"},
                 {"PosteringKontoFaktura", "3000"},
                 {"PosteringKontoFordring", "1500"},
                 {"PDF-mappe", ""}})
            setting(k, v);
        setting("PDF-mappe", tmp_.path() + "/pdf/");
        PrintPreView = nopaint;
        PrinterTitle.clear();
        ASSERT_TRUE(dm.MyConnection.open(db->params()));
        sql("INSERT INTO users (id, username, realname) VALUES (4, 'kari', 'Kari Selger')");
        sql("INSERT INTO contact (id, companyid, realname, email) VALUES (9, 2, 'Per Innkjøper', 'per@bragernes.example')");
        sql("INSERT INTO company (id, custno, companyname, orgnumber, streetaddress, postaladdress, postalcode, city, "
            "phone, tax, customer) VALUES (2, '10002', 'Bragernes Eiendom AS', '974 760 673', 'Tollbugata 8', "
            "'Postboks 12', '3001', 'DRAMMEN', '32 11 22 33', 1, 1)");
    }
    void TearDown() override
    {
        PrintPreView = nopaint;
        PrinterTitle.clear();
        CloseSettingsStore();
        qputenv("APPDATA", oldAppData_);
    }

    void sql(const QString& s)
    {
        ASSERT_TRUE(db->admin().exec(s)) << s.toStdString() << ": " << db->admin().lastError().toStdString();
    }
    static void setting(const QString& key, const QString& value)
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        SetRegStr(key, value);
    }
    QString appData() const { return tmp_.path() + "/appdata"; }
    QString path(const QString& name) const { return tmp_.path() + "/" + name; }

    // An invoice with id 1 for company 2, current in the invoice dataset.
    void invoice(const QString& number, const QString& extraColumns = {}, const QString& extraValues = {})
    {
        sql("INSERT INTO invoice (id, companyid, userid, external_contact, ordernumber, orderdate, subject, payment, "
            "currency" + (extraColumns.isEmpty() ? QString() : ", " + extraColumns) + ") VALUES (1, 2, 4, 9, '" +
            number + "', '2026-11-04', 'Nye utestikk', '14 dager', 'NOK'" +
            (extraValues.isEmpty() ? QString() : ", " + extraValues) + ")");
        ASSERT_TRUE(dm.InvoiceTable.open());
        ASSERT_TRUE(dm.InvoiceTable.locate("id", 1));
    }
    void line(const QString& code, const QString& text, double count, double price, int vat = 0, double discount = 0,
              const QString& piece = "stk", const QString& ean = {})
    {
        sql(QStringLiteral("INSERT INTO items (invoiceid, productcode, producttext, itemcount, price, VATcode, piece, "
                           "discount, EAN, `sum`) VALUES (1, '%1', '%2', %3, %4, %5, '%6', %7, '%8', %9)")
                .arg(code, text, SqlNum(count), SqlNum(price))
                .arg(vat)
                .arg(piece, SqlNum(discount), ean, SqlNum(count * (price - price * discount / 100))));
    }

    struct Run {
        int exitCode = -1;
        QString out, err;
    };
    static Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env = {})
    {
        QProcess p;
        if (!env.isEmpty()) p.setProcessEnvironment(env);
        p.start(program, args);
        Run r;
        if (!p.waitForFinished(600000)) return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    // The file as a receiver's lxml reads it; the checker's summary, or a
    // test failure with the faults it found.
    static QJsonObject check(const QString& checker, const QStringList& args)
    {
        const Run r = run("/usr/bin/python3", QStringList{QStringLiteral(KV_EXPORTS_TEST_DIR "/") + checker} + args);
        EXPECT_EQ(r.exitCode, 0) << checker.toStdString() << " found:\n" << r.out.toStdString() << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }
    static QJsonObject checkEhf(const QString& file, const QString& pdfOut = {})
    {
        return check("check_ehf.py", pdfOut.isEmpty() ? QStringList{file} : QStringList{file, "--pdf", pdfOut});
    }
    static QJsonObject checkSaft(const QString& file) { return check("check_saft.py", {file}); }
    static QString pdfText(const QString& file) { return run("pdftotext", {"-layout", file, "-"}).out; }

    // kvarnel-admin on this test's database, with this test's settings.
    Run admin(const QStringList& args)
    {
        FlushSettings();
        const ConnectParams p = db->params();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("APPDATA", appData());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return run(QStringLiteral(KVARNEL_ADMIN),
                   args + QStringList{"--socket", p.socket, "--user", p.user, "--password", p.password, "--database",
                                      p.database},
                   env);
    }

    ScriptedDialogs dialogs;
    TDatabaseModule dm;

private:
    QTemporaryDir tmp_;
    QByteArray oldAppData_;
};
