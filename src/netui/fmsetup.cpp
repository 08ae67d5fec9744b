#include "netui/fmsetup.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/platformlookup.h"
#include "core/sysreg.h"
#include "net/mailprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTcpSocket>
#include <QVBoxLayout>

TfmSetup::TfmSetup(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmSetup"));
    setWindowTitle(QStringLiteral("Epost oppsett"));
    auto* v = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    v->addWidget(PageControl1);

    auto* adresse = new QWidget;
    auto* fa = new QFormLayout(adresse);
    EpostEdit = new QLineEdit;
    NavnEdit = new QLineEdit;
    fa->addRow(QStringLiteral("&Epost adresse"), EpostEdit);
    fa->addRow(QStringLiteral("Visningsnavn"), NavnEdit);
    PageControl1->addTab(adresse, QStringLiteral("Adresse"));

    auto* sende = new QWidget;
    auto* fs = new QFormLayout(sende);
    ExternalRadio = new QRadioButton(QStringLiteral("Bruk epostprogram til sending"));
    SmtpRadio = new QRadioButton(QStringLiteral("&Utgående epost server (SMTP)"));
    eMailProgramName = new QComboBox;
    eMailProgramName->setObjectName(QStringLiteral("eMailProgramName"));
    eMailProgramName->setEditable(true);
    eMailProgramName->addItems(MailProgramNames());
    ServerEdit = new QLineEdit;
    PortSpin = new QSpinBox;
    PortSpin->setRange(1, 65535);
    PortSpin->setValue(25);
    PortSpin->setMaximumWidth(90);
    TestButton = new QPushButton(QStringLiteral("Test"));
    LogBox = new QCheckBox(QStringLiteral("Logg SMTP hendelser"));
    LoginCombo = new QComboBox;
    LoginCombo->addItems({QStringLiteral("Ingen pålogging"), QStringLiteral("Enkel pålogging")});
    UserEdit = new QLineEdit;
    PasswordEdit = new QLineEdit;
    PasswordEdit->setEchoMode(QLineEdit::Password);
    ProgramLabel = new QLabel(QStringLiteral("Epostprogram:"));
    ServerLabel = new QLabel(QStringLiteral("Server:"));
    PortLabel = new QLabel(QStringLiteral("Port:"));
    LoginLabel = new QLabel(QStringLiteral("Pålogging:"));
    UserLabel = new QLabel(QStringLiteral("&Brukernavn"));
    PasswordLabel = new QLabel(QStringLiteral("&Passord"));
    UserLabel->setBuddy(UserEdit);
    PasswordLabel->setBuddy(PasswordEdit);
    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(ServerEdit, 1);
    serverRow->addWidget(TestButton);
    fs->addRow(ExternalRadio);
    fs->addRow(ProgramLabel, eMailProgramName);
    fs->addRow(SmtpRadio);
    fs->addRow(ServerLabel, serverRow);
    fs->addRow(PortLabel, PortSpin);
    fs->addRow(QString(), LogBox);
    fs->addRow(LoginLabel, LoginCombo);
    fs->addRow(UserLabel, UserEdit);
    fs->addRow(PasswordLabel, PasswordEdit);
    auto* hint = new QLabel(QStringLiteral("Med pålogging sendes epost bare over kryptert forbindelse (STARTTLS eller port 465)."));
    hint->setWordWrap(true);
    fs->addRow(hint);
    PageControl1->addTab(sende, QStringLiteral("Sende"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Lukk"));
    v->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ExternalRadio, &QRadioButton::toggled, this, [this] { UpdateVisibility(); });
    connect(LoginCombo, &QComboBox::currentIndexChanged, this, [this] { UpdateVisibility(); });
    connect(TestButton, &QPushButton::clicked, this, [this] {
        const QString host = ServerEdit->text().trimmed();
        const QString where = host + QLatin1Char(':') + QString::number(PortSpin->value());
        QTcpSocket s;
        s.connectToHost(host, quint16(PortSpin->value()));
        if (s.waitForConnected(5000))
            CurrentDialogs()->ShowMessage(QStringLiteral("Kontakt med ") + where, QStringLiteral("Epost oppsett"));
        else
            CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke koble til: ") + where, QStringLiteral("Feil"));
    });
    LoadSettings();
    resize(440, 380);
}

void TfmSetup::LoadSettings()
{
    const MailSetup s = ReadMailSetup();
    EpostEdit->setText(s.senderAddress);
    NavnEdit->setText(s.senderName);
    (s.externalProgram ? ExternalRadio : SmtpRadio)->setChecked(true);
    eMailProgramName->setCurrentText(s.mailProgram);
    ServerEdit->setText(s.smtp.host);
    PortSpin->setValue(s.smtp.port);
    LogBox->setChecked(s.smtp.log);
    LoginCombo->setCurrentIndex(s.authType == 1 ? 1 : 0);
    // The user name and password are read whatever the login type.
    {
        UserIniSection smtp(QStringLiteral("Smtp"));
        UserEdit->setText(GetRegStr(QStringLiteral("ServerUser")));
        PasswordEdit->setText(EnkelDeKryptStr(GetRegStr(QStringLiteral("ServerPassword"))));
    }
    UpdateVisibility();
}

void TfmSetup::SaveSettings()
{
    MailSetup s;
    s.senderAddress = EpostEdit->text().trimmed();
    s.senderName = NavnEdit->text().trimmed();
    s.externalProgram = ExternalRadio->isChecked();
    s.mailProgram = eMailProgramName->currentText().trimmed();
    s.smtp.host = ServerEdit->text().trimmed();
    s.smtp.port = PortSpin->value();
    s.smtp.log = LogBox->isChecked();
    s.authType = LoginCombo->currentIndex();
    s.smtp.user = UserEdit->text().trimmed();
    s.smtp.password = PasswordEdit->text();
    WriteMailSetup(s);
}

void TfmSetup::UpdateVisibility()
{
    const bool ext = ExternalRadio->isChecked();
    const bool login = !ext && LoginCombo->currentIndex() == 1;
    for (QWidget* w : {static_cast<QWidget*>(ProgramLabel), static_cast<QWidget*>(eMailProgramName)}) w->setVisible(ext);
    for (QWidget* w : {static_cast<QWidget*>(ServerLabel), static_cast<QWidget*>(ServerEdit),
                       static_cast<QWidget*>(TestButton), static_cast<QWidget*>(PortLabel),
                       static_cast<QWidget*>(PortSpin), static_cast<QWidget*>(LogBox),
                       static_cast<QWidget*>(LoginLabel), static_cast<QWidget*>(LoginCombo)})
        w->setVisible(!ext);
    for (QWidget* w : {static_cast<QWidget*>(UserLabel), static_cast<QWidget*>(UserEdit),
                       static_cast<QWidget*>(PasswordLabel), static_cast<QWidget*>(PasswordEdit)})
        w->setVisible(login);
}

void TfmSetup::ShowSendOnly() { PageControl1->setCurrentIndex(1); }

void TfmSetup::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadSettings();
        if (EpostEdit->text().isEmpty()) {
            QString account;
            {
                UserIniSection pop(QStringLiteral("Pop3"));
                account = GetRegStr(QStringLiteral("ServerUser"));
            }
            if (account.isEmpty()) account = GetBrukerNavn().toLower();
            const QString domain = GetDomain();
            if (!domain.isEmpty()) EpostEdit->setText(account + QLatin1Char('@') + domain);
        }
        if (ServerEdit->text().isEmpty()) {
            QString server;
            {
                UserIniSection pop(QStringLiteral("Pop3"));
                server = GetRegStr(QStringLiteral("ServerName"));
            }
            const QString domain = GetDomain();
            ServerEdit->setText(!server.isEmpty() ? server : domain.isEmpty() ? QString() : QStringLiteral("mail.") + domain);
        }
    }
    QDialog::showEvent(e);
}

void TfmSetup::done(int r)
{
    SaveSettings();
    QDialog::done(r);
}
