#pragma once
// The two bulk formatting windows: TContactFormatForm ("Formatering av
// kontaktinformasjon") over the contact list and TCompanyFormatForm
// ("Formater av firmainformasjon") over the company list, each as it is
// filtered. "Forhåndsvis" lists what would change; "Formatér" writes the
// changed fields of the changed rows only.
#include "contacts/contactformat.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class Dataset;

class TFormatFormBase : public QWidget {
    Q_OBJECT
public:
    TFormatFormBase(FormatTarget target, const QString& caption, const QString& key, QWidget* parent = nullptr);

    FormatRules rules() const;
    // Fills the preview with what the ticked rules would change.
    void Preview();
    // Runs the ticked rules over the list; true when it finished.
    bool FormatKnappClick();
    // The enabling rules between the phone boxes.
    void UpdateBoxes();

    QCheckBox *RmBlank, *RmHyphen, *FmtPhone, *Add47, *Rm47, *UpperCity, *FmtName, *UpdateCity;
    QPushButton *PreviewButton, *FormatKnapp;
    QProgressBar* ProgressBar1;
    QTableWidget* PreviewGrid;
    QLabel* ResultLabel;

protected:
    virtual Dataset& dataset() = 0;
    virtual void reread() = 0;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    FormatResult run(bool dryRun);
    FormatTarget target_;
    QString key_;
};

class TContactFormatForm : public TFormatFormBase {
    Q_OBJECT
public:
    explicit TContactFormatForm(QWidget* parent = nullptr);

protected:
    Dataset& dataset() override;
    void reread() override;
};

class TCompanyFormatForm : public TFormatFormBase {
    Q_OBJECT
public:
    explicit TCompanyFormatForm(QWidget* parent = nullptr);

protected:
    Dataset& dataset() override;
    void reread() override;
};
