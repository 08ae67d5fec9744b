#pragma once
// The print-option windows of the order ("Ordreutskrift"), the offer
// ("Utskrift av tilbud") and the purchase order ("Utskrift innkjøp"). Each
// sets the options of its own printout, prints the current document of its
// dataset on the printer and closes.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class TDatabaseModule;

class TDocPrintOptionsForm : public QDialog {
    Q_OBJECT
public:
    enum Kind { Order, Offer, PO };
    TDocPrintOptionsForm(Kind kind, TDatabaseModule& dm, QWidget* parent = nullptr);
    ~TDocPrintOptionsForm() override;

    QComboBox* HeaderCombo;        // OrderHeaderCombo / POHeaderCombo
    QCheckBox* PrintPriceCheck;
    QCheckBox* PrintCostCheck = nullptr;  // order only
    QCheckBox* NoPriceNoPrint = nullptr;  // order and offer
    QCheckBox* BigListFont;
    QPushButton* BitBtn1;  // "Utskrift"
    QPushButton* BitBtn2;  // "&Avbryt"

public slots:
    // Sets the options, prints and closes; returns what LPTPrint returned.
    bool BitBtn1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    Kind kind_;
    TDatabaseModule& dm_;
};

class TOrderPrintForm : public TDocPrintOptionsForm {
public:
    explicit TOrderPrintForm(TDatabaseModule& dm, QWidget* parent = nullptr) : TDocPrintOptionsForm(Order, dm, parent) {}
};
class TOfferPrintForm : public TDocPrintOptionsForm {
public:
    explicit TOfferPrintForm(TDatabaseModule& dm, QWidget* parent = nullptr) : TDocPrintOptionsForm(Offer, dm, parent) {}
};
class TPOprintForm : public TDocPrintOptionsForm {
public:
    explicit TPOprintForm(TDatabaseModule& dm, QWidget* parent = nullptr) : TDocPrintOptionsForm(PO, dm, parent) {}
};
