#pragma once
// Start-up options (TOppstartForm, "Oppstart"): the logging and clean-up
// switches of section STANDARD of the main settings file.

#include <QDialog>

class QCheckBox;

class TOppstartForm : public QDialog {
    Q_OBJECT
public:
    explicit TOppstartForm(QWidget* parent = nullptr);

    void ReadKeys();
    void WriteKeys();

    QCheckBox* LogToFileBox;
    QCheckBox* VerboseBox;
    QCheckBox* ClearLogBox;
    QCheckBox* DeleteTempBox;
    QCheckBox* DeleteSysTempBox;
    QCheckBox* AutologonBox;
    QCheckBox* DirectLoggingBox;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    bool read_ = false;
};
