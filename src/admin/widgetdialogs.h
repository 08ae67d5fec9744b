#pragma once
// The Dialogs of the running program: real message boxes, the yes/no and
// input dialogs and the folder chooser.

#include "core/dialogs.h"

class QWidget;

class WidgetDialogs : public Dialogs {
public:
    void ShowMessage(const QString& text, const QString& caption) override;
    // A question from the engine: "&Nei" is the default.
    bool AskYesNo(const QString& question) override;
    bool InputText(const QString& caption, const QString& prompt, QString& value) override;
    bool ChooseFolder(const QString& caption, const QString& initial, QString& chosen) override;

    bool AskJaNei(const QString& question, bool defaultYes);
};
