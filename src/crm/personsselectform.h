#pragma once
// The employee picker (TPersonsSelectForm, "Velg ansatte ..."): one check
// box per user, initials and name, for the persons field of projects,
// calendar entries and assets. An entry is ticked when its initials are one
// of the persons text's words: "ABC" never ticks "AB".
#include <QDialog>

class Dataset;
class QListWidget;
class QPushButton;

// The initials a persons text names ("AB, CD" or "AB CD;EF").
QStringList PersonsInitials(const QString& persons);

class TPersonsSelectForm : public QDialog {
    Q_OBJECT
public:
    explicit TPersonsSelectForm(QWidget* parent = nullptr);

    // Fills the list from the users table and ticks the initials of persons.
    void Fill(const QString& persons);
    // The ticked initials in list order, joined by ", ".
    QString Selected() const;

    QListWidget* CheckListBox1;
    QPushButton* HentButton;
};

// The persons text the picker works on.
extern QString SelectedPersons;
// Shows the picker for ds's current row; "Hent" stores the ticked initials
// in its persons field, closing otherwise keeps the text. The row is put
// into edit state either way; the caller saves it.
void SelectPersons(Dataset& ds);
