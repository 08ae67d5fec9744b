#include "web/webwindows.h"

#include "ui/windowregistry.h"
#include "web/bannerforms.h"
#include "web/newsforms.h"

#include <QCoreApplication>

void RegisterWebWindows()
{
    WindowRegistry& w = Windows();
    w.add<TNewsListForm>();
    w.add<TNewsDataForm>();
    w.add<TBannerListForm>();
    w.add<TBannerDataForm>();
    // An article or a banner still being edited when the program ends is
    // saved, not lost.
    static bool connected = false;
    if (auto* app = QCoreApplication::instance(); app && !connected) {
        connected = true;
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { SavePendingWebEdits(); });
    }
}
