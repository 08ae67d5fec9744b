#include "exports/amounts.h"

#include "core/felles.h"

#include <cmath>

qint64 ToOre(double x)
{
    if (!std::isfinite(x)) return 0;
    return std::llround(RoundHalfAway(x, 2) * 100.0);
}

QByteArray OreBytes(qint64 ore)
{
    const bool negative = ore < 0;
    const quint64 a = negative ? quint64(-(ore + 1)) + 1 : quint64(ore);
    QByteArray out = negative ? QByteArray("-") : QByteArray();
    out += QByteArray::number(a / 100);
    out += '.';
    const int c = int(a % 100);
    out += char('0' + c / 10);
    out += char('0' + c % 10);
    return out;
}

QString OreText(qint64 ore) { return QString::fromLatin1(OreBytes(ore)); }

BlockWriter::BlockWriter(QIODevice* target, qsizetype block) : target_(target), block_(block)
{
    buf_.reserve(block_ + 4096);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

BlockWriter::~BlockWriter() = default;

qint64 BlockWriter::writeData(const char* data, qint64 len)
{
    if (failed_) return -1;
    buf_.append(data, qsizetype(len));
    if (buf_.size() >= block_ && !flushAll()) return -1;
    return len;
}

bool BlockWriter::flushAll()
{
    if (failed_) return false;
    if (!buf_.isEmpty() && target_->write(buf_) != buf_.size()) failed_ = true;
    buf_.resize(0);  // keeps the block's room
    return !failed_;
}

XmlOut::XmlOut(QIODevice* target) : out_(target) {}

void XmlOut::startDocument(const char* root, const QString& ns)
{
    line_ = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<");
    line_ += root;
    line_ += " xmlns=\"";
    escaped(ns.toUtf8());
    line_ += "\">\n";
    out_.write(line_);
    open_.push_back(root);
}

void XmlOut::indent()
{
    line_.resize(0);
    line_.append(qsizetype(open_.size() * 2), ' ');
}

void XmlOut::start(const char* name)
{
    indent();
    line_ += '<';
    line_ += name;
    line_ += ">\n";
    out_.write(line_);
    open_.push_back(name);
}

void XmlOut::end()
{
    if (open_.empty()) return;
    const char* name = open_.back();
    open_.pop_back();
    indent();
    line_ += "</";
    line_ += name;
    line_ += ">\n";
    out_.write(line_);
}

void XmlOut::escaped(const QByteArray& u)
{
    for (const char ch : u) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&': line_ += "&amp;"; break;
        case '<': line_ += "&lt;"; break;
        case '>': line_ += "&gt;"; break;
        case '"': line_ += "&quot;"; break;
        default:
            if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') line_ += ch;
        }
    }
}

void XmlOut::text(const char* name, const QString& value) { text(name, value.toUtf8()); }

void XmlOut::text(const char* name, const QByteArray& utf8Value)
{
    indent();
    line_ += '<';
    line_ += name;
    line_ += '>';
    escaped(utf8Value);
    line_ += "</";
    line_ += name;
    line_ += ">\n";
    out_.write(line_);
}

bool XmlOut::finish()
{
    while (!open_.empty()) end();
    return out_.flushAll();
}
