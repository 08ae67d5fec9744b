#include "crm/contactimportexportform.h"

#include "contacts/contactio.h"
#include "core/dialogs.h"
#include "core/sysreg.h"
#include "data/datamodule.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const char* kFilter = "VCARD (*.vcf);;Alle filer (*)";
}

TContactImportExportForm::TContactImportExportForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ContactImportExportForm"));
    setWindowTitle(QStringLiteral("Eksporter og Importer Kontakter"));
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    FormatCombo = new QComboBox(this);
    FormatCombo->addItem(QStringLiteral("VCARD 3.0"));
    f->addRow(QStringLiteral("Filformat:"), FormatCombo);
    v->addLayout(f);
    auto* h = new QHBoxLayout;
    ImporterButton = new QPushButton(QStringLiteral("Importer"), this);
    EksporterButton = new QPushButton(QStringLiteral("Eksporter"), this);
    h->addWidget(ImporterButton);
    h->addWidget(EksporterButton);
    v->addLayout(h);
    OpprettFirmaer = new QCheckBox(QStringLiteral("Opprett firmaer"), this);
    v->addWidget(OpprettFirmaer);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->hide();
    v->addWidget(ProgressBar1);
    ResultLabel = new QLabel(this);
    ResultLabel->setWordWrap(true);
    v->addWidget(ResultLabel);
    v->addStretch();
    resize(360, 190);

    connect(EksporterButton, &QPushButton::clicked, this, [this] {
        if (FormatCombo->currentIndex() != 0) return;
        const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Eksporter kontakter"),
                                                          TrelvoPath(QStringLiteral("export")) + QStringLiteral("contacts.vcf"),
                                                          QString::fromLatin1(kFilter));
        if (!file.isEmpty()) ExportVcard3(file);
    });
    connect(ImporterButton, &QPushButton::clicked, this, [this] {
        if (FormatCombo->currentIndex() != 0) return;
        QFileDialog d(this, QStringLiteral("Importer kontakter"), TrelvoPath(QStringLiteral("import")),
                      QString::fromLatin1(kFilter));
        d.setDefaultSuffix(QStringLiteral("vcf"));
        d.setFileMode(QFileDialog::ExistingFile);
        if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) ImportVCard3(d.selectedFiles().first());
    });
}

bool TContactImportExportForm::ExportVcard3(const QString& file)
{
    Dataset& contacts = DataModule().ContactQuery;
    if (!contacts.isOpen()) DataModule().ContactSQLSelect();
    ProgressBar1->setRange(0, qMax(1, contacts.recordCount()));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const VCardExportResult r = ExportVCardFile(contacts, file, [this](int done, int total, const QString& name) {
        ProgressBar1->setRange(0, qMax(1, total));
        ProgressBar1->setValue(done);
        setWindowTitle(name);
        if (done % 50 == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
    ProgressBar1->hide();
    if (!r.error.isEmpty()) {
        CurrentDialogs()->ShowMessage(r.error, QStringLiteral("FEIL"));
        return false;
    }
    ResultLabel->setText(QString::number(r.written) + QStringLiteral(" kontakter eksportert til ") + file);
    return true;
}

bool TContactImportExportForm::ImportVCard3(const QString& file)
{
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const VCardImportResult r =
        ImportVCardFile(DataModule(), file, OpprettFirmaer->isChecked(), [this](int done, int total, const QString&) {
            ProgressBar1->setRange(0, qMax(1, total));
            ProgressBar1->setValue(done);
            if (done % 50 == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    QApplication::restoreOverrideCursor();
    ProgressBar1->hide();
    if (!r.error.isEmpty()) {
        CurrentDialogs()->ShowMessage(r.error, QStringLiteral("FEIL"));
        return false;
    }
    DataModule().ContactSQLSelect();
    if (r.companiesCreated) DataModule().TableOpen(DataModule().CompanyTable, true);
    QString text = QString::number(r.imported) + QStringLiteral(" kontakter importert");
    if (r.companiesCreated) text += QStringLiteral(", ") + QString::number(r.companiesCreated) + QStringLiteral(" nye firmaer");
    if (r.shortened)
        text += QStringLiteral(", ") + QString::number(r.shortened) + QStringLiteral(" for lange verdier kortet (se loggen)");
    ResultLabel->setText(text);
    return true;
}

void TContactImportExportForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) LoadWindow(this, QStringLiteral("ContactImportExportForm"), QStringLiteral("OnlyPos"));
    QWidget::showEvent(e);
}

void TContactImportExportForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("ContactImportExportForm"));
    QWidget::closeEvent(e);
}
