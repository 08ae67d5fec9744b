#include "exportsui/saftexportform.h"

#include "core/dialogs.h"
#include "core/felles.h"
#include "core/login.h"
#include "core/sysreg.h"
#include "data/connection.h"
#include "data/datamodule.h"
#include "exports/saft.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

std::function<QString(QWidget*, const QString&)> TSaftExportForm::ChooseFile = [](QWidget* parent,
                                                                                  const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("SAF-T regnskapsfil"), suggested,
                                        QStringLiteral("SAF-T-fil (*.xml)"));
};

TSaftExportForm::TSaftExportForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SaftExportForm"));
    setWindowTitle(QStringLiteral("SAF-T regnskapsfil"));
    auto* v = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Kontoplan, kunder, leverandører og posteringene i perioden som "
                                            "SAF-T Financial (versjon 1.30) for Skatteetaten eller regnskapsføreren."));
    intro->setWordWrap(true);
    v->addWidget(intro);
    auto* g = new QGridLayout;
    FromEdit = new QLineEdit;
    ToEdit = new QLineEdit;
    for (QLineEdit* e : {FromEdit, ToEdit}) {
        e->setInputMask(QStringLiteral("00.00.0000"));
        e->setFixedWidth(90);
    }
    FileEdit = new QLineEdit;
    BrowseButton = new QPushButton(QStringLiteral("..."));
    BrowseButton->setFixedWidth(32);
    BrowseButton->setToolTip(QStringLiteral("Velg filen"));
    g->addWidget(new QLabel(QStringLiteral("Fra dato:")), 0, 0, Qt::AlignRight);
    g->addWidget(FromEdit, 0, 1, Qt::AlignLeft);
    g->addWidget(new QLabel(QStringLiteral("Til dato:")), 1, 0, Qt::AlignRight);
    g->addWidget(ToEdit, 1, 1, Qt::AlignLeft);
    g->addWidget(new QLabel(QStringLiteral("Fil:")), 2, 0, Qt::AlignRight);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(BrowseButton);
    g->addLayout(fileRow, 2, 1);
    g->setColumnStretch(1, 1);
    v->addLayout(g);
    ResultLabel = new QLabel;
    ResultLabel->setWordWrap(true);
    ResultLabel->setObjectName(QStringLiteral("ResultLabel"));
    v->addWidget(ResultLabel);
    v->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ExportButton = new QPushButton(QStringLiteral("&Eksporter"));
    CloseButton = new QPushButton(QStringLiteral("&Lukk"));
    buttons->addWidget(ExportButton);
    buttons->addWidget(CloseButton);
    v->addLayout(buttons);
    connect(ExportButton, &QPushButton::clicked, this, [this] { ExportClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(BrowseButton, &QPushButton::clicked, this, &TSaftExportForm::BrowseClick);
    // A changed period changes the file name offered, unless one was chosen.
    for (QLineEdit* e : {FromEdit, ToEdit})
        connect(e, &QLineEdit::textEdited, this, [this] {
            if (FileEdit->property("offered").toBool()) {
                FileEdit->setText(suggestedFile());
                FileEdit->setProperty("offered", true);
            }
        });
    connect(FileEdit, &QLineEdit::textEdited, this, [this] { FileEdit->setProperty("offered", false); });
    resize(540, 220);
}

QString TSaftExportForm::suggestedFile() const
{
    QString folder;
    {
        MainIniSection s(QStringLiteral("STANDARD"));
        folder = GetRegStr(QStringLiteral("EHF-mappe")).trimmed();
    }
    if (folder.isEmpty()) folder = TrelvoPath(QStringLiteral("ehf"));
    const QDate from = QDate::fromString(FromEdit->text(), QStringLiteral("dd.MM.yyyy"));
    const QDate to = QDate::fromString(ToEdit->text(), QStringLiteral("dd.MM.yyyy"));
    const QString period = from.isValid() && to.isValid()
                               ? from.toString(QStringLiteral("yyyyMMdd")) + '-' + to.toString(QStringLiteral("yyyyMMdd"))
                               : QStringLiteral("periode");
    return QDir(folder).filePath(QStringLiteral("SAF-T_") + period + QStringLiteral(".xml"));
}

void TSaftExportForm::showEvent(QShowEvent* e)
{
    LoadWindow(this, QStringLiteral("SaftExportForm"), QStringLiteral("OnlyPos"));
    if (FromEdit->text() == QLatin1String("..")) {
        // The year the accounts were last closed for: the one before this.
        const int year = QDate::currentDate().year() - 1;
        FromEdit->setText(DateStr(QDate(year, 1, 1)));
        ToEdit->setText(DateStr(QDate(year, 12, 31)));
    }
    if (FileEdit->text().isEmpty() || FileEdit->property("offered").toBool()) {
        FileEdit->setText(suggestedFile());
        FileEdit->setProperty("offered", true);
    }
    ResultLabel->clear();
    QWidget::showEvent(e);
}

void TSaftExportForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("SaftExportForm"));
    QWidget::closeEvent(e);
}

void TSaftExportForm::BrowseClick()
{
    const QString f = ChooseFile(this, FileEdit->text().isEmpty() ? suggestedFile() : FileEdit->text());
    if (f.isEmpty()) return;
    FileEdit->setText(f);
    FileEdit->setProperty("offered", false);
}

bool TSaftExportForm::ExportClick()
{
    auto refuse = [this](const QString& why) {
        ResultLabel->setText(why);
        CurrentDialogs()->ShowMessage(why, QStringLiteral("Feil"));
        return false;
    };
    SaftOptions o;
    o.from = QDate::fromString(FromEdit->text(), QStringLiteral("dd.MM.yyyy"));
    o.to = QDate::fromString(ToEdit->text(), QStringLiteral("dd.MM.yyyy"));
    if (!o.from.isValid()) return refuse(QStringLiteral("Fra dato «%1» er ikke en gyldig dato.").arg(FromEdit->text()));
    if (!o.to.isValid()) return refuse(QStringLiteral("Til dato «%1» er ikke en gyldig dato.").arg(ToEdit->text()));
    const QString file = FileEdit->text().trimmed();
    if (file.isEmpty()) return refuse(QStringLiteral("Velg filen SAF-T-filen skal skrives til."));
    if (!HasDataModule() || !DataModule().MyConnection.isOpen())
        return refuse(QStringLiteral("Ingen databasetilkobling."));
    o.contactName = MyLoginRealName;
    QDir().mkpath(QFileInfo(file).absolutePath());

    // A connection of its own: the export streams for a while and must not
    // hold the shared one.
    Connection c;
    ConnectParams p = DataModule().MyConnection.params();
    p.readTimeout = 0;
    p.writeTimeout = 0;
    if (!c.open(p)) return refuse(DbFailure(QStringLiteral("Kan ikke koble til databasen"), c));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaftResult r = WriteSaftFinancial(c, file, o);
    QApplication::restoreOverrideCursor();
    if (!r.ok) return refuse(r.error);
    const QString done = QStringLiteral("SAF-T-filen er skrevet til %1: %2 posteringer, %3 kontoer, %4 kunder og %5 "
                                        "leverandører.")
                             .arg(QDir::toNativeSeparators(file))
                             .arg(r.transactions)
                             .arg(r.accounts)
                             .arg(r.customers)
                             .arg(r.suppliers) +
                         (r.skippedUndated > 0
                              ? QStringLiteral(" %1 posteringer uten dato er ikke tatt med.").arg(r.skippedUndated)
                              : QString());
    ResultLabel->setText(done);
    CurrentDialogs()->ShowMessage(done, QStringLiteral("SAF-T regnskapsfil"));
    return true;
}

QAction* AddSaftExportItem(QMenu* menu)
{
    QAction* a = menu->addAction(QStringLiteral("SAF-T regnskapsfil ..."));
    QObject::connect(a, &QAction::triggered, a, [] { Windows().show<TSaftExportForm>(); });
    QObject::connect(menu, &QMenu::aboutToShow, a, [a] { a->setEnabled(Windows().has<TSaftExportForm>()); });
    return a;
}
