#pragma once
// The settings dialog (TOppsettDialog, "Kvarnel Oppsett"): the company-wide
// settings of the main settings file (section STANDARD) that the rules and
// printouts read, on tab pages: the own company, departments and hour
// accounts, working hours, breaks and rates, posting accounts and VAT,
// invoicing, printers and margins, and five lists of standard texts kept as
// text files in the settings folder. "Ok" saves and closes, "Bruk" saves,
// "Hent" reads everything again, "Avbryt" closes without saving.
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QFormLayout;
class QSpinBox;
class QTabWidget;

// Writes the values a new workstation needs and lacks (standard posting
// accounts, payment terms, working hours and breaks), leaving every key
// that is set alone.
void WriteMissingSettingDefaults();
// A workstation without its own company's details takes them from the
// company row of the logged-in user (name, addresses, phones, organisation
// and bank account number); keys already set stay.
class Connection;
class TNorskOppsettPage;
void FillOwnCompanySettings(Connection& conn, int companyId);

class TOppsettDialog : public QWidget {
    Q_OBJECT
public:
    explicit TOppsettDialog(QWidget* parent = nullptr);

    QTabWidget* PageControl1;
    QPushButton *OkButton, *BrukButton, *HentButton, *AvbrytButton;
    TNorskOppsettPage* NorskPage;
    // Reads every field from the settings and the text files.
    void Les();
    // Writes every field; false when a text file could not be written.
    bool Skriv();
    void FormShow();

    // The fields, by key, for code and tests that need one.
    QLineEdit* edit(const QString& key) const;
    QCheckBox* check(const QString& key) const;
    QSpinBox* spin(const QString& key) const;
    QComboBox* combo(const QString& key) const;
    QComboBox *ListPrinterCombo, *LetterPrinterCombo;
    QCheckBox *ListDefaultBox, *LetterDefaultBox, *BortePercentBox;
    // The text pages, in order: standard texts, product texts, sales texts,
    // branches, delivery ways; and the files they are kept in.
    std::vector<QPlainTextEdit*> TextMemos;
    QStringList textFiles() const;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Field {
        QString key;
        std::function<void(const QString&)> read;  // stored text -> field
        std::function<QString()> write;            // field -> text to store
    };
    std::vector<Field> fields_;
    QWidget* page(const QString& caption);
    QLineEdit* addText(QFormLayout* form, const QString& caption, const QString& key, int width = 0);
    QLineEdit* addInt(QFormLayout* form, const QString& caption, const QString& key, int fallback);
    QLineEdit* addTime(QFormLayout* form, const QString& caption, const QString& key);
    QCheckBox* addFlag(QFormLayout* form, const QString& caption, const QString& key);
    QSpinBox* addSpin(QFormLayout* form, const QString& caption, const QString& key, int lo, int hi, int step);
    QComboBox* addCombo(QFormLayout* form, const QString& caption, const QString& key, const QStringList& items);
    void addPrinter(QFormLayout* form, const QString& caption, const QString& key, QComboBox*& combo,
                    QCheckBox*& defaultBox);
};
