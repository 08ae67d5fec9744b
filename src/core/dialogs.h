#pragma once
// User interaction seam for the layers below the windows.
//
// Code in core, data and services never shows a widget. Whatever needs the
// user (a message box, a yes/no question, a line of text, a folder) asks the
// Dialogs object installed with SetDialogs(). The windows layer installs one
// that shows real dialogs; tests install a ScriptedDialogs. Until someone
// installs one, a console implementation writes messages to stderr and
// answers every question with "no"/cancel.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message with an OK button.
    virtual void ShowMessage(const QString& text, const QString& caption) = 0;
    // Yes/no question; true means yes.
    virtual bool AskYesNo(const QString& question) = 0;
    // Line input; value holds the initial text and receives the answer.
    // Returns false when the user cancels (value is then left unchanged).
    virtual bool InputText(const QString& caption, const QString& prompt, QString& value) = 0;
    // The caption of the program's one-line input dialog (the search and
    // filter prompts of the lists): Norwegian, like every window title.
    static QString InputCaption() { return QStringLiteral("Skriv inn"); }
    // Folder choice starting at initial; returns false when cancelled.
    virtual bool ChooseFolder(const QString& caption, const QString& initial, QString& chosen) = 0;
};

// The installed implementation; never null.
Dialogs* CurrentDialogs();
// Installs d (not owned); nullptr restores the console implementation.
// Returns the previously installed object.
Dialogs* SetDialogs(Dialogs* d);

// Writes messages to stderr and declines every question.
class ConsoleDialogs : public Dialogs {
public:
    void ShowMessage(const QString& text, const QString& caption) override;
    bool AskYesNo(const QString& question) override;
    bool InputText(const QString& caption, const QString& prompt, QString& value) override;
    bool ChooseFolder(const QString& caption, const QString& initial, QString& chosen) override;
};

// Records everything asked and answers from queues filled in advance.
// An empty queue answers "no"/cancel. Installs itself for its lifetime
// and puts back whatever was installed before.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString text;
        QString caption;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void ShowMessage(const QString& text, const QString& caption) override;
    bool AskYesNo(const QString& question) override;
    bool InputText(const QString& caption, const QString& prompt, QString& value) override;
    bool ChooseFolder(const QString& caption, const QString& initial, QString& chosen) override;

    std::vector<Message> messages;
    QStringList questions;    // yes/no questions, input prompts and folder captions, in order
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;   // each answer is "OK with this text"
    std::deque<QString> folderAnswers;  // each answer is "OK with this folder"

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }

private:
    Dialogs* previous_ = nullptr;
};
