#include "print/barcode.h"

#include "data/productrules.h"
#include "print/utskrift.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace {

// Bar and space widths of the Code 128 values 0 to 106 (106: the stop,
// which has a final bar of two modules).
const char* const kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

constexpr int kCodeC = 99, kCodeB = 100, kFnc1 = 102, kStartB = 104, kStartC = 105, kStop = 106;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int digitRun(const QString& s, qsizetype i)
{
    int n = 0;
    while (i + n < s.size() && isDigit(s[i + n])) ++n;
    return n;
}

}  // namespace

int Code128Symbol::moduleCount() const
{
    int n = 0;
    for (int m : modules) n += m;
    return n;
}

Code128Symbol EncodeCode128(const QString& data, bool fnc1)
{
    Code128Symbol s;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char16_t u = data[i].unicode();
        if (u < 32 || u > 126) {
            s.error = QStringLiteral("Ingen strekkode: tegnet \"%1\" kan ikke vises i GS1-128").arg(data[i]);
            return s;
        }
    }
    if (data.isEmpty() && !fnc1) {
        s.error = QStringLiteral("Ingen strekkode: tomt varenummer");
        return s;
    }
    const qsizetype len = data.size();
    const int firstRun = digitRun(data, 0);
    bool setC = firstRun >= 4 || (firstRun == len && len >= 2 && len % 2 == 0);
    s.values.push_back(setC ? kStartC : kStartB);
    if (fnc1) s.values.push_back(kFnc1);
    qsizetype i = 0;
    while (i < len) {
        const int run = digitRun(data, i);
        if (setC) {
            if (run >= 2) {
                s.values.push_back((data[i].unicode() - '0') * 10 + (data[i + 1].unicode() - '0'));
                i += 2;
                continue;
            }
            s.values.push_back(kCodeB);
            setC = false;
        }
        // Code set B: switch to C before an even run of four digits or
        // more, or one that ends the data; an odd run leaves its first
        // digit in B.
        if (run >= 4 && run % 2 == 0) {
            s.values.push_back(kCodeC);
            setC = true;
            continue;
        }
        s.values.push_back(data[i].unicode() - 32);
        ++i;
    }
    long sum = s.values[0];
    for (size_t k = 1; k < s.values.size(); ++k) sum += long(k) * s.values[k];
    s.values.push_back(int(sum % 103));
    s.values.push_back(kStop);
    for (int v : s.values)
        for (const char* p = kPatterns[v]; *p; ++p) s.modules.push_back(*p - '0');
    s.ok = true;
    return s;
}

ProductBarcode MakeProductBarcode(const QString& productCode)
{
    ProductBarcode b;
    b.fullEncoded = WithCheckDigit(productCode);
    b.symbol = EncodeCode128(b.fullEncoded, true);
    return b;
}

void DrawCode128(QPainter& painter, const QRectF& rect, const Code128Symbol& symbol, const QString& text)
{
    if (!symbol.ok) return;
    const int total = symbol.moduleCount() + 2 * kQuietZoneModules;
    const double module = rect.width() / total;
    double barHeight = rect.height();
    if (!text.isEmpty()) barHeight -= QFontMetricsF(painter.font(), painter.device()).height();
    if (barHeight < 1) barHeight = 1;
    painter.save();
    painter.setPen(Qt::NoPen);
    double x = rect.left() + kQuietZoneModules * module;
    bool bar = true;
    for (int w : symbol.modules) {
        if (bar) painter.fillRect(QRectF(x, rect.top(), w * module, barHeight), Qt::black);
        x += w * module;
        bar = !bar;
    }
    if (!text.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rect.left(), rect.top() + barHeight, rect.width(), rect.height() - barHeight),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    painter.restore();
}

bool PrintProductBarcode(const QString& productCode, double width, double height, double top, double left,
                         double moduleWidth, bool showText)
{
    const ProductBarcode b = MakeProductBarcode(productCode);
    if (!PrintCanvas) return b.symbol.ok;
    QPainter& p = *PrintCanvas;
    const double px = PView.left + left * PixPrMM, py = PView.top + top * PixPrMM;
    p.save();
    p.setFont(CurrentPrintFont());
    if (!b.symbol.ok) {
        // The reason in place of the bars, so the label says why it has none.
        p.setPen(Qt::black);
        p.drawText(QPointF(px, py + QFontMetricsF(p.font(), p.device()).ascent()), b.symbol.error);
        p.restore();
        return false;
    }
    const int total = b.symbol.moduleCount() + 2 * kQuietZoneModules;
    const double w = width > 0 ? width * PixPrMM : total * moduleWidth * PixPrMM;
    double h = height * PixPrMM;
    if (showText) h += QFontMetricsF(p.font(), p.device()).height();
    DrawCode128(p, QRectF(px, py, w, h), b.symbol, showText ? b.fullEncoded : QString());
    p.restore();
    return true;
}
