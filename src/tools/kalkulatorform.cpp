#include "tools/kalkulatorform.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/felles.h"
#include "core/platformlookup.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDrag>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const char* const kNumberMime = "application/x-kvarnel-tall";
constexpr int kColumnWidth = 280;

QFrame* makePanel(const char* name)
{
    auto* f = new QFrame;
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* valueLabel(const char* name)
{
    auto* l = new QLabel(QStringLiteral("0,00"));
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(130);
    return l;
}

// The digit of a Ctrl(+Shift)+digit key, whatever the keyboard layout makes
// of Shift with the digit row: the key's position where the window system
// gives it, else the digit, else the shifted characters of the Norwegian
// layout. -1 for any other key.
int shortcutDigit(const QKeyEvent* k)
{
    const quint32 scan = k->nativeScanCode();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && scan >= 10 && scan <= 19)
        return int((scan - 9) % 10);
    if (k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9)
        return k->key() - Qt::Key_0;
    switch (k->key()) {
    case Qt::Key_Exclam: return 1;
    case Qt::Key_QuoteDbl: return 2;
    case Qt::Key_NumberSign: return 3;
    case Qt::Key_currency: return 4;
    case Qt::Key_Percent: return 5;
    case Qt::Key_Ampersand: return 6;
    case Qt::Key_Slash: return 7;
    case Qt::Key_ParenLeft: return 8;
    case Qt::Key_ParenRight: return 9;
    case Qt::Key_Equal: return 0;
    default: return -1;
    }
}

bool isCommandLetter(int key)
{
    return key == Qt::Key_C || key == Qt::Key_K || key == Qt::Key_P || key == Qt::Key_R || key == Qt::Key_S;
}
} // namespace

TKalkulatorForm::TKalkulatorForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KalkulatorForm"));
    setWindowTitle(QStringLiteral("Kalkulator"));
    beep = [] { QApplication::beep(); };
    chooseColor = [this](const QColor& c) { return QColorDialog::getColor(c, this, QStringLiteral("Farge")); };

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    // Tax.
    mvaPanel = makePanel("mvaPanel");
    {
        auto* g = new QGridLayout(mvaPanel);
        g->setContentsMargins(4, 3, 4, 3);
        mvaLabel = valueLabel("mvaLabel");
        inklmvalabel = valueLabel("inklmvalabel");
        mva2label = new QLabel(QStringLiteral("inkl. mva"));
        mvacheck = new QCheckBox(QStringLiteral("mva er inkludert i sum"));
        g->addWidget(new QLabel(QStringLiteral("mva")), 0, 0);
        g->addWidget(mvaLabel, 0, 1);
        g->addWidget(mva2label, 1, 0);
        g->addWidget(inklmvalabel, 1, 1);
        g->addWidget(mvacheck, 2, 0, 1, 2);
        mvaPanel->setToolTip(QStringLiteral("Dobbelklikk for å hente et tall til utklippstavlen."));
        connect(mvacheck, &QCheckBox::toggled, this, [this] { SummerListe(); });
    }
    // Count, average, square and root.
    SnittPanel = makePanel("SnittPanel");
    {
        auto* g = new QGridLayout(SnittPanel);
        g->setContentsMargins(4, 3, 4, 3);
        AntallLabel = valueLabel("AntallLabel");
        SnittLabel = valueLabel("SnittLabel");
        KvadratLabel = valueLabel("KvadratLabel");
        RotLabel = valueLabel("RotLabel");
        const std::pair<const char*, QLabel*> rows[] = {
            {"Antall", AntallLabel}, {"Snitt", SnittLabel}, {"Kvadrat", KvadratLabel}, {"Kvadratrot", RotLabel}};
        int r = 0;
        for (const auto& [caption, label] : rows) {
            g->addWidget(new QLabel(QString::fromUtf8(caption)), r, 0);
            g->addWidget(label, r++, 1);
        }
    }
    // Second calculation.
    Regnepanel = makePanel("Regnepanel");
    {
        auto* h = new QHBoxLayout(Regnepanel);
        h->setContentsMargins(4, 3, 4, 3);
        RegneCombo = new QComboBox;
        RegneCombo->addItems({QStringLiteral("%"), QStringLiteral("/"), QStringLiteral("*")});
        RegneTall = new QLineEdit(QStringLiteral("0"));
        RegneTall->setAlignment(Qt::AlignRight);
        RegneTall->setMaximumWidth(70);
        RegneSum = valueLabel("RegneSum");
        RegneSum->setMinimumWidth(100);
        h->addWidget(RegneCombo);
        h->addWidget(RegneTall);
        h->addWidget(RegneSum, 1);
        connect(RegneCombo, &QComboBox::currentIndexChanged, this, [this] { SummerListe(); });
        connect(RegneTall, &QLineEdit::textChanged, this, [this] { SummerListe(); });
    }
    // Input.
    InputPanel = makePanel("InputPanel");
    {
        auto* h = new QHBoxLayout(InputPanel);
        h->setContentsMargins(4, 3, 4, 3);
        eInn = new QLineEdit(QStringLiteral("0"));
        eInn->setObjectName(QStringLiteral("eInn"));
        eInn->setAlignment(Qt::AlignRight);
        eInn->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        eInn->installEventFilter(this);
        auto* c = new QPushButton(QStringLiteral("C"));
        c->setFixedWidth(32);
        c->setFocusPolicy(Qt::NoFocus);
        connect(c, &QPushButton::clicked, this, [this] {
            TallListe->clear();
            eInn->clear();
            eInn->setFocus();
        });
        h->addWidget(eInn, 1);
        h->addWidget(c);
    }
    // Tape.
    ListPanel = makePanel("ListPanel");
    {
        auto* v = new QVBoxLayout(ListPanel);
        v->setContentsMargins(2, 2, 2, 2);
        v->setSpacing(2);
        TallListe = new QListWidget;
        TallListe->setObjectName(QStringLiteral("TallListe"));
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPixelSize(12);
        TallListe->setFont(mono);
        TallListe->setUniformItemSizes(true);
        TallListe->setMinimumHeight(LineHeight * 4);
        v->addWidget(TallListe, 1);
        connect(TallListe, &QListWidget::itemChanged, this, [this] {
            if (!loading_)
                SummerListe();
        });
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(1);
        auto add = [&](const QString& caption, const QString& hint, auto fn) {
            auto* b = new QPushButton(caption);
            b->setToolTip(hint);
            b->setFocusPolicy(Qt::NoFocus);
            b->setMinimumWidth(10);
            connect(b, &QPushButton::clicked, this, fn);
            buttons->addWidget(b);
        };
        add(QStringLiteral("&Alle"), QStringLiteral("Merk alle"), [this] { MerkAlle(true); });
        add(QStringLiteral("&Inverter"), QString(), [this] { InverterMerker(); });
        add(QStringLiteral("&Lagre"), QString(), [this] { LagreListe(); });
        add(QStringLiteral("&Hent"), QString(), [this] { HentListe(); });
        add(QStringLiteral("&Slett"), QStringLiteral("Slett alle som ikke er merket"), [this] { SlettUmerkede(); });
        v->addLayout(buttons);
    }
    // Sum.
    SumPanel = makePanel("SumPanel");
    {
        auto* h = new QHBoxLayout(SumPanel);
        h->setContentsMargins(4, 3, 4, 3);
        ListeSumLabel = valueLabel("ListeSumLabel");
        QFont f = ListeSumLabel->font();
        f.setBold(true);
        ListeSumLabel->setFont(f);
        h->addWidget(new QLabel(QStringLiteral("Sum:")));
        h->addWidget(ListeSumLabel, 1);
        SumPanel->setToolTip(QStringLiteral("Dobbelklikk for å hente sum til utklippstavlen."));
    }
    for (QFrame* p : {mvaPanel, SnittPanel, Regnepanel, InputPanel, ListPanel, SumPanel}) {
        column->addWidget(p, p == ListPanel ? 1 : 0);
        p->installEventFilter(this);
    }
    for (QLabel* l : {mvaLabel, inklmvalabel, AntallLabel, SnittLabel, KvadratLabel, RotLabel, RegneSum, ListeSumLabel})
        l->installEventFilter(this);
    setCentralWidget(central);
    buildMenus();

    fixedWidth_ = kColumnWidth;
    setFixedWidth(fixedWidth_);
    resize(fixedWidth_, 420);

    connect(qApp, &QCoreApplication::aboutToQuit, this, &TKalkulatorForm::FormClose);
}

TKalkulatorForm::~TKalkulatorForm() = default;

void TKalkulatorForm::FormShow()
{
    if (loaded_)
        return;
    // The placement and the settings are the logged-in user's, so they are
    // read at the first showing, not when the window is made at start-up.
    loaded_ = true;
    const QString free = LoadWindow(this, QStringLiteral("KalkulatorForm"));
    setFixedWidth(fixedWidth_);
    // First start: at the right-hand side of the screen, clear of the main window.
    if (pos() == QPoint(0, 0))
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.right() - fixedWidth_ - 40, a.top() + 60);
        }
    ApplyFreeValue(free);
    HentListe();
    normalHeight_ = height();
    eInn->selectAll();
    eInn->setFocus();
}

void TKalkulatorForm::showEvent(QShowEvent* e)
{
    FormShow();
    QMainWindow::showEvent(e);
}

void TKalkulatorForm::buildMenus()
{
    QMenu* vis = menuBar()->addMenu(QStringLiteral("Vis"));
    auto toggle = [&](QMenu* m, const QString& caption) {
        QAction* a = m->addAction(caption);
        a->setCheckable(true);
        return a;
    };
    Snitt1 = toggle(vis, QStringLiteral("Snitt"));
    Mva1 = toggle(vis, QStringLiteral("Mva"));
    AndreUtregning1 = toggle(vis, QStringLiteral("Andre utregning"));
    vis->addSeparator();
    JusterVindu1 = toggle(vis, QStringLiteral("Juster vindu etter antall"));
    AlltidOverst1 = toggle(vis, QStringLiteral("Alltid øverst"));
    const std::pair<QAction*, QFrame*> panels[] = {{Snitt1, SnittPanel}, {Mva1, mvaPanel}, {AndreUtregning1, Regnepanel}};
    for (const auto& [action, panel] : panels) {
        connect(action, &QAction::triggered, this, [this, panel = panel](bool on) {
            panel->setVisible(on);
            SummerListe();
        });
    }
    connect(vis, &QMenu::aboutToShow, this, [this] {
        Snitt1->setChecked(!SnittPanel->isHidden());
        Mva1->setChecked(!mvaPanel->isHidden());
        AndreUtregning1->setChecked(!Regnepanel->isHidden());
    });
    connect(JusterVindu1, &QAction::toggled, this, [this] { fitHeight(); });
    connect(AlltidOverst1, &QAction::toggled, this, [this](bool on) { setAlwaysOnTop(on); });

    QMenu* liste = menuBar()->addMenu(QStringLiteral("Liste"));
    connect(liste->addAction(QStringLiteral("Merk alle")), &QAction::triggered, this, [this] { MerkAlle(true); });
    connect(liste->addAction(QStringLiteral("Merk ingen")), &QAction::triggered, this, [this] { MerkAlle(false); });
    connect(liste->addAction(QStringLiteral("Inverter listemerker")), &QAction::triggered, this,
            [this] { InverterMerker(); });
    connect(liste->addAction(QStringLiteral("Merk min og max")), &QAction::triggered, this, [this] { MerkMinMax(); });
    liste->addSeparator();
    connect(liste->addAction(QStringLiteral("Slett umerkede")), &QAction::triggered, this, [this] { SlettUmerkede(); });
    connect(liste->addAction(QStringLiteral("Slett hele listen")), &QAction::triggered, this,
            [this] { SlettHeleListen(); });
    liste->addSeparator();
    MsModus1 = toggle(liste, QStringLiteral("Microsoft Kalkulator modus"));
    MsModus1->setChecked(true);

    QMenu* hjelp = menuBar()->addMenu(QStringLiteral("Hjelp"));
    connect(hjelp->addAction(QStringLiteral("Systeminformasjon")), &QAction::triggered, this, [] {
        if (QWidget* info = Windows().find(QStringLiteral("TSysInfoForm"))) {
            if (info->property("ProgramLabelName").toString().isEmpty())
                info->setProperty("ProgramLabelName", QStringLiteral("Kalkulator"));
            Windows().showModal(QStringLiteral("TSysInfoForm"));
        }
    });
    connect(hjelp->addAction(QStringLiteral("Oppdater direkte fra internett")), &QAction::triggered, this,
            [] { OppdaterProgramFraFTP(); });

    Mini1 = menuBar()->addAction(QStringLiteral("Mini"));
    connect(Mini1, &QAction::triggered, this, [this] { SetMini(!mini_); });
}

QList<TapeLine> TKalkulatorForm::Tape() const
{
    QList<TapeLine> tape;
    for (int i = 0; i < TallListe->count(); ++i) {
        const QListWidgetItem* it = TallListe->item(i);
        tape.append({it->checkState() == Qt::Checked, it->data(Qt::UserRole).toString()});
    }
    return tape;
}

void TKalkulatorForm::addTapeLine(const QString& text, bool ticked, int row)
{
    // The screen shows the Norwegian decimal comma; the line keeps the
    // tape file's own form (a point) for saving and summing.
    auto* it = new QListWidgetItem(ScreenNumber(text));
    it->setData(Qt::UserRole, text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    it->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    it->setSizeHint(QSize(0, LineHeight));
    TallListe->insertItem(row, it);
}

void TKalkulatorForm::SettInnTall()
{
    double x = 0;
    if (!ReadEntry(eInn->text(), results_.sum, x)) {
        beep();
        return;
    }
    loading_ = true;
    addTapeLine(TapeText(x), true, 0);
    // The sum is then always the number last entered.
    if (MsModus1->isChecked())
        for (int i = 1; i < TallListe->count(); ++i)
            TallListe->item(i)->setCheckState(Qt::Unchecked);
    loading_ = false;
    SummerListe();
    eInn->clear();
}

void TKalkulatorForm::SummerListe()
{
    KalkInput in;
    in.regneShown = !Regnepanel->isHidden();
    in.op = RegneCombo->currentIndex();
    in.regneTall = StrToDouble(RegneTall->text());
    in.mvaIncluded = mvacheck->isChecked();
    results_ = Compute(Tape(), in);
    const KalkResults& r = results_;
    auto show = [](QLabel* l, double v) { l->setText(ScreenNumber(TusenFormat(14, 2, v).trimmed())); };
    show(ListeSumLabel, r.sum);
    show(SnittLabel, r.average);
    AntallLabel->setText(QString::number(r.count));
    if (r.rootValid) {
        show(KvadratLabel, r.square);
        show(RotLabel, r.root);
    } else {
        KvadratLabel->clear();
        RotLabel->clear();
    }
    show(RegneSum, r.regneSum);
    show(mvaLabel, r.mva);
    show(inklmvalabel, r.inklmva);
    mva2label->setText(in.mvaIncluded ? QStringLiteral("eks. mva") : QStringLiteral("inkl. mva"));
    fitHeight();
}

void TKalkulatorForm::fitHeight()
{
    if (mini_)
        return;
    if (!JusterVindu1->isChecked()) {
        TallListe->setMinimumHeight(LineHeight * 4);
        TallListe->setMaximumHeight(QWIDGETSIZE_MAX);
        return;
    }
    // The tape shows every line, as far as the screen allows.
    const int frame = 2 * TallListe->frameWidth();
    const int rowHeight = LineHeight;
    int rows = qMax(TallListe->count(), 1);
    const QScreen* s = screen();
    const int room = s ? s->availableGeometry().height() - 300 : 2000;
    rows = qMin(rows, qMax(1, room / rowHeight));
    const int want = rows * rowHeight + frame;
    // The height the tape was last given, which the layout may not have
    // applied yet.
    const int have = TallListe->minimumHeight() == TallListe->maximumHeight() ? TallListe->maximumHeight()
                                                                                : TallListe->height();
    TallListe->setFixedHeight(want);
    resize(width(), height() + want - have);
}

void TKalkulatorForm::MerkAlle(bool ticked)
{
    loading_ = true;
    for (int i = 0; i < TallListe->count(); ++i)
        TallListe->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    loading_ = false;
    SummerListe();
}

void TKalkulatorForm::InverterMerker()
{
    loading_ = true;
    for (int i = 0; i < TallListe->count(); ++i) {
        QListWidgetItem* it = TallListe->item(i);
        it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    loading_ = false;
    SummerListe();
}

void TKalkulatorForm::MerkMinMax()
{
    int lo = -1, hi = -1;
    FindMinMax(Tape(), lo, hi);
    if (lo < 0)
        return;
    loading_ = true;
    TallListe->item(lo)->setCheckState(Qt::Unchecked);
    TallListe->item(hi)->setCheckState(Qt::Unchecked);
    loading_ = false;
    SummerListe();
}

void TKalkulatorForm::SlettUmerkede()
{
    for (int i = TallListe->count() - 1; i >= 0; --i)
        if (TallListe->item(i)->checkState() != Qt::Checked)
            delete TallListe->takeItem(i);
    SummerListe();
}

void TKalkulatorForm::SlettHeleListen()
{
    TallListe->clear();
    SummerListe();
}

QString TKalkulatorForm::TapeFileName(const QString& suffix) const
{
    return TrelvoPath(QStringLiteral("data")) + QStringLiteral("liste.kalkulator") + suffix;
}

void TKalkulatorForm::LagreListe(const QString& suffix)
{
    const QString name = TapeFileName(suffix);
    const int err = WriteFileAtomic(name, TapeFileBytes(Tape()));
    if (err != 0) {
        LogLine(QStringLiteral("FEIL: kan ikke lagre kalkulatorlisten ") + name + QStringLiteral(" (") +
                QString::number(err) + QLatin1Char(')'));
        CurrentDialogs()->ShowMessage(QStringLiteral("Feil under oppretting av ny fil: ") + name +
                                          QStringLiteral("  (") + QString::number(err) + QLatin1Char(')'),
                                      QStringLiteral("FEIL"));
    }
}

void TKalkulatorForm::HentListe(const QString& suffix)
{
    const QString name = TapeFileName(suffix);
    if (!QFile::exists(name))
        return;
    TextFile f;
    if (opentextfile(f, name) != 0)
        return;
    QStringList lines;
    while (!eoftextfile(f)) {
        QString line;
        if (readlntextfile(f, line) != 0)
            break;  // the lines read so far stay
        lines << line;
    }
    closetextfile(f);
    loading_ = true;
    TallListe->clear();
    for (const TapeLine& l : TapeFromLines(lines))
        addTapeLine(l.text, l.ticked, TallListe->count());
    loading_ = false;
    SummerListe();
}

QString TKalkulatorForm::FreeValue() const
{
    auto bit = [](bool b) { return b ? QLatin1Char('1') : QLatin1Char('0'); };
    // In mini mode the panels are hidden only for the while.
    auto shown = [this](const QFrame* p) { return mini_ ? p->property("kvMiniHidden").toBool() : !p->isHidden(); };
    QString v;
    v += bit(shown(SnittPanel));
    v += bit(shown(mvaPanel));
    v += bit(shown(Regnepanel));
    v += bit(mvacheck->isChecked());
    v += QChar(QLatin1Char('0').unicode() + qBound(0, RegneCombo->currentIndex(), 9));
    v += QStringLiteral("000");
    v += bit(MsModus1->isChecked());
    v += bit(AlltidOverst1->isChecked());
    v += RegneTall->text();
    return v;
}

void TKalkulatorForm::ApplyFreeValue(QString value)
{
    while (value.size() < 10)
        value += QLatin1Char('0');
    auto on = [&](int i) { return value.at(i) == QLatin1Char('1'); };
    SnittPanel->setVisible(on(0));
    mvaPanel->setVisible(on(1));
    Regnepanel->setVisible(on(2));
    mvacheck->setChecked(on(3));
    const int op = value.at(4).isDigit() ? value.at(4).digitValue() : 0;
    RegneCombo->setCurrentIndex(op < RegneCombo->count() ? op : 0);
    MsModus1->setChecked(on(8));
    AlltidOverst1->setChecked(on(9));
    const QString tall = value.mid(10);
    RegneTall->setText(tall.isEmpty() ? QStringLiteral("0") : tall);
}

void TKalkulatorForm::SetMini(bool mini)
{
    if (mini == mini_)
        return;
    if (mini) {
        normalHeight_ = height();
        mini_ = true;
        for (QFrame* p : {mvaPanel, SnittPanel, Regnepanel, ListPanel, SumPanel})
            p->setProperty("kvMiniHidden", !p->isHidden());
        for (QFrame* p : {mvaPanel, SnittPanel, Regnepanel, ListPanel, SumPanel})
            p->hide();
        centralWidget()->layout()->activate();
        setMinimumHeight(0);
        resize(width(), menuBar()->sizeHint().height() + InputPanel->sizeHint().height() + 4);
        Mini1->setText(QStringLiteral("Normal"));
    } else {
        mini_ = false;
        for (QFrame* p : {mvaPanel, SnittPanel, Regnepanel, ListPanel, SumPanel})
            p->setVisible(p->property("kvMiniHidden").toBool());
        resize(width(), normalHeight_);
        Mini1->setText(QStringLiteral("Mini"));
        eInn->setFocus();
        fitHeight();
    }
}

void TKalkulatorForm::setAlwaysOnTop(bool on)
{
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == on)
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
}

void TKalkulatorForm::FormClose()
{
    // A calculator never shown has nothing of its own to keep, and must not
    // overwrite the tape it never read.
    if (!loaded_)
        return;
    const QString free = FreeValue();
    if (mini_)
        SetMini(false);
    SaveWindow(this, QStringLiteral("KalkulatorForm"), free);
    LagreListe();
}

void TKalkulatorForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    e->accept();
}

void TKalkulatorForm::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (width() != fixedWidth_)
        setFixedWidth(fixedWidth_);
}

void TKalkulatorForm::copyNumber(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    QGuiApplication::clipboard()->setText(t);
}

void TKalkulatorForm::DropNumber(const QString& text)
{
    eInn->setText(ShortNumStr(QString(text).replace(QLatin1Char(','), QLatin1Char('.'))));
    SettInnTall();
}

void TKalkulatorForm::colourPanel(QFrame* panel)
{
    const QColor chosen = chooseColor(panel->palette().color(QPalette::Window));
    if (!chosen.isValid())
        return;
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, chosen);
    panel->setPalette(p);
    if (panel == ListPanel) {
        QPalette lp = TallListe->palette();
        lp.setColor(QPalette::Base, chosen);
        TallListe->setPalette(lp);
    }
}

bool TKalkulatorForm::inputKeyRelease(QKeyEvent* k)
{
    const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods & Qt::ControlModifier) {
        const int d = shortcutDigit(k);
        if (d < 0)
            return false;
        if (mods & Qt::ShiftModifier)
            HentListe(QString::number(d));
        else
            LagreListe(QString::number(d));
        return true;
    }
    if (mods & Qt::AltModifier)
        return false;
    QString out;
    switch (k->key()) {
    case Qt::Key_C:
        eInn->clear();
        if (mods == Qt::ShiftModifier)
            SlettHeleListen();
        return true;
    case Qt::Key_K:
        if (SquareText(eInn->text(), out))
            eInn->setText(out);
        else
            beep();
        return true;
    case Qt::Key_P: eInn->setText(PiText()); return true;
    case Qt::Key_R:
        if (RootText(eInn->text(), out))
            eInn->setText(out);
        else
            beep();
        return true;
    case Qt::Key_S: eInn->setText(SineText(eInn->text())); return true;
    default: return false;
    }
}

bool TKalkulatorForm::eventFilter(QObject* o, QEvent* e)
{
    if (o == eInn) {
        switch (e->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                SettInnTall();
                return true;
            }
            // The command letters act on release and never land in the box.
            if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && isCommandLetter(k->key()))
                return true;
            if ((k->modifiers() & Qt::ControlModifier) && shortcutDigit(k) >= 0)
                return true;
            break;
        }
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (!k->isAutoRepeat() && inputKeyRelease(k))
                return true;
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDragMoveEvent*>(e);
            if (d->mimeData()->hasFormat(QLatin1String(kNumberMime))) {
                d->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            if (d->mimeData()->hasFormat(QLatin1String(kNumberMime))) {
                DropNumber(QString::fromUtf8(d->mimeData()->data(QLatin1String(kNumberMime))));
                d->acceptProposedAction();
                return true;
            }
            break;
        }
        default: break;
        }
        return QMainWindow::eventFilter(o, e);
    }
    if (auto* label = qobject_cast<QLabel*>(o)) {
        // Only mouse events are cast to one.
        auto m = [e] { return static_cast<QMouseEvent*>(e); };
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            dragStart_ = m()->position().toPoint();
            return true;
        case QEvent::MouseButtonDblClick:
            if (label == ListeSumLabel || label == inklmvalabel || label == mvaLabel)
                copyNumber(label->text());
            return true;
        case QEvent::MouseMove:
            if ((m()->buttons() & Qt::LeftButton) &&
                (m()->position().toPoint() - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
                auto* mime = new QMimeData;
                mime->setData(QLatin1String(kNumberMime), label->text().toUtf8());
                auto* drag = new QDrag(label);
                drag->setMimeData(mime);
                drag->exec(Qt::CopyAction);
            }
            return true;
        default: break;
        }
        return QMainWindow::eventFilter(o, e);
    }
    if (auto* panel = qobject_cast<QFrame*>(o); panel && e->type() == QEvent::MouseButtonRelease &&
                                              static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        colourPanel(panel);
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}
