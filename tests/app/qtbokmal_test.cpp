// Qt's own dialogs (print, file, message boxes, calendar) in Bokmål: the
// program's catalogue of Qt's texts and the Norwegian default locale.
#include "app/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QDir>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every text Qt asks a catalogue for while it runs, in the order asked;
// it translates nothing itself. Installed last, it is asked first.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(source),
                      disambiguation ? QString::fromUtf8(disambiguation) : QString()});
        return QString();
    }
    bool isEmpty() const override { return false; }
    struct Text {
        QString context, source, disambiguation;
        bool operator==(const Text& o) const
        {
            return context == o.context && source == o.source && disambiguation == o.disambiguation;
        }
    };
    mutable QSet<Text> asked;
};
size_t qHash(const RecordingTranslator::Text& t, size_t seed = 0)
{
    return ::qHash(t.context + QChar(1) + t.source + QChar(1) + t.disambiguation, seed);
}

// The texts a window shows: its title, labels, buttons, group boxes, tabs
// and drop-down items.
QStringList shownTexts(QWidget& w)
{
    QStringList out{w.windowTitle()};
    for (auto* l : w.findChildren<QLabel*>()) out << l->text();
    for (auto* b : w.findChildren<QAbstractButton*>()) out << b->text();
    for (auto* g : w.findChildren<QGroupBox*>()) out << g->title();
    for (auto* t : w.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) out << t->tabText(i);
    for (auto* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    for (QString& s : out) s.remove(QLatin1Char('&'));
    return out;
}

// Nynorsk forms, and English words, that must not show.
const QStringList kNynorsk{"Skrivar", "Opna", "Lagra", "ikkje", "frå", "finst", "Namn", "namn", "Storleik",
                           "Eigenskapar", "Førehandsvis", "Liggjande", "Ståande", "Val", "Vel", "høgre", "botn",
                           "eit", "kva", "Kva", "mappa", "fila", "Fila", "teikn"};
const QStringList kEnglish{"Print", "Cancel", "Save", "Open", "Folder", "Properties", "Options", "Look in",
                           "File name", "Printer", "Pages"};

QStringList foreignWords(const QStringList& texts, const QStringList& words = kNynorsk + kEnglish)
{
    QStringList found;
    for (const QString& t : texts)
        for (const QString& word : words)
            if (t.contains(QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(word) +
                                              QStringLiteral("\\b"))))
                found << word + QStringLiteral(" in «") + t + QStringLiteral("»");
    return found;
}

class QtBokmal : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousLocale_ = QLocale();
        ASSERT_TRUE(LoadQtTranslations(*qApp));
    }
    void TearDown() override
    {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(previousLocale_);
    }
    QLocale previousLocale_;
};

} // namespace

TEST_F(QtBokmal, PrintAndPageSetupDialogsReadBokmal)
{
    QPrinter printer;
    QPrintDialog print(&printer);
    print.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
    print.show();
    QApplication::processEvents();
    const QStringList texts = shownTexts(print);
    EXPECT_TRUE(texts.contains("Skriver")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("Skriv ut")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("Avbryt")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("Egenskaper")) << texts.join(" | ").toStdString();
    EXPECT_EQ(foreignWords(texts).join('\n').toStdString(), "");
    print.hide();

    QPageSetupDialog setup(&printer);
    setup.show();
    QApplication::processEvents();
    const QStringList setupTexts = shownTexts(setup);
    EXPECT_TRUE(setupTexts.contains("Stående")) << setupTexts.join(" | ").toStdString();
    EXPECT_TRUE(setupTexts.contains("Liggende")) << setupTexts.join(" | ").toStdString();
    EXPECT_EQ(foreignWords(setupTexts).join('\n').toStdString(), "");
}

TEST_F(QtBokmal, FileDialogsReadBokmal)
{
    struct Case {
        QFileDialog::AcceptMode mode;
        const char* accept;
    };
    for (const Case& c : {Case{QFileDialog::AcceptOpen, "Åpne"}, Case{QFileDialog::AcceptSave, "Lagre"}}) {
        SCOPED_TRACE(c.accept);
        QFileDialog d(nullptr, QString(), QDir::tempPath());
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(c.mode);
        d.show();
        QApplication::processEvents();
        const QStringList texts = shownTexts(d);
        EXPECT_TRUE(texts.contains(c.accept)) << texts.join(" | ").toStdString();
        EXPECT_TRUE(texts.contains("Avbryt")) << texts.join(" | ").toStdString();
        EXPECT_TRUE(texts.contains("Filnavn:")) << texts.join(" | ").toStdString();
        EXPECT_EQ(foreignWords(texts).join('\n').toStdString(), "");
    }
}

// Whatever Qt asks for while the print, page set-up, file, message and
// input dialogs and a calendar are shown is in the program's catalogue,
// so nothing falls through to Nynorsk or English.
TEST_F(QtBokmal, EveryTextTheDialogsAskForIsInTheProgramsCatalogue)
{
    QTranslator own;
    ASSERT_TRUE(own.load(QStringLiteral(":/i18n/kvarnel_qt_nb.qm")));
    auto* recorder = new RecordingTranslator;
    QCoreApplication::installTranslator(recorder);
    {
        QPrinter printer;
        QPrintDialog print(&printer);
        print.show();
        QApplication::processEvents();
        QPageSetupDialog setup(&printer);
        setup.show();
        QApplication::processEvents();
        for (auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            QFileDialog d(nullptr, QString(), QDir::tempPath());
            d.setOption(QFileDialog::DontUseNativeDialog);
            d.setAcceptMode(mode);
            d.show();
            for (int i = 0; i < 20; ++i) QApplication::processEvents();
        }
        QMessageBox box(QMessageBox::Question, "?", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok |
                                                               QMessageBox::Cancel | QMessageBox::Save |
                                                               QMessageBox::Open | QMessageBox::Close);
        box.show();
        QApplication::processEvents();
        QCalendarWidget calendar;
        calendar.show();
        QApplication::processEvents();
    }
    QCoreApplication::removeTranslator(recorder);
    QStringList missing;
    for (const auto& t : recorder->asked) {
        if (!t.source.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))) continue;
        const QByteArray ctx = t.context.toUtf8(), src = t.source.toUtf8(), dis = t.disambiguation.toUtf8();
        if (own.translate(ctx.constData(), src.constData(), dis.isEmpty() ? nullptr : dis.constData()).isEmpty())
            missing << t.context + QStringLiteral(" «") + t.source + QStringLiteral("» ") + t.disambiguation;
    }
    delete recorder;
    missing.sort();
    EXPECT_EQ(missing.join('\n').toStdString(), "");
}

TEST_F(QtBokmal, CalendarsNameMonthsAndDaysInBokmalWhateverTheEnvironment)
{
    QCalendarWidget calendar;
    EXPECT_EQ(calendar.locale().monthName(12), QStringLiteral("desember"));
    EXPECT_EQ(calendar.locale().dayName(1, QLocale::ShortFormat), QStringLiteral("man."));
    EXPECT_EQ(calendar.firstDayOfWeek(), Qt::Monday);
    // Numbers the program writes do not take the Norwegian comma.
    EXPECT_EQ(QString::number(1234.5), QStringLiteral("1234.5"));
}

// The catalogue as shipped: every text translated, none in Nynorsk.
TEST(QtBokmalCatalogue, HoldsNoUnfinishedOrNynorskTranslations)
{
    QFile f(QStringLiteral(KV_QT_CATALOGUE));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QString context, source;
    QStringList bad;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (unfinished || text.trimmed().isEmpty() || !foreignWords({text}, kNynorsk).isEmpty())
                bad << context + QStringLiteral(" «") + source + QStringLiteral("» → «") + text + QStringLiteral("»");
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 500);
    EXPECT_EQ(bad.join('\n').toStdString(), "");
}
