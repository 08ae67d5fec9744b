#pragma once
// The handheld terminal: a text file of scanned codes and quantities
// ("code,quantity[,…]") read into the stock of the products or into the
// item lines of the open order, purchase order or invoice. Codes no product
// has go to the error list and the error file FORM_ERROR.DAT ("code,quantity"),
// which can be read again once the products are put right.
//
// A file that has been applied is deleted or archived under its date and
// time at once, so the same scans are never counted twice; the error file
// then holds exactly the lines not yet applied. Each run is one transaction.
#include <QString>
#include <QStringList>

class Connection;
class TDatabaseModule;

// Who opened the terminal dialog: 0 the product list (stock), 1 the order,
// 2 the purchase order, 3 the invoice window.
extern int TerminalProgram;

struct TerminalSetup {
    QString fileName = QStringLiteral("FORM.DAT");
    QString folder;                        // with a trailing "/"
    QString separator = QStringLiteral(",");
    QString lineFeed = QStringLiteral("CRLF");  // stored for the device; the reader takes any
    bool deleteOnDone = false;
    bool saveCopy = false;                 // "Lag arkivkopi": a dated copy of an applied file
    QString sourcePath() const { return folder + fileName; }
    QString errorPath() const { return folder + QStringLiteral("FORM_ERROR.DAT"); }
};
// The settings of section STANDARD, with the defaults for what is missing
// (the folder: the program's import folder).
TerminalSetup LoadTerminalSetup();
void SaveTerminalSetup(const TerminalSetup& s);

struct TerminalLine {
    QString code, quantity;
    bool separatorFound = false;
};
// Splits a line at the separator: code, quantity, and anything after a
// second separator ignored. The quantity is read strictly when applied:
// "1e308" or "0x10" leave the line out with a message naming its number.
TerminalLine ConvertTerminalLine(const QString& line, const QString& separator);

struct TerminalResult {
    int applied = 0;            // lines that changed stock or became item lines
    int skipped = 0;            // lines whose count is not a number from 0 to 1 000 000 (kept in the error file)
    QStringList messages;       // "Feilmeldinger:"
    QStringList errorLines;     // the error file's lines after the run
    QString archivedAs;         // the dated archive copy ("" when none was made)
    bool missingFile = false;
    bool alreadyRead = false;   // the file was read before and is unchanged
    QString error;              // set when nothing was applied
};

// Stock modes: 0 the quantity is the stock, 1 taken out, 2 added.
bool ReadTerminalToStock(Connection& conn, const TerminalSetup& s, int mode, TerminalResult& r);
// Document targets (program 1 order, 2 purchase order, 3 invoice): the lines
// go into the document with this id through the item-line rules (mode 0
// replaces its lines, 1 adds the quantities negated, 2 adds them). The
// document's item query must show that document's lines.
bool ReadTerminalToItems(TDatabaseModule& dm, const TerminalSetup& s, int program, int mode, qint64 documentId,
                         TerminalResult& r);
// "Kjør feillisten på nytt": the error file becomes the terminal file. False
// (with why) when there is no error file or a terminal file is still there.
bool ErrorFileToTerminalFile(const TerminalSetup& s, QString& why);
