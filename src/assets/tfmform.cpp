#include "assets/tfmform.h"

#include "admin/inputform.h"
#include "assets/tfm.h"
#include "core/dialogs.h"
#include "core/platform.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Tfm;

const QString TTFMform::TFMVersion = QStringLiteral("Trelvo TFM-system   1.02");
const QString TTFMform::ReferenceUrl = QStringLiteral("https://www.statsbygg.no/");

TTFMform::FileChooser TTFMform::ChooseFile = [](QWidget* parent, bool save, const QString& initial) {
    const QString filter = QStringLiteral("Komma Separert fil (*.csv);;Alle filer (*)");
    return save ? QFileDialog::getSaveFileName(parent, QStringLiteral("Lagre merkelisten"), initial, filter)
                : QFileDialog::getOpenFileName(parent, QStringLiteral("Åpne merkeliste"), initial, filter);
};

namespace {

// A scratch list larger than this is no scratch list.
constexpr qint64 kLargestListFile = 8 * 1024 * 1024;

QComboBox* pickList(bool freeText)
{
    auto* c = new QComboBox;
    c->setEditable(freeText);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(25);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(30);
    return c;
}

// Replaces a list's entries and keeps what the user sees in its edit.
void setEntries(QComboBox* c, const QStringList& entries)
{
    const QSignalBlocker block(c);
    const QString text = c->currentText();
    c->clear();
    c->addItems(entries);
    if (c->isEditable())
        c->setEditText(text);
    else
        c->setCurrentIndex(-1);
}

QStringList entriesOf(const QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

}  // namespace

TTFMform::TTFMform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFMform"));
    setWindowTitle(TFMVersion);
    setSizeGripEnabled(true);

    auto tool = [this](const QString& text, const QString& tip, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
        auto* b = new QToolButton(this);
        if (icon != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(icon));
        else b->setText(text);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };

    Lokalisering = pickList(true);
    Lokalisering->setObjectName(QStringLiteral("Lokalisering"));
    SystemCombo = pickList(false);
    SystemCombo->setObjectName(QStringLiteral("SystemCombo"));
    SystemCombo->addItems(SystemMainGroups());
    SystemCombo->setCurrentIndex(-1);
    SystemUnderCOmbo = pickList(false);
    SystemUnderCOmbo->setObjectName(QStringLiteral("SystemUnderCOmbo"));
    System = pickList(true);
    System->setObjectName(QStringLiteral("System"));
    ProduktCombo = pickList(false);
    ProduktCombo->setObjectName(QStringLiteral("ProduktCombo"));
    ProduktCombo->addItems(ProductMainGroups());
    ProduktCombo->setCurrentIndex(-1);
    Produkt = pickList(true);
    Produkt->setObjectName(QStringLiteral("Produkt"));
    Tekst = pickList(true);
    Tekst->setObjectName(QStringLiteral("Tekst"));

    auto numberEdit = [](const QString& name, const QString& text) {
        auto* e = new QLineEdit(text);
        e->setObjectName(name);
        e->setFixedWidth(70);
        e->setMaxLength(12);
        return e;
    };
    Nr1 = numberEdit(QStringLiteral("Nr1"), QStringLiteral("01"));
    Nr2 = numberEdit(QStringLiteral("Nr2"), QStringLiteral("01"));
    IDNr = numberEdit(QStringLiteral("IDNr"), QString());
    Unik = new QCheckBox(QStringLiteral("TYPE-unikt"));
    Unik->setObjectName(QStringLiteral("Unik"));

    SystemSok = tool(QString(), QStringLiteral("Søk etter system .."), QStyle::SP_FileDialogContentsView);
    SystemNeste = tool(QStringLiteral("Neste"), QStringLiteral("Finn neste system med samme søketekst"));
    ProduktSok = tool(QString(), QStringLiteral("Søk etter produkt .."), QStyle::SP_FileDialogContentsView);
    ProduktNeste = tool(QStringLiteral("Neste"), QStringLiteral("Finn neste produkt med samme søketekst"));
    SystemNeste->setEnabled(false);
    ProduktNeste->setEnabled(false);
    Nr1Pluss = tool(QStringLiteral("+"), QStringLiteral("Øk løpenummeret med én"));
    Nr2Pluss = tool(QStringLiteral("+"), QStringLiteral("Øk løpenummeret med én"));
    IDNrPluss = tool(QStringLiteral("+"), QStringLiteral("Øk ID-nummeret med én"));
    const QString editTip = QStringLiteral("Rediger listen");
    EditLokalisering = tool(QString(), editTip, QStyle::SP_FileDialogDetailedView);
    EditSystem = tool(QString(), editTip, QStyle::SP_FileDialogDetailedView);
    EditProdukt = tool(QString(), editTip, QStyle::SP_FileDialogDetailedView);
    EditTekst = tool(QString(), editTip, QStyle::SP_FileDialogDetailedView);

    TekstLAbel = new QLabel;
    TekstLAbel->setObjectName(QStringLiteral("TekstLAbel"));
    TekstLAbel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    TFMLabel = new QLabel;
    TFMLabel->setObjectName(QStringLiteral("TFMLabel"));
    TFMLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    {
        QFont f = TFMLabel->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.8);
        TFMLabel->setFont(f);
    }
    CopyButton = tool(QStringLiteral("Kopier"), QStringLiteral("Kopier til utklippstavlen"));
    if (QIcon::hasThemeIcon(QStringLiteral("edit-copy"))) {
        CopyButton->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
        CopyButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }

    ReferenceLabel =
        new QLabel(QStringLiteral("<a href=\"%1\">PA 0802 TverrFaglig Merkesystem, TFM-systemet. Utarbeidet av Statsbygg</a>")
                       .arg(ReferenceUrl));
    ReferenceLabel->setObjectName(QStringLiteral("ReferenceLabel"));
    ReferenceLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(ReferenceLabel, &QLabel::linkActivated, this, [](const QString& url) { StartProg(url); });

    MerkeListe = new QListWidget;
    MerkeListe->setObjectName(QStringLiteral("MerkeListe"));
    MerkeListe->installEventFilter(this);
    LeggTilListe = new QPushButton(QStringLiteral("Legg til liste"));
    HentFraListe = new QPushButton(QStringLiteral("Hent fra liste"));
    LagreListe = new QPushButton(QStringLiteral("Lagre"));
    AapneListe = new QPushButton(QStringLiteral("Åpne"));
    HentKnapp = new QPushButton(QStringLiteral("Hent"));
    HentKnapp->setObjectName(QStringLiteral("HentKnapp"));
    HentKnapp->setVisible(false);
    for (QPushButton* b : {LeggTilListe, HentFraListe, LagreListe, AapneListe, HentKnapp}) b->setAutoDefault(false);

    // Left: the parts of the code, top to bottom.
    auto* left = new QGridLayout;
    left->setHorizontalSpacing(6);
    left->setVerticalSpacing(5);
    int row = 0;
    auto label = [](const QString& t) {
        auto* l = new QLabel(t);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto line = [](std::initializer_list<QWidget*> ws, int stretch) {
        auto* w = new QWidget;
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(3);
        int i = 0;
        for (QWidget* c : ws) h->addWidget(c, i++ == stretch ? 1 : 0);
        if (stretch < 0) h->addStretch(1);
        return w;
    };
    left->addWidget(label(QStringLiteral("Lokalisering:")), row, 0);
    left->addWidget(line({Lokalisering, EditLokalisering}, 0), row++, 1);
    left->addWidget(label(QStringLiteral("System:")), row, 0);
    left->addWidget(SystemCombo, row++, 1);
    left->addWidget(SystemUnderCOmbo, row++, 1);
    left->addWidget(line({System, SystemSok, SystemNeste, EditSystem}, 0), row++, 1);
    left->addWidget(label(QStringLiteral("Løpenummer:")), row, 0);
    left->addWidget(line({Nr1, Nr1Pluss}, -1), row++, 1);
    left->addWidget(label(QStringLiteral("Produkt:")), row, 0);
    left->addWidget(ProduktCombo, row++, 1);
    left->addWidget(line({Produkt, ProduktSok, ProduktNeste, EditProdukt}, 0), row++, 1);
    left->addWidget(label(QStringLiteral("Løpenummer (type):")), row, 0);
    left->addWidget(line({Nr2, Nr2Pluss}, -1), row++, 1);
    left->addWidget(label(QStringLiteral("Unikt ID-nr.")), row, 0);
    left->addWidget(line({IDNr, IDNrPluss, Unik}, -1), row++, 1);
    left->addWidget(label(QStringLiteral("Tekst:")), row, 0);
    left->addWidget(line({Tekst, EditTekst}, 0), row++, 1);
    left->setRowMinimumHeight(row++, 8);
    left->addWidget(TekstLAbel, row++, 0, 1, 2);
    left->addWidget(line({TFMLabel, CopyButton}, 0), row++, 0, 1, 2);
    left->setRowStretch(row++, 1);
    left->addWidget(ReferenceLabel, row++, 0, 1, 2);
    left->setColumnStretch(1, 1);

    // Right: the scratch list.
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Merkeliste:")));
    right->addWidget(MerkeListe, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(LeggTilListe, 0, 0);
    buttons->addWidget(HentFraListe, 0, 1);
    buttons->addWidget(LagreListe, 1, 0);
    buttons->addWidget(AapneListe, 1, 1);
    right->addLayout(buttons);
    right->addSpacing(8);
    right->addWidget(HentKnapp);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(10, 10, 10, 10);
    root->setSpacing(14);
    root->addLayout(left, 3);
    root->addLayout(right, 2);

    // Composing follows every part.
    connect(Lokalisering, &QComboBox::editTextChanged, this, [this] { LokaliseringChange(); });
    connect(Produkt, &QComboBox::editTextChanged, this, [this] { LokaliseringChange(); });
    connect(Tekst, &QComboBox::editTextChanged, this, [this] { LokaliseringChange(); });
    connect(System, &QComboBox::editTextChanged, this, [this] {
        FixSystem();
        LokaliseringChange();
    });
    for (QLineEdit* e : {Nr1, Nr2, IDNr}) connect(e, &QLineEdit::textChanged, this, [this] { LokaliseringChange(); });
    connect(Unik, &QCheckBox::toggled, this, [this] { LokaliseringChange(); });

    // Choosing an entry narrows the next list or moves on.
    connect(Lokalisering, &QComboBox::activated, this, [this] { SystemCombo->setFocus(); });
    connect(SystemCombo, &QComboBox::activated, this, [this](int i) { SystemComboSelect(i); });
    connect(SystemUnderCOmbo, &QComboBox::activated, this, [this](int i) { SystemUnderComboSelect(i); });
    connect(System, &QComboBox::activated, this, [this] { Nr1->setFocus(); });
    connect(ProduktCombo, &QComboBox::activated, this, [this](int i) { ProduktComboSelect(i); });
    connect(Produkt, &QComboBox::activated, this, [this] { Nr2->setFocus(); });

    connect(SystemSok, &QToolButton::clicked, this, [this] { SystemSokClick(); });
    connect(SystemNeste, &QToolButton::clicked, this, [this] { SystemNesteClick(); });
    connect(ProduktSok, &QToolButton::clicked, this, [this] { ProduktSokClick(); });
    connect(ProduktNeste, &QToolButton::clicked, this, [this] { ProduktNesteClick(); });
    connect(Nr1Pluss, &QToolButton::clicked, this, [this] { PlussClick(Nr1); });
    connect(Nr2Pluss, &QToolButton::clicked, this, [this] { PlussClick(Nr2); });
    connect(IDNrPluss, &QToolButton::clicked, this, [this] { PlussClick(IDNr); });
    connect(EditLokalisering, &QToolButton::clicked, this, [this] { EditFileClick(1); });
    connect(EditSystem, &QToolButton::clicked, this, [this] { EditFileClick(2); });
    connect(EditProdukt, &QToolButton::clicked, this, [this] { EditFileClick(3); });
    connect(EditTekst, &QToolButton::clicked, this, [this] { EditFileClick(4); });
    connect(CopyButton, &QToolButton::clicked, this, [this] { CopyButtonClick(); });
    connect(LeggTilListe, &QPushButton::clicked, this, [this] { LeggTilListeClick(); });
    connect(HentFraListe, &QPushButton::clicked, this, [this] { HentFraListeClick(); });
    connect(MerkeListe, &QListWidget::itemDoubleClicked, this, [this] { HentFraListeClick(); });
    connect(LagreListe, &QPushButton::clicked, this, [this] { LagreListeClick(); });
    connect(AapneListe, &QPushButton::clicked, this, [this] { AapneListeClick(); });
    connect(HentKnapp, &QPushButton::clicked, this, [this] { accept(); });

    // Made at start-up: the lists the user has not got yet are written from
    // the built-in ones, then read like any user's list.
    const QString folder = Folder();
    WriteMissingFiles(folder);
    {
        const QSignalBlocker b1(Lokalisering), b2(System), b3(Produkt), b4(Tekst);
        Lokalisering->addItems(DefaultEntries(ListFile::Location));
        SystemUnderCOmbo->addItems(DefaultEntries(ListFile::SystemGroup));
        SystemUnderCOmbo->setCurrentIndex(-1);
        System->addItems(DefaultEntries(ListFile::System));
        Produkt->addItems(DefaultEntries(ListFile::Product));
        Tekst->addItems(DefaultEntries(ListFile::Text));
        for (QComboBox* c : {Lokalisering, System, Produkt, Tekst}) c->setEditText(QString());
    }
    ListFileName = folder + QStringLiteral("tfm-liste.csv");
    // Open as a free tool when the program ends: its choices are kept too.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible()) FormClose();
    });
    LoadTFM();
    LokaliseringChange();
    resize(880, 582);
}

// ---- composing ---------------------------------------------------------------

void TTFMform::LokaliseringChange()
{
    TekstLAbel->setText(Tekst->currentText());
    CodeInput in;
    in.location = Lokalisering->currentText();
    in.system = System->currentText();
    in.nr1 = Nr1->text();
    in.product = Produkt->currentText();
    in.nr2 = Nr2->text();
    in.typeUnique = Unik->isChecked();
    in.idnr = IDNr->text();
    TFMLabel->setText(ComposeCode(in));
}

void TTFMform::FixSystem()
{
    const QString system = System->currentText();
    if (SystemCombo->count() > 0 && !system.isEmpty()) {
        const int i = MatchPrefix(entriesOf(SystemCombo), system, 1);
        if (i >= 0) SystemCombo->setCurrentIndex(i);
    }
    if (SystemUnderCOmbo->count() > 0 && system.size() >= 2) {
        const int i = MatchPrefix(entriesOf(SystemUnderCOmbo), system, 2);
        if (i >= 0) SystemUnderCOmbo->setCurrentIndex(i);
    }
    const QString product = Produkt->currentText();
    if (product.size() >= 2) {
        const int i = MatchPrefix(entriesOf(ProduktCombo), product, 1);
        if (i >= 0) ProduktCombo->setCurrentIndex(i);
    }
}

void TTFMform::LoadTFM()
{
    const std::pair<ListFile, QComboBox*> lists[] = {{ListFile::Location, Lokalisering},
                                                    {ListFile::SystemGroup, SystemUnderCOmbo},
                                                    {ListFile::System, System},
                                                    {ListFile::Product, Produkt},
                                                    {ListFile::Text, Tekst}};
    for (const auto& [file, combo] : lists) {
        QStringList entries;
        if (ReadListFile(FilePath(file), entries)) setEntries(combo, entries);
    }
}

// ---- narrowing -------------------------------------------------------------

namespace {

// The lines of a list file that belong to the chosen group; the file must
// be there (its absence is reported) and the list is left empty otherwise.
QStringList narrowFrom(ListFile file, const QString& chosen, int width)
{
    QStringList lines;
    if (!ReadListFile(FilePath(file), lines, true)) return {};
    return Narrow(lines, chosen, width);
}

}  // namespace

void TTFMform::SystemComboSelect(int index)
{
    if (index < 0) return;
    setEntries(SystemUnderCOmbo, narrowFrom(ListFile::SystemGroup, SystemCombo->itemText(index), 1));
    SystemUnderCOmbo->setFocus();
}

void TTFMform::SystemUnderComboSelect(int index)
{
    if (index < 0) return;
    {
        const QSignalBlocker b(System);
        setEntries(System, narrowFrom(ListFile::System, SystemUnderCOmbo->itemText(index), 2));
        System->setEditText(QString());
    }
    LokaliseringChange();
    System->setFocus();
}

void TTFMform::ProduktComboSelect(int index)
{
    if (index < 0) return;
    {
        const QSignalBlocker b(Produkt);
        setEntries(Produkt, narrowFrom(ListFile::Product, ProduktCombo->itemText(index), 1));
        Produkt->setEditText(QString());
    }
    LokaliseringChange();
    Produkt->setFocus();
}

// ---- searching ---------------------------------------------------------------

void TTFMform::found(QComboBox* list, int index, int& last, QToolButton* next, const QString& text)
{
    {
        const QSignalBlocker b(list);
        list->setCurrentIndex(index);
        list->setEditText(list->itemText(index));
    }
    last = index;
    SisteLet = text;
    FixSystem();
    next->setEnabled(true);
    LokaliseringChange();
}

void TTFMform::search(QComboBox* list, int& last, QToolButton* next, const QString& prompt)
{
    QString text;
    if (!InputStr(prompt, SisteLet, text) || text.isEmpty()) return;
    LoadTFM();
    const int i = FindEntry(entriesOf(list), text);
    if (i >= 0) found(list, i, last, next, text);
}

void TTFMform::searchNext(QComboBox* list, int& last, QToolButton* next)
{
    if (last > list->count() - 1) last = -1;
    const int i = FindEntry(entriesOf(list), SisteLet, last);
    if (i >= 0) found(list, i, last, next, SisteLet);
}

void TTFMform::SystemSokClick() { search(System, SisteSystem, SystemNeste, QStringLiteral("Søk etter system ..")); }
void TTFMform::SystemNesteClick() { searchNext(System, SisteSystem, SystemNeste); }
void TTFMform::ProduktSokClick() { search(Produkt, SisteProdukt, ProduktNeste, QStringLiteral("Søk etter produkt ..")); }
void TTFMform::ProduktNesteClick() { searchNext(Produkt, SisteProdukt, ProduktNeste); }

// ---- numbers, clipboard, scratch list ----------------------------------------

void TTFMform::PlussClick(QLineEdit* edit)
{
    QString text = edit->text();
    switch (IncrementNumber(text)) {
    case IncrementResult::Unchanged: return;
    case IncrementResult::Done: edit->setText(text); return;
    case IncrementResult::NotANumber:
        LogLine(QStringLiteral("FEIL: '") + text + QStringLiteral("' er ikke et gyldig heltall (TFM-løpenummer)"));
        CurrentDialogs()->ShowMessage(QStringLiteral("'%1' er ikke et gyldig heltall.").arg(text), QStringLiteral("Feil"));
        return;
    }
}

void TTFMform::CopyButtonClick() { QApplication::clipboard()->setText(TFMLabel->text()); }

void TTFMform::LeggTilListeClick()
{
    MerkeListe->addItem(JoinScratchLine({TFMLabel->text(), Tekst->currentText()}));
    MerkeListe->setCurrentRow(MerkeListe->count() - 1);
}

void TTFMform::HentFraListeClick()
{
    QListWidgetItem* item = MerkeListe->currentItem();
    if (!item || !item->isSelected()) return;
    const ScratchLine line = SplitScratchLine(item->text());
    LoadTFM();
    TFMLabel->setText(line.code);
    const LoadedParts p = ReadCode(line.code);
    Lokalisering->setEditText(p.location);
    System->setEditText(p.system);
    Nr1->setText(p.nr1);
    Produkt->setEditText(p.product);
    Nr2->setText(p.nr2);
    Tekst->setEditText(line.text);
    TekstLAbel->setText(line.text);
    FixSystem();
    LokaliseringChange();
}

void TTFMform::SlettFraListe()
{
    QListWidgetItem* item = MerkeListe->currentItem();
    if (!item || !item->isSelected()) return;
    delete MerkeListe->takeItem(MerkeListe->row(item));
}

void TTFMform::LagreListeClick()
{
    const QString name = ChooseFile(this, true, ListFileName);
    if (name.isEmpty()) return;
    QStringList lines;
    for (int i = 0; i < MerkeListe->count(); ++i) lines << MerkeListe->item(i)->text();
    const int err = WriteScratchFile(name, lines);
    if (err != 0) {
        LogLine(QStringLiteral("FEIL: kan ikke lagre merkelisten til %1 (feilnr. %2)").arg(name).arg(err));
        CurrentDialogs()->ShowMessage(
            QStringLiteral("Kan ikke lagre merkelisten til %1  (FEILNR.: %2)").arg(name).arg(err), QStringLiteral("Feil"));
        return;
    }
    ListFileName = name;
}

void TTFMform::AapneListeClick()
{
    const QString name = ChooseFile(this, false, ListFileName);
    if (name.isEmpty()) return;
    const QFileInfo info(name);
    if (info.exists() && info.size() > kLargestListFile) {
        LogLine(QStringLiteral("FEIL: %1 er for stor til å være en merkeliste (%2 byte)").arg(name).arg(info.size()));
        CurrentDialogs()->ShowMessage(QStringLiteral("Filen %1 er for stor til å være en merkeliste.").arg(name),
                                      QStringLiteral("Feil"));
        return;
    }
    QStringList lines;
    if (!ReadScratchFile(name, lines)) return;  // reported; the list stays as it was
    MerkeListe->clear();
    MerkeListe->addItems(lines);
    ListFileName = name;
}

void TTFMform::EditFileClick(int tag)
{
    static const ListFile files[] = {ListFile::Location, ListFile::System, ListFile::Product, ListFile::Text};
    if (tag < 1 || tag > 4) return;
    const QString path = FilePath(files[tag - 1]);
    if (QFileInfo::exists(path)) StartProg(path);
    LoadTFM();
    watchFiles();
}

void TTFMform::watchFiles()
{
    // The editor runs beside the window: its saves reach the lists when
    // they happen, not only the next time the window opens.
    if (!watcher_) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
            LoadTFM();
            LokaliseringChange();
            // An editor that saves by renaming leaves a new file behind the name.
            if (QFileInfo::exists(path) && !watcher_->files().contains(path)) watcher_->addPath(path);
        });
    }
    for (int i = 0; i < ListFileCount; ++i) {
        const QString path = FilePath(ListFile(i));
        if (QFileInfo::exists(path) && !watcher_->files().contains(path)) watcher_->addPath(path);
    }
}

bool TTFMform::eventFilter(QObject* o, QEvent* e)
{
    if (o == MerkeListe && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        SlettFraListe();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

// ---- showing and closing -----------------------------------------------------

bool TTFMform::ExecForAsset()
{
    if (isVisible()) hide();
    HentKnapp->setVisible(true);
    const int result = exec();
    HentKnapp->setVisible(false);
    return result == QDialog::Accepted;
}

void TTFMform::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TTFMform::FormShow()
{
    LoadWindow(this, QStringLiteral("TFM-Form"));
    resize(880, 582);
    setWindowTitle(TFMVersion);
    LoadTFM();
    {
        MainIniSection s(QStringLiteral("TFM"));
        const QSignalBlocker b1(Lokalisering), b2(System), b3(Produkt), b4(Tekst);
        Lokalisering->setEditText(GetRegStr(QStringLiteral("Lokalisering")));
        Produkt->setEditText(GetRegStr(QStringLiteral("Produkt")));
        System->setEditText(GetRegStr(QStringLiteral("System")));
        Tekst->setEditText(GetRegStr(QStringLiteral("Tekst")));
        SisteLet = GetRegStr(QStringLiteral("SisteLet"));
    }
    LokaliseringChange();
    FixSystem();
    watchFiles();
}

void TTFMform::FormClose()
{
    SaveWindow(this, QStringLiteral("TFM-Form"));
    MainIniSection s(QStringLiteral("TFM"));
    SetRegStr(QStringLiteral("Lokalisering"), Lokalisering->currentText());
    SetRegStr(QStringLiteral("System"), System->currentText());
    SetRegStr(QStringLiteral("Produkt"), Produkt->currentText());
    SetRegStr(QStringLiteral("Tekst"), Tekst->currentText());
    SetRegStr(QStringLiteral("SisteLet"), SisteLet);
}

void TTFMform::done(int r)
{
    // Every way out (Hent, Esc, the window's close button) passes here.
    if (isVisible()) FormClose();
    QDialog::done(r);
}
