#pragma once
// EHF invoices: an invoice written as a Peppol BIS Billing 3.0 document
// (UBL 2.1), the form Norwegian businesses and public bodies receive
// invoices in. A negative invoice is written as a credit note.
//
// The seller is the own company from the settings (Firma_* keys, VAT
// registration, bank account, see core/norsk.h), the buyer the invoice's
// company; both are addressed by their organisation numbers (scheme 0192,
// the Norwegian register), which must be valid. The lines are the
// invoice's item lines (a fixed-price invoice is one line with the fixed
// price), each with its VAT category (S with its rate, Z for 0 %, or O
// when the seller is not VAT registered); the VAT breakdown, the totals
// and the payable amount are computed from the lines rounded to øre, so
// every sum in the file adds up exactly. Payment means: credit transfer
// to the company's account with the invoice's KID. The printout of the
// invoice goes inside as a PDF attachment.
//
// Nothing is written when the invoice cannot be sent; the reason is a
// Norwegian sentence for the user. The file is written whole or not at all.
#include <QByteArray>
#include <QString>

class Connection;
class TDatabaseModule;

struct EhfResult {
    bool ok = false;
    bool creditNote = false;
    QString error;          // why nothing was written
    QString invoiceNumber;
    qint64 payableOre = 0;  // the amount due (positive for a credit note too)
};

// Writes invoice invoiceId as read from the database now. pdf: the
// printout to attach (none when empty), named pdfName in the file.
EhfResult WriteEhfInvoice(Connection& c, qint64 invoiceId, const QString& file, const QByteArray& pdf = QByteArray(),
                          const QString& pdfName = QString());

// The whole job for the current row of dm.InvoiceTable, as "Send som EHF"
// and "kvarnel-admin export ehf" do it: the KID made when KID is on and
// the invoice has none, the invoice recomputed and printed to PDF
// (InvoicePrint), and the EHF file written with the PDF inside. Needs a
// QGuiApplication for the printout.
EhfResult ExportInvoiceAsEhf(TDatabaseModule& dm, const QString& file);

// "F" + invoice number + ".xml", the file name offered for an invoice.
QString EhfFileName(const QString& invoiceNumber);

// Whether text is a GTIN (EAN-8, UPC-A, EAN-13 or GTIN-14) with a correct
// check digit; only those go into the file as standard item numbers.
bool IsGtin(const QString& text);

// The UN/ECE recommendation 20 unit code for a unit as typed on an item
// line ("stk" -> "EA", "timer" -> "HUR", "kg" -> "KGM" …); "EA" for
// anything unknown.
QString UnitCode(const QString& unit);
