#pragma once
// The postal-code window (TPostnummerForm, "Postnummer"): everything the
// register knows about one code, looked up when the window is shown and
// whenever the code edit holds four characters.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class TPostnummerForm : public QWidget {
    Q_OBJECT
public:
    explicit TPostnummerForm(QWidget* parent = nullptr);

    // Fills the labels for the code in ePostNr ("?" when it is not found);
    // without a register, shows "Last ned postfil".
    void HentPostnummer();
    // "Last ned postfil": the postal service's register with the progress
    // window; the old file stays unless the new one is complete and valid.
    bool LastNedClick();

    QLineEdit* ePostNr;
    QLabel *PoststedLabel, *KommunenrLabel, *FylkeLabel, *KommuneLabel, *KategoriLabel;
    QPushButton* LastNedButton;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void setAll(const QString& text);
};
