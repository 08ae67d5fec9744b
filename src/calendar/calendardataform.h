#pragma once
// The record windows over the shared calendar dataset: the calendar entry
// window (TCalendarDataForm, "Kalenderdata") with date pickers and clock
// edits, entry type, persons and memo, and the time registration window
// (TCalendarRegDataForm, "Timedata") with the date and clock times typed as
// plain text, the hour split, the time group and the absence type. Also the
// month calendar that picks a date (TCalendarSelectForm, "Kalender").
#include "ui/dataform.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;

class TCalendarSelectForm : public QDialog {
    Q_OBJECT
public:
    explicit TCalendarSelectForm(QWidget* parent = nullptr);
    // Modal: opens on date (a null date: today); a double click on a day
    // returns that day, closing any other way returns date.
    static QDateTime SelectDate(const QDateTime& date);
    QCalendarWidget* Calendar;
    QDateTime Result;

public slots:
    // The main window's right click on the calendar button: today's month.
    void ShowToday();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;

private:
    bool placed_ = false;
};

class TCalendarDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TCalendarDataForm(QWidget* parent = nullptr);

    // Entry types: list position -> stored code.
    static const int EventCodes[12];
    static QStringList EventCaptions();
    // The list position of a stored code; -1 for a code not in the list.
    static int EventPosition(int code);

    TDBLookupComboBox* UserCombo;
    QDateEdit *DateTimeFrom, *DateTimeTo;
    QLineEdit *MaskTimeFrom, *MaskTimeTo;
    TDBEdit *SubjectEdit, *LocationEdit;
    QComboBox* EventCombo;
    QWidget *ProjectPanel, *ContactPanel;
    TDBLookupComboBox *ProjectCombo, *SystemCombo, *ContactCombo, *CompanyCombo;
    TDBCheckBox *AlldayBox, *OutdoorBox, *DoneBox, *PublishedBox;
    TDBMemo* PersonsMemo;
    QToolButton* PersonsButton;
    TDBMemo* ObjectMemo;
    QWidget *StdPanel, *MemoPanel;

    void Lagre1Click() override;
    bool SaveOnClose() override;
    void Nypost1Click() override;
    // Writes the start (or end) from its picker and clock edit into the
    // row; false (with a message) when the clock text is no time.
    bool StoreFrom();
    bool StoreTo();
    // The row's start, end, type and all-day flag shown in the controls;
    // an end before the start is moved up to it.
    void ShowRow();
    // "Personer": the persons picker on the row.
    void PersonsButtonClick();

protected:
    void FormShow() override;

private:
    bool storeTime(QDateEdit* picker, QLineEdit* clock, const char* field);
    void showType();
    QFormLayout* form_ = nullptr;
    bool loading_ = false;
};

class TCalendarRegDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TCalendarRegDataForm(QWidget* parent = nullptr);

    static QStringList TimeGroupCaptions();
    static QVariantList TimeGroupValues();
    static QStringList AbsenceCaptions();
    // The date chooser a double click on the date opens (tests replace it).
    using DateChooser = std::function<QDateTime(const QDateTime&)>;
    static DateChooser SelectDate;

    TDBLookupComboBox* InitialerCombo;
    QLineEdit *DateEDit, *TimeFromEdit, *TimeToEdit;
    TDBEdit *HoursEdit, *Hours50Edit, *Hours100Edit, *SubjectEdit, *SubAssetEdit;
    TDBCheckBox *DoneBox, *ReadOrderBox;
    TDBLookupComboBox *ProjectCombo, *SystemCombo, *OrderCombo, *AssetCombo, *CompanyCombo;
    TDBRadioGroup* TimeGroup;
    QComboBox* ComboBox1;
    TDBMemo* ObjectMemo;

    // Saves: the typed date and clock times (completed: "05.03" this year,
    // "8" 08:00, "0830" and "8:30" 08:30) become the row's start and end,
    // the absence type is stored, the row is posted. The end keeps its own
    // date (a multi-day entry stays one) and moves with a changed date.
    void Lagre1Click() override;
    bool SaveOnClose() override;
    // Posts what is being edited, inserts a row with time group 1
    // ("Timearbeid") and starts in "Initialer:".
    void Nypost1Click() override;
    // Writes the typed date and times into the row; false (message shown,
    // row unchanged) when they are no date or time.
    bool StoreTypedTimes();
    // The edits mirror the row: date (red on Sundays, blue on Saturdays),
    // start and end clock times, absence type.
    void Mirror(bool force);
    void DateEDitDblClick();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void typed();
    qint64 lastId_ = -1;
    QDateTime lastFrom_, lastTo_;
    bool loading_ = false;
};
