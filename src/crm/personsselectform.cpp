#include "crm/personsselectform.h"

#include "data/datamodule.h"
#include "ui/windowregistry.h"
#include "ui/windowplacement.h"

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

QString SelectedPersons;

QStringList PersonsInitials(const QString& persons)
{
    static const QRegularExpression sep(QStringLiteral("[,;\\s]+"));
    return persons.split(sep, Qt::SkipEmptyParts);
}

TPersonsSelectForm::TPersonsSelectForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PersonsSelectForm"));
    setWindowTitle(QStringLiteral("Velg ansatte ..."));
    auto* v = new QVBoxLayout(this);
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setMinimumSize(280, 300);
    HentButton = new QPushButton(QStringLiteral("Hent"), this);
    HentButton->setDefault(true);
    v->addWidget(CheckListBox1);
    v->addWidget(HentButton, 0, Qt::AlignRight);
    connect(HentButton, &QPushButton::clicked, this, [this] {
        SelectedPersons = Selected();
        accept();
    });
}

void TPersonsSelectForm::Fill(const QString& persons)
{
    CheckListBox1->clear();
    const QStringList chosen = PersonsInitials(persons);
    auto r = DataModule().MyConnection.query(
        QStringLiteral("SELECT initials, realname FROM users ORDER BY realname, initials"));
    while (r && r->next()) {
        const QString initials = r->value(0).trimmed();
        auto* item = new QListWidgetItem(initials + QStringLiteral(", ") + r->value(1), CheckListBox1);
        item->setData(Qt::UserRole, initials);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(!initials.isEmpty() && chosen.contains(initials) ? Qt::Checked : Qt::Unchecked);
    }
}

QString TPersonsSelectForm::Selected() const
{
    QStringList out;
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem* item = CheckListBox1->item(i);
        if (item->checkState() == Qt::Checked) out << item->data(Qt::UserRole).toString();
    }
    return out.join(QStringLiteral(", "));
}

void SelectPersons(Dataset& ds)
{
    SelectedPersons = ds.asString(QStringLiteral("persons"));
    TPersonsSelectForm* f = Windows().get<TPersonsSelectForm>();
    std::unique_ptr<TPersonsSelectForm> own;
    if (!f) {
        own = std::make_unique<TPersonsSelectForm>();
        f = own.get();
    }
    f->Fill(SelectedPersons);
    f->exec();
    if (ds.state() != Dataset::Edit && ds.state() != Dataset::Insert && !ds.edit()) return;
    ds.setValue(QStringLiteral("persons"), SelectedPersons);
}
