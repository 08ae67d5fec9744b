#pragma once
// Numbers of orders, offers, invoices and purchase orders.
//
// A new document shows the number after the highest whole number in its
// table on the server (texts that are not numbers are passed over, and
// numbers compare as numbers, whatever filter or order a window has put on
// the dataset). The number is settled when the row is first saved: under a
// server lock per table the highest number is read again and the row takes
// the next one, so two workstations that open new documents at the same
// time still save different numbers. A number the user typed himself is
// kept as typed.
#include <QObject>
#include <QString>

class Dataset;

class DocumentNumbering : public QObject {
public:
    // lastNumber is the shared value (LastOrderNumber …) kept up to date
    // with the highest number read.
    DocumentNumbering(Dataset& ds, int& lastNumber, QObject* parent = nullptr);

    // Before a row is inserted: reads the highest number into lastNumber.
    bool beforeInsert(Dataset& ds);
    // After the new-record defaults: remembers the number they gave.
    void newRecord(Dataset& ds);
    // Before a new row is written: takes the lock and the next free number.
    bool beforePost(Dataset& ds);

private:
    void release();
    QString lockName() const;

    Dataset& ds_;
    int& last_;
    QString provisional_;
    bool held_ = false;
};
