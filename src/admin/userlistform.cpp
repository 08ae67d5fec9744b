#include "admin/userlistform.h"

#include "admin/useraccessform.h"
#include "admin/userdataform.h"
#include "data/datamodule.h"

#include <QAction>
#include <QMenu>

TUserListForm::TUserListForm(QWidget* parent) : TListForm(parent)
{
    setObjectName(QStringLiteral("UserListForm"));
    setWindowTitle(QStringLiteral("Personal"));
    placementKey = QStringLiteral("UserListForm");
    resize(980, 400);

    TDatabaseModule& dm = DataModule();
    // No password column: the list never shows one.
    setDataset(&dm.UserTable, {{"initials", "Initialer", 60},
                               {"realname", "Navn", 180},
                               {"homephone", "Telefon", 90},
                               {"mobilephone", "Mobiltelefon", 90},
                               {"email", "Epost", 210},
                               {"title", "Tittel", 130},
                               {"department", "Avdeling", 110},
                               {"username", "Brukernavn", 90}});
    setSearchFields({"realname", "department", "title", "username"});
    setRecordWindow<TUserDataForm>();

    AktiveAnsatte1 = addFixedFilter(QStringLiteral("Aktive ansatte"), QStringLiteral("defaultgroup=100"));
    Publiserte1 = addFixedFilter(QStringLiteral("Publiserte"), QStringLiteral("rwx_all>0"));

    Dokumenter1 =
        addWindowItem<TDocumentListForm>(jumpMenu(), QStringLiteral("Dokumenter"), [this] { Dokumenter1Click(); });
    Brukertilgang1 = addWindowItem<TUserAccessForm>(PopupMenu1, QStringLiteral("Brukertilgang"),
                                                    [] { Windows().show<TUserAccessForm>(); });
}

void TUserListForm::Dokumenter1Click()
{
    ShowDocuments(QStringLiteral("document.user="), dataset() ? dataset()->currentId() : 0);
}
