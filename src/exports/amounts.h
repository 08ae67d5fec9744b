#pragma once
// Amounts in the exported files: whole øre (hundredths of the currency),
// so that every sum in a file adds up exactly. A stored amount is rounded
// half away from zero to two decimals once, where it is read.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <vector>

// x rounded to øre, half away from zero (decimal-correct: 2.675 -> 268).
qint64 ToOre(double x);
// "1234.50", "-0.05", "0.00": point, two decimals, no thousands separator.
QString OreText(qint64 ore);
QByteArray OreBytes(qint64 ore);

// Collects what an XML writer writes (many small pieces) and hands it to
// the target in large blocks: a file written piece by piece spends most
// of its time in the device's bookkeeping. flushAll() passes on the rest;
// a failed write of the target makes every later write fail.
class BlockWriter : public QIODevice {
public:
    explicit BlockWriter(QIODevice* target, qsizetype block = 1 << 20);
    ~BlockWriter() override;
    bool flushAll();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override;

private:
    QIODevice* target_;
    QByteArray buf_;
    qsizetype block_;
    bool failed_ = false;
};

// A plain streaming XML writer for large files: elements and text only
// (no attributes), UTF-8, indented by two blanks per level, written in
// large blocks to the target. Characters XML 1.0 cannot carry (control
// characters other than tab and line breaks) are left out.
class XmlOut {
public:
    explicit XmlOut(QIODevice* target);
    // The XML declaration and the root element with its default namespace.
    void startDocument(const char* root, const QString& ns);
    void start(const char* name);
    void end();
    void text(const char* name, const QString& value);
    void text(const char* name, const QByteArray& utf8Value);
    // Ends every open element and passes the rest on; false when a write failed.
    bool finish();

private:
    void indent();
    void escaped(const QByteArray& utf8);
    BlockWriter out_;
    QByteArray line_;
    std::vector<const char*> open_;
};
