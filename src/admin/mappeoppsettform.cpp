#include "admin/mappeoppsettform.h"

#include "core/platform.h"
#include "core/sysreg.h"
#include "core/sysreg.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>


TMappeOppsettForm::TMappeOppsettForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MappeOppsettForm"));
    setWindowTitle(QStringLiteral("Oppsett programmapper"));
    fields_ = {
        {QStringLiteral("Dokumenter:"), QStringLiteral("data/docs_folder"), QStringLiteral("FOLDERS"), false},
        {QStringLiteral("Midlertidige filer:"), QStringLiteral("tmp_folder"), QStringLiteral("FOLDERS"), false},
        {QStringLiteral("Dokumentasjon:"), QStringLiteral("doc_folder"), QStringLiteral("FOLDERS"), false},
        {QStringLiteral("PDF-mappe:"), QStringLiteral("PDF-mappe"), QStringLiteral("STANDARD"), false},
        {QStringLiteral("Importmappe:"), QStringLiteral("import_folder"), QStringLiteral("FOLDERS"), false},
        {QStringLiteral("Rørfiler:"), QStringLiteral("data/tavla_folder"), QStringLiteral("FOLDERS"), true},
        {QStringLiteral("XML-data:"), QStringLiteral("xml_folder"), QStringLiteral("FOLDERS"), true},
        {QStringLiteral("Bildefiler:"), QStringLiteral("images_folder"), QStringLiteral("FOLDERS"), true},
    };
    Panel1 = new QFrame(this);
    AdvancedPanel = new QFrame(this);
    for (QFrame* p : {Panel1, AdvancedPanel})
        p->setFrameShape(QFrame::StyledPanel);
    auto* g1 = new QGridLayout(Panel1);
    auto* g2 = new QGridLayout(AdvancedPanel);
    int row1 = 0, row2 = 0;
    for (Field& f : fields_) {
        QFrame* panel = f.advanced ? AdvancedPanel : Panel1;
        QGridLayout* g = f.advanced ? g2 : g1;
        int& row = f.advanced ? row2 : row1;
        auto* label = new QLabel(f.caption, panel);
        f.edit = new QLineEdit(panel);
        f.edit->setMinimumWidth(340);
        f.edit->installEventFilter(this);
        label->setBuddy(f.edit);
        f.browse = new QToolButton(panel);
        f.browse->setText(QStringLiteral("..."));
        f.browse->setToolTip(QStringLiteral("Bla etter mappe"));
        g->addWidget(label, row, 0);
        g->addWidget(f.edit, row, 1);
        g->addWidget(f.browse, row, 2);
        ++row;
        Field* fp = &f;
        connect(f.browse, &QToolButton::clicked, this, [this, fp] { browse(*fp); });
    }
    auto* v = new QVBoxLayout(this);
    v->addWidget(Panel1);
    v->addWidget(AdvancedPanel);
    v->addStretch();
    v->setSizeConstraint(QLayout::SetFixedSize);
    VisMappeOppsett(false);
}

QLineEdit* TMappeOppsettForm::edit(const QString& caption) const
{
    for (const Field& f : fields_)
        if (f.caption == caption)
            return f.edit;
    return nullptr;
}

void TMappeOppsettForm::VisMappeOppsett(bool advanced)
{
    AdvancedPanel->setVisible(advanced);
    adjustSize();
}

void TMappeOppsettForm::ReadFolders()
{
    read_ = true;
    for (Field& f : fields_) {
        MainIniSection s(f.section);
        f.edit->setText(GetRegStr(f.key));
    }
}

void TMappeOppsettForm::WriteFolders()
{
    for (Field& f : fields_) {
        MainIniSection s(f.section);
        SetRegStr(f.key, f.edit->text());
    }
    FlushSettings();
}

void TMappeOppsettForm::showEvent(QShowEvent* e)
{
    ReadFolders();
    QDialog::showEvent(e);
}

void TMappeOppsettForm::done(int r)
{
    // Only what was read can be written back: a window closed before it
    // was ever shown must not empty the keys.
    if (read_)
        WriteFolders();
    QDialog::done(r);
}

bool TMappeOppsettForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        for (const Field& f : fields_)
            if (o == f.edit && !f.edit->text().isEmpty()) {
                StartProg(f.edit->text());
                return true;
            }
    }
    return QDialog::eventFilter(o, e);
}

void TMappeOppsettForm::browse(Field& f)
{
    f.edit->setText(HentdirStr(f.edit->text()));
}
