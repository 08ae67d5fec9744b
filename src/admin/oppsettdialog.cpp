#include "admin/oppsettdialog.h"

#include "admin/janeiform.h"

#include "exportsui/norskoppsettpage.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/connection.h"
#include "print/utskrift.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString stored(const QString& key)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    return GetRegStr(key);
}

void store(const QString& key, const QString& value)
{
    MainIniSection s(QStringLiteral("STANDARD"));
    SetRegStr(key, value);
}

// "HH:MM" from what the masked field shows, a blank for each missing digit.
QString timeText(const QLineEdit* e)
{
    const QString t = e->text();  // the digits typed, around the colon
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    const QString h = (colon < 0 ? t : t.left(colon)).trimmed();
    const QString m = colon < 0 ? QString() : t.mid(colon + 1).trimmed();
    return h.left(2).leftJustified(2, QLatin1Char(' ')) + QLatin1Char(':') + m.left(2).leftJustified(2, QLatin1Char(' '));
}

QFormLayout* newForm()
{
    auto* f = new QFormLayout;
    f->setVerticalSpacing(3);
    f->setLabelAlignment(Qt::AlignRight);
    return f;
}

} // namespace

void WriteMissingSettingDefaults()
{
    MainIniSection s(QStringLiteral("STANDARD"));
    // Earlier first starts wrote 1920 (the tax-deduction account) as the
    // bank account of the income statement. Where the posting accounts are
    // still exactly what such a first start wrote, the bank account is set
    // to 1921 once; a bank account chosen later, or any workstation whose
    // posting accounts were changed, keeps what it has.
    const QString mended = QStringLiteral("PosteringKontoBankSjekket");
    if (GetRegStr(mended).trimmed().isEmpty()) {
        if (GetRegStr(QStringLiteral("PosteringKontoBank")).trimmed() == QLatin1String("1920") &&
            GetRegStr(QStringLiteral("PosteringKontoFaktura")).trimmed() == QLatin1String("3000") &&
            GetRegStr(QStringLiteral("PosteringKontoFordring")).trimmed() == QLatin1String("1500") &&
            GetRegStr(QStringLiteral("PosteringKontoMVA")).trimmed() == QLatin1String("2740")) {
            SetRegStr(QStringLiteral("PosteringKontoBank"), QStringLiteral("1921"));
            LogLine(QStringLiteral("ADVARSEL: bankkontoen for regnskapet (PosteringKontoBank) var 1920 fra en tidligere "
                                   "første oppstart; endret til 1921. Sett en annen under Oppsett, Regnskap."));
        }
        SetRegStr(mended, QStringLiteral("1"));
    }
    // The standard Norwegian chart of accounts and an ordinary working day.
    const std::pair<const char*, const char*> defaults[] = {
        {"PosteringKontoFaktura", "3000"}, {"PosteringKontoFordring", "1500"}, {"PosteringKontoBank", "1921"},
        {"PosteringKontoMVA", "2740"},     {"FakturaDager", "14 dager"},       {"Arbeid_ArbeidstidStart", "07:00"},
        {"Arbeid_ArbeidstidSlutt", "15:00"}, {"Arbeid_PauseTid1", "11:00"},    {"Arbeid_PauseLengd1", "30"},
        {"Satser_MVA", "25"},              {"Satser_MVA12", "15"},
    };
    for (const auto& [key, value] : defaults)
        if (GetRegStr(QString::fromLatin1(key)).trimmed().isEmpty()) SetRegStr(QString::fromLatin1(key), QString::fromUtf8(value));
}

void FillOwnCompanySettings(Connection& conn, int companyId)
{
    if (companyId <= 0) return;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        if (!GetRegStr(QStringLiteral("Firma_Navn")).trimmed().isEmpty()) return;
    }
    auto r = conn.query(QStringLiteral("SELECT companyname, postaladdress, streetaddress, postalcode, city, email, phone, "
                                       "telefax, bankaccount, orgnumber, homepage FROM company WHERE id=%1")
                            .arg(companyId));
    if (!r || !r->next()) return;
    const char* keys[] = {"Firma_Navn",   "Firma_PostAdresse", "Firma_GateAdresse", "Firma_PostNr",
                          "Firma_PostSted", "Firma_Epost",     "Firma_Telefon",     "Firma_Telefax",
                          "Firma_KontoNr", "Firma_OrgNr",      "HTML_HomePage"};
    MainIniSection s(QStringLiteral("STANDARD"));
    for (int i = 0; i < int(std::size(keys)); ++i)
        if (GetRegStr(QString::fromLatin1(keys[i])).trimmed().isEmpty()) SetRegStr(QString::fromLatin1(keys[i]), r->value(i));
    FlushSettings();
}

QWidget* TOppsettDialog::page(const QString& caption)
{
    auto* w = new QWidget;
    PageControl1->addTab(w, caption);
    return w;
}

QLineEdit* TOppsettDialog::addText(QFormLayout* form, const QString& caption, const QString& key, int width)
{
    auto* e = new QLineEdit;
    e->setObjectName(key);
    if (width > 0) e->setFixedWidth(width);
    form->addRow(caption, e);
    fields_.push_back({key, [e](const QString& v) { e->setText(v); }, [e] { return e->text(); }});
    return e;
}

QLineEdit* TOppsettDialog::addInt(QFormLayout* form, const QString& caption, const QString& key, int fallback)
{
    auto* e = new QLineEdit;
    e->setObjectName(key);
    e->setFixedWidth(60);
    form->addRow(caption, e);
    // Text that is not a whole number is stored as the fallback.
    fields_.push_back({key, [e](const QString& v) { e->setText(v.trimmed()); },
                       [e, fallback] {
                           bool ok = false;
                           const int n = e->text().trimmed().toInt(&ok);
                           return QString::number(ok ? n : fallback);
                       }});
    return e;
}

QLineEdit* TOppsettDialog::addTime(QFormLayout* form, const QString& caption, const QString& key)
{
    auto* e = new QLineEdit;
    e->setObjectName(key);
    e->setInputMask(QStringLiteral("99:99; "));
    e->setFixedWidth(60);
    form->addRow(caption, e);
    fields_.push_back({key, [e](const QString& v) { e->setText(v); }, [e] { return timeText(e); }});
    return e;
}

QCheckBox* TOppsettDialog::addFlag(QFormLayout* form, const QString& caption, const QString& key)
{
    auto* c = new QCheckBox(caption);
    c->setObjectName(key);
    form->addRow(QString(), c);
    fields_.push_back({key, [c](const QString& v) { c->setChecked(v.trimmed().toInt() != 0); },
                       [c] { return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }});
    return c;
}

QSpinBox* TOppsettDialog::addSpin(QFormLayout* form, const QString& caption, const QString& key, int lo, int hi,
                                  int step)
{
    auto* s = new QSpinBox;
    s->setObjectName(key);
    s->setRange(lo, hi);
    s->setSingleStep(step);
    s->setFixedWidth(70);
    form->addRow(caption, s);
    fields_.push_back({key, [s](const QString& v) { s->setValue(v.trimmed().toInt()); },
                       [s] { return QString::number(s->value()); }});
    return s;
}

QComboBox* TOppsettDialog::addCombo(QFormLayout* form, const QString& caption, const QString& key,
                                    const QStringList& items)
{
    auto* c = new QComboBox;
    c->setObjectName(key);
    c->setEditable(true);
    c->addItems(items);
    form->addRow(caption, c);
    fields_.push_back({key, [c](const QString& v) { c->setEditText(v); }, [c] { return c->currentText(); }});
    return c;
}

void TOppsettDialog::addPrinter(QFormLayout* form, const QString& caption, const QString& key, QComboBox*& combo,
                                QCheckBox*& defaultBox)
{
    combo = new QComboBox;
    combo->setObjectName(key);
    defaultBox = new QCheckBox(QStringLiteral("Bruk standardskriver"));
    form->addRow(caption, combo);
    form->addRow(QString(), defaultBox);
    QComboBox* c = combo;
    QCheckBox* d = defaultBox;
    connect(d, &QCheckBox::toggled, this, [c](bool on) {
        if (on) c->setCurrentIndex(-1);
    });
    connect(c, &QComboBox::currentIndexChanged, this, [d](int i) { d->setChecked(i < 0); });
    // The printers installed now; a stored position beyond them chooses none.
    fields_.push_back({key,
                       [c, d](const QString& v) {
                           c->clear();
                           c->addItems(QPrinterInfo::availablePrinterNames());
                           bool ok = false;
                           const int i = v.trimmed().toInt(&ok);
                           c->setCurrentIndex(ok && i >= 0 && i < c->count() ? i : -1);
                           d->setChecked(c->currentIndex() < 0);
                       },
                       [c] { return QString::number(c->currentIndex()); }});
}

TOppsettDialog::TOppsettDialog(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("OppsettDialog"));
    setWindowTitle(QStringLiteral("Kvarnel Oppsett"));
    PageControl1 = new QTabWidget;

    // Firma
    {
        QWidget* p = page(QStringLiteral("&Firma"));
        QFormLayout* f = newForm();
        p->setLayout(f);
        addText(f, QStringLiteral("Firmanavn"), QStringLiteral("Firma_Navn"));
        addText(f, QStringLiteral("Postadresse"), QStringLiteral("Firma_PostAdresse"));
        addText(f, QStringLiteral("Gateadresse"), QStringLiteral("Firma_GateAdresse"));
        auto* postRow = new QWidget;
        {
            auto* h = new QHBoxLayout(postRow);
            h->setContentsMargins(0, 0, 0, 0);
            QFormLayout* tmp = newForm();  // the two fields share one row
            QLineEdit* nr = addText(tmp, QString(), QStringLiteral("Firma_PostNr"), 60);
            QLineEdit* sted = addText(tmp, QString(), QStringLiteral("Firma_PostSted"));
            h->addWidget(nr);
            h->addWidget(sted, 1);
            delete tmp;
        }
        f->addRow(QStringLiteral("Poststed"), postRow);
        addText(f, QStringLiteral("E-post"), QStringLiteral("Firma_Epost"));
        addText(f, QStringLiteral("Telefon"), QStringLiteral("Firma_Telefon"));
        addText(f, QStringLiteral("Telefax"), QStringLiteral("Firma_Telefax"));
        addText(f, QStringLiteral("Mobil"), QStringLiteral("Firma_Mobil"));
        addText(f, QStringLiteral("Kontonr."), QStringLiteral("Firma_KontoNr"));
        addText(f, QStringLiteral("Org.nr."), QStringLiteral("Firma_OrgNr"));
        addText(f, QStringLiteral("Internett"), QStringLiteral("HTML_HomePage"));
    }
    // Avdeling
    {
        QWidget* p = page(QStringLiteral("&Avdeling"));
        auto* h = new QHBoxLayout(p);
        QFormLayout* left = newForm();
        QFormLayout* right = newForm();
        for (int i = 1; i <= 8; ++i) {
            addText(left, i == 1 ? QStringLiteral("&Avdeling") : QString(), QStringLiteral("Avdeling%1").arg(i));
            addText(right, i == 1 ? QStringLiteral("Time&konto") : QString(), QStringLiteral("Arbeid_Timekonto%1").arg(i), 90);
        }
        addText(right, QStringLiteral("Sykelønn"), QStringLiteral("Arbeid_Sykelønnskonto"), 90);
        h->addLayout(left, 2);
        h->addLayout(right, 1);
    }
    // Arbeid
    {
        QWidget* p = page(QStringLiteral("Arbei&d"));
        auto* h = new QHBoxLayout(p);
        QFormLayout* left = newForm();
        QFormLayout* right = newForm();
        addTime(left, QStringLiteral("Normalarbeidstid  start"), QStringLiteral("Arbeid_ArbeidstidStart"));
        addTime(left, QStringLiteral("Normalarbeidstid slutt"), QStringLiteral("Arbeid_ArbeidstidSlutt"));
        left->addRow(new QLabel(QStringLiteral("<b>Pauser</b> (start og lengde i minutter)")));
        for (int i = 1; i <= 4; ++i) {
            auto* row = new QWidget;
            auto* rh = new QHBoxLayout(row);
            rh->setContentsMargins(0, 0, 0, 0);
            QFormLayout* tmp = newForm();
            QLineEdit* t = addTime(tmp, QString(), QStringLiteral("Arbeid_PauseTid%1").arg(i));
            QSpinBox* l = addSpin(tmp, QString(), QStringLiteral("Arbeid_PauseLengd%1").arg(i), 0, 60, 5);
            rh->addWidget(t);
            rh->addWidget(l);
            rh->addStretch(1);
            delete tmp;
            left->addRow(QStringLiteral("Pause %1").arg(i), row);
        }
        left->addRow(new QLabel(QStringLiteral("<b>Timepriser ut:</b>")));
        addText(left, QStringLiteral("Kostpris"), QStringLiteral("Arbeid_Kostpris"), 90);
        addText(left, QStringLiteral("Ordinær"), QStringLiteral("Arbeid_Timepris"), 90);
        addText(left, QStringLiteral("50%"), QStringLiteral("Arbeid_Timepris_50"), 90);
        addText(left, QStringLiteral("100%"), QStringLiteral("Arbeid_Timepris_100"), 90);
        addText(left, QStringLiteral("Reise"), QStringLiteral("Arbeid_Reise"), 90);
        right->addRow(new QLabel(QStringLiteral("<b>Biltakster ut:</b>")));
        addText(right, QStringLiteral("Kmpris ut"), QStringLiteral("Arbeid_KmUtpris"), 90);
        right->addRow(new QLabel(QStringLiteral("<b>Godtgjersle:</b>")));
        addText(right, QStringLiteral("personbil"), QStringLiteral("Arbeid_KmSumBil"), 90);
        addText(right, QStringLiteral("passasjer"), QStringLiteral("Arbeid_KmSumPassasjer"), 90);
        addText(right, QStringLiteral("utstyr"), QStringLiteral("Arbeid_KmSumUtstyr"), 90);
        addText(right, QStringLiteral("henger"), QStringLiteral("Arbeid_KmSumHenger"), 90);
        // "Bortetillegg": kroner or percent, stored as "JA" for percent.
        auto* borte = new QWidget;
        {
            auto* bh = new QHBoxLayout(borte);
            bh->setContentsMargins(0, 0, 0, 0);
            BortePercentBox = new QCheckBox(QStringLiteral("Prosent (ellers kroner)"));
            bh->addWidget(BortePercentBox);
        }
        right->addRow(QStringLiteral("Bortetillegg"), borte);
        QCheckBox* b = BortePercentBox;
        fields_.push_back({QStringLiteral("Arbeid_BorteProsent"),
                           [b](const QString& v) { b->setChecked(v.trimmed() == QLatin1String("JA")); },
                           [b] { return b->isChecked() ? QStringLiteral("JA") : QStringLiteral("NEI"); }});
        addSpin(right, QString(), QStringLiteral("Arbeid_Bortetillegg"), 0, 100, 1);
        addText(right, QStringLiteral("Diettpenger"), QStringLiteral("Arbeid_Diettpenger"), 90);
        h->addLayout(left, 1);
        h->addLayout(right, 1);
    }
    // Regnskap
    {
        QWidget* p = page(QStringLiteral("&Regnskap"));
        QFormLayout* f = newForm();
        p->setLayout(f);
        f->addRow(new QLabel(QStringLiteral("<b>Standard kontoer:</b>")));
        addText(f, QStringLiteral("Faktura ut:"), QStringLiteral("PosteringKontoFaktura"), 90);
        addText(f, QStringLiteral("Kundefordringer:"), QStringLiteral("PosteringKontoFordring"), 90);
        addText(f, QStringLiteral("Bankkonto:"), QStringLiteral("PosteringKontoBank"), 90);
        addText(f, QStringLiteral("Oppgjørskonto MVA:"), QStringLiteral("PosteringKontoMVA"), 90);
        f->addRow(new QLabel(QStringLiteral("<b>Avgifter:</b>")));
        addText(f, QStringLiteral("Merverdi avgift 1 %"), QStringLiteral("Satser_MVA"), 90);
        addText(f, QStringLiteral("Merverdi avgift 2 %"), QStringLiteral("Satser_MVA12"), 90);
        addText(f, QStringLiteral("Inv .avgift %"), QStringLiteral("Satser_INVAVG"), 90);
    }
    // Faktura
    {
        QWidget* p = page(QStringLiteral("Faktura"));
        QFormLayout* f = newForm();
        p->setLayout(f);
        addCombo(f, QStringLiteral("Antall dager til forfall"), QStringLiteral("FakturaDager"),
                 {QStringLiteral("Omgående"), QStringLiteral("7 dager"), QStringLiteral("10 dager"),
                  QStringLiteral("14 dager"), QStringLiteral("30 dager"), QStringLiteral("60 dager"),
                  QStringLiteral("90 dager")});
        addText(f, QStringLiteral("Fakturagebyr"), QStringLiteral("FakturaGebyr"), 90);
        addText(f, QStringLiteral("Fakturagebyr under..."), QStringLiteral("FakturaGebyrUnder"), 90);
        addText(f, QStringLiteral("Purregebyr"), QStringLiteral("PurreGebyr"), 90);
        addText(f, QStringLiteral("Tekst på faktura"), QStringLiteral("FakturaTekst1"));
        addText(f, QString(), QStringLiteral("FakturaTekst2"));
        addText(f, QStringLiteral("Tekst på purring"), QStringLiteral("PurreTekst1"));
        addText(f, QString(), QStringLiteral("PurreTekst2"));
        addText(f, QStringLiteral("Rentenota prosent"), QStringLiteral("RentenotaProsent"), 90);
        addFlag(f, QStringLiteral("Spør etter gebyr"), QStringLiteral("SpørEtterGebyr"));
        addFlag(f, QStringLiteral("Bruk listeskriver"), QStringLiteral("BrukListeFaktura"));
        addFlag(f, QStringLiteral("Krone avrunding (opp)"), QStringLiteral("KroneAvrunding"));
    }
    // Utskrift
    {
        QWidget* p = page(QStringLiteral("&Utskrift"));
        auto* h = new QHBoxLayout(p);
        QFormLayout* left = newForm();
        QFormLayout* right = newForm();
        addPrinter(left, QStringLiteral("&Liste-skriver:"), QStringLiteral("Skriver_Index"), ListPrinterCombo,
                   ListDefaultBox);
        QCheckBox* rotated = addFlag(left, QStringLiteral("Liggende ark"), QStringLiteral("RotatedView"));
        connect(rotated, &QCheckBox::toggled, this, [](bool on) { RotatedView = on; });
        addFlag(left, QStringLiteral("Bruk fortrykte brevark"), QStringLiteral("Skriver_Fortrykt"));
        addFlag(left, QStringLiteral("Sidenummer på ark"), QStringLiteral("Skriver_Sidenummer"));
        addPrinter(left, QStringLiteral("&Brev-skriver:"), QStringLiteral("Skriver_IndexBrev"), LetterPrinterCombo,
                   LetterDefaultBox);
        addFlag(left, QStringLiteral("Liggende ark"), QStringLiteral("Skriver_OrienteringBrev"));
        addFlag(left, QStringLiteral("Sidenummer på ark"), QStringLiteral("Skriver_BrevSidenummer"));
        addFlag(left, QStringLiteral("Bruk fortrykte brevark"), QStringLiteral("Skriver_FortryktHeader"));
        addFlag(left, QStringLiteral("Mat inn konvolutt på langs"), QStringLiteral("Skriver_Konvolutt"));
        addFlag(left, QStringLiteral("Direkte utskrift"), QStringLiteral("Skriver_VisDialog"));
        right->addRow(new QLabel(QStringLiteral("<b>Marger i millimeter:</b>")));
        addInt(right, QStringLiteral("topp:"), QStringLiteral("Skriver_ToppMarg"), 25);
        addInt(right, QStringLiteral("bunn:"), QStringLiteral("Skriver_BunnMarg"), 25);
        addInt(right, QStringLiteral("venstre:"), QStringLiteral("Skriver_VenstreMarg"), 25);
        addInt(right, QStringLiteral("høyre:"), QStringLiteral("Skriver_HoyreMarg"), 25);
        addInt(right, QStringLiteral("giro:"), QStringLiteral("Girojustering"), -4);
        addText(right, QStringLiteral("logojustering:"), QStringLiteral("Skriver_Logojustering"), 60);
        addFlag(right, QStringLiteral("Høyrejuster header"), QStringLiteral("PrnLHJH"));
        addCombo(right, QStringLiteral("Headerfont:"), QStringLiteral("Skriver_HeaderFont"),
                 {QStringLiteral("Arial"), QStringLiteral("Arial Black"), QStringLiteral("Comic Sans MS"),
                  QStringLiteral("Courier"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman"),
                  QStringLiteral("Verdana")});
        h->addLayout(left, 1);
        h->addLayout(right, 1);
    }
    // Tekster: five lists, each a text file in the settings folder.
    {
        QWidget* p = page(QStringLiteral("&Tekster"));
        auto* v = new QVBoxLayout(p);
        auto* tabs = new QTabWidget;
        v->addWidget(tabs);
        const char* captions[] = {"Standardtekster", "Tekst for henting av vare", "Salgstekster", "Bransjer",
                                  "Leveringsmåte"};
        for (const char* c : captions) {
            auto* w = new QWidget;
            auto* wl = new QVBoxLayout(w);
            if (TextMemos.empty()) wl->addWidget(new QLabel(QStringLiteral("Standardtekster som  brukes i dette programmet")));
            auto* memo = new QPlainTextEdit;
            wl->addWidget(memo);
            TextMemos.push_back(memo);
            tabs->addTab(w, QString::fromUtf8(c));
        }
    }

    // KID, VAT registration, bank and the EHF/SAF-T files, before the text pages.
    NorskPage = new TNorskOppsettPage;
    PageControl1->insertTab(PageControl1->count() - 1, NorskPage, QStringLiteral("&Norsk"));

    OkButton = new QPushButton(QStringLiteral("O&k"));
    BrukButton = new QPushButton(QStringLiteral("Bruk"));
    HentButton = new QPushButton(QStringLiteral("Hent"));
    AvbrytButton = new QPushButton(QStringLiteral("&Avbryt"));
    connect(OkButton, &QPushButton::clicked, this, [this] {
        if (Skriv()) close();
    });
    connect(BrukButton, &QPushButton::clicked, this, [this] { Skriv(); });
    connect(HentButton, &QPushButton::clicked, this, [this] { Les(); });
    connect(AvbrytButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {OkButton, BrukButton, HentButton, AvbrytButton}) buttons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(PageControl1);
    v->addLayout(buttons);
    resize(640, 560);
}

QStringList TOppsettDialog::textFiles() const
{
    return {TextNavn(), Inifilpath + QStringLiteral("FIRMA.TXV"), Inifilpath + QStringLiteral("FIRMA.TXP"),
            Inifilpath + QStringLiteral("FIRMA.TXB"), Inifilpath + QStringLiteral("FIRMA.TXL")};
}

void TOppsettDialog::Les()
{
    for (const Field& f : fields_) f.read(stored(f.key));
    NorskPage->Les();
    const QStringList files = textFiles();
    for (size_t i = 0; i < TextMemos.size(); ++i) {
        const QString& path = files[int(i)];
        if (!QFileInfo::exists(path)) continue;
        QStringList lines;
        if (ReadCp1252Lines(path, lines) != 0) {
            // The four FIRMA lists are left as they were; the standard texts say so.
            if (i == 0)
                CurrentDialogs()->ShowMessage(QStringLiteral("Feil under åpning av filen med standardtekster."),
                                              QStringLiteral("Feil"));
            continue;
        }
        TextMemos[i]->setPlainText(lines.join(QLatin1Char('\n')));
    }
}

bool TOppsettDialog::Skriv()
{
    for (const Field& f : fields_) store(f.key, f.write());
    NorskPage->Skriv();
    const QStringList files = textFiles();
    for (size_t i = 0; i < TextMemos.size(); ++i) {
        QStringList lines = TextMemos[i]->toPlainText().split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        if (const int e = WriteCp1252Lines(files[int(i)], lines); e != 0) {
            LogLine(QStringLiteral("FEIL: kan ikke skrive ") + files[int(i)] + QStringLiteral(": ") +
                    QString::fromLocal8Bit(strerror(e)));
            CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke skrive filen %1: %2")
                                              .arg(files[int(i)], QString::fromLocal8Bit(strerror(e))),
                                          QStringLiteral("Feil"));
            return false;
        }
    }
    if (!FlushSettings()) {
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke skrive innstillingsfilen %1.").arg(InifilNavn),
                                      QStringLiteral("Feil"));
        return false;
    }
    return true;
}

void TOppsettDialog::FormShow()
{
    setWindowTitle(QStringLiteral("Oppsett Kvarnel SQL versjon 6.00-519 30.10.2011 (init 5.36)"));
    Les();
}

void TOppsettDialog::showEvent(QShowEvent* e)
{
    FormShow();
    QWidget::showEvent(e);
}

void TOppsettDialog::closeEvent(QCloseEvent* e)
{
    const QLineEdit* start = edit(QStringLiteral("Arbeid_ArbeidstidStart"));
    static const QRegularExpression digit(QStringLiteral("\\d"));
    if (start && !start->text().contains(digit) &&
        AskJaNei(QStringLiteral("Arbeidstid er ikke innlagt, legge det inn nå ?"), true)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

QLineEdit* TOppsettDialog::edit(const QString& key) const { return findChild<QLineEdit*>(key); }
QCheckBox* TOppsettDialog::check(const QString& key) const { return findChild<QCheckBox*>(key); }
QSpinBox* TOppsettDialog::spin(const QString& key) const { return findChild<QSpinBox*>(key); }
QComboBox* TOppsettDialog::combo(const QString& key) const { return findChild<QComboBox*>(key); }
