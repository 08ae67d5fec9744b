#pragma once
// Search conditions of the bookkeeping lists: the text searched in the text
// columns, and, only when the typed text is a number, compared with the
// number columns too ("1500" finds account 1500 and the sum 1500; "1,5"
// finds the sum 1.5; "abc" or "1500 kr" never become a numeric term).
#include <QString>
#include <QStringList>

class Connection;

// like-terms for textFields, then "=" terms: integerFields when the text is
// a whole number, numberFields when it is any number. Digits with an
// optional sign, one decimal point or comma, nothing else, count as a number.
QString AccountSearchCondition(const Connection* conn, const QString& text, const QStringList& textFields,
                               const QStringList& integerFields, const QStringList& numberFields);
