#pragma once
// The web site's news: the list TNewsListForm ("Nyheter") and the record
// window TNewsDataForm ("Nyhet") on the shared news dataset, which opens
// with the active news ("status=1").
#include "ui/dataform.h"
#include "ui/datadrop.h"
#include "ui/listform.h"

#include <functional>

class TNewsListForm : public TListForm {
    Q_OBJECT
public:
    explicit TNewsListForm(QWidget* parent = nullptr);

    QAction *Publiserte1, *Ikkepubliserte1, *Historie1, *Aktive1;
    DropTarget* GridDrops;

protected:
    void changeEvent(QEvent* e) override;
};

class TNewsDataForm : public TDataForm {
    Q_OBJECT
public:
    explicit TNewsDataForm(QWidget* parent = nullptr);

    // The picture dialog of "...": (caption, start folder) -> the chosen
    // file, empty when cancelled. Tests replace it.
    static std::function<QString(const QString& caption, const QString& folder)> ChoosePicture;

    TDBDateEdit *DateEdit, *StartEdit, *StopEdit;
    TDBLookupComboBox* AuthorCombo;
    TDBEdit *HeaderEdit, *PictureEdit, *TopicEdit;
    TDBMemo *TextMemo, *MoreTextMemo;
    QToolButton* PictureButton;
    TDBCheckBox *PublishedBox, *HistoryBox;

    // "..." beside "Bilde:": the picture's web address goes into picture.
    void PictureButtonClick();
    // Stores file's web address as the row's picture; false (with a
    // message) when it lies outside the document folders.
    bool SetPicture(const QString& file);
    void FormShow() override;

protected:
    // Closing saves a pending edit; a save that fails keeps the window open.
    void closeEvent(QCloseEvent* e) override;
};
