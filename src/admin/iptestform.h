#pragma once
// The connection test (TIPTestForm): can a TCP connection be made to a
// host and port? Used by the e-mail set-up.

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

class TIPTestForm : public QDialog {
    Q_OBJECT
public:
    explicit TIPTestForm(QWidget* parent = nullptr);

    // Opens and closes a TCP connection to host:port, showing the window
    // meanwhile. 0 on success (the window closes); -1 on failure: with
    // showFailure the window stays open in red with "Kan ikke koble til: "
    // and its OK button, otherwise it closes.
    int TestTCPConnection(const QString& host, int port, bool showFailure);

    // How long a connection attempt may take, in milliseconds.
    int timeoutMs = 5000;

    static const QColor NormalColor;   // 15777984
    static const QColor FailureColor;  // 10526960

    QFrame* Panel1;
    QLabel* Label1;
    QPushButton* OkButton;

private:
    void setPanelColor(const QColor& c);
    void OkButtonClick();
};
