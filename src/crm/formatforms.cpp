#include "crm/formatforms.h"

#include "core/dialogs.h"
#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

TFormatFormBase::TFormatFormBase(FormatTarget target, const QString& caption, const QString& key, QWidget* parent)
    : QWidget(parent, Qt::Window), target_(target), key_(key)
{
    setObjectName(key);
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RmBlank = new QCheckBox(QStringLiteral("Fjern blanke i telefonnummer"), this);
    RmHyphen = new QCheckBox(QStringLiteral("Fjern bindestrek i telefonnummer"), this);
    FmtPhone = new QCheckBox(QStringLiteral("Formatér telefonnummer"), this);
    Add47 = new QCheckBox(QStringLiteral("Legg til +47 på norske nummer"), this);
    Rm47 = new QCheckBox(QStringLiteral("Fjern +47 på norske nummer"), this);
    UpperCity = new QCheckBox(QStringLiteral("Store bokstaver på poststed"), this);
    FmtName = new QCheckBox(QStringLiteral("Formater navn"), this);
    UpdateCity = new QCheckBox(QStringLiteral("Oppdater poststed"), this);
    g->addWidget(RmBlank, 0, 0);
    g->addWidget(RmHyphen, 1, 0);
    g->addWidget(FmtPhone, 2, 0);
    g->addWidget(Add47, 3, 0);
    g->addWidget(Rm47, 4, 0);
    g->addWidget(FmtName, 0, 1);
    g->addWidget(UpdateCity, 1, 1);
    g->addWidget(UpperCity, 2, 1);
    v->addLayout(g);
    auto* h = new QHBoxLayout;
    PreviewButton = new QPushButton(QStringLiteral("Forhåndsvis"), this);
    FormatKnapp = new QPushButton(QStringLiteral("Formatér"), this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->hide();
    h->addWidget(PreviewButton);
    h->addWidget(FormatKnapp);
    h->addWidget(ProgressBar1, 1);
    h->addStretch();
    v->addLayout(h);
    PreviewGrid = new QTableWidget(0, 4, this);
    PreviewGrid->setHorizontalHeaderLabels({QStringLiteral("Id"), QStringLiteral("Felt"), QStringLiteral("Før"), QStringLiteral("Etter")});
    PreviewGrid->verticalHeader()->hide();
    PreviewGrid->verticalHeader()->setDefaultSectionSize(PreviewGrid->fontMetrics().height() + 6);
    PreviewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewGrid->horizontalHeader()->setStretchLastSection(true);
    PreviewGrid->setColumnWidth(0, 60);
    PreviewGrid->setColumnWidth(1, 110);
    PreviewGrid->setColumnWidth(2, 200);
    v->addWidget(PreviewGrid, 1);
    ResultLabel = new QLabel(this);
    ResultLabel->setWordWrap(true);
    v->addWidget(ResultLabel);
    resize(620, 460);

    for (QCheckBox* b : {RmBlank, RmHyphen, FmtPhone, Add47, Rm47})
        connect(b, &QCheckBox::toggled, this, [this] { UpdateBoxes(); });
    connect(PreviewButton, &QPushButton::clicked, this, [this] { Preview(); });
    connect(FormatKnapp, &QPushButton::clicked, this, [this] { FormatKnappClick(); });
}

void TFormatFormBase::UpdateBoxes()
{
    FmtPhone->setEnabled(!RmBlank->isChecked() && !RmHyphen->isChecked());
    RmBlank->setEnabled(!FmtPhone->isChecked());
    RmHyphen->setEnabled(!FmtPhone->isChecked());
    Rm47->setEnabled(!Add47->isChecked());
    Add47->setEnabled(!Rm47->isChecked());
}

FormatRules TFormatFormBase::rules() const
{
    FormatRules r;
    r.rmBlank = RmBlank->isChecked();
    r.rmHyphen = RmHyphen->isChecked();
    r.fmtPhone = FmtPhone->isChecked();
    r.add47 = Add47->isChecked();
    r.rm47 = Rm47->isChecked();
    r.upperCity = UpperCity->isChecked();
    r.fmtName = FmtName->isChecked();
    r.updateCity = UpdateCity->isChecked();
    return r;
}

FormatResult TFormatFormBase::run(bool dryRun)
{
    Dataset& ds = dataset();
    if (!ds.isOpen()) reread();
    FormatKnapp->hide();
    PreviewButton->setEnabled(false);
    ProgressBar1->setRange(0, qMax(1, ds.recordCount()));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FormatResult r = FormatDataset(ds, target_, rules(), dryRun, [this](int done, int total) {
        if (done % 200 == 0 || done == total) {
            ProgressBar1->setRange(0, qMax(1, total));
            ProgressBar1->setValue(done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return true;
    });
    QApplication::restoreOverrideCursor();
    ProgressBar1->hide();
    FormatKnapp->show();
    PreviewButton->setEnabled(true);
    PreviewGrid->setRowCount(0);
    const int shown = qMin<int>(int(r.changes.size()), 5000);
    PreviewGrid->setRowCount(shown);
    for (int i = 0; i < shown; ++i) {
        const FormatChange& c = r.changes[i];
        PreviewGrid->setItem(i, 0, new QTableWidgetItem(QString::number(c.id)));
        static const QHash<QString, QString> captions = {
            {"realname", "Navn"},         {"companyname", "Firmanavn"},      {"postalcode", "Postnr."},
            {"city", "Poststed"},         {"phone", "Telefon"},              {"telefax", "Telefax"},
            {"internalphone", "Jobbtelefon"}, {"homephone", "Hjemmetelefon"}, {"mobilephone", "Mobiltelefon"}};
        PreviewGrid->setItem(i, 1, new QTableWidgetItem(captions.value(c.field, c.field)));
        PreviewGrid->setItem(i, 2, new QTableWidgetItem(c.before));
        PreviewGrid->setItem(i, 3, new QTableWidgetItem(c.after));
    }
    QString text = QString::number(r.rows) + QStringLiteral(" rader gjennomgått, ") + QString::number(r.changedRows) +
                   (dryRun ? QStringLiteral(" vil bli endret") : QStringLiteral(" endret"));
    if (r.noRegister) text += QStringLiteral(". Postregisteret mangler, så poststedene er ikke endret");
    ResultLabel->setText(text + QLatin1Char('.'));
    if (!r.error.isEmpty()) CurrentDialogs()->ShowMessage(r.error, QStringLiteral("FEIL"));
    return r;
}

void TFormatFormBase::Preview() { run(true); }

bool TFormatFormBase::FormatKnappClick()
{
    if (!rules().any()) return false;
    return run(false).error.isEmpty();
}

void TFormatFormBase::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, key_);
        UpdateBoxes();
    }
    QWidget::showEvent(e);
}

void TFormatFormBase::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, key_);
    QWidget::closeEvent(e);
}

TContactFormatForm::TContactFormatForm(QWidget* parent)
    : TFormatFormBase(FormatTarget::Contacts, QStringLiteral("Formatering av kontaktinformasjon"),
                      QStringLiteral("ContactFormatForm"), parent)
{
}

Dataset& TContactFormatForm::dataset() { return DataModule().ContactQuery; }
void TContactFormatForm::reread() { DataModule().ContactSQLSelect(); }

TCompanyFormatForm::TCompanyFormatForm(QWidget* parent)
    : TFormatFormBase(FormatTarget::Companies, QStringLiteral("Formater av firmainformasjon"),
                      QStringLiteral("CompanyFormatForm"), parent)
{
}

Dataset& TCompanyFormatForm::dataset() { return DataModule().CompanyTable; }
void TCompanyFormatForm::reread() { DataModule().TableOpen(DataModule().CompanyTable); }
