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

// The registry name of window class T ("TCompanyListForm"), taken from the
// type itself, so it works on a class that is only declared: a jump can
// name a window that another file defines, and a misspelt name does not
// compile.
template <class T>
QString WindowName()
{
    // "QString WindowName() [with T = TCompanyListForm]" (GCC and Clang).
    static const QString name = [](const char* pretty) {
        const QString f = QString::fromLatin1(pretty);
        const int at = f.indexOf(QLatin1String("T = ")) + 4;
        int end = f.indexOf(QLatin1Char(';'), at);
        if (end < 0) end = f.indexOf(QLatin1Char(']'), at);
        return f.mid(at, end - at).trimmed();
    }(__PRETTY_FUNCTION__);
    return name;
}

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    // Every window of the program in the order the start-up makes them.
    static const QStringList& CreationOrder();

    // Registers how to make a window. A name registered again replaces the
    // earlier factory (before createAll only).
    void add(const QString& className, Factory factory);
    // Registers window class T under its own name, made with new T.
    template <class T>
    void add()
    {
        add(WindowName<T>(), [] { return new T; });
    }
    // The same with a factory of its own (for constructor arguments).
    template <class T, class F>
    void add(F factory)
    {
        add(WindowName<T>(), Factory([f = std::move(factory)]() -> QWidget* { return f(); }));
    }
    bool isRegistered(const QString& className) const;
    // Makes every registered window that does not exist yet: those of
    // CreationOrder in that order, then the others in registration order.
    void createAll();
    // The window, or null when it does not exist.
    QWidget* find(const QString& className) const;
    template <class T>
    T* get() const
    {
        return qobject_cast<T*>(find(WindowName<T>()));
    }
    bool has(const QString& className) const { return find(className) != nullptr; }
    template <class T>
    bool has() const
    {
        return has(WindowName<T>());
    }
    template <class T>
    bool show()
    {
        return show(WindowName<T>());
    }
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
