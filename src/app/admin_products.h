#pragma once
// kvarnel-admin's product jobs: the labels, the product list and the stock
// status printed to PDF with the options of their windows, and the EAN
// numbers generated through the product list's rule.
#include <QStringList>

// "print labels|productlist|stockstatus … --pdf FILE"; the exit status.
int AdminProductPrint(const QStringList& args, const QString& what);
// "product generate-ean …"; the exit status.
int AdminProductCommand(const QStringList& args);
