#include "print/utskrift.h"

#include "core/dialogs.h"
#include "core/norsk.h"
#include "core/sysreg.h"
#include "core/textfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <climits>
#include <cmath>
#include <filesystem>

// ---- module state -----------------------------------------------------

PrintProc PrintPreView = nopaint;
std::function<void(int, int, int)> HitMouseDown;
QPainter* PrintCanvas = nullptr;
bool PrintOutPut = false;
bool DirectPrint = false;
bool RotatedView = false;
int ZoomSize = 5;
const int PaperWidth = 210;
const int PaperHeight = 297;
double PixPrMM = 5;
PixRect PView;
int Xpluss = 0, Ypluss = 0;
int XplussEnd = 0, YplussEnd = 0;
int XCenter = 0, YCenter = 0;
int XcenterView = 0, YCenterView = 0;
int Yheight = 0;
int MaxXWidth = 0;
bool IncYOn = false;
QString SelectedPrinter;
QString PreviewTitle;
std::function<bool(QPrinter&)> PrinterSetupDialog;
std::function<void()> ShowPreviewWindow;

namespace {

QFont g_font;
int g_style = 0;  // FontStyleFlag bits
QColor g_fontColor = Qt::black;
int g_pageHeightPix = 0;          // height of the sheet in pixels
std::function<bool()> g_newPage;  // starts the next page of the running job

QString setting(const QString& key)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    return GetRegStr(key);
}
int settingInt(const QString& key)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    return GetRegInt(key);
}

// A margin never set reads as the settings dialog's 25 mm; a stored 0 stays 0.
int margin(const QString& key)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    return GetRegStr(key).trimmed().isEmpty() ? 25 : GetRegInt(key);
}

QString fontName(const QString& key)
{
    const QString f = setting(key).trimmed();
    return f.isEmpty() ? QStringLiteral("Arial") : f;
}

QFontMetricsF metrics()
{
    if (PrintCanvas) return QFontMetricsF(g_font, PrintCanvas->device());
    return QFontMetricsF(g_font);
}

double textWidthPix(const QString& s) { return metrics().horizontalAdvance(s); }
double lineHeightPix() { return metrics().height(); }

void applyFont()
{
    if (PrintCanvas) PrintCanvas->setFont(g_font);
}

// Draws s with its top-left corner at pixel (px, py); a coloured brush
// gives the text a background, as behind a shaded heading band.
void drawTextPix(double px, double py, const QString& s)
{
    if (!PrintCanvas) return;
    const QFontMetricsF fm = metrics();
    const QBrush b = PrintCanvas->brush();
    if (b.style() == Qt::SolidPattern && b.color() != QColor(Qt::white))
        PrintCanvas->fillRect(QRectF(px, py, fm.horizontalAdvance(s), fm.height()), b.color());
    const QPen old = PrintCanvas->pen();
    PrintCanvas->setPen(g_fontColor);
    PrintCanvas->drawText(QPointF(px, py + fm.ascent()), s);
    PrintCanvas->setPen(old);
}

void afterText(const QString& s)
{
    Yheight = LineHeightMM();
    MaxXWidth = std::max(MaxXWidth, TextWidthMM(s));
}

// The state every job starts from, so that a printout run twice draws the
// same pages.
void resetDrawingState()
{
    g_font = QFont(fontName(QStringLiteral("Skriver_Font")));
    g_font.setPointSizeF(10);
    g_style = 0;
    g_fontColor = Qt::black;
    IncYOn = false;
    MaxXWidth = 0;
    if (PrintCanvas) {
        PrintCanvas->setRenderHint(QPainter::Antialiasing, !PrintOutPut);
        PrintCanvas->setRenderHint(QPainter::TextAntialiasing, true);
        PrintCanvas->setPen(QPen(Qt::black, 1));
        PrintCanvas->setBrush(QBrush(Qt::white, Qt::SolidPattern));
        applyFont();
    }
    Yheight = LineHeightMM();
}

QString jobTitle()
{
    return PrinterTitle.isEmpty() ? QStringLiteral("utskrift") : PrinterTitle;
}

// Runs PrintPreView on a printer that is set up; the job is always ended,
// and a PDF file appears only when the whole printout was drawn.
bool runPrinterJob(QPrinter& printer)
{
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    const QString target = printer.outputFileName();
    QString partial;
    if (pdf) {
        if (target.isEmpty()) return false;
        QDir().mkpath(QFileInfo(target).absolutePath());
        partial = target + QStringLiteral(".part");
        printer.setOutputFileName(partial);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        LogLine(QStringLiteral("FEIL: Kan ikke opprette nytt printcanvas (") + (pdf ? target : printer.printerName()) +
                QStringLiteral(")"));
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke opprette nytt printcanvas"), QStringLiteral("FEIL"));
        if (pdf) printer.setOutputFileName(target);
        return false;
    }
    PrintCanvas = &painter;
    PrintOutPut = true;
    g_newPage = [&printer] { return printer.newPage(); };
    ResetView(painter.device()->width(), painter.device()->height());
    resetDrawingState();
    bool ok = true;
    try {
        if (PrintPreView) PrintPreView();
    } catch (const std::exception& e) {
        ok = false;
        LogLine(QStringLiteral("FEIL: utskriften ble avbrutt: ") + QString::fromLocal8Bit(e.what()));
    }
    if (!ok && !pdf) printer.abort();
    painter.end();
    g_newPage = nullptr;
    PrintCanvas = nullptr;
    PrintOutPut = false;
    if (pdf) {
        printer.setOutputFileName(target);
        std::error_code ec;
        if (ok) {
            std::filesystem::rename(QFile::encodeName(partial).toStdString(),
                                    QFile::encodeName(target).toStdString(), ec);
            if (ec) {
                ok = false;
                LogLine(QStringLiteral("FEIL: kan ikke skrive ") + target);
            }
        }
        if (!ok) QFile::remove(partial);
    }
    return ok;
}

void setupPrinter(QPrinter& printer, bool landscape, const QString& title)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Kvarnel"));
}

}  // namespace

// ---- fonts ------------------------------------------------------------

void InstallFontSubstitutes()
{
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

// ---- conversion -------------------------------------------------------

int rnd(double x)
{
    const double r = std::nearbyint(x);
    if (!std::isfinite(r) || r > double(INT_MAX) || r < double(INT_MIN))
        throw PrintRangeError("lengde utenfor tallområdet");
    return int(r);
}

int pmm(double mm) { return rnd(mm * PixPrMM); }

// ---- the page ---------------------------------------------------------

void ResetView(int pixelWidth, int pixelHeight)
{
    if (PrintOutPut)
        PixPrMM = std::min(pixelWidth, pixelHeight) / double(PaperWidth);
    else
        PixPrMM = ZoomSize;
    g_pageHeightPix = pixelHeight;
    const int l = margin(QStringLiteral("Skriver_VenstreMarg"));
    const int t = margin(QStringLiteral("Skriver_ToppMarg"));
    const int r = margin(QStringLiteral("Skriver_HoyreMarg"));
    const int b = margin(QStringLiteral("Skriver_BunnMarg"));
    Xpluss = l;
    Ypluss = t;
    PView = {pmm(l), pmm(t), pixelWidth - pmm(r) - 1, pixelHeight - pmm(b) - 1};
    XcenterView = PView.right / 2;
    YCenterView = PView.bottom / 2;
    XCenter = rnd(((PView.right - PView.left) / 2) / PixPrMM);
    YCenter = rnd(((PView.bottom - PView.top) / 2) / PixPrMM);
    XplussEnd = rnd(PView.right / PixPrMM);
    YplussEnd = rnd(PView.bottom / PixPrMM);
}

QString PdfFolder()
{
    QString f = setting(QStringLiteral("PDF-mappe")).trimmed();
    if (f.isEmpty()) f = TrelvoPath(QStringLiteral("export/pdf"));
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
    return f;
}

QString PdfFileName(const QString& title)
{
    QString name = title.isEmpty() ? QStringLiteral("utskrift") : title;
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar(0) || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    if (name.startsWith(QLatin1Char('.'))) name.prepend(QLatin1Char('_'));
    return PdfFolder() + name + QStringLiteral(".PDF");
}

bool LPTPrint()
{
    InstallFontSubstitutes();
    const QString title = jobTitle();
    bool landscape = false;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        landscape = GetRegBoolean(QStringLiteral("RotatedView"));
        DirectPrint = GetRegInt(QStringLiteral("Skriver_VisDialog")) == 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer, landscape, title);
    if (SelectedPrinter.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfFileName(title));
    } else {
        printer.setPrinterName(SelectedPrinter);
    }
    if (!DirectPrint && PrinterSetupDialog) {
        if (!PrinterSetupDialog(printer)) {
            LogLine(QStringLiteral("Utskrift avbrutt: ") + title);
            return false;
        }
        if (printer.outputFormat() == QPrinter::NativeFormat) {
            SelectedPrinter = printer.printerName();
        } else {
            SelectedPrinter.clear();
            if (printer.outputFileName().isEmpty()) printer.setOutputFileName(PdfFileName(title));
        }
    }
    RotatedView = printer.pageLayout().orientation() == QPageLayout::Landscape;
    const bool ok = runPrinterJob(printer);
    if (ok) LogLine(QStringLiteral("Utskrift: ") + title);
    PrinterTitle.clear();
    return ok;
}

bool LPTPrint(const QString& title)
{
    PrinterTitle = title;
    const bool ok = LPTPrint();
    PrinterTitle.clear();
    return ok;
}

bool PrintToPdfFile(const QString& path)
{
    InstallFontSubstitutes();
    const QString title = jobTitle();
    bool landscape = false;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        landscape = GetRegBoolean(QStringLiteral("RotatedView"));
    }
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer, landscape, title);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(path).absoluteFilePath());
    RotatedView = landscape;
    const bool ok = runPrinterJob(printer);
    PrinterTitle.clear();
    return ok;
}

void ScreenPrint()
{
    PreviewTitle = PrinterTitle;
    PrintOutPut = false;
    if (ShowPreviewWindow) ShowPreviewWindow();
}

QList<QImage> RenderPreviewPages(int zoom, bool rotated)
{
    InstallFontSubstitutes();
    QList<QImage> pages;
    if (PrintCanvas) return pages;  // a job is running
    ZoomSize = std::max(1, zoom);
    RotatedView = rotated;
    const int w = ZoomSize * (rotated ? PaperHeight : PaperWidth);
    const int h = ZoomSize * (rotated ? PaperWidth : PaperHeight);
    auto blank = [&] {
        QImage img(w, h, QImage::Format_RGB32);
        img.setDotsPerMeterX(ZoomSize * 1000);
        img.setDotsPerMeterY(ZoomSize * 1000);
        img.fill(Qt::white);
        return img;
    };
    QImage page = blank();
    QPainter painter(&page);
    PrintCanvas = &painter;
    PrintOutPut = false;
    g_newPage = [&] {
        const QFont f = painter.font();
        const QPen p = painter.pen();
        const QBrush b = painter.brush();
        const auto hints = painter.renderHints();
        painter.end();
        pages << page;
        page = blank();
        painter.begin(&page);
        painter.setRenderHints(hints);
        painter.setFont(f);
        painter.setPen(p);
        painter.setBrush(b);
        return true;
    };
    ResetView(w, h);
    resetDrawingState();
    try {
        if (PrintPreView) PrintPreView();
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("FEIL: forhåndsvisningen ble avbrutt: ") + QString::fromLocal8Bit(e.what()));
    }
    painter.end();
    pages << page;
    g_newPage = nullptr;
    PrintCanvas = nullptr;
    return pages;
}

// ---- origin and line cursor -------------------------------------------

void setXPluss(int X) { Xpluss = X + rnd(PView.left / PixPrMM); }
void setYPluss(int Y) { Ypluss = Y + rnd(PView.top / PixPrMM); }
void Linjened(double AntallLinjer) { Ypluss = rnd(Ypluss + Yheight * AntallLinjer); }
void LinjeOpp(double AntallLinjer) { Ypluss = rnd(Ypluss - Yheight * AntallLinjer); }
bool EndOfPage(double LineFromBottom) { return pmm(Yheight * LineFromBottom + Ypluss) >= PView.bottom; }

void NextPage()
{
    if (g_newPage) g_newPage();
    setXPluss(0);
    setYPluss(0);
}

// ---- text -------------------------------------------------------------

int TextWidthMM(const QString& S) { return rnd(textWidthPix(S) / PixPrMM); }
int LineHeightMM() { return rnd(lineHeightPix() / PixPrMM); }

bool PrintXY(int x, int y, const QString& S)
{
    drawTextPix(pmm(x + Xpluss), pmm(y + Ypluss), S);
    afterText(S);
    return true;
}

bool WriteFromLeft(int X, const QString& S) { return PrintXY(X + 1, 0, S); }

bool RightJustifyPrint(int X, const QString& S) { return PrintXY(X - TextWidthMM(S) - 1, 0, S); }

bool WriteFromRight(int X, const QString& S)
{
    const int r = rnd((PView.right - PView.left - textWidthPix(S)) / PixPrMM);
    return PrintXY(r - X - 1, 0, S);
}

bool PrintRotated(int Rotation, int X, int Y, const QString& S)
{
    if (PrintCanvas) {
        PrintCanvas->save();
        PrintCanvas->translate(pmm(X + Xpluss), pmm(Y + Ypluss));
        PrintCanvas->rotate(-Rotation / 10.0);  // tenths of a degree, counter-clockwise
        drawTextPix(0, 0, S);
        PrintCanvas->restore();
    }
    afterText(S);
    return true;
}

bool OkPrintNext(const QString& S)
{
    PrintXY(1, 0, S);
    const bool fits = pmm(Ypluss + Yheight) < PView.bottom;
    if (IncYOn) Linjened(1);
    return fits;
}

// ---- fonts, pens and brushes ------------------------------------------

QColor ColorOf(unsigned bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

QFont CurrentPrintFont() { return g_font; }

void SetFont(const QString& name, double Size)
{
    g_font.setFamily(name.isEmpty() ? QStringLiteral("Arial") : name);
    // "Arial Black" is the heavy cut of Arial; the style stays as it was.
    if (name.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0)
        g_font.setWeight(QFont::Black);
    else
        g_font.setWeight((g_style & fsBold) ? QFont::Bold : QFont::Normal);
    SetFontSize(Size);
    Yheight = LineHeightMM();
}

// Points on every target: the preview's pages carry their resolution, so
// the same points scale with the zoom.
void SetFontSize(double Size)
{
    g_font.setPointSizeF(Size > 0 ? Size : 1);
    applyFont();
}

void SetFontStyle(int Style)
{
    g_style = Style;
    g_font.setBold(Style & fsBold);
    g_font.setItalic(Style & fsItalic);
    g_font.setUnderline(Style & fsUnderline);
    g_font.setStrikeOut(Style & fsStrikeOut);
    applyFont();
}

void PrnBold(bool Bold) { SetFontStyle(Bold ? fsBold : 0); }

// Colour printing is on unless "Skriver_BrukFarge" is -2, which prints
// every text in black.
void SetFontColor(unsigned Color)
{
    g_fontColor = settingInt(QStringLiteral("Skriver_BrukFarge")) == -2 ? QColor(Qt::black) : ColorOf(Color);
}

void SetBrushColor(unsigned Color)
{
    if (PrintCanvas) PrintCanvas->setBrush(QBrush(ColorOf(Color), Qt::SolidPattern));
}

void SetPen(int W)
{
    if (!PrintCanvas) return;
    QPen p = PrintCanvas->pen();
    p.setWidth(std::max(1, W * rnd(PixPrMM / 3)));
    PrintCanvas->setPen(p);
}

// ---- shapes -----------------------------------------------------------

void PrintLine(int x, int y, int LineX, int LineY)
{
    if (!PrintCanvas) return;
    PrintCanvas->drawLine(pmm(x + Xpluss), pmm(y + Ypluss), pmm(x + LineX + Xpluss), pmm(y + LineY + Ypluss));
}

void PrintRectPix(int left, int top, int right, int bottom)
{
    if (!PrintCanvas) return;
    PrintCanvas->drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PrintFrame()
{
    if (!PrintCanvas) return;
    SetPen(2);
    QPen p = PrintCanvas->pen();
    p.setColor(Qt::black);
    PrintCanvas->setPen(p);
    const QBrush old = PrintCanvas->brush();
    PrintCanvas->setBrush(Qt::NoBrush);
    PrintRectPix(PView.left, PView.top, PView.right, PView.bottom);
    PrintCanvas->setBrush(old);
}

void PrintEllipse(int x1, int y1, int x2, int y2)
{
    if (!PrintCanvas) return;
    PrintCanvas->drawEllipse(QRect(QPoint(pmm(x1 + Xpluss), pmm(y1 + Ypluss)), QPoint(pmm(x2 + Xpluss), pmm(y2 + Ypluss))));
}

void PrintArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (!PrintCanvas) return;
    const QRectF box(QPointF(pmm(x1 + Xpluss), pmm(y1 + Ypluss)), QPointF(pmm(x2 + Xpluss), pmm(y2 + Ypluss)));
    const QPointF c = box.center();
    auto angle = [&](int x, int y) {
        return std::atan2(-(pmm(y + Ypluss) - c.y()), pmm(x + Xpluss) - c.x()) * 180.0 / M_PI;
    };
    const double a1 = angle(x3, y3);
    double span = angle(x4, y4) - a1;
    if (span <= 0) span += 360;
    PrintCanvas->drawArc(box, int(std::lround(a1 * 16)), int(std::lround(span * 16)));
}

void PrintPattern(int x1, int y1, int x2, int y2, int pattern)
{
    if (!PrintCanvas) return;
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle style = (pattern >= 0 && pattern < 8) ? styles[pattern] : Qt::SolidPattern;
    QPen p = PrintCanvas->pen();
    p.setColor(Qt::white);
    PrintCanvas->setPen(p);
    QBrush b(Qt::black, style);
    // Hatches are spaced for the eye, whatever the resolution.
    if (style != Qt::SolidPattern && style != Qt::NoBrush) b.setTransform(QTransform::fromScale(PixPrMM / 4, PixPrMM / 4));
    PrintCanvas->setBrush(b);
    PrintCanvas->drawRect(QRect(QPoint(pmm(x1 + Xpluss), pmm(y1 + Ypluss)), QPoint(pmm(x2 + Xpluss), pmm(y2 + Ypluss))));
    p.setColor(Qt::black);
    PrintCanvas->setPen(p);
    PrintCanvas->setBrush(QBrush(Qt::white, Qt::SolidPattern));
}

void PrintArrow(int X, int Y, int Size, int Direction)
{
    if (!PrintCanvas) return;
    const int S = Size, h = S / 2, t = (5 * S) / 2, hh = (3 * S) / 2;
    QList<QPoint> pts;
    if (Direction == 3) {  // right
        pts = {{X, Y - h}, {X + S, Y - h}, {X + S, Y - hh}, {X + t, Y}, {X + S, Y + hh}, {X + S, Y + h}, {X, Y + h}, {X, Y - h}};
    } else if (Direction == 5) {  // down
        pts = {{X - h, Y}, {X - h, Y + S}, {X - hh, Y + S}, {X, Y + t}, {X + hh, Y + S}, {X + h, Y + S}, {X + h, Y}, {X - h, Y}};
    } else {
        return;
    }
    QPolygon poly;
    for (const QPoint& p : pts) poly << QPoint(pmm(p.x() + Xpluss), pmm(p.y() + Ypluss));
    PrintCanvas->drawPolyline(poly);
}

void RuteNett(int, int bredde, int hoyde, int, unsigned Farge)
{
    if (!PrintCanvas || bredde <= 0 || hoyde <= 0) return;
    const QPen old = PrintCanvas->pen();
    PrintCanvas->setPen(QPen(ColorOf(Farge), 1));
    for (int x = Xpluss; x <= XplussEnd; x += bredde) PrintCanvas->drawLine(pmm(x), pmm(Ypluss), pmm(x), pmm(YplussEnd));
    for (int y = Ypluss; y <= YplussEnd; y += hoyde) PrintCanvas->drawLine(pmm(Xpluss), pmm(y), pmm(XplussEnd), pmm(y));
    PrintCanvas->setPen(old);
}

void SeperatorLine(int LeftMargin, int RightMargin)
{
    if (PrintCanvas) {
        QPen p(ColorOf(0x808080), std::max(1, rnd(PixPrMM / 3)), Qt::DashLine);
        PrintCanvas->setPen(p);
        const double y = pmm(Ypluss) + lineHeightPix() / 2;
        PrintCanvas->drawLine(QPointF(PView.left + pmm(LeftMargin), y), QPointF(PView.right - pmm(RightMargin), y));
        PrintCanvas->setPen(QPen(Qt::black, 1, Qt::SolidLine));
    }
    Linjened(1);
}

void LineBorder()
{
    Yheight = LineHeightMM() + 1;
    if (!PrintCanvas) return;
    PrintCanvas->setBrush(QBrush(ColorOf(0xC0C0C0), Qt::SolidPattern));
    PrintRectPix(PView.left, pmm(Ypluss) - rnd(PixPrMM / 4), PView.right, pmm(Ypluss) + pmm(Yheight));
}

void GrayLineBorder()
{
    SetBrushColor(0xC0C0C0);
    LineBorder();
}

// ---- headings and footer ----------------------------------------------

void PrintMiniHeader(const QString& Title, bool InfoDown)
{
    auto s = [](const char* key) { return setting(QString::fromLatin1(key)); };
    QString info = s("Firma_Navn") + QLatin1Char(' ') + s("Firma_PostNr") + QLatin1Char(' ') + s("Firma_PostSted") +
                   QStringLiteral(" Telefon: ") + s("Firma_Telefon");
    if (!s("Firma_Telefax").isEmpty()) info += QStringLiteral(" Telefax: ") + s("Firma_Telefax");
    // A company in the VAT register shows it the way the law asks: "NO … MVA".
    const QString vat = settingInt(QStringLiteral("Firma_MVARegistrert")) == 1 ? VatRegistrationText(s("Firma_OrgNr")) : QString();
    info += QStringLiteral(" Org.nr: ") + (vat.isEmpty() ? s("Firma_OrgNr") : vat) + QStringLiteral("  Kontonr.:") +
            s("Firma_Kontonr");

    const QString bodyFont = fontName(QStringLiteral("Skriver_Font"));
    setXPluss(0);
    setYPluss(0);
    SetPen(1);
    SetFont(fontName(QStringLiteral("Skriver_HeaderFont")), 20);
    const bool preprinted = settingInt(QStringLiteral("Skriver_FortryktHeader")) == 1;
    if (preprinted) {
        if (settingInt(QStringLiteral("PrnLHJH")) == 1)
            WriteFromRight(0, Title);
        else
            WriteFromLeft(0, Title);
        Linjened(1);
        SetFont(bodyFont, 8);
    } else {
        WriteFromLeft(0, s("Firma_Navn"));
        WriteFromRight(0, Title);
        Linjened(1);
        SetFont(bodyFont, 8);
        if (InfoDown) {
            // Below the bottom margin, kept on the sheet.
            double top = PView.bottom + lineHeightPix() + 10;
            if (g_pageHeightPix > 0) top = std::min(top, g_pageHeightPix - lineHeightPix() - 1);
            drawTextPix(pmm(Xpluss), top, info);
            afterText(info);
        } else {
            WriteFromLeft(0, info);
        }
    }
    Yheight = LineHeightMM();
    Linjened(1);
    if (preprinted) Linjened(settingInt(QStringLiteral("Skriver_Logojustering")));
}

void PrintPageHeader(const QString& Title)
{
    PrintFrame();
    setXPluss(5);
    setYPluss(25);
    XplussEnd -= 5;
    YplussEnd -= 5;
    RuteNett(11, 4, 4, 1, 0xFFFFB0);
    XplussEnd += 5;
    YplussEnd += 5;
    setXPluss(0);
    setYPluss(0);
    SetPen(2);
    if (PrintCanvas) {
        QPen p = PrintCanvas->pen();
        p.setColor(Qt::black);
        PrintCanvas->setPen(p);
    }
    PrintLine(0, 20, XplussEnd - Xpluss, 0);
    if (PrintCanvas) {
        PrintCanvas->save();
        PrintCanvas->setBrush(ColorOf(0x008000));
        PrintCanvas->drawRoundedRect(QRect(QPoint(pmm(XCenter + Xpluss + 1), PView.top + pmm(1)),
                                           QPoint(PView.right - pmm(1), PView.top + pmm(19))),
                                     pmm(5) / 2.0, pmm(5) / 2.0);
        PrintCanvas->restore();
        PrintCanvas->setBrush(Qt::NoBrush);
    }
    SetFont(QStringLiteral("Arial"), 20);
    SetFontColor(0xFFFFFF);
    PrintXY(XCenter + 4, 2, Title);
    SetBrushColor(0xFFFFFF);
    SetFontColor(0);
    PrnBold(false);
    SetFont(fontName(QStringLiteral("Skriver_HeaderFont")), 20);
    PrintXY(4, 2, setting(QStringLiteral("Firma_Navn")));
    SetFont(QStringLiteral("Arial"), 12);
    PrintXY(4, 14, setting(QStringLiteral("Firma_PostNr")) + QLatin1Char(' ') + setting(QStringLiteral("Firma_PostSted")));
    SetFont(QStringLiteral("Arial"), 6);
    setXPluss(60);
    setYPluss(3);
    IncYOn = true;
    MaxXWidth = 0;
    for (const char* l : {"e-post:", "telefon:", "telefax:", "mobiltlf.:", "org.nr.:"}) OkPrintNext(QString::fromUtf8(l));
    setXPluss(MaxXWidth + 62);
    setYPluss(3);
    for (const char* k : {"Firma_Epost", "Firma_Telefon", "Firma_Telefax", "Firma_Mobil", "Firma_OrgNr"})
        OkPrintNext(setting(QString::fromLatin1(k)));
    setXPluss(0);
    setYPluss(0);
    SetPen(1);
}

void PrintFoot(const QString& S, int)
{
    SetFont(fontName(QStringLiteral("Skriver_Font")), 8);
    SetFontColor(0);
    drawTextPix(PView.left + pmm(5), PView.bottom - lineHeightPix() - 10, S);
    afterText(S);
}

// ---- the test printout ------------------------------------------------

void nopaint()
{
    PrintPageHeader(QStringLiteral("Test utskrift"));
    SetPen(1);
    setXPluss(10);
    setYPluss(40);
    PrintLine(20, 0, 140, 0);
    PrintLine(20, 100, 140, 0);
    PrintArc(0, 0, 40, 100, 20, 0, 20, 100);
    PrintEllipse(140, 0, 180, 100);
    PrintEllipse(143, 5, 177, 95);
    SetFont(QStringLiteral("Arial"), 10);
    PrintArrow(113, 10, 2, 3);
    setXPluss(10);
    setYPluss(170);
    PrintLine(100, 0, 0, 30);
    SetFont(QStringLiteral("Arial Black"), 12);
    PrintXY(10, 0, QStringLiteral("TESTING"));
    SetFont(QStringLiteral("Arial"), 12);
    PrintPattern(21, 11, 29, 19, 7);
    PrintPattern(21, 26, 29, 34, 7);
    IncYOn = false;
    for (const char* t : {"Test 123", "Ny linje under", "Skal være på", "Samme vertikale linje"}) {
        WriteFromRight(100, QString::fromUtf8(t));
        Linjened(1);
    }
    SetFont(QStringLiteral("Arial"), 10);
    PrintXY(38, 24, QStringLiteral("Testing 1234"));
    PrintFoot(QStringLiteral("tegningskilde: TEST"));
    setXPluss(0);
    setYPluss(0);
    QString ruler;
    while (ruler.size() < 92) ruler += QStringLiteral("1234567890");
    SetFont(QStringLiteral("Courier New"), 10);
    PrintXY(1, 21, ruler.left(92));
    SetFont(QStringLiteral("Arial"), 22);
    PrintXY(1, 31, QStringLiteral("Dette er en test 123 ÆØÅ xxxx Dette er en test 123 ÆØÅ"));
    SetFont(QStringLiteral("Times New Roman"), 16);
    PrintXY(1, 41, QStringLiteral("Dette er en test 123 ÆØÅ xxxx Dette er en test 123 xxx ÆØÅ Dette er en test 123 ÆØÅ"));
    SetFont(QStringLiteral("Arial"), 12);
    for (int i = 1; i <= 36; ++i)
        PrintRotated(100 * i, 100, 250, QStringLiteral("Rotert tekst, ") + QString::number(10 * i) + QStringLiteral(" grader"));
}
