#include "admin/janeiform.h"

#include "admin/widgetdialogs.h"
#include "core/dialogs.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TJaNeiForm::TJaNeiForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("JaNeiForm"));
    setWindowTitle(QStringLiteral("?"));
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(false);
    JaButton = new QPushButton(QStringLiteral("&Ja"), this);
    NeiButton = new QPushButton(QStringLiteral("&Nei"), this);
    connect(JaButton, &QPushButton::clicked, this, [this] {
        answer_ = true;
        accept();
    });
    connect(NeiButton, &QPushButton::clicked, this, [this] {
        answer_ = false;
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(JaButton);
    buttons->addWidget(NeiButton);
    buttons->addStretch();
    auto* v = new QVBoxLayout(this);
    v->addSpacing(8);
    v->addWidget(Label1);
    v->addSpacing(8);
    v->addLayout(buttons);
    resize(260, 110);
}

void TJaNeiForm::setQuestion(const QString& question, bool defaultYes)
{
    Label1->setText(question);
    const int needed = QFontMetrics(Label1->font()).horizontalAdvance(question) + 50;
    if (width() < needed)
        resize(needed, height());
    answer_ = defaultYes;
    QPushButton* def = defaultYes ? JaButton : NeiButton;
    QPushButton* other = defaultYes ? NeiButton : JaButton;
    other->setDefault(false);
    def->setDefault(true);
    def->setFocus();
}

bool AskJaNei(const QString& question, bool defaultYes)
{
    if (auto* own = dynamic_cast<WidgetDialogs*>(CurrentDialogs()))
        return own->AskJaNei(question, defaultYes);
    return CurrentDialogs()->AskYesNo(question);
}
