#include "app/translations.h"

#include "core/textfil.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void UseNorwegianDatesInQtDialogs()
{
    if (qEnvironmentVariableIsEmpty("LC_ALL")) qputenv("LC_TIME", "nb_NO.UTF-8");
}

bool LoadQtTranslations(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    // Qt asks the translator installed last first: the system's catalogue
    // goes in first, as the fallback, then the program's own Bokmål one.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* system = new QTranslator(&app);
    bool haveSystem = false;
    for (const char* name : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (system->load(QLatin1String(name), folder) && app.installTranslator(system)) {
            haveSystem = true;
            break;
        }
    }
    if (!haveSystem) {
        delete system;
        LogLine(QStringLiteral("HINT: Finner ikke Qts norske oversettelse i ") + folder);
    }
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/i18n/kvarnel_qt_nb.qm")) && app.installTranslator(own))
        return true;
    delete own;
    LogLine(QStringLiteral("FEIL: Finner ikke programmets norske oversettelse av Qts tekster (kvarnel_qt_nb.qm)"));
    return false;
}
