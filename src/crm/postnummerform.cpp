#include "crm/postnummerform.h"

#include "crm/postnummer.h"
#include "core/textfil.h"
#include "netui/httpdownloadform.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TPostnummerForm::TPostnummerForm(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("PostnummerForm"));
    setWindowTitle(QStringLiteral("Postnummer"));
    auto* f = new QFormLayout(this);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ePostNr = new QLineEdit(this);
    ePostNr->setObjectName(QStringLiteral("ePostNr"));
    ePostNr->setMaxLength(4);
    ePostNr->setFixedWidth(60);
    auto label = [this] {
        auto* l = new QLabel(QStringLiteral("?"), this);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setMinimumWidth(220);
        return l;
    };
    PoststedLabel = label();
    KommunenrLabel = label();
    FylkeLabel = label();
    KommuneLabel = label();
    KategoriLabel = label();
    {
        QFont b = PoststedLabel->font();
        b.setBold(true);
        PoststedLabel->setFont(b);
    }
    LastNedButton = new QPushButton(QStringLiteral("Last ned postfil"), this);
    LastNedButton->setObjectName(QStringLiteral("LastNedButton"));
    LastNedButton->setToolTip(QStringLiteral("Hent postens fullstendige postnummerregister"));
    LastNedButton->hide();
    connect(LastNedButton, &QPushButton::clicked, this, [this] { LastNedClick(); });

    f->addRow(QStringLiteral("Postnummer:"), ePostNr);
    f->addRow(QStringLiteral("Poststed:"), PoststedLabel);
    f->addRow(QStringLiteral("Kommunenr.:"), KommunenrLabel);
    f->addRow(QStringLiteral("Fylke:"), FylkeLabel);
    f->addRow(QStringLiteral("Kommune:"), KommuneLabel);
    f->addRow(QStringLiteral("Kategori:"), KategoriLabel);
    f->addRow(QString(), LastNedButton);

    connect(ePostNr, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (t.size() == 4) HentPostnummer();
    });
}

void TPostnummerForm::setAll(const QString& text)
{
    for (QLabel* l : {PoststedLabel, KommunenrLabel, FylkeLabel, KommuneLabel, KategoriLabel}) l->setText(text);
}

void TPostnummerForm::HentPostnummer()
{
    PostRegister& reg = PostRegister::instance();
    if (!reg.available()) {
        LastNedButton->show();
        return;
    }
    LastNedButton->hide();
    PostnummerInfo e;
    if (!reg.find(ePostNr->text(), e)) {
        setAll(QStringLiteral("?"));
        return;
    }
    auto orAsk = [](const QString& s) { return s.isEmpty() ? QStringLiteral("?") : s; };
    PoststedLabel->setText(e.poststed);
    KommunenrLabel->setText(orAsk(e.kommunenr));
    FylkeLabel->setText(orAsk(FylkeNavn(e.kommunenr)));
    KommuneLabel->setText(orAsk(e.kommune));
    KategoriLabel->setText(KategoriNavn(e.kategori));
}

bool TPostnummerForm::LastNedClick()
{
    DownloadOptions o;
    o.validate = CheckPostRegisterFile;
    if (!DownloadHTTPFile(PostRegisterPath(), PostRegisterURL(), o)) return false;
    LogLine(QStringLiteral("Postregister: lastet ned fra ") + PostRegisterURL());
    HentPostnummer();
    LastNedButton->hide();
    return true;
}

void TPostnummerForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        LoadWindow(this, QStringLiteral("PostnummerForm"), QStringLiteral("OnlyPos"));
        HentPostnummer();
    }
    QWidget::showEvent(e);
}

void TPostnummerForm::closeEvent(QCloseEvent* e)
{
    SaveWindow(this, QStringLiteral("PostnummerForm"));
    QWidget::closeEvent(e);
}
