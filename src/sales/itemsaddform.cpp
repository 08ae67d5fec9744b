#include "sales/itemsaddform.h"

#include "core/dialogs.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "data/itemcopy.h"
#include "ui/windowplacement.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>

int ItemsAddMode = 0;

namespace {
bool anyDocumentOpen()
{
    return CurrentOrderID != 0 || CurrentOfferID != 0 || CurrentInvoiceID != 0 || CurrentPOID != 0;
}
} // namespace

TItemsAddForm::TItemsAddForm(QWidget* parent) : QDialog(parent), dm_(DataModule())
{
    setObjectName(QStringLiteral("ItemsAddForm"));
    setWindowTitle(QStringLiteral("Hent vare"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(80);
    Edit3 = new QComboBox(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setEditable(true);
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(18, 18);
    Shape1->setStyleSheet(QStringLiteral("background-color: #ff0000; border: 1px dotted #800000;"));
    Shape1->setToolTip(QStringLiteral("Finner ikke varenummeret"));
    Shape1->hide();

    auto* code = new QWidget(this);
    auto* h = new QHBoxLayout(code);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(Edit2, 1);
    h->addWidget(Shape1);
    auto* f = new QFormLayout(this);
    f->addRow(QStringLiteral("Varenummer:"), code);
    f->addRow(QStringLiteral("Antall:"), Edit1);
    f->addRow(QStringLiteral("Merk:"), Edit3);
    setMinimumWidth(320);
    for (QWidget* w : {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit3)})
        w->installEventFilter(this);
    Edit1->setText(QStringLiteral("1"));
}

int TItemsAddForm::Count() const
{
    bool ok = false;
    const int n = Edit1->text().trimmed().toInt(&ok);
    return ok ? n : 1;
}

void TItemsAddForm::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        Shape1->hide();
        Dataset& products = dm_.ProductTable;
        Edit2->setText(products.isOpen() && !products.isEmpty() ? products.asString("productcode") : QString());
        Edit2->setEnabled(ItemsAddMode != 0);
        LoadWindow(this, QStringLiteral("ItemsAddForm"), QStringLiteral("OnlyPos"));
        Edit3->clear();
        // The marks offered: the lines of FIRMA.TXV; without the file the
        // list stays empty.
        TextFile marks;
        const QString markFile = Inifilpath + QStringLiteral("FIRMA.TXV");
        if (QFile::exists(markFile) && opentextfile(marks, markFile) == 0) {
            QString line;
            while (!eoftextfile(marks) && readlntextfile(marks, line) == 0)
                if (!line.trimmed().isEmpty()) Edit3->addItem(line.trimmed());
            closetextfile(marks);
        }
        Edit3->setEditText(LastMark);
        if (ItemsAddMode == 0) {
            Edit1->setFocus();
            Edit1->selectAll();
        } else {
            Edit2->setFocus();
        }
        if (!anyDocumentOpen()) {
            // Nothing to add to: say so instead of adding lines nowhere.
            QMetaObject::invokeMethod(this, [this] {
                CurrentDialogs()->ShowMessage(
                    QStringLiteral("Åpne en ordre, et tilbud, en faktura eller en bestilling før du henter varer."),
                    QStringLiteral("Feil"));
                reject();
            }, Qt::QueuedConnection);
        }
    }
    QDialog::showEvent(e);
}

void TItemsAddForm::done(int r)
{
    SaveWindow(this, QStringLiteral("ItemsAddForm"), QString());
    QDialog::done(r);
}

bool TItemsAddForm::AddItem()
{
    if (!anyDocumentOpen()) {
        CurrentDialogs()->ShowMessage(
            QStringLiteral("Åpne en ordre, et tilbud, en faktura eller en bestilling før du henter varer."),
            QStringLiteral("Feil"));
        return false;
    }
    LastMark = Edit3->currentText();
    const int count = Count();
    if (ItemsAddMode == 0) {
        const bool ok = CopyProductToItems(dm_, true, count);
        accept();
        return ok;
    }
    ProductValues p;
    bool ok = false;
    if (FindProduct(dm_.MyConnection, Edit2->text().trimmed(), p)) {
        ok = CopyProductToItems(dm_, p, true, count);
        Shape1->hide();
    } else {
        Shape1->show();
    }
    QApplication::beep();
    Edit2->setFocus();
    Edit2->selectAll();
    return ok;
}

bool TItemsAddForm::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && o == Edit1) QMetaObject::invokeMethod(Edit1, &QLineEdit::selectAll, Qt::QueuedConnection);
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool enter = (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
                           (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::KeypadModifier);
        if (enter) {
            if (o == Edit2) {
                Edit1->setFocus();
            } else {
                AddItem();
            }
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
