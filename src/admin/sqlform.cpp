#include "admin/sqlform.h"

#include "data/datamodule.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<TSQLForm> g_form;
QString g_lastSelect;

void selectText(const QString& sql)
{
    g_lastSelect = sql;
    if (g_form)
        g_form->SQLMemo->setPlainText(sql);
}
} // namespace

TSQLForm::TSQLForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SQLForm"));
    setWindowTitle(QStringLiteral("SQL"));
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    SQLMemo = new QPlainTextEdit(this);
    SQLMemo->setReadOnly(true);
    SQLMemo->setFont(mono);
    SQLMemo->setPlainText(g_lastSelect);
    ErrorLabel = new QLabel(QStringLiteral("Siste feil fra databaseserveren:"), this);
    ErrorMemo = new QPlainTextEdit(this);
    ErrorMemo->setReadOnly(true);
    ErrorMemo->setFont(mono);
    ErrorMemo->setMaximumHeight(90);
    ErrorLabel->hide();
    ErrorMemo->hide();
    auto* v = new QVBoxLayout(this);
    v->addWidget(SQLMemo, 1);
    v->addWidget(ErrorLabel);
    v->addWidget(ErrorMemo);
    resize(560, 300);
    g_form = this;
    SetSelectTextSink(&selectText);
}

TSQLForm::~TSQLForm()
{
    if (g_form == this)
        SetSelectTextSink(nullptr);
}

void TSQLForm::ShowSqlError(const QString& statement, const QString& error)
{
    ErrorMemo->setPlainText(statement + QStringLiteral("\n") + error);
    ErrorLabel->show();
    ErrorMemo->show();
}
