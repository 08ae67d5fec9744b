#pragma once
// Folder set-up (TMappeOppsettForm, "Oppsett programmapper"): the folder
// keys of the program folders and the PDF folder, each with a browse
// button; a double click on a field opens the folder.

#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QToolButton;
class QFrame;

class TMappeOppsettForm : public QDialog {
    Q_OBJECT
public:
    explicit TMappeOppsettForm(QWidget* parent = nullptr);

    // One folder field: caption, key and section of its setting.
    struct Field {
        QString caption;
        QString key;
        QString section;
        bool advanced;
        QLineEdit* edit = nullptr;
        QToolButton* browse = nullptr;
    };
    const std::vector<Field>& fields() const { return fields_; }
    QLineEdit* edit(const QString& caption) const;

    // With advanced false only the first panel shows.
    void VisMappeOppsett(bool advanced);
    // Reads the eight keys into the fields / writes the fields back.
    void ReadFolders();
    void WriteFolders();

    QFrame* Panel1;
    QFrame* AdvancedPanel;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void browse(Field& f);
    std::vector<Field> fields_;
    bool read_ = false;
};
