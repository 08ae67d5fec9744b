#include "core/dialogs.h"

#include <cstdio>

namespace {
ConsoleDialogs g_console;
Dialogs* g_current = nullptr;
}

Dialogs* CurrentDialogs()
{
    return g_current ? g_current : &g_console;
}

Dialogs* SetDialogs(Dialogs* d)
{
    Dialogs* old = CurrentDialogs();
    g_current = d;
    return old;
}

void ConsoleDialogs::ShowMessage(const QString& text, const QString& caption)
{
    std::fprintf(stderr, "[%s] %s\n", caption.toLocal8Bit().constData(), text.toLocal8Bit().constData());
}

bool ConsoleDialogs::AskYesNo(const QString& question)
{
    std::fprintf(stderr, "[?] %s -> Nei\n", question.toLocal8Bit().constData());
    return false;
}

bool ConsoleDialogs::InputText(const QString& caption, const QString& prompt, QString&)
{
    std::fprintf(stderr, "[%s] %s -> Avbryt\n", caption.toLocal8Bit().constData(),
                 prompt.toLocal8Bit().constData());
    return false;
}

bool ConsoleDialogs::ChooseFolder(const QString& caption, const QString&, QString&)
{
    std::fprintf(stderr, "[%s] -> Avbryt\n", caption.toLocal8Bit().constData());
    return false;
}

ScriptedDialogs::ScriptedDialogs()
{
    previous_ = SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    SetDialogs(previous_ == &g_console ? nullptr : previous_);
}

void ScriptedDialogs::ShowMessage(const QString& text, const QString& caption)
{
    messages.push_back({text, caption});
}

bool ScriptedDialogs::AskYesNo(const QString& question)
{
    questions << question;
    if (yesNoAnswers.empty())
        return false;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

bool ScriptedDialogs::InputText(const QString&, const QString& prompt, QString& value)
{
    questions << prompt;
    if (inputAnswers.empty())
        return false;
    value = inputAnswers.front();
    inputAnswers.pop_front();
    return true;
}

bool ScriptedDialogs::ChooseFolder(const QString& caption, const QString&, QString& chosen)
{
    questions << caption;
    if (folderAnswers.empty())
        return false;
    chosen = folderAnswers.front();
    folderAnswers.pop_front();
    return true;
}
