#pragma once
// The print engine: free procedures that place text and simple shapes on a
// page measured in whole millimetres, with a movable origin and a line
// cursor. A printout is a procedure without parameters that calls these
// from top to bottom and decides its own page breaks; the engine runs it on
// the printer (LPTPrint) or renders it into page images for the preview.
//
// All state is module state: there is one print job at a time. Positions
// are millimetres from the origin (Xpluss, Ypluss), which is itself measured
// from the top-left corner of the paper; Y grows downwards. Rounding of
// millimetres and pixels takes halves to the even number.
//
// Targets. The printer is a QPrinter over the whole sheet (no driver
// margins: the margins are the engine's own settings). The built-in "PDF
// printer" is Qt's PDF output: a job printed to it is written as
// "<job title>.PDF" into the folder of the setting "PDF-mappe" (the
// program's "export\pdf" folder when that is empty), with the job title as
// the PDF's title. The preview renders the same printout into one image per
// page at ZoomSize pixels per millimetre; the images carry that resolution,
// so fonts in points come out at their true size on every zoom and the
// preview shows the same pages as the paper.
//
// A printout must draw from data it prepared beforehand: the preview runs it
// again on every refresh.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

class QPainter;
class QPrinter;

using PrintProc = std::function<void()>;

// Pixel rectangle with inclusive right and bottom edges.
struct PixRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixRect&) const = default;
};

// Thrown when a length does not fit a 32-bit integer after conversion; it
// stops the printout (the job is ended or aborted all the same).
class PrintRangeError : public std::range_error {
public:
    using std::range_error::range_error;
};

// ---- module state -----------------------------------------------------

extern PrintProc PrintPreView;  // the printout to run; initially nopaint
// Called on a left click in the preview with the position (pixels) from
// the top-left margin corner; null means "beep".
extern std::function<void(int button, int x, int y)> HitMouseDown;
extern QPainter* PrintCanvas;   // the drawing target; null between jobs
extern bool PrintOutPut;        // true while drawing for the printer
extern bool DirectPrint;        // true when the printer dialog is skipped
extern bool RotatedView;        // landscape page
extern int ZoomSize;            // preview pixels per millimetre; 5 at start
extern const int PaperWidth;    // 210
extern const int PaperHeight;   // 297
extern double PixPrMM;
extern PixRect PView;           // printable area inside the margins
extern int Xpluss, Ypluss;
extern int XplussEnd, YplussEnd;
extern int XCenter, YCenter;
extern int XcenterView, YCenterView;
extern int Yheight;
extern int MaxXWidth;
extern bool IncYOn;

// Printer chosen for this run: empty is the built-in PDF printer, else a
// system printer's name. The printer dialog changes it.
extern QString SelectedPrinter;

// The printer dialog. The windows install one (QPrintDialog); without one
// every job goes straight to the chosen printer. It gets the prepared
// printer (for the PDF printer: PDF output to the job's file) and returns
// false when the user cancels.
extern std::function<bool(QPrinter&)> PrinterSetupDialog;
// Shows the preview window; installed by the windows.
extern std::function<void()> ShowPreviewWindow;

// ---- running a printout -----------------------------------------------

// Prints PrintPreView on the printer: printer dialog unless
// "Skriver_VisDialog" is 1, job title PrinterTitle ("utskrift" when empty),
// then PrinterTitle is cleared. Returns false when the user cancelled or the
// job failed; a cancelled dialog prints nothing and keeps PrinterTitle.
bool LPTPrint();
// Prints PrintPreView as the job title (empty: "utskrift"): the title
// belongs to this job alone, so a cancelled job leaves no title behind for
// the next printout.
bool LPTPrint(const QString& title);
// Prints PrintPreView into the PDF file path without any dialog, through
// the same engine; the job title is PrinterTitle ("utskrift" when empty)
// and is cleared afterwards. The file is replaced only when the job ends
// well.
bool PrintToPdfFile(const QString& path);
// Remembers the title for the preview's own "Utskrift" and shows the
// preview window (nothing when none is installed).
void ScreenPrint();
// The title ScreenPrint remembered.
extern QString PreviewTitle;
// Runs PrintPreView into page images at zoom pixels per millimetre (the
// preview's rendering). The pages are white A4 sheets, landscape when
// rotated.
QList<QImage> RenderPreviewPages(int zoom, bool rotated);
// "<PDF-mappe>/<title>.PDF": where the PDF printer stores a job (characters
// that cannot be in a file name become "_").
QString PdfFileName(const QString& title);
// The folder of the PDF printer, with a trailing "/".
QString PdfFolder();

// Computes the page for the current target (the printer when PrintOutPut,
// else a preview page of ZoomSize): PixPrMM, PView, the origin at the
// margin corner, the centres and the ends.
void ResetView(int pixelWidth, int pixelHeight);

// ---- conversion -------------------------------------------------------

int rnd(double x);   // halves to even; PrintRangeError outside 32 bits
int pmm(double mm);  // rnd(mm * PixPrMM)

// ---- origin and line cursor -------------------------------------------

void setXPluss(int X);
void setYPluss(int Y);
void Linjened(double AntallLinjer);
void LinjeOpp(double AntallLinjer);
bool EndOfPage(double LineFromBottom);
void NextPage();

// ---- text -------------------------------------------------------------

bool PrintXY(int x, int y, const QString& S);
bool WriteFromLeft(int X, const QString& S);
bool RightJustifyPrint(int X, const QString& S);
bool WriteFromRight(int X, const QString& S);
bool PrintRotated(int Rotation, int X, int Y, const QString& S);
bool OkPrintNext(const QString& S);
// Width of S in whole millimetres in the current font.
int TextWidthMM(const QString& S);
// Height of one text line ("@My") in whole millimetres in the current font.
int LineHeightMM();

// ---- fonts, pens and brushes ------------------------------------------

// Colours are given as the classic 0x00BBGGRR numbers.
QColor ColorOf(unsigned bgr);
void SetFont(const QString& name, double Size);
void SetFontSize(double Size);
enum FontStyleFlag { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
void SetFontStyle(int Style);
void PrnBold(bool Bold);
void SetFontColor(unsigned Color);
void SetBrushColor(unsigned Color);
void SetPen(int W);
// The current font of the engine (family, size, style).
QFont CurrentPrintFont();

// ---- shapes -----------------------------------------------------------

void PrintLine(int x, int y, int LineX, int LineY);
void PrintFrame();
void PrintEllipse(int x1, int y1, int x2, int y2);
void PrintArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
void PrintPattern(int x1, int y1, int x2, int y2, int pattern);
void PrintArrow(int X, int Y, int Size, int Direction);
void RuteNett(int Orientering, int bredde, int hoyde, int tykkelse, unsigned Farge);
void SeperatorLine(int LeftMargin, int RightMargin);
void LineBorder();
void GrayLineBorder();
// Rectangle in pixels, outlined with the pen and filled with the brush.
void PrintRectPix(int left, int top, int right, int bottom);

// ---- headings and footer ----------------------------------------------

void PrintMiniHeader(const QString& Title, bool InfoDown);
void PrintPageHeader(const QString& Title);
void PrintFoot(const QString& S, int Method = 0);

// The test printout.
void nopaint();

// Maps the Windows font names the settings use to their metric twins
// (Liberation Sans, Serif and Mono). Done once; harmless to repeat.
void InstallFontSubstitutes();
