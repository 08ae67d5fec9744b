#pragma once
// Numbers of orders, offers, invoices and purchase orders.
//
// A new document shows the number after the highest whole number in its
// table on the server (texts that are not numbers are passed over, and
// numbers compare as numbers, whatever filter or order a window has put on
// the dataset). The number is settled when the row is first saved: the
// table's counter row in kv_docnumber is stepped by one, by the server
// function kv_take_docnumber inside the insert itself, or (a server without
// it, or a row the server refused that way) in a statement of its own
// before the insert, and the row takes the number it gives. The counter row
// is an ordinary replicated row, so workstations on different servers of a
// cluster get different numbers too: of two that step it at once, the
// server or the cluster refuses one, which then steps it again. A number
// the user typed himself is kept as typed, and a number taken for a row that
// is then given up is handed back when no one has taken a later one.
#include <QObject>
#include <QString>

class Connection;
class Dataset;

// Steps the counter of a document table and gives the new number; 0 (with
// the connection's error) when the server cannot give one.
int AllocateDocumentNumber(Connection& conn, const QString& table);

class DocumentNumbering : public QObject {
public:
    // lastNumber is the shared value (LastOrderNumber …) kept up to date
    // with the highest number read.
    DocumentNumbering(Dataset& ds, int& lastNumber, QObject* parent = nullptr);

    // Before a row is inserted: reads the highest number into lastNumber.
    bool beforeInsert(Dataset& ds);
    // After the new-record defaults: remembers the number they gave.
    void newRecord(Dataset& ds);
    // Before a new row is written: takes the next free number.
    bool beforePost(Dataset& ds);

private:
    void settle();

    Dataset& ds_;
    int& last_;
    QString provisional_;
    int taken_ = 0;  // a number taken for the row being inserted
    bool takenInTransaction_ = false;
    bool serverSide_ = true;  // the server has kv_take_docnumber
};
