#include "admin/inputform.h"

#include "core/dialogs.h"
#include "core/sysreg.h"
#include "core/sysreg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString LastInputStr;
bool NumericInput = false;

TInputForm::TInputForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InputForm"));
    setWindowTitle(Dialogs::InputCaption());
    Label1 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Edit1->setMinimumWidth(320);
    OkButton = new QPushButton(QStringLiteral("O&k"), this);
    CancelButton = new QPushButton(QStringLiteral("&Avbryt"), this);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    v->addWidget(Edit1);
    v->addLayout(buttons);
}

void TInputForm::setPrompt(const QString& prompt)
{
    Label1->setText(prompt);
    Edit1->setEchoMode(prompt == QLatin1String("Passord") ? QLineEdit::Password : QLineEdit::Normal);
}

void TInputForm::setText(const QString& text)
{
    Edit1->setText(text);
    Edit1->selectAll();
    Edit1->setFocus();
}

QString TInputForm::text() const
{
    return Edit1->text();
}

bool IsNumericText(const QString& text)
{
    for (QChar c : text)
        if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('.'))
            return false;
    return true;
}

namespace {
QString storedLastInput()
{
    UserIniSection s;
    return GetRegStr(QStringLiteral("LastInputStr"));
}
void storeLastInput(const QString& value)
{
    UserIniSection s;
    SetRegStr(QStringLiteral("LastInputStr"), value);
}
} // namespace

bool InputStr(const QString& prompt, const QString& defaultText, QString& answer)
{
    QString value = defaultText.isEmpty() ? storedLastInput() : defaultText;
    const bool ok = CurrentDialogs()->InputText(Dialogs::InputCaption(), prompt, value);
    if (ok) {
        answer = value;
        LastInputStr = value;
        storeLastInput(value);
    } else {
        answer.clear();
        LastInputStr.clear();
    }
    NumericInput = IsNumericText(answer);
    return ok;
}
