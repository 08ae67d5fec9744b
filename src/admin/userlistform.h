#pragma once
// The employee register's list window (TUserListForm, "Personal"): the
// users of the own company, who are also the program's users. Filters for the
// active employees and the published ones, a search over name, department,
// title and user name, the documents of a user and the user-access window.
#include "ui/listform.h"

class TUserListForm : public TListForm {
    Q_OBJECT
public:
    explicit TUserListForm(QWidget* parent = nullptr);
    QAction *AktiveAnsatte1, *Publiserte1, *Dokumenter1, *Brukertilgang1;
    void Dokumenter1Click();
};
