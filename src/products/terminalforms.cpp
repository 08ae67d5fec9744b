#include "products/terminalforms.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "data/datamodule.h"
#include "data/ordertotals.h"
#include "data/terminal.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const std::pair<const char*, const char*> kSeparators[] = {{"Komma", ","}, {"Semikolon", ";"}, {"Tab", "\t"},
                                                           {"Blank", " "}};

} // namespace

// ---- Oppsett Håndterminal ----------------------------------------------------

TProductTerminalForm::TProductTerminalForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProductTerminalForm"));
    setWindowTitle(QStringLiteral("Oppsett Håndterminal"));
    TerminalCombo = new QComboBox;
    TerminalCombo->addItem(QStringLiteral("Unitech HT630"));
    SeparatorCombo = new QComboBox;
    for (const auto& [caption, sep] : kSeparators) SeparatorCombo->addItem(QString::fromUtf8(caption), QString::fromLatin1(sep));
    LineFeedCombo = new QComboBox;
    LineFeedCombo->addItems({QStringLiteral("CRLF"), QStringLiteral("CR"), QStringLiteral("LF")});
    FolderEdit = new QLineEdit;
    auto* browse = new QToolButton;
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString d = QFileDialog::getExistingDirectory(this, QStringLiteral("Valg mappe"), FolderEdit->text());
        if (!d.isEmpty()) FolderEdit->setText(d + QLatin1Char('/'));
    });
    auto* folderRow = new QWidget;
    auto* fh = new QHBoxLayout(folderRow);
    fh->setContentsMargins(0, 0, 0, 0);
    fh->addWidget(FolderEdit, 1);
    fh->addWidget(browse);
    FileEdit = new QLineEdit;
    DeleteBox = new QCheckBox(QStringLiteral("Slett fil etter innlasting"));
    ArchiveBox = new QCheckBox(QStringLiteral("Lag arkivkopi"));
    auto* f = new QFormLayout(this);
    f->addRow(QStringLiteral("Terminal:"), TerminalCombo);
    f->addRow(QStringLiteral("Feltseperator:"), SeparatorCombo);
    f->addRow(QStringLiteral("Linjeskift:"), LineFeedCombo);
    f->addRow(QStringLiteral("Mappe:"), folderRow);
    f->addRow(QStringLiteral("Filnavn:"), FileEdit);
    f->addRow(QString(), DeleteBox);
    f->addRow(QString(), ArchiveBox);
    setFixedSize(qMax(420, sizeHint().width()), sizeHint().height());
}

void TProductTerminalForm::FormShow()
{
    const TerminalSetup s = LoadTerminalSetup();
    const int sep = SeparatorCombo->findData(s.separator);
    SeparatorCombo->setCurrentIndex(sep < 0 ? 0 : sep);
    const int lf = LineFeedCombo->findText(s.lineFeed);
    LineFeedCombo->setCurrentIndex(lf < 0 ? 0 : lf);
    FolderEdit->setText(s.folder);
    FileEdit->setText(s.fileName);
    DeleteBox->setChecked(s.deleteOnDone);
    ArchiveBox->setChecked(s.saveCopy);
}

void TProductTerminalForm::FormClose()
{
    TerminalSetup s;
    s.separator = SeparatorCombo->currentData().toString();
    s.lineFeed = LineFeedCombo->currentText();
    s.folder = FolderEdit->text().trimmed();
    s.fileName = FileEdit->text().trimmed().isEmpty() ? QStringLiteral("FORM.DAT") : FileEdit->text().trimmed();
    s.deleteOnDone = DeleteBox->isChecked();
    s.saveCopy = ArchiveBox->isChecked();
    SaveTerminalSetup(s);
}

void TProductTerminalForm::showEvent(QShowEvent* e)
{
    LoadWindow(this, QStringLiteral("ProductTerminalForm"), QStringLiteral("OnlyPos"));
    FormShow();
    QWidget::showEvent(e);
}

void TProductTerminalForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    SaveWindow(this, QStringLiteral("ProductTerminalForm"));
    QWidget::closeEvent(e);
}

// ---- Håndterminal ------------------------------------------------------------

TProductTerminalDialogForm::TProductTerminalDialogForm(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProductTerminalDialogForm"));
    setWindowTitle(QStringLiteral("Håndterminal"));
    ModeCombo = new QComboBox;
    LesInnButton = new QPushButton(QStringLiteral("Les inn"));
    connect(LesInnButton, &QPushButton::clicked, this, [this] { LesInnClick(); });
    SizeSlider = new QSlider(Qt::Horizontal);
    SizeSlider->setRange(0, 1);
    SizeSlider->setFixedWidth(50);
    connect(SizeSlider, &QSlider::valueChanged, this, &TProductTerminalDialogForm::setSize);

    FileMemo = new QPlainTextEdit;
    ErrorMemo = new QPlainTextEdit;
    ErrorMemo->setReadOnly(true);
    RerunButton = new QPushButton(QStringLiteral("Kjør feillisten på nytt"));
    connect(RerunButton, &QPushButton::clicked, this, [this] { RerunClick(); });
    auto* save = new QAction(QStringLiteral("Lagre filen"), FileMemo);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::WidgetShortcut);
    connect(save, &QAction::triggered, this, [this] {
        const TerminalSetup s = LoadTerminalSetup();
        if (WriteCp1252Lines(s.sourcePath(), FileMemo->toPlainText().split(QLatin1Char('\n'))) != 0)
            CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke lagre filen %1.").arg(s.sourcePath()),
                                          QStringLiteral("Feil"));
    });
    FileMemo->addAction(save);
    FileMemo->setContextMenuPolicy(Qt::ActionsContextMenu);

    memos_ = new QWidget;
    auto* mv = new QVBoxLayout(memos_);
    mv->setContentsMargins(0, 0, 0, 0);
    mv->addWidget(new QLabel(QStringLiteral("Innhold i fil:")));
    mv->addWidget(FileMemo, 1);
    mv->addWidget(new QLabel(QStringLiteral("Feilmeldinger:")));
    mv->addWidget(ErrorMemo, 1);
    mv->addWidget(RerunButton, 0, Qt::AlignLeft);

    auto* top = new QVBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Data fra håndterminal:")));
    top->addWidget(ModeCombo);
    auto* row = new QHBoxLayout;
    row->addWidget(LesInnButton);
    row->addStretch(1);
    row->addWidget(SizeSlider);
    top->addLayout(row);
    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(memos_, 1);
    setSize(0);
}

void TProductTerminalDialogForm::setSize(int position)
{
    memos_->setVisible(position == 1);
    setFixedSize(position == 1 ? QSize(562, 442) : QSize(272, 124));
    if (SizeSlider->value() != position) SizeSlider->setValue(position);
}

void TProductTerminalDialogForm::FormShow()
{
    static const char* captions[4][3] = {
        {"Bruk antall som lagerverdi", "Trekk antall i fra lager", "Legg til antall på lager"},
        {"Bruk som ordreantall", "Trekk antall i fra ordre (retur)", "Legg til antall i ordre"},
        {"Bruk som antall i bestilling", "Trekk antall i fra bestilling", "Legg til antall i bestilling"},
        {"Bruk som antall i faktura", "Trekk antall i fra faktura", "Legg til antall i faktura"}};
    const int p = qBound(0, TerminalProgram, 3);
    ModeCombo->clear();
    for (const char* c : captions[p]) ModeCombo->addItem(QString::fromUtf8(c));
    ModeCombo->setCurrentIndex(2);
    const TerminalSetup s = LoadTerminalSetup();
    QStringList lines;
    FileMemo->setPlainText(ReadCp1252Lines(s.sourcePath(), lines) == 0 ? lines.join(QLatin1Char('\n')) : QString());
    ErrorMemo->clear();
    setSize(0);
}

void TProductTerminalDialogForm::showResult(const TerminalResult& r)
{
    ErrorMemo->setPlainText(r.messages.join(QLatin1Char('\n')));
    if (r.missingFile || !r.errorLines.isEmpty() || !r.error.isEmpty()) setSize(1);
}

bool TProductTerminalDialogForm::LesInnClick()
{
    TDatabaseModule& dm = DataModule();
    const TerminalSetup s = LoadTerminalSetup();
    const int mode = ModeCombo->currentIndex();
    TerminalResult r;
    bool ok = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (TerminalProgram == 0) {
        ok = ReadTerminalToStock(dm.MyConnection, s, mode, r);
        if (ok && dm.ProductTable.isOpen()) dm.ProductTable.refresh();
    } else {
        // The document whose window is open, never whatever row a dataset
        // last pointed at.
        const int ids[] = {0, CurrentOrderID, CurrentPOID, CurrentInvoiceID};
        const int p = qBound(1, TerminalProgram, 3);
        ok = ReadTerminalToItems(dm, s, p, mode, ids[p], r);
        if (ok) {
            if (p == 1) OrderUpdate(dm);
            else if (p == 2) POUpdate(dm);
            else InvoiceUpdate(dm);
        }
    }
    QApplication::restoreOverrideCursor();
    showResult(r);
    QStringList lines;
    FileMemo->setPlainText(ReadCp1252Lines(s.sourcePath(), lines) == 0 ? lines.join(QLatin1Char('\n')) : QString());
    if (ok && r.messages.isEmpty())
        ErrorMemo->setPlainText(QStringLiteral("%1 linjer lest inn.").arg(r.applied));
    return ok;
}

bool TProductTerminalDialogForm::RerunClick()
{
    QString why;
    if (!ErrorFileToTerminalFile(LoadTerminalSetup(), why)) {
        ErrorMemo->setPlainText(why);
        setSize(1);
        return false;
    }
    return LesInnClick();
}

void TProductTerminalDialogForm::showEvent(QShowEvent* e)
{
    LoadWindow(this, QStringLiteral("ProductTerminalDialogForm"), QStringLiteral("OnlyPos"));
    FormShow();
    QWidget::showEvent(e);
}

void TProductTerminalDialogForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("ProductTerminalDialogForm"));
    QWidget::closeEvent(e);
}
