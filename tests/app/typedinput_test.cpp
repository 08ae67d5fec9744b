// Typing into every record window of the program: for each kind of field
// (text, number, date, clock time, lookup, check box, memo) what is typed
// on the keyboard into the focused field and left with Enter, Tab, a click
// on another field, Ctrl+S or by closing the window is what the row stores.
// The item grids of the document windows are typed into the same way. A
// window is covered by being registered: the test walks the registry.
#include "apptest.h"

#include "app/startup.h"
#include "core/dialogs.h"
#include "data/logindatasets.h"
#include "sales/itemgrid.h"
#include "ui/dataform.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <set>

namespace {

enum class Kind { Text, Number, Date, Time, Lookup, Check, Memo };
enum class Leave { Enter, Tab, Click, CtrlS, Close };

const char* kindName(Kind k)
{
    switch (k) {
    case Kind::Text: return "tekst";
    case Kind::Number: return "tall";
    case Kind::Date: return "dato";
    case Kind::Time: return "klokkeslett";
    case Kind::Lookup: return "oppslag";
    case Kind::Check: return "avkrysning";
    case Kind::Memo: return "notat";
    }
    return "";
}

const char* leaveName(Leave l)
{
    switch (l) {
    case Leave::Enter: return "Enter";
    case Leave::Tab: return "Tab";
    case Leave::Click: return "klikk";
    case Leave::CtrlS: return "Ctrl+S";
    case Leave::Close: return "lukk";
    }
    return "";
}

// Fields a rule of the window or the data module computes on saving, so
// that what is typed is rightly not what is stored.
bool computedOnSave(const QString& window, const QString& field)
{
    static const std::set<std::pair<QString, QString>> fields = {
        // Hours follow the typed clock times.
        {"TCalendarRegDataForm", "hours"},
    };
    return fields.count({window, field.toLower()}) > 0;
}

struct Target {
    Kind kind;
    QWidget* widget;
    QString field;   // the column the value goes into
    QString table;
};

class TypedInputTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // As the program does it: the windows first, then the login.
        RegisterWindows(*dm);
        Windows().createAll();
        ASSERT_TRUE(dm->MyConnection.open(db->params()));
        OpenLoginDatasets(*dm);
    }

    // Every record window with a dataset, by name.
    std::vector<std::pair<QString, TDataForm*>> recordWindows()
    {
        std::vector<std::pair<QString, TDataForm*>> out;
        for (const QString& name : Windows().created())
            if (auto* f = qobject_cast<TDataForm*>(Windows().find(name)); f && f->dataset()) out.push_back({name, f});
        return out;
    }

    // Shows the window on a row with every panel out; false when its
    // dataset has no row to type into.
    bool showOnRow(TDataForm* f)
    {
        Dataset* ds = f->dataset();
        if (!ds->isOpen()) dm->TableOpen(*ds);
        if (!ds->isOpen() || ds->isEmpty()) return false;
        if (ds->recNo() < 0) ds->first();
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f)) return false;
        f->TrackBar1->setValue(f->TrackBar1->maximum());
        QApplication::processEvents();
        return ds->isOpen() && ds->recNo() >= 0;
    }

    static bool usable(QWidget* w, QWidget* window)
    {
        if (!w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::ClickFocus)) return false;
        if (auto* e = qobject_cast<QLineEdit*>(w); e && e->isReadOnly()) return false;
        if (auto* m = qobject_cast<QPlainTextEdit*>(w); m && m->isReadOnly()) return false;
        return true;
    }

    // The first field of each kind that the user can type into and that
    // stores into the window's own row.
    std::vector<Target> targets(const QString& name, TDataForm* f)
    {
        std::vector<Target> out;
        std::set<Kind> seen;
        Dataset* ds = f->dataset();
        // Clock times are plain edits that store into a date-and-time
        // column of the row; they name it. They come first: a check box
        // ("Full dag") may hide them.
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
            const QString field = e->property("clockField").toString();
            if (field.isEmpty() || !usable(e, f) || seen.count(Kind::Time)) continue;
            seen.insert(Kind::Time);
            out.push_back({Kind::Time, e, field, ds->tableName()});
        }
        for (DataControl* c : DataControlsOf(f)) {
            auto* w = dynamic_cast<QWidget*>(c);
            if (!w || w == f->IdEdit || !usable(w, f) || c->link().dataset() != ds) continue;
            const FieldInfo* info = c->link().info();
            if (!info || !info->ownColumn || info->primaryKey || info->table != ds->tableName()) continue;
            if (computedOnSave(name, info->name)) continue;
            std::optional<Kind> k;
            if (qobject_cast<TDBDateEdit*>(w)) k = Kind::Date;
            else if (qobject_cast<TDBEdit*>(w))
                k = info->kind == FieldKind::Integer || info->kind == FieldKind::Float ? Kind::Number : Kind::Text;
            else if (qobject_cast<TDBLookupComboBox*>(w)) k = Kind::Lookup;
            else if (qobject_cast<TDBCheckBox*>(w)) k = Kind::Check;
            else if (qobject_cast<TDBMemo*>(w)) k = Kind::Memo;
            if (!k || (*k == Kind::Text && info->kind != FieldKind::Text) || seen.count(*k)) continue;
            seen.insert(*k);
            out.push_back({*k, w, info->name, ds->tableName()});
        }
        return out;
    }

    // Another field to click into.
    static QWidget* otherField(TDataForm* f, QWidget* not_)
    {
        for (DataControl* c : DataControlsOf(f)) {
            auto* w = dynamic_cast<QWidget*>(c);
            if (w && w != not_ && w != f->IdEdit && qobject_cast<QLineEdit*>(w) && usable(w, f)) return w;
        }
        return nullptr;
    }

    QString stored(const Target& t, qint64 id)
    {
        QString expr = QStringLiteral("`%1`").arg(t.field);
        if (t.kind == Kind::Time) expr = QStringLiteral("TIME_FORMAT(`%1`,'%H:%i')").arg(t.field);
        // A date typed into a date-and-time column shown as a date only.
        if (t.kind == Kind::Date && !static_cast<QLineEdit*>(t.widget)->text().contains(':'))
            expr = QStringLiteral("DATE(`%1`)").arg(t.field);
        return scalar(QStringLiteral("SELECT %1 FROM `%2` WHERE id=%3").arg(expr, t.table).arg(id));
    }

    static void selectAllByKeys(QWidget* w)
    {
        QTest::keyClick(w, Qt::Key_End);
        QTest::keyClick(w, Qt::Key_Home, Qt::ShiftModifier);
    }

    // Types the kind's value for this round into the focused field; returns
    // what the row must then store (as the server prints it).
    QString type(const Target& t, int round, bool& applicable)
    {
        QWidget* w = t.widget;
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        const FieldInfo* info = t.kind == Kind::Time ? nullptr : dynamic_cast<DataControl*>(w)->link().info();
        switch (t.kind) {
        case Kind::Text: {
            QString v = QStringLiteral("Tast%1").arg(QChar('A' + round));
            if (info->maxChars > 0) v = v.right(std::min<int>(int(v.size()), info->maxChars));
            selectAllByKeys(w);
            QTest::keyClicks(w, v);
            return v;
        }
        case Kind::Number: {
            selectAllByKeys(w);
            if (info->kind == FieldKind::Integer) {
                // Small whole numbers: codes (a VAT code, a status) take them too.
                const QString v = QString::number(round);
                QTest::keyClicks(w, v);
                return v;
            }
            QTest::keyClicks(w, QStringLiteral("1%1,5").arg(round + 1));
            return QStringLiteral("1%1.5").arg(round + 1);
        }
        case Kind::Date: {
            const bool withTime = info->kind == FieldKind::DateTime && static_cast<QLineEdit*>(w)->text().size() > 10;
            const QString day = QStringLiteral("0%1.12.2026").arg(round + 1);
            selectAllByKeys(w);
            QTest::keyClicks(w, withTime ? day + QStringLiteral(" 10:3%1").arg(round) : day);
            const QString iso = QStringLiteral("2026-12-0%1").arg(round + 1);
            if (withTime) return iso + QStringLiteral(" 10:3%1:00").arg(round);
            return iso;
        }
        case Kind::Time: {
            selectAllByKeys(w);
            const QString v = QStringLiteral("10:3%1").arg(round);
            QTest::keyClicks(w, v);
            return v;
        }
        case Kind::Lookup: {
            auto* c = static_cast<TDBLookupComboBox*>(w);
            const qint64 before = c->currentKey();
            QTest::keyClick(w, round % 2 ? Qt::Key_Up : Qt::Key_Down);
            if (c->currentKey() == before) QTest::keyClick(w, round % 2 ? Qt::Key_Down : Qt::Key_Up);
            if (c->currentKey() == before) applicable = false;
            return QString::number(c->currentKey());
        }
        case Kind::Check: {
            auto* b = static_cast<TDBCheckBox*>(w);
            QTest::keyClick(w, Qt::Key_Space);
            return (b->isChecked() ? b->valueChecked() : b->valueUnchecked()).toString();
        }
        case Kind::Memo: {
            auto* m = static_cast<QPlainTextEdit*>(w);
            QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
            const QString v = QStringLiteral(" notat%1").arg(round);
            QTest::keyClicks(w, v);
            return m->toPlainText();
        }
        }
        return {};
    }

    // Leaves the field; every way but closing ends with the window's save.
    void leave(TDataForm* f, const Target& t, Leave how)
    {
        QWidget* w = t.widget;
        switch (how) {
        case Leave::Enter: QTest::keyClick(w, Qt::Key_Return); break;
        case Leave::Tab: QTest::keyClick(w, Qt::Key_Tab); break;
        case Leave::Click:
            if (QWidget* other = otherField(f, w)) QTest::mouseClick(other, Qt::LeftButton);
            break;
        case Leave::CtrlS: break;
        case Leave::Close: f->close(); return;
        }
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    }

    static bool sameValue(Kind k, const QString& want, const QString& got)
    {
        if (k == Kind::Number) return std::fabs(want.toDouble() - got.toDouble()) < 1e-9;
        return want == got;
    }
};

TEST_F(TypedInputTest, EveryRecordWindowStoresWhatIsTypedHoweverTheFieldIsLeft)
{
    ScriptedDialogs& dialogs = this->dialogs();
    const auto windows = recordWindows();
    ASSERT_GE(windows.size(), 20u);
    std::map<Kind, int> checked;
    QStringList noRow;
    for (const auto& [name, f] : windows) {
        SCOPED_TRACE(name.toStdString());
        if (!showOnRow(f)) {
            noRow << name;
            f->close();
            continue;
        }
        const std::vector<Target> fields = targets(name, f);
        for (const Target& t : fields) {
            for (Leave how : {Leave::Enter, Leave::Tab, Leave::Click, Leave::CtrlS, Leave::Close}) {
                // Enter and Tab belong to the text of a memo.
                if (t.kind == Kind::Memo && (how == Leave::Enter || how == Leave::Tab)) continue;
                SCOPED_TRACE(QStringLiteral("%1 %2 (%3), forlatt med %4")
                                 .arg(kindName(t.kind), t.field, t.table, leaveName(how))
                                 .toStdString());
                if (!f->isVisible()) {
                    ASSERT_TRUE(showOnRow(f));
                }
                const qint64 id = f->dataset()->currentId();
                bool applicable = true;
                const QString want = type(t, int(how), applicable);
                if (!applicable) continue;
                const size_t messagesBefore = dialogs.messages.size();
                leave(f, t, how);
                EXPECT_TRUE(sameValue(t.kind, want, stored(t, id))) << "stored «" << stored(t, id).toStdString()
                                                                    << "», typed «" << want.toStdString() << "»";
                EXPECT_EQ(dialogs.messages.size(), messagesBefore) << dialogs.lastMessage().toStdString();
                ++checked[t.kind];
            }
        }
        f->close();
    }
    // Every kind of field was met somewhere.
    for (Kind k : {Kind::Text, Kind::Number, Kind::Date, Kind::Time, Kind::Lookup, Kind::Check, Kind::Memo})
        EXPECT_GT(checked[k], 0) << kindName(k);
    EXPECT_TRUE(noRow.isEmpty()) << noRow.join(", ").toStdString();
}

// Types text key by key into whatever has the focus, as a keyboard does
// (the grid's cell editor opens at the first key and takes the rest).
void typeKeys(const QString& text)
{
    for (QChar c : text) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, c.toLatin1());
    }
}

int columnOf(TItemGrid* grid, const QString& field)
{
    for (int c = 0; c < grid->gridModel()->columnCount(); ++c) {
        const int f = grid->gridModel()->fieldOfColumn(c);
        if (f >= 0 && grid->dataset()->fieldName(f).compare(field, Qt::CaseInsensitive) == 0) return c;
    }
    return -1;
}

void clickCell(TItemGrid* grid, int row, int column)
{
    const QModelIndex i = grid->gridModel()->index(row, column);
    grid->scrollTo(i);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(i).center());
}

TEST_F(TypedInputTest, ItemGridsStoreWhatIsTypedHoweverTheCellIsLeft)
{
    ScriptedDialogs& dialogs = this->dialogs();
    int grids = 0;
    for (const auto& [name, f] : recordWindows()) {
        auto* grid = f->findChild<TItemGrid*>();
        if (!grid) continue;
        ++grids;
        SCOPED_TRACE(name.toStdString());
        const QString key = name.contains("Offer")     ? "offerid"
                            : name.contains("Invoice") ? "invoiceid"
                            : name.startsWith("TPO")   ? "poid"
                                                       : "orderid";
        for (Leave how : {Leave::Enter, Leave::Tab, Leave::Click, Leave::CtrlS, Leave::Close}) {
            SCOPED_TRACE(leaveName(how));
            ASSERT_TRUE(showOnRow(f));
            const qint64 doc = f->dataset()->currentId();
            const auto count = [&](const QString& where) {
                return scalar(QStringLiteral("SELECT COUNT(*) FROM items WHERE %1=%2 AND %3").arg(key).arg(doc).arg(where))
                    .toInt();
            };
            const int before = count("productcode='300302'");
            // A new line: click into the grid, Down on the last line (a
            // first key makes one in an empty grid), the product number.
            const int codeColumn = columnOf(grid, "productcode");
            ASSERT_GE(codeColumn, 0);
            grid->setFocus();
            const int rows = grid->gridModel()->rowCount();
            if (rows > 0) {
                clickCell(grid, rows - 1, codeColumn);
                QTest::keyClick(grid, Qt::Key_Down);
            }
            typeKeys("300302");
            auto leaveCell = [&](int otherColumn) {
                QWidget* focus = QApplication::focusWidget();
                switch (how) {
                case Leave::Enter: QTest::keyClick(focus, Qt::Key_Return); break;
                case Leave::Tab: QTest::keyClick(focus, Qt::Key_Tab); break;
                case Leave::Click: clickCell(grid, 0, otherColumn); break;
                case Leave::CtrlS: break;
                case Leave::Close: f->close(); return;
                }
                QWidget* now = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
                QTest::keyClick(now, Qt::Key_S, Qt::ControlModifier);
            };
            leaveCell(columnOf(grid, "producttext"));
            EXPECT_EQ(count("productcode='300302'"), before + 1);
            // Where the grid looks products up, the line is the product's.
            if (grid->productLookup) {
                EXPECT_EQ(count("productcode='300302' AND itemcount=1 AND ABS(price-155.75)<0.001 AND "
                                "producttext='Stikkontakt enkel utendørs IP44'"),
                          before + 1);
            }

            // A discount typed into the line.
            if (!f->isVisible()) {
                ASSERT_TRUE(showOnRow(f));
            }
            const int discountColumn = columnOf(grid, "discount");
            if (discountColumn < 0) continue;
            grid->setFocus();
            const int last = grid->gridModel()->rowCount() - 1;
            ASSERT_GE(last, 0);
            const qint64 line = grid->dataset()->rowValue(last, grid->dataset()->fieldIndex("id")).toLongLong();
            clickCell(grid, last, discountColumn);
            typeKeys(QStringLiteral("1%1,5").arg(int(how)));
            leaveCell(codeColumn);
            EXPECT_EQ(scalar(QStringLiteral("SELECT discount FROM items WHERE id=%1").arg(line)).toDouble(),
                      10 + int(how) + 0.5);
        }
        f->close();
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastMessage().toStdString();
    }
    EXPECT_EQ(grids, 4);
}

} // namespace
