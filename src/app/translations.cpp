#include "app/translations.h"

#include "core/textfil.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslations(QCoreApplication& app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    for (const char* name : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (translator->load(QLatin1String(name), folder) && app.installTranslator(translator))
            return true;
    }
    delete translator;
    LogLine(QStringLiteral("Finner ikke Qts norske oversettelse i ") + folder);
    return false;
}
