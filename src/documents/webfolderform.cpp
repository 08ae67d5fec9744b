#include "documents/webfolderform.h"

#include "core/dialogs.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "net/webdocument.h"
#include "ui/windowregistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString withSlash(QString s)
{
    s = s.trimmed();
    if (!s.isEmpty() && !s.endsWith(QLatin1Char('/'))) s += QLatin1Char('/');
    return s;
}

QString localWithSlash(QString s)
{
    s = s.trimmed();
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return withSlash(s);
}

} // namespace

// --- TWebfolderForm -------------------------------------------------------------------

TWebfolderForm::TWebfolderForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WebfolderForm"));
    setWindowTitle(QStringLiteral("Oppsett WEB-mapper"));
    UseURL = new QCheckBox(QStringLiteral("Aktiver WEB-mappe"));
    UseURL->setObjectName(QStringLiteral("UseURL"));
    DocumentURL = new QLineEdit;
    DocumentURL->setObjectName(QStringLiteral("DocumentURL"));
    DocumentURL->setMinimumWidth(360);
    docfolder = new QLineEdit;
    docfolder->setObjectName(QStringLiteral("docfolder"));
    FolderButton = new QToolButton;
    FolderButton->setText(QStringLiteral("..."));
    FolderButton->setToolTip(QStringLiteral("Velg mappe"));
    URLImages = new QCheckBox(QStringLiteral("Last bilder fra WEB"));
    URLImages->setObjectName(QStringLiteral("URLImages"));
    ImagesLabel = new QLabel(QStringLiteral("Laster bilder i fra WEB-mappe, hvis de ikke finnes lokalt på disken."));
    ImagesLabel->setWordWrap(true);
    AdvButton = new QPushButton(QStringLiteral("Avansert ..."));
    AdvButton->setObjectName(QStringLiteral("AdvButton"));
    AdvButton->setAutoDefault(false);
    CloseButton = new QPushButton(QStringLiteral("Lukk"));
    CloseButton->setDefault(true);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(docfolder, 1);
    folderRow->addWidget(FolderButton);
    auto* form = new QFormLayout;
    form->addRow(UseURL);
    form->addRow(QStringLiteral("URL til dokumenter:"), DocumentURL);
    form->addRow(QStringLiteral("Lokal dokumentmappe:"), folderRow);
    form->addRow(URLImages);
    form->addRow(ImagesLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AdvButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addLayout(buttons);

    connect(UseURL, &QCheckBox::toggled, this, [this] { UseURLClick(); });
    connect(FolderButton, &QToolButton::clicked, this, [this] {
        const QString chosen = HentdirStr(docfolder->text());
        if (!chosen.isEmpty()) docfolder->setText(chosen);
    });
    connect(AdvButton, &QPushButton::clicked, this, [] { Windows().showModal(QStringLiteral("TWebfolderAdvForm")); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
    UseURLClick();
}

void TWebfolderForm::UseURLClick()
{
    const bool on = UseURL->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(DocumentURL), static_cast<QWidget*>(docfolder),
                       static_cast<QWidget*>(FolderButton), static_cast<QWidget*>(URLImages),
                       static_cast<QWidget*>(ImagesLabel), static_cast<QWidget*>(AdvButton)})
        w->setEnabled(on);
}

void TWebfolderForm::Load()
{
    const WebFolderSettings s = WebFolderSettings::Read();
    UseURL->setChecked(s.active);
    QString url = s.docUrl;
    if (url.isEmpty()) {
        QString server;
        {
            MainIniSection sql(QStringLiteral("KVARNEL_SQL"));
            server = GetRegStr(QStringLiteral("Servername")).trimmed();
        }
        // A list of cluster nodes or a port is no web address.
        server = server.section(QLatin1Char(','), 0, 0).section(QLatin1Char(':'), 0, 0).trimmed();
        if (!server.isEmpty()) url = QStringLiteral("http://") + server + QLatin1Char('/');
    }
    DocumentURL->setText(url);
    docfolder->setText(s.docLocal.isEmpty() ? s.localBase() : s.docLocal);
    URLImages->setChecked(s.useImages);
    UseURLClick();
    stored_ = false;
}

void TWebfolderForm::Store()
{
    if (stored_) return;
    stored_ = true;
    WebFolderSettings s = WebFolderSettings::Read();
    s.active = UseURL->isChecked();
    s.docUrl = withSlash(DocumentURL->text());
    s.docLocal = localWithSlash(docfolder->text());
    s.useImages = URLImages->isChecked();
    s.Write();
    FlushSettings();
    if (s.active && !s.docUrl.isEmpty() && EncodedAddress(s.docUrl).isEmpty())
        CurrentDialogs()->ShowMessage(QStringLiteral("«%1» er ikke en http- eller https-adresse. Dokumenter kan ikke "
                                                     "hentes fra WEB-mappen før adressen er rettet.")
                                          .arg(s.docUrl),
                                      QStringLiteral("Feil"));
}

void TWebfolderForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) Load();
    QDialog::showEvent(e);
}

void TWebfolderForm::done(int r)
{
    Store();
    QDialog::done(r);
}

void TWebfolderForm::closeEvent(QCloseEvent* e)
{
    Store();
    QDialog::closeEvent(e);
}

// --- TWebfolderAdvForm ----------------------------------------------------------------

TWebfolderAdvForm::TWebfolderAdvForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WebfolderAdvForm"));
    setWindowTitle(QStringLiteral("WEB-mapper, avanserte instillinger"));
    Grid = new QTableWidget(9, 2, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setHorizontalHeaderLabels({QStringLiteral("WEB-mappe"), QStringLiteral("Lokal mappe")});
    Grid->setColumnWidth(0, 400);
    Grid->setColumnWidth(1, 400);
    Grid->setToolTip(QStringLiteral("Dobbeltklikk på en rad for å velge den lokale mappen"));
    Grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                          QAbstractItemView::SelectedClicked);
    Grid->setMinimumSize(840, 9 * 30 + 30);
    Transelate = new QCheckBox(QStringLiteral("Bruk oversetting av mappeplasseringer"));
    Transelate->setObjectName(QStringLiteral("Transelate"));
    PullCombo = new QComboBox;
    PullCombo->setObjectName(QStringLiteral("PullCombo"));
    PullCombo->setEditable(true);
    CloseButton = new QPushButton(QStringLiteral("Lukk"));
    CloseButton->setDefault(true);

    auto* v = new QVBoxLayout(this);
    v->addWidget(Grid);
    v->addWidget(Transelate);
    v->addWidget(new QLabel(QStringLiteral("URL til generering av filer i database (pull):")));
    v->addWidget(PullCombo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    v->addLayout(buttons);

    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ChooseLocalFolder(row); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });
}

void TWebfolderAdvForm::Load()
{
    const WebFolderSettings s = WebFolderSettings::Read();
    for (int i = 0; i < 9; ++i) {
        Grid->setItem(i, 0, new QTableWidgetItem(s.web[size_t(i)]));
        Grid->setItem(i, 1, new QTableWidgetItem(s.local[size_t(i)]));
    }
    Transelate->setChecked(s.translate);
    // The default pull page lives on the document web server.
    const QUrl base(s.docUrl, QUrl::TolerantMode);
    const QString host = base.host().isEmpty() ? QStringLiteral("localhost") : base.host();
    const QString scheme = base.scheme().isEmpty() ? QStringLiteral("http") : base.scheme();
    PullCombo->clear();
    PullCombo->addItem(scheme + QStringLiteral("://") + host + QStringLiteral("/kv7/bin/kv-document-pulldata.php"));
    PullCombo->setEditText(s.pull);
    stored_ = false;
}

void TWebfolderAdvForm::Store()
{
    if (stored_) return;
    stored_ = true;
    WebFolderSettings s = WebFolderSettings::Read();
    for (int i = 0; i < 9; ++i) {
        const QString web = Grid->item(i, 0) ? Grid->item(i, 0)->text().trimmed() : QString();
        const QString local = Grid->item(i, 1) ? Grid->item(i, 1)->text().trimmed() : QString();
        if (web.isEmpty()) {
            // An emptied row removes its pair.
            s.web[size_t(i)].clear();
            s.local[size_t(i)].clear();
            continue;
        }
        s.web[size_t(i)] = withSlash(web);
        s.local[size_t(i)] = localWithSlash(local);
    }
    s.translate = Transelate->isChecked();
    s.pull = PullCombo->currentText().trimmed();
    s.Write();
    FlushSettings();
}

void TWebfolderAdvForm::ChooseLocalFolder(int row)
{
    if (row < 0 || row >= 9) return;
    QTableWidgetItem* item = Grid->item(row, 1);
    if (!item) Grid->setItem(row, 1, item = new QTableWidgetItem);
    const QString chosen = HentdirStr(item->text());
    if (!chosen.isEmpty()) item->setText(chosen);
}

void TWebfolderAdvForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) Load();
    QDialog::showEvent(e);
}

void TWebfolderAdvForm::done(int r)
{
    Store();
    QDialog::done(r);
}

void TWebfolderAdvForm::closeEvent(QCloseEvent* e)
{
    Store();
    QDialog::closeEvent(e);
}
