#include "admin/widgetdialogs.h"

#include "admin/inputform.h"
#include "admin/janeiform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
// Dialogs belong to whichever window is active, so they open above it.
QWidget* owner()
{
    return QApplication::activeWindow();
}

// The wait cursor of a long operation must not hang over a question.
struct NormalCursor {
    int depth = 0;
    NormalCursor()
    {
        while (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
            ++depth;
        }
    }
    ~NormalCursor()
    {
        for (int i = 0; i < depth; ++i)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
};
} // namespace

void WidgetDialogs::ShowMessage(const QString& text, const QString& caption)
{
    NormalCursor c;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner());
    if (caption.compare(QLatin1String("FEIL"), Qt::CaseInsensitive) == 0)
        box.setIcon(QMessageBox::Critical);
    box.exec();
}

bool WidgetDialogs::AskYesNo(const QString& question)
{
    return AskJaNei(question, false);
}

bool WidgetDialogs::AskJaNei(const QString& question, bool defaultYes)
{
    NormalCursor c;
    TJaNeiForm form(owner());
    form.setQuestion(question, defaultYes);
    form.exec();
    return form.answer();
}

bool WidgetDialogs::InputText(const QString& caption, const QString& prompt, QString& value)
{
    NormalCursor c;
    TInputForm form(owner());
    if (!caption.isEmpty())
        form.setWindowTitle(caption);
    form.setPrompt(prompt);
    form.setText(value);
    if (form.exec() != QDialog::Accepted)
        return false;
    value = form.text();
    return true;
}

bool WidgetDialogs::ChooseFolder(const QString& caption, const QString& initial, QString& chosen)
{
    NormalCursor c;
    const QString dir = QFileDialog::getExistingDirectory(owner(), caption, initial);
    if (dir.isEmpty())
        return false;
    chosen = dir;
    return true;
}
