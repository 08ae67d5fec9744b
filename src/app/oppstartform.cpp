#include "app/oppstartform.h"

#include "core/sysreg.h"
#include "core/sysreg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Box {
    QCheckBox* TOppstartForm::*member;
    const char* caption;
    const char* key;
};
const Box kBoxes[] = {
    {&TOppstartForm::LogToFileBox, "Logg til fil", "LogToFile"},
    {&TOppstartForm::VerboseBox, "Detaljert logging", "VerboseLogging"},
    {&TOppstartForm::ClearLogBox, "Slett loggfil ved oppstartt", "ClearLogFileOnStartup"},
    {&TOppstartForm::DeleteTempBox, "Slett midlertidige filer", "DeleteTemporaryFiles"},
    {&TOppstartForm::DeleteSysTempBox, "Slett midlertidige systemfiler", "DeleteSystemTemporaryFiles"},
    {&TOppstartForm::AutologonBox, "Automatisk pålogging", "autologon"},
    {&TOppstartForm::DirectLoggingBox, "Direkte logging til fil", "DirectLogging"},
};
} // namespace

TOppstartForm::TOppstartForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OppstartForm"));
    setWindowTitle(QStringLiteral("Oppstart"));
    auto* v = new QVBoxLayout(this);
    for (const Box& b : kBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(b.caption), this);
        box->setObjectName(QString::fromLatin1(b.key));
        this->*(b.member) = box;
        v->addWidget(box);
        if (b.member == &TOppstartForm::DeleteSysTempBox)
            box->setContentsMargins(20, 0, 0, 0);
    }
    connect(DeleteTempBox, &QCheckBox::toggled, DeleteSysTempBox, &QCheckBox::setEnabled);
    DeleteSysTempBox->setEnabled(false);
    v->addStretch();
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Lukk"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    v->addWidget(buttons);
    resize(300, 260);
}

void TOppstartForm::ReadKeys()
{
    read_ = true;
    MainIniSection s(QStringLiteral("STANDARD"));
    for (const Box& b : kBoxes)
        (this->*(b.member))->setChecked(GetRegBoolean(QString::fromLatin1(b.key)));
    DeleteSysTempBox->setEnabled(DeleteTempBox->isChecked());
}

void TOppstartForm::WriteKeys()
{
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        for (const Box& b : kBoxes)
            SetRegBoolean(QString::fromLatin1(b.key), (this->*(b.member))->isChecked());
    }
    FlushSettings();
}

void TOppstartForm::showEvent(QShowEvent* e)
{
    ReadKeys();
    QDialog::showEvent(e);
}

void TOppstartForm::done(int r)
{
    if (read_)
        WriteKeys();
    QDialog::done(r);
}
