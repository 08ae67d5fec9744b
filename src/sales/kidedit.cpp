#include "sales/kidedit.h"

#include "core/dialogs.h"
#include "core/norsk.h"
#include "core/textfil.h"

TKidEdit::TKidEdit(Dataset* ds, QWidget* parent) : QLineEdit(parent), link_(this, [this] { refresh(); })
{
    setObjectName(QStringLiteral("KidEdit"));
    setMaxLength(40);  // blanks typed between groups are dropped
    link_.bind(ds, QStringLiteral("kid"));
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!link_.hasRow()) {
            refresh();
            return;
        }
        pending_ = true;
        link_.beginEdit();
    });
    connect(this, &QLineEdit::returnPressed, this, [this] { commit(); });
}

void TKidEdit::refresh()
{
    pending_ = false;
    const QString t = link_.displayText();
    if (t != text()) setText(t);
}

bool TKidEdit::commit()
{
    if (!pending_) return true;
    pending_ = false;
    QString kid;
    const QString why = CheckTypedKid(text(), ReadKidSettings(), &kid);
    if (!why.isEmpty()) {
        LogLine(QStringLiteral("FEIL: ") + why);
        refresh();
        CurrentDialogs()->ShowMessage(why, QStringLiteral("Feil"));
        return false;
    }
    const bool ok = link_.write(kid);
    refresh();
    return ok;
}

void TKidEdit::focusOutEvent(QFocusEvent* e)
{
    commit();
    QLineEdit::focusOutEvent(e);
}
