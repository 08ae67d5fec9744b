#pragma once
// Contacts to and from vCard files, on the database.
#include "contacts/vcard.h"

#include <QString>

#include <functional>

class Dataset;
class TDatabaseModule;
class Connection;

struct VCardExportResult {
    int written = 0;
    QString error;  // Norwegian; empty on success
};

// Writes every row of contacts (a dataset over `contact`, in its order and
// filter; the rest of a first batch is read) to file, replacing it only
// when all cards were written. Each contact's company is read from the
// company table directly. progress gets the cards done, the total and the
// name just written.
VCardExportResult ExportVCardFile(Dataset& contacts, const QString& file,
                                  const std::function<void(int, int, const QString&)>& progress = {});

struct VCardImportResult {
    int cards = 0;             // cards in the file
    int imported = 0;          // contacts created
    int companiesCreated = 0;
    int shortened = 0;         // values cut to their column (each logged)
    QString error;             // Norwegian; empty on success
};

// Reads file and creates one contact per card with the defaults of a new
// row. ORG names the company (the first company whose name equals it,
// ignoring case, looked up in the whole table); with createCompanies a
// missing one is created with the card's work fax and work home page.
// Values longer than their column are shortened with a logged warning.
// All contacts are written in one transaction: on a database error nothing
// stays.
VCardImportResult ImportVCardFile(TDatabaseModule& dm, const QString& file, bool createCompanies,
                                  const std::function<void(int, int, const QString&)>& progress = {});

// The contact fields of a card, as the contact table names them.
QList<QPair<QString, QString>> ContactFieldsOf(const VCardContact& c);
