#pragma once
// Data-aware controls: each shows one field of a dataset's current row,
// follows the row when it moves or changes, and writes what the user types
// back into the dataset, which enters edit state at the first keystroke.
//
// Text edits are limited to their column's length; numbers are shown and
// read the Norwegian way (decimal comma, blank between thousands; comma or
// point typed). A number typed half-way ("12,") is written once it reads
// as a number; a text that never does is refused (with the dataset's
// message) when the user leaves the field.
//
// A control can be rebound to another dataset at any time (setField);
// windows over a shared source such as CommonSource do that when shown.

#include "data/dataset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <vector>

class Connection;
class QButtonGroup;
class QToolButton;

// The binding shared by every control: the dataset, the field, the
// connections to the dataset's signals and the guard that keeps a control
// from being refreshed by its own write.
class FieldLink {
public:
    FieldLink(QWidget* owner, std::function<void()> refresh);
    ~FieldLink();
    void bind(Dataset* ds, const QString& field);
    Dataset* dataset() const { return ds_; }
    const QString& field() const { return field_; }
    int column() const;
    // The column's info; null when not bound or the field is absent.
    const FieldInfo* info() const;
    // True when there is a row whose value can be shown.
    bool hasRow() const;
    QVariant value() const;
    QString displayText() const;
    // Writes a value; the control is not refreshed by the write itself.
    bool write(const QVariant& v);
    // Puts the dataset into edit state without changing a value.
    bool beginEdit();
    bool writing() const { return writing_; }
    void refreshNow();

private:
    QWidget* owner_;
    std::function<void()> refresh_;
    QPointer<Dataset> ds_;
    QString field_;
    std::vector<QMetaObject::Connection> conns_;
    bool writing_ = false;
};

// Something a record window can ask to hand over what is still typed.
class DataControl {
public:
    virtual ~DataControl() = default;
    // Writes a pending typed value; false when it was refused.
    virtual bool commit() { return true; }
    virtual FieldLink& link() = 0;
};

class TDBEdit : public QLineEdit, public DataControl {
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);
    TDBEdit(Dataset* ds, const QString& field, QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    bool commit() override;
    FieldLink& link() override { return link_; }
    // The pending text of a number that did not read yet.
    bool hasPending() const { return pending_; }

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    void refresh();
    void userEdited(const QString& text);
    bool numeric() const;
    FieldLink link_;
    bool pending_ = false;
};

class TDBMemo : public QPlainTextEdit, public DataControl {
    Q_OBJECT
public:
    explicit TDBMemo(QWidget* parent = nullptr);
    TDBMemo(Dataset* ds, const QString& field, QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    FieldLink& link() override { return link_; }

private:
    void refresh();
    FieldLink link_;
    bool loading_ = false;
};

// A date or date-and-time field, typed as text: "01.12.2026", "1.12.26",
// "01122026" and "2026-12-01" are read (a date-and-time column also takes
// a clock time after the date, and keeps its time when only a date is
// typed). The typed text is stored when the user leaves the field (Enter,
// Tab, a click elsewhere, save, close); a text that is no date is refused
// with a message and stays in the field to be mended. An emptied field
// stores no date. The button at the right (or Alt+Down, F4) drops down a
// Norwegian month calendar, Monday first, on the field's date or today.
class QCalendarWidget;
class QFrame;
class TDBDateEdit : public QLineEdit, public DataControl {
    Q_OBJECT
public:
    explicit TDBDateEdit(QWidget* parent = nullptr);
    TDBDateEdit(Dataset* ds, const QString& field, QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    FieldLink& link() override { return link_; }
    bool commit() override;
    // Shows a date-and-time column as a date only (a purchase date).
    void setDateOnly(bool on);
    // The date the field shows; null when empty or not a date.
    QDate date() const;
    // Drops the calendar down; a day picked there is stored at once.
    void showCalendar();
    // The drop-down calendar (made the first time it drops down).
    QCalendarWidget* calendar() const { return calendar_; }
    QFrame* calendarPopup() const { return popup_; }

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void refresh();
    bool dateTimeColumn() const;
    QString format() const;
    void pick(const QDate& day);
    FieldLink link_;
    bool pending_ = false;
    bool dateOnly_ = false;
    bool complaining_ = false;
    QFrame* popup_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};

// The calendar the program drops down or shows: Norwegian month and day
// names, Monday first, ISO week numbers.
void SetupNorwegianCalendar(QCalendarWidget* c);

// A check box whose ticked and unticked states store given values ('1'
// and '0' unless told otherwise; "Publisert" boxes store 5 and 0).
class TDBCheckBox : public QCheckBox, public DataControl {
    Q_OBJECT
public:
    explicit TDBCheckBox(const QString& caption, QWidget* parent = nullptr);
    TDBCheckBox(const QString& caption, Dataset* ds, const QString& field, QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    void setValues(const QVariant& checkedValue, const QVariant& uncheckedValue);
    FieldLink& link() override { return link_; }
    QVariant valueChecked() const { return on_; }
    QVariant valueUnchecked() const { return off_; }

private:
    void refresh();
    FieldLink link_;
    QVariant on_ = QStringLiteral("1"), off_ = QStringLiteral("0");
    bool loading_ = false;
};

// A drop-down that stores its text: a fixed list (not editable) or a free
// text with suggestions (editable).
class TDBComboBox : public QComboBox, public DataControl {
    Q_OBJECT
public:
    explicit TDBComboBox(QWidget* parent = nullptr);
    TDBComboBox(Dataset* ds, const QString& field, const QStringList& items, bool freeText, QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    FieldLink& link() override { return link_; }

private:
    void refresh();
    void userChose(const QString& text);
    FieldLink link_;
    bool loading_ = false;
};

// A drop-down that stores a key and shows its text: the list comes from
// the rows of a dataset (followed as it is re-read) or from a query run
// when the control is shown.
class TDBLookupComboBox : public QComboBox, public DataControl {
    Q_OBJECT
public:
    explicit TDBLookupComboBox(QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    void setListSource(Dataset* list, const QString& keyField, const QString& textField);
    // sql selects two columns: the key and the text.
    void setListQuery(Connection* conn, const QString& sql);
    void reloadList();
    // A long list is read only when it drops down; until then the shown
    // entry's text comes from keyText, one row at a time.
    void setLazy(std::function<QString(qint64)> keyText);
    FieldLink& link() override { return link_; }
    // The key of the shown entry; 0 when none.
    qint64 currentKey() const;
    // Chooses the entry of key as if the user had.
    void chooseKey(qint64 key);

    void showPopup() override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void refresh();
    void fillList();
    FieldLink link_;
    std::function<QString(qint64)> keyText_;
    bool listLoaded_ = false;
    QPointer<Dataset> list_;
    QString keyField_, textField_;
    Connection* conn_ = nullptr;
    QString sql_;
    QMetaObject::Connection listConn_;
    bool loading_ = false;
};

// A group of radio buttons storing the value of the chosen one.
class TDBRadioGroup : public QGroupBox, public DataControl {
    Q_OBJECT
public:
    TDBRadioGroup(const QString& caption, const QStringList& items, const QVariantList& values,
                  QWidget* parent = nullptr);
    void setField(Dataset* ds, const QString& field);
    FieldLink& link() override { return link_; }
    int itemIndex() const;
    void chooseIndex(int i);

private:
    void refresh();
    FieldLink link_;
    QVariantList values_;
    QButtonGroup* group_;
    bool loading_ = false;
};

// A row of buttons that moves the dataset and posts or cancels its edit.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TDBNavigator(QWidget* parent = nullptr);
    void setDataset(Dataset* ds);
    QToolButton *First, *Prior, *Next, *Last, *Post, *Cancel;

private:
    void updateButtons();
    QPointer<Dataset> ds_;
    std::vector<QMetaObject::Connection> conns_;
};

// Every data control inside w.
std::vector<DataControl*> DataControlsOf(QWidget* w);
// Hands over what every control inside w still has pending; false when a
// value was refused.
bool CommitDataControls(QWidget* w);
