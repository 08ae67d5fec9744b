#pragma once
// The tape calculator's arithmetic and its tape files, apart from the
// window so both can be checked without one.
//
// A tape line is a number as the tape shows it (two decimals, blanks
// between thousands and millions, right-aligned) and a tick; only ticked
// lines count. A tape file has one line per tape line, top to bottom: "1"
// or "0" for the tick, then the line's text. Files are Windows-1252 with
// CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct TapeLine {
    bool ticked = true;
    QString text;
    bool operator==(const TapeLine&) const = default;
};

// The tape text of a number: 14 wide, two decimals, blanks between the
// thousands and the millions ("      1 234.50" and two leading blanks more).
QString TapeText(double x);
// The number of a tape line's text (blanks dropped, comma or point).
double TapeValue(const QString& text);

// Reads an entry typed in the input box. "12*3" multiplies, "100/8"
// divides, "*3" and "/4" work on the tape's sum; anything else is one
// number. False (the caller beeps) for a result of 0, a division by 0,
// more than one operator in one entry, or a result too large to hold.
bool ReadEntry(const QString& input, double sum, double& x);

// What the window shows, from the tape and the second calculation.
enum class RegneOp { Prosent = 0, Del = 1, Gange = 2 };
struct KalkInput {
    bool regneShown = false;   // second-calculation panel shown
    int op = -1;               // RegneOp, or -1 for none
    double regneTall = 0;      // the second number
    bool mvaIncluded = false;  // "mva er inkludert i sum"
};
struct KalkResults {
    double sum = 0;
    int count = 0;
    double average = 0;
    double square = 0;
    double root = 0;
    bool rootValid = true;  // false for a negative sum
    double regneSum = 0;
    double beregningSum = 0;
    double inklmva = 0;  // the amount with tax, or without when included
    double mva = 0;
};
KalkResults Compute(const QList<TapeLine>& tape, const KalkInput& in);

// The first line with the smallest and the first with the largest number
// (the largest at or above 0, else line 0); both -1 for an empty tape.
void FindMinMax(const QList<TapeLine>& tape, int& minIndex, int& maxIndex);

// Tape file contents and back. Empty lines are skipped when reading.
QByteArray TapeFileBytes(const QList<TapeLine>& tape);
QList<TapeLine> TapeFromLines(const QStringList& lines);

// Replaces the input box's value for the K, R, S and P keys; false (the
// caller beeps) when there is no such value (root of a negative number).
bool SquareText(const QString& input, QString& out);   // at most 2 decimals
bool RootText(const QString& input, QString& out);     // 8 decimals
QString SineText(const QString& input);                 // degrees, 10 decimals
QString PiText();                                       // 8 decimals

// A number as the calculator writes it ("1 234.50") the way the screen shows
// it: with the Norwegian decimal comma ("1 234,50").
QString ScreenNumber(QString text);
