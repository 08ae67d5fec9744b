#pragma once
// The web site's banners ("Reklame"): the list TBannerListForm and the
// record window TBannerDataForm on the shared banner dataset.
#include "ui/dataform.h"
#include "ui/datadrop.h"
#include "ui/listform.h"

#include <functional>

class TBannerListForm : public TListForm {
    Q_OBJECT
public:
    explicit TBannerListForm(QWidget* parent = nullptr);
    DropTarget* GridDrops;

protected:
    void changeEvent(QEvent* e) override;
};

class TBannerDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TBannerDataForm(QWidget* parent = nullptr);

    // The picture dialog of "..." (as the news window's).
    static std::function<QString(const QString& caption, const QString& folder)> ChoosePicture;

    TDBEdit *NameEdit, *PictureEdit, *UrlEdit, *PositionEdit, *ShowOrderEdit, *BrowserEdit, *IpEdit;
    TDBDateEdit *FromEdit, *ToEdit;
    TDBLookupComboBox* CompanyCombo;
    TDBMemo* Memo1;
    QToolButton* PictureButton;

    void PictureButtonClick();
    bool SetPicture(const QString& file);
};

// Saves what is still being edited in the news and banner windows (at the
// program's end); false when a save failed (logged).
bool SavePendingWebEdits();
