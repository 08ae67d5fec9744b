#pragma once
// The user-access window (TUserAccessForm, caption "<name> [id]"): the
// login-related fields of the current user of the shared users dataset: user
// name, activity, door key, password (never shown in clear), group and group
// access, table access, the last login's address and count, the copy of the
// user's settings file and the company. Lagre (Ctrl+S) and Avbryt (Ctrl+Z)
// while the row is being edited.
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class TDBCheckBox;
class TDBEdit;
class TDBLookupComboBox;
class TDBMemo;

class TUserAccessForm : public QWidget {
    Q_OBJECT
public:
    explicit TUserAccessForm(QWidget* parent = nullptr);

    TDBEdit *UserNameEdit, *IdEdit, *DoorKeyEdit, *PasswordEdit, *UpdatedEdit, *LastIpEdit, *LogonCountEdit,
        *CompanyIdEdit;
    TDBCheckBox *ActiveBox, *EncryptedBox, *GroupAccessBox;
    TDBLookupComboBox* GroupCombo;
    TDBMemo *ParameterMemo, *IniFileMemo;
    QMenu* PopupMenu1;
    QAction *Lagre1, *Avbryt1;

    void Lagre1Click();
    void Avbryt1Click();
    void FormShow();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void updateItems();
};
