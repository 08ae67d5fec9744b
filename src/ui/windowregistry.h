#pragma once
// The program's windows: each is made once at start-up, lives for the whole
// run and is shown and hidden, never destroyed before the program ends.
// Windows are known by their class name ("TCompanyListForm"); a window that
// has not been registered simply does not exist yet, and whatever opens it
// (a button, a menu item) stays disabled.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

class TDatabaseModule;

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    // Every window of the program in the order the start-up makes them.
    static const QStringList& CreationOrder();

    // Registers how to make a window. A name registered again replaces the
    // earlier factory (before createAll only).
    void add(const QString& className, Factory factory);
    bool isRegistered(const QString& className) const;
    // Makes every registered window that does not exist yet: those of
    // CreationOrder in that order, then the others in registration order.
    void createAll();
    // The window, or null when it does not exist.
    QWidget* find(const QString& className) const;
    template <class T>
    T* get() const
    {
        return qobject_cast<T*>(find(QString::fromLatin1(T::staticMetaObject.className())));
    }
    bool has(const QString& className) const { return find(className) != nullptr; }
    // Shows the window as an ordinary window and brings it to the front.
    // False when it does not exist.
    bool show(const QString& className);
    // Shows a dialog window modally; -1 when it does not exist.
    int showModal(const QString& className);
    // The names of the windows made so far, in the order they were made.
    QStringList created() const;
    // Deletes every window, the last made first (at the program's end).
    void destroyAll();
    // destroyAll, and every registration forgotten.
    void reset();

private:
    std::map<QString, Factory> factories_;
    QStringList registration_;
    std::vector<std::pair<QString, QPointer<QWidget>>> windows_;
};

// The program's registry.
WindowRegistry& Windows();

// The program's data module, made by the start-up before any window.
TDatabaseModule& DataModule();
void SetDataModule(TDatabaseModule* dm);
bool HasDataModule();
