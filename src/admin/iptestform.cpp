#include "admin/iptestform.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTcpSocket>
#include <QVBoxLayout>

// Colours stored as Windows colour values (blue, green, red from the top
// byte down): 15777984 is light blue, 10526960 light red.
const QColor TIPTestForm::NormalColor(0xC0, 0xC0, 0xF0);
const QColor TIPTestForm::FailureColor(0xF0, 0xA0, 0xA0);

TIPTestForm::TIPTestForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IPTestForm"));
    setWindowTitle(QStringLiteral("Tester forbindelsen"));
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setAutoFillBackground(true);
    Label1 = new QLabel(Panel1);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(320);
    OkButton = new QPushButton(QStringLiteral("O&k"), Panel1);
    OkButton->hide();
    connect(OkButton, &QPushButton::clicked, this, &TIPTestForm::OkButtonClick);
    auto* pv = new QVBoxLayout(Panel1);
    pv->addWidget(Label1);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(OkButton);
    h->addStretch();
    pv->addLayout(h);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Panel1);
    setPanelColor(NormalColor);
    resize(360, 110);
}

void TIPTestForm::setPanelColor(const QColor& c)
{
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, c);
    Panel1->setPalette(pal);
}

int TIPTestForm::TestTCPConnection(const QString& host, int port, bool showFailure)
{
    const QString target = host + QLatin1Char(':') + QString::number(port);
    OkButton->hide();
    setPanelColor(NormalColor);
    Label1->setText(QStringLiteral("Sjekker ") + target + QStringLiteral(" ...."));
    show();
    Label1->repaint();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTcpSocket socket;
    socket.connectToHost(host, quint16(port));
    const bool ok = port > 0 && port < 65536 && socket.waitForConnected(timeoutMs);
    socket.abort();
    QApplication::restoreOverrideCursor();

    if (ok) {
        hide();
        return 0;
    }
    if (showFailure) {
        setPanelColor(FailureColor);
        Label1->setText(QStringLiteral("Kan ikke koble til: ") + target);
        OkButton->show();
        OkButton->setFocus();
    } else {
        hide();
    }
    return -1;
}

void TIPTestForm::OkButtonClick()
{
    setPanelColor(NormalColor);
    hide();
}
