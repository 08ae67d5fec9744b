#include "netui/sendsmtpform.h"

#include "core/dialogs.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "net/mailmessage.h"
#include "net/mailprogram.h"
#include "net/smtp.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

bool startDetached(const QString& program, const QStringList& args)
{
    const QString exe = QStandardPaths::findExecutable(program);
    return !exe.isEmpty() && QProcess::startDetached(exe, args);
}

ProgramStarter starter = &startDetached;

} // namespace

void SetProgramStarter(ProgramStarter s) { starter = s ? s : &startDetached; }

TSendSMTPForm::TSendSMTPForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SendSMTPForm"));
    setWindowTitle(QStringLiteral("Ny epost"));
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    MottagerCombo = new QComboBox(this);
    MottagerCombo->setEditable(true);
    MottagerCombo->addItem(QStringLiteral("support@kvarnel.no"));
    MottagerCombo->setCurrentText(QString());
    MottagerCombo->setMinimumWidth(380);
    EmneEdit = new QLineEdit(this);
    VedleggEdit = new QLineEdit(this);
    VedleggButton = new QToolButton(this);
    VedleggButton->setText(QStringLiteral("..."));
    VedleggButton->setToolTip(QStringLiteral("Velg vedlegg"));
    auto* att = new QHBoxLayout;
    att->setContentsMargins(0, 0, 0, 0);
    att->addWidget(VedleggEdit);
    att->addWidget(VedleggButton);
    f->addRow(QStringLiteral("Mottager:"), MottagerCombo);
    f->addRow(QStringLiteral("Emne:"), EmneEdit);
    v->addLayout(f);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setMinimumHeight(200);
    v->addWidget(Memo1, 1);
    auto* f2 = new QFormLayout;
    f2->addRow(QStringLiteral("Vedlegg:"), att);
    v->addLayout(f2);
    StatusLabel = new QLabel(this);
    StatusLabel->setWordWrap(true);
    StatusLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    StatusLabel->hide();
    v->addWidget(StatusLabel);
    SendKnapp = new QPushButton(QStringLiteral("Send"), this);
    SendKnapp->setDefault(true);
    v->addWidget(SendKnapp, 0, Qt::AlignRight);
    resize(520, 420);

    connect(MottagerCombo, &QComboBox::editTextChanged, this, [this] { updateSend(); });
    connect(SendKnapp, &QPushButton::clicked, this, [this] { SendKnappClick(); });
    connect(VedleggButton, &QToolButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Velg vedlegg"), VedleggEdit->text());
        if (!file.isEmpty()) VedleggEdit->setText(file);
    });
    updateSend();
}

void TSendSMTPForm::updateSend() { SendKnapp->setEnabled(!MottagerCombo->currentText().trimmed().isEmpty()); }

void TSendSMTPForm::Prepare(const QString& recipient, const QString& subject, const QString& body,
                            const QString& attachment)
{
    MottagerCombo->setCurrentText(recipient);
    EmneEdit->setText(subject);
    Memo1->setPlainText(body);
    VedleggEdit->setText(attachment);
    StatusLabel->clear();
    StatusLabel->hide();
    updateSend();
}

void TSendSMTPForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        if (MottagerCombo->currentText().trimmed().isEmpty()) {
            UserIniSection std;
            MottagerCombo->setCurrentText(GetRegStr(QStringLiteral("LastEmailAddress")));
        }
        MottagerCombo->lineEdit()->selectAll();
        MottagerCombo->setFocus();
        updateSend();
    }
    QDialog::showEvent(e);
}

bool TSendSMTPForm::SendKnappClick()
{
    const QString recipients = MottagerCombo->currentText().trimmed();
    {
        UserIniSection std;
        SetRegStr(QStringLiteral("LastEmailAddress"), recipients);
    }
    auto failed = [this](const QString& why) {
        StatusLabel->setText(QStringLiteral("Sending mislyktes: ") + why);
        StatusLabel->show();
        CurrentDialogs()->ShowMessage(QStringLiteral("Sending mislyktes: ") + why, QStringLiteral("FEIL"));
        return false;
    };
    const MailSetup setup = ReadMailSetup();
    MailMessage m;
    m.from = {setup.senderName, setup.senderAddress};
    QString error;
    if (!ParseAddressList(recipients, m.to, &error)) return failed(error);
    m.subject = EmneEdit->text();
    m.body = Memo1->toPlainText();
    const QString path = VedleggEdit->text().trimmed();
    if (!path.isEmpty()) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return failed(QStringLiteral("Kan ikke lese vedlegget ") + path);
        m.attachments << MailAttachment{QFileInfo(path).fileName(), f.readAll(), {}};
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SmtpResult r = SmtpSend(setup.smtp, m);
    QApplication::restoreOverrideCursor();
    if (!r.ok) return failed(r.error);
    StatusLabel->hide();
    accept();
    return true;
}

void SendEpost(const QString& recipient, const QString& subject, const QString& body, const QString& attachment)
{
    const MailSetup setup = ReadMailSetup();
    if (!setup.externalProgram) {
        TSendSMTPForm* f = Windows().get<TSendSMTPForm>();
        std::unique_ptr<TSendSMTPForm> own;
        if (!f) {
            own = std::make_unique<TSendSMTPForm>(QApplication::activeWindow());
            f = own.get();
        }
        f->Prepare(recipient, subject, body, attachment);
        f->exec();
        return;
    }
    const ProgramCall call = ExternalMailCall(setup.mailProgram, recipient, subject, body, attachment);
    if (!starter(call.program, call.args)) {
        const QString name = setup.mailProgram.isEmpty() ? call.program : setup.mailProgram;
        LogLine(QStringLiteral("FEIL: kan ikke starte epostprogrammet ") + name + QStringLiteral(" (") + call.program +
                QLatin1Char(')'));
        CurrentDialogs()->ShowMessage(QStringLiteral("Kan ikke starte epostprogrammet ") + name +
                                          QStringLiteral(". Velg et annet under \"Epost\"."),
                                      QStringLiteral("FEIL"));
    }
}
