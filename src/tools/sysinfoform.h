#pragma once
// The system-information window: the program's version data, its files and
// folders, facts about this machine, a print test, and a hidden page
// ("Spesial") enabled by a double click on the program name at the bottom.
// Its pages are made afresh every time it is shown.

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QTabWidget;
class QWidget;

// Re-reads a settings file of the store when it changes on disk, so edits
// made in an outside editor are not overwritten when the program writes its
// settings at the end. The store's own unsaved values are written first.
void WatchSettingsFile(const QString& path);
// Re-reads path into the store when it is the main or the current user's
// settings file; false for any other file.
bool ReloadSettingsFile(const QString& path);

// The memory figures of the "System" page: total in kilobytes, load in per cent.
bool ReadMemoryInfo(const QString& meminfoText, qint64& totalKb, int& loadPercent);

class TSysInfoForm : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString ProgramLabelName MEMBER ProgramLabelName)
public:
    explicit TSysInfoForm(QWidget* parent = nullptr);

    QString ProgramLabelName;
    // How files and folders are opened; tests replace it.
    std::function<bool(const QString& file)> open;

    // Builds the pages anew, with the "Spesial" page disabled.
    void Build();
    // The value label of a row, by its object name ("Inifil", "Loggfil", ...).
    QLabel* value(const QString& name) const;
    // A click on a row's value.
    void Click(const QString& name);
    void EnableSpecial();

    QTabWidget* Pages = nullptr;
    QWidget* SpecialPage = nullptr;
    QLabel* ProgramLabel = nullptr;
    QLabel* Picture = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* page(const QString& caption, const std::vector<std::pair<QString, QLabel*>>& rows);
    QLabel* row(const QString& name, const QString& text, std::function<void()> click = {});
    void openSettingsFile(const QString& path);
    std::map<QString, std::pair<QLabel*, std::function<void()>>> rows_;
};
