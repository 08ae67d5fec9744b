// The asset list and record window: filters, search, drops from the data
// tool, jumps, the coded lists, date choosers, the slider, closing, and the
// asset number from the TFM code builder.
#include "ui/uitest.h"

#include "admin/inputform.h"
#include "assets/assetdataform.h"
#include "assets/assetlistform.h"
#include "assets/assetrules.h"
#include "assets/tfmform.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <set>

using namespace Assets;

TEST(AssetDrops, PositionsAndIconsGiveTheirEffects)
{
    const DropRow row{true, "TC 640", "Kontoret"};
    const DropEffect none;
    auto sort = [](const char* f) { return DropEffect{DropEffect::Sort, f}; };
    auto filter = [](const QString& c) { return DropEffect{DropEffect::Filter, c}; };
    struct Case {
        DropKind kind;
        int x;
        DropEffect effect;
    };
    const Case cases[] = {
        {DropKind::Order, -1, none},
        {DropKind::Order, 0, sort("assetnumber")},
        {DropKind::Order, 100, sort("assetnumber")},
        {DropKind::Order, 101, sort("assetname")},
        {DropKind::Order, 400, sort("assetname")},
        {DropKind::Order, 401, sort("model")},
        {DropKind::Order, 650, sort("model")},
        {DropKind::Order, 651, sort("location")},
        {DropKind::Order, 850, sort("location")},
        {DropKind::Order, 851, none},
        {DropKind::Where, 0, none},
        {DropKind::Where, 400, none},
        {DropKind::Where, 401, filter("model='TC 640'")},
        {DropKind::Where, 650, filter("model='TC 640'")},
        {DropKind::Where, 651, filter("location='Kontoret'")},
        {DropKind::Where, 851, filter("location='Kontoret'")},
        {DropKind::Where, 852, none},
        {DropKind::All, -50, filter("")},
        {DropKind::All, 500, filter("")},
        {DropKind::All, 5000, filter("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        const DropEffect e = DropEffectAt(c.kind, c.x, row);
        EXPECT_EQ(e.kind, c.effect.kind);
        EXPECT_EQ(e.text, c.effect.text);
    }
    // The dropped value is data: quotes and backslashes are escaped.
    EXPECT_EQ(DropEffectAt(DropKind::Where, 500, {true, "O'Brien \\2", ""}).text, "model='O\\'Brien \\\\2'");
    EXPECT_EQ(DropEffectAt(DropKind::Where, 700, {true, "", "Lager 'B'"}).text, "location='Lager \\'B\\''");
    // Without a current row a where-drop has nothing to filter on.
    EXPECT_EQ(DropEffectAt(DropKind::Where, 500, {}).kind, DropEffect::Nothing);
    EXPECT_EQ(DropEffectForField(DropKind::Where, "assetname", row).kind, DropEffect::Nothing);
}

class AssetTest : public UiTest {
protected:
    struct Seed {
        const char* number;
        int type, status, priority, service;
        const char* model;
        const char* location;
    };
    // Every type, status and priority, with and without service agreements.
    static constexpr Seed seeds[] = {
        {"A-00", 0, 10, 0, 0, "Modell 0", "Lager"},      {"A-01", 1, 9, 1, 1, "Modell 1", "Lager"},
        {"A-02", 2, 8, 2, 0, "O'Brien \\2", "Lager 'B'"}, {"A-03", 3, 7, 3, 1, "Modell 3", "Verksted"},
        {"A-04", 4, 6, 4, 0, "Modell 4", "Verksted"},    {"A-05", 5, 5, 5, 1, "Modell 5", "Kontoret"},
        {"A-06", 6, 4, 0, 0, "Modell 6", "Kontoret"},    {"A-07", 7, 3, 1, 1, "Modell 7", "Hall A"},
        {"A-08", 8, 2, 2, 0, "Modell 8", "Hall A"},      {"A-09", 9, 1, 3, 1, "Modell 9", "Hall B"},
        {"A-10", 10, 0, 4, 0, "Modell 10", "Hall B"},
    };

    void SetUp() override
    {
        UiTest::SetUp();
        savedChooser = TAssetDataForm::SelectDate;
        SetInputStrFunction(&InputStr);
        ASSERT_TRUE(db->admin().exec("DELETE FROM asset"));
        for (const Seed& s : seeds)
            ASSERT_TRUE(db->admin().exec(
                "INSERT INTO asset (assetnumber, assetname, assettype, status, priority, service, model, location) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                {s.number, QString("Navn ") + s.number, s.type, s.status, s.priority, s.service,
                 QString::fromUtf8(s.model), QString::fromUtf8(s.location)}));
    }
    void TearDown() override
    {
        TAssetDataForm::SelectDate = savedChooser;
        SetInputStrFunction(nullptr);
        UiTest::TearDown();
    }
    // Makes the windows; extra stand-ins take the place of windows other
    // parts of the program make.
    void make(const QStringList& standIns = {})
    {
        Windows().add("TAssetListForm", [] { return new TAssetListForm; });
        Windows().add("TAssetDataForm", [] { return new TAssetDataForm; });
        Windows().add("TTFMform", [] { return new TTFMform; });
        for (const QString& name : standIns) Windows().add(name, [] { return new QWidget(nullptr, Qt::Window); });
        Windows().createAll();
        list = Windows().get<TAssetListForm>();
        data = Windows().get<TAssetDataForm>();
    }
    Dataset& assets() { return dm->AssetTable; }
    QStringList numbers() { return column(assets(), "assetnumber"); }
    qint64 idOf(const char* number) { return scalar(QString("SELECT id FROM asset WHERE assetnumber='%1'").arg(number)).toLongLong(); }
    static QStringList captions(QMenu* m)
    {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    }
    // The x position of a column's middle in the grid's viewport.
    int middleOf(int column) const
    {
        return list->Grid->columnViewportPosition(column) + list->Grid->columnWidth(column) / 2;
    }

    TAssetDataForm::DateChooser savedChooser;
    TAssetListForm* list = nullptr;
    TAssetDataForm* data = nullptr;
};

TEST_F(AssetTest, FilterMenuHoldsEveryItemInItsPlace)
{
    make();
    EXPECT_EQ(captions(list->Filter1), QStringList({"Filtrer etter ...", "Utstyr med Serviceavtale", "Utstyrstype",
                                                    "Status", "Prioritering", "-", "Vis alle"}));
    EXPECT_EQ(captions(list->Utstyrstype1),
              QStringList({"Ikke spesifisert", "Duppeditt", "Bærbart / Håndverktøy", "Flyttbar maskin",
                           "Kjøretøy / Anleggsmaskin", "Stasjonært utstyr", "Fastmontert utstyr",
                           "Installerte systemer", "Lokale / Rigg", "Bygning", "Eiendom"}));
    EXPECT_EQ(captions(list->Status1),
              QStringList({"Tilgjengelig utstyr", "-", "Ny, ikke brukt", "Reservert", "Klar til bruk", "Reserve",
                           "I drift", "På utlån", "Ute av drift", "Inne på service", "Under reperasjon", "Defekt",
                           "Skrotet"}));
    EXPECT_EQ(captions(list->Prioritering1),
              QStringList({"Ingen", "Laveste", "Lav", "Middels", "Høy", "Høyeste"}));
    EXPECT_EQ(list->Sketter1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(list->Alle1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(list->windowTitle(), "Utstyrsliste");
    QStringList titles;
    for (int c = 0; c < list->Grid->model()->columnCount(); ++c)
        titles << list->Grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({"Nummer", "Navn", "Modell", "Lokasjon", "Watt"}));
}

TEST_F(AssetTest, EveryFilterShowsExactlyItsAssets)
{
    make();
    list->show();
    ASSERT_EQ(numbers().size(), 11);
    // What each item must show, from the seeded values.
    auto rows = [](auto pred) {
        QStringList out;
        for (const Seed& s : seeds)
            if (pred(s)) out << s.number;
        return out;
    };
    std::vector<std::pair<QAction*, QStringList>> cases;
    cases.push_back({list->Serviceavtale1, rows([](const Seed& s) { return s.service == 1; })});
    const QList<QAction*> types = list->Utstyrstype1->actions();
    for (int v = 0; v < 11; ++v) cases.push_back({types[v], rows([v](const Seed& s) { return s.type == v; })});
    QList<QAction*> statuses = list->Status1->actions();
    // Available: new, reserved, ready, reserve and in use; none of the others.
    cases.push_back({statuses[0], {"A-06", "A-07", "A-08", "A-09", "A-10"}});
    statuses.remove(0, 2);
    for (int v = 0; v < 11; ++v) cases.push_back({statuses[v], rows([v](const Seed& s) { return s.status == v; })});
    const QList<QAction*> prios = list->Prioritering1->actions();
    for (int v = 0; v < 6; ++v) cases.push_back({prios[v], rows([v](const Seed& s) { return s.priority == v; })});
    for (auto& [action, expected] : cases) {
        SCOPED_TRACE(action->text().toStdString());
        action->trigger();
        EXPECT_EQ(numbers(), expected);
    }
    list->Alle1->trigger();
    EXPECT_EQ(numbers().size(), 11);
    EXPECT_EQ(assets().filter(), "");
}

TEST_F(AssetTest, SearchLooksInEveryTextFieldAndTakesQuotesAsData)
{
    ASSERT_TRUE(db->admin().exec(
        "UPDATE asset SET serial='SN-77', uniqueid='UID-88', object_text='Notat om remdrift', sparepart='Filter F7' "
        "WHERE assetnumber='A-05'"));
    make();
    list->show();
    struct Case {
        const char* text;
        QStringList found;
    };
    const Case cases[] = {
        {"Navn A-03", {"A-03"}},       // assetname
        {"modell 4", {"A-04"}},        // model, any case
        {"A-09", {"A-09"}},            // assetnumber
        {"SN-77", {"A-05"}},           // serial
        {"UID-88", {"A-05"}},          // uniqueid
        {"remdrift", {"A-05"}},        // note
        {"F7", {"A-05"}},              // spare parts
        {"Verksted", {"A-03", "A-04"}},  // location
        {"O'Brien", {"A-02"}},
        {"\\2", {"A-02"}},
        {"Lager 'B'", {"A-02"}},
        {"'; DROP TABLE asset; --", {}},
        {"Hall _", {"A-07", "A-08", "A-09", "A-10"}},  // the user's own wildcard
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dialogs().inputAnswers = {QString::fromUtf8(c.text)};
        list->Sketter1->trigger();
        EXPECT_EQ(numbers(), c.found);
        EXPECT_TRUE(assets().isOpen());
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM asset"), "11");
}

TEST_F(AssetTest, DropsOnTheGridSortOrFilterByTheColumnUnderThePoint)
{
    make();
    list->show();
    list->resize(1400, 400);
    const int number = middleOf(0), name = middleOf(1), model = middleOf(2), location = middleOf(3), watt = middleOf(4);

    // Order: the column's field, the rows re-read in that order.
    EXPECT_EQ(list->DropOnGrid(DropKind::Order, {location, 5}).text, "location");
    EXPECT_EQ(assets().order(), "location");
    EXPECT_EQ(column(assets(), "location").first(), "Hall A");
    EXPECT_EQ(list->DropOnGrid(DropKind::Order, {model, 5}).text, "model");
    EXPECT_EQ(list->DropOnGrid(DropKind::Order, {name, 5}).text, "assetname");
    EXPECT_EQ(list->DropOnGrid(DropKind::Order, {number, 5}).text, "assetnumber");
    EXPECT_EQ(list->DropOnGrid(DropKind::Order, {watt, 5}).kind, DropEffect::Nothing);
    EXPECT_EQ(assets().order(), "assetnumber");

    // Where: the current row's model or location, quotes and all.
    ASSERT_TRUE(assets().locate("assetnumber", "A-02"));
    EXPECT_EQ(list->DropOnGrid(DropKind::Where, {model, 5}).kind, DropEffect::Filter);
    EXPECT_EQ(numbers(), QStringList({"A-02"}));
    EXPECT_EQ(list->DropOnGrid(DropKind::Where, {location, 5}).kind, DropEffect::Filter);
    EXPECT_EQ(numbers(), QStringList({"A-02"}));
    EXPECT_EQ(list->DropOnGrid(DropKind::Where, {name, 5}).kind, DropEffect::Nothing);
    EXPECT_EQ(numbers(), QStringList({"A-02"}));
    list->DropOnGrid(DropKind::All, {name, 5});
    EXPECT_EQ(numbers().size(), 11);
    ASSERT_TRUE(assets().locate("assetnumber", "A-07"));
    list->DropOnGrid(DropKind::Where, {location, 5});
    EXPECT_EQ(numbers(), QStringList({"A-07", "A-08"}));

    // An empty list has no row to filter on.
    list->ApplyFilter("id=0");
    EXPECT_EQ(list->DropOnGrid(DropKind::Where, {model, 5}).kind, DropEffect::Nothing);
    EXPECT_EQ(assets().filter(), "id=0");
}

TEST_F(AssetTest, ListJumpsNeedARowToJumpFrom)
{
    make({"TDocumentListForm", "TCalendarRegListForm"});
    list->show();
    Document_WHERE = "uendret";
    const QString calendarFilter = dm->CalendarTable.filter();
    list->ApplyFilter("id=0");
    emit list->PopupMenu1->aboutToShow();
    EXPECT_FALSE(list->Dokumenter1->isEnabled());
    EXPECT_FALSE(list->Timeregistreringer1->isEnabled());
    list->Dokumenter1Click();
    list->Timeregistreringer1Click();
    EXPECT_EQ(Document_WHERE, "uendret");
    EXPECT_EQ(dm->CalendarTable.filter(), calendarFilter);

    list->Alle1->trigger();
    ASSERT_TRUE(assets().locate("assetnumber", "A-04"));
    emit list->PopupMenu1->aboutToShow();
    EXPECT_TRUE(list->Dokumenter1->isEnabled());
    EXPECT_TRUE(list->Timeregistreringer1->isEnabled());
    list->Dokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, QString("document.assetid=%1").arg(idOf("A-04")));
    EXPECT_TRUE(Windows().find("TDocumentListForm")->isVisible());
    list->Timeregistreringer1->trigger();
    EXPECT_EQ(dm->CalendarTable.filter(), QString("assetid=%1").arg(idOf("A-04")));
    EXPECT_TRUE(Windows().find("TCalendarRegListForm")->isVisible());
}

TEST_F(AssetTest, ListJumpsStayDisabledWhileTheirWindowsAreMissing)
{
    make();
    list->show();
    emit list->PopupMenu1->aboutToShow();
    EXPECT_FALSE(list->Dokumenter1->isEnabled());
    EXPECT_FALSE(list->Timeregistreringer1->isEnabled());
}

TEST_F(AssetTest, RecordWindowJumpsSetTheirConditions)
{
    make({"TDocumentListForm", "TCalendarRegListForm", "TJobListForm", "TEntriesListForm"});
    list->show();
    ASSERT_TRUE(assets().locate("assetnumber", "A-06"));
    const qint64 id = idOf("A-06");
    data->show();
    EXPECT_EQ(data->windowTitle(), QString("Utstyr [%1]").arg(id));
    emit data->PopupMenu1->aboutToShow();
    for (QAction* a : {data->Dokumenter1, data->Timeregistreringer1, data->Standardjobber1, data->Regnskapsposteringer1,
                       data->LagNummer1})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    data->Dokumenter1->trigger();
    EXPECT_EQ(Document_WHERE, QString("document.assetid=%1").arg(id));
    data->Timeregistreringer1->trigger();
    EXPECT_EQ(dm->CalendarTable.filter(), QString("assetid=%1").arg(id));
    data->Standardjobber1->trigger();
    EXPECT_EQ(Job_WHERE, QString("assetid=%1").arg(id));
    EXPECT_TRUE(Windows().find("TJobListForm")->isVisible());
    data->Regnskapsposteringer1->trigger();
    EXPECT_EQ(dm->EntriesTable.filter(), QString("assetid=%1").arg(id));

    // A new row has no id yet to jump with.
    data->Nypost1->trigger();
    ASSERT_EQ(assets().state(), Dataset::Insert);
    emit data->PopupMenu1->aboutToShow();
    for (QAction* a : {data->Dokumenter1, data->Timeregistreringer1, data->Standardjobber1, data->Regnskapsposteringer1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    Job_WHERE = "uendret";
    data->Standardjobber1Click();
    EXPECT_EQ(Job_WHERE, "uendret");
    data->Avbryt1->trigger();
}

TEST_F(AssetTest, CodedListsShowTheStoredPositionAndStoreTheChosenOne)
{
    make();
    list->show();
    ASSERT_TRUE(assets().locate("assetnumber", "A-03"));
    data->show();
    EXPECT_EQ(data->TypeCombo->currentText(), "Flyttbar maskin");
    EXPECT_EQ(data->StatusCombo->currentText(), "Inne på service");
    EXPECT_EQ(data->PriorityCombo->currentText(), "Middels");
    EXPECT_EQ(data->TypeCombo->count(), 11);
    EXPECT_EQ(data->StatusCombo->itemText(5), "Utlånt");
    EXPECT_EQ(data->PriorityCombo->itemText(0), "Ingen prioritet");

    // A value outside the list leaves it without a selection.
    struct Case {
        int stored;
        int shown;
    };
    for (const Case& c : {Case{10, 10}, Case{0, 0}, Case{11, -1}, Case{-1, -1}, Case{99, -1}}) {
        ASSERT_TRUE(db->admin().exec(QString("UPDATE asset SET assettype=%1 WHERE assetnumber='A-03'").arg(c.stored)));
        data->Oppdater1Click();
        ASSERT_TRUE(assets().locate("assetnumber", "A-03"));
        EXPECT_EQ(data->TypeCombo->currentIndex(), c.shown) << c.stored;
    }

    // Closing a list on an entry puts the row into edit state with its position.
    data->StatusCombo->setCurrentIndex(9);
    emit data->StatusCombo->activated(9);
    EXPECT_EQ(assets().state(), Dataset::Edit);
    data->PriorityCombo->setCurrentIndex(5);
    emit data->PriorityCombo->activated(5);
    data->Lagre1->trigger();
    EXPECT_EQ(scalar("SELECT CONCAT(status, '/', priority) FROM asset WHERE assetnumber='A-03'"), "9/5");
    // Stepping to another row follows its values.
    ASSERT_TRUE(assets().locate("assetnumber", "A-05"));
    EXPECT_EQ(data->StatusCombo->currentText(), "Utlånt");
    EXPECT_EQ(data->TypeCombo->currentText(), "Stasjonært utstyr");
}

TEST_F(AssetTest, DoubleClickOnADateFieldSetsItWithTheChooser)
{
    ASSERT_TRUE(db->admin().exec("UPDATE asset SET installed='2024-02-20 00:00:00', nextservice=NULL "
                                 "WHERE assetnumber='A-01'"));
    QList<QDateTime> starts;
    TAssetDataForm::SelectDate = [&starts](const QDateTime& start) {
        starts << start;
        return QDateTime(QDate(2027, 3, 15), QTime(14, 30));
    };
    make();
    list->show();
    ASSERT_TRUE(assets().locate("assetnumber", "A-01"));
    data->show();
    auto doubleClick = [](QWidget* w) {
        QWidget* target = w->findChild<QLineEdit*>() ? w->findChild<QLineEdit*>() : w;
        QTest::mouseDClick(target, Qt::LeftButton);
    };
    doubleClick(data->InstalledEdit);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0], QDateTime(QDate(2024, 2, 20), QTime(0, 0)));
    EXPECT_EQ(assets().state(), Dataset::Edit);
    EXPECT_EQ(assets().asDateTime("installed"), QDateTime(QDate(2027, 3, 15), QTime(0, 0)));
    doubleClick(data->NextServiceEdit);  // empty: the chooser starts today
    ASSERT_EQ(starts.size(), 2);
    EXPECT_EQ(starts[1].date(), QDate::currentDate());
    doubleClick(data->RunHourDateEdit);
    EXPECT_EQ(starts.size(), 3);
    data->Lagre1->trigger();
    EXPECT_EQ(scalar("SELECT CONCAT(installed, ' ', nextservice, ' ', runhourdate) FROM asset WHERE assetnumber='A-01'"),
              "2027-03-15 00:00:00 2027-03-15 00:00:00 2027-03-15 00:00:00");
    EXPECT_EQ(data->InstalledEdit->text(), "15.03.2027");
}

TEST_F(AssetTest, SliderShowsStandardThenExtendedThenTheMemosBeside)
{
    make();
    list->show();
    data->show();
    data->TrackBar1->setValue(0);
    const QSize s0 = data->size();
    EXPECT_FALSE(data->ExtendedPanel->isVisible());
    EXPECT_FALSE(data->MemoPanel->isVisible());
    data->TrackBar1->setValue(1);
    const QSize s1 = data->size();
    EXPECT_TRUE(data->ExtendedPanel->isVisible());
    EXPECT_FALSE(data->MemoPanel->isVisible());
    EXPECT_EQ(s1.width(), s0.width());
    EXPECT_GT(s1.height(), s0.height());
    data->TrackBar1->setValue(2);
    const QSize s2 = data->size();
    EXPECT_TRUE(data->MemoPanel->isVisible());
    EXPECT_EQ(s2.height(), s1.height());
    EXPECT_GT(s2.width(), s1.width());
    // The memo panel stands to the right of the standard panel.
    EXPECT_GE(data->MemoPanel->mapTo(data, QPoint()).x(),
              data->StandardPanel->mapTo(data, QPoint()).x() + data->StandardPanel->width());
    EXPECT_LT(data->MemoPanel->mapTo(data, QPoint()).y(), data->ExtendedPanel->mapTo(data, QPoint()).y());
    data->close();
    EXPECT_EQ(stored("AssetDataForm", "Diverse"), "2");
    data->TrackBar1->setValue(0);
    data->show();
    EXPECT_EQ(data->TrackBar1->value(), 2);
    EXPECT_EQ(data->size(), s2);
}

TEST_F(AssetTest, ClosingSavesAPendingEditAndStaysOpenWhenTheSaveIsRefused)
{
    make();
    list->show();
    ASSERT_TRUE(assets().locate("assetnumber", "A-08"));
    data->show();
    ASSERT_TRUE(assets().setValue("assetname", "Nytt navn"));
    EXPECT_TRUE(data->close());
    EXPECT_EQ(assets().state(), Dataset::Browse);
    EXPECT_EQ(scalar("SELECT assetname FROM asset WHERE assetnumber='A-08'"), "Nytt navn");

    ASSERT_TRUE(db->admin().exec("CREATE TRIGGER asset_nei BEFORE UPDATE ON asset FOR EACH ROW "
                                 "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ikke nå'"));
    data->show();
    ASSERT_TRUE(assets().setValue("assetname", "Avvist navn"));
    EXPECT_FALSE(data->close());
    EXPECT_TRUE(data->isVisible());
    EXPECT_EQ(assets().state(), Dataset::Edit);
    EXPECT_EQ(assets().asString("assetname"), "Avvist navn");
    EXPECT_FALSE(dialogs().messages.empty());
    EXPECT_EQ(scalar("SELECT assetname FROM asset WHERE assetnumber='A-08'"), "Nytt navn");
    assets().cancel();
    EXPECT_TRUE(data->close());
}

TEST_F(AssetTest, TfmNumberIsTakenWithHentAndNothingChangesWithAvbryt)
{
    make();
    list->show();
    ASSERT_TRUE(assets().locate("assetnumber", "A-09"));
    data->show();
    auto* tfm = Windows().get<TTFMform>();
    // Avbryt: nothing changes.
    QTimer::singleShot(0, tfm, [tfm] {
        tfm->Lokalisering->setEditText("B2 BYGG 2");
        tfm->reject();
    });
    data->LagNummer1->trigger();
    EXPECT_EQ(assets().state(), Dataset::Browse);
    EXPECT_EQ(assets().asString("assetnumber"), "A-09");
    EXPECT_FALSE(tfm->HentKnapp->isVisibleTo(tfm));

    // Hent: the composed code, the row left in edit state.
    bool hentShown = false;
    QTimer::singleShot(0, tfm, [tfm, &hentShown] {
        hentShown = tfm->HentKnapp->isVisible();
        tfm->Lokalisering->setEditText("HB HALL B");
        tfm->System->setEditText("631 Kraner og løfteutstyr");
        tfm->Nr1->setText("03");
        tfm->Produkt->setEditText("HK Kraner, mobile");
        tfm->Unik->setChecked(true);
        tfm->HentKnapp->click();
    });
    data->LagNummer1->trigger();
    EXPECT_TRUE(hentShown);
    EXPECT_FALSE(tfm->HentKnapp->isVisibleTo(tfm));
    EXPECT_EQ(assets().state(), Dataset::Edit);
    EXPECT_EQ(assets().asString("assetnumber"), "+HB=631.03-HK01T");
    EXPECT_EQ(data->AssetNumberEdit->text(), "+HB=631.03-HK01T");
    data->Lagre1->trigger();
    EXPECT_EQ(scalar(QString("SELECT assetnumber FROM asset WHERE id=%1").arg(idOf("+HB=631.03-HK01T"))),
              "+HB=631.03-HK01T");
}
