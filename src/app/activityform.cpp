#include "app/activityform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TActivityForm::TActivityForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ActivityForm"));
    setWindowTitle(QStringLiteral("Aktiviteter"));
    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Memo);
    resize(520, 320);
}
