#include "app/startup.h"

#include "accounts/accountdataform.h"
#include "accounts/accountlistform.h"
#include "accounts/entriesdataform.h"
#include "accounts/entrieslistform.h"
#include "admin/groupform.h"
#include "admin/oppsettdialog.h"
#include "admin/inputform.h"
#include "admin/iptestform.h"
#include "admin/mappeoppsettform.h"
#include "admin/sqlform.h"
#include "admin/useraccessform.h"
#include "admin/userdataform.h"
#include "admin/userlistform.h"
#include "admin/widgetdialogs.h"
#include "app/activityform.h"
#include "app/connectform.h"
#include "app/mainform.h"
#include "app/oppstartform.h"
#include "app/tablesetupform.h"
#include "app/translations.h"
#include "assets/assetdataform.h"
#include "assets/assetlistform.h"
#include "assets/tfmform.h"
#include "calendar/calendardataform.h"
#include "calendar/calendarlistform.h"
#include "projects/joblistform.h"
#include "projects/jobdataform.h"
#include "projects/projectcalcform.h"
#include "projects/projectdataform.h"
#include "projects/projectlistform.h"
#include "projects/subprojectdataform.h"
#include "projects/subprojectlistform.h"
#include "core/dialogs.h"
#include "crm/companydataform.h"
#include "crm/companylistform.h"
#include "crm/companyselectform.h"
#include "crm/contactdataform.h"
#include "crm/contactimportexportform.h"
#include "crm/contactlistform.h"
#include "crm/formatforms.h"
#include "crm/personsselectform.h"
#include "crm/postnummer.h"
#include "crm/postnummerform.h"
#include "core/platformlookup.h"
#include "core/sysreg.h"
#include "core/textfil.h"
#include "data/datamodule.h"
#include "products/priceforms.h"
#include "products/terminalforms.h"
#include "exportsui/saftexportform.h"
#include "documents/documentwindows.h"
#include "web/webwindows.h"
#include "products/productdataform.h"
#include "products/productlistform.h"
#include "products/productprintforms.h"
#include "sales/documentdataform.h"
#include "sales/saleswindows.h"
#include "netui/fmsetup.h"
#include "netui/httpdownloadform.h"
#include "netui/sendsmtpform.h"
#include "ui/commonlistform.h"
#include "ui/listform.h"
#include "ui/postinfoform.h"
#include "printui/printform.h"
#include "tools/kalkulatorform.h"
#include "tools/sysinfoform.h"
#include "ui/windowregistry.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

StartOptions StartKvarnelCore(const QStringList& arguments)
{
    const StartOptions options = ReadCommandLine(arguments);
    StartHooks hooks;
    hooks.deleteTemporaryFiles = [](bool includeSystem) { DeleteTemporaryFiles(includeSystem); };
    hooks.logLogin = [] { LogLogin(); };
    StartCore(options, hooks);
    // A new workstation starts with the standard posting accounts, payment
    // terms and working day; what is set stays.
    WriteMissingSettingDefaults();
    // "Direkte logging til fil": every line also goes straight to the file,
    // so the log survives a crash.
    LogDirect = LogToFile && GetRegBoolean(QStringLiteral("DirectLogging"));
    return options;
}

void RegisterWindows(TDatabaseModule& dm)
{
    WindowRegistry& w = Windows();
    w.add<TMainform>();
    w.add<TDatabaseConnectForm>([&dm] { return new TDatabaseConnectForm(dm); });
    w.add<TTableSetupForm>();
    w.add<TMappeOppsettForm>();
    w.add<TIPTestForm>();
    w.add<TOppstartForm>();
    w.add<TActivityForm>();
    w.add<TSQLForm>();
    w.add<TPostinfoForm>();
    w.add<TCommonListForm>();
    w.add<TCompanyListForm>();
    w.add<TCompanyDataForm>();
    w.add<TCompanySelectForm>();
    w.add<TPostnummerForm>();
    w.add<TProductListForm>();
    w.add<TProductDataForm>();
    w.add<TProductTecDataForm>();
    w.add<TProductLabelPrintForm>();
    w.add<TProductPrintForm>();
    w.add<TProductStatusForm>();
    w.add<TProductPriceUpdateForm>();
    w.add<TProductImportForm>();
    w.add<TProductImportDiscountForm>();
    w.add<TProductTerminalForm>();
    w.add<TProductTerminalDialogForm>();
    RegisterSalesWindows(dm);
    w.add<TContactListForm>();
    w.add<TContactDataForm>();
    w.add<TPersonsSelectForm>();
    w.add<TContactImportExportForm>();
    w.add<TContactFormatForm>();
    w.add<TCompanyFormatForm>();
    w.add<TfmSetup>();
    w.add<TSendSMTPForm>();
    w.add<THttpDownloadForm>();
    // "Send på epost" in the document windows mails through the mail window.
    TDocumentDataForm::SendEpost = [](const QString& to, const QString& subject, const QString& body,
                                      const QString& attachment) {
        ::SendEpost(to, subject, body, attachment);
        return true;
    };
    w.add<TAccountListForm>();
    w.add<TAccountDataForm>();
    w.add<TEntriesListForm>();
    w.add<TEntriesDataForm>();
    w.add<TOppsettDialog>();
    w.add<TUserListForm>();
    w.add<TUserDataForm>();
    w.add<TUserAccessForm>();
    w.add<TGroupForm>();
    w.add<TKalkulatorForm>();
    w.add<TSysInfoForm>();
    // The asset register and the TFM code builder.
    w.add<TAssetListForm>();
    w.add<TAssetDataForm>();
    w.add<TTFMform>();
    w.add<TSaftExportForm>();
    // The document archive, web folders, the data tool, news and banners.
    RegisterDocumentWindows();
    RegisterWebWindows();
    // The calendar and time registration windows.
    w.add<TCalendarListForm>();
    w.add<TCalendarRegListForm>();
    w.add<TCalendarDataForm>();
    w.add<TCalendarRegDataForm>();
    w.add<TCalendarSelectForm>();
    // Projects, project parts, the calculation and the standard jobs.
    w.add<TProjectListForm>();
    w.add<TProjectDataForm>();
    w.add<TSubProjectListForm>();
    w.add<TSubProjectDataForm>();
    w.add<TProjectCalcForm>();
    w.add<TJobListForm>();
    w.add<TJobDataForm>();
    // The list windows' search asks with the program's input dialog.
    SetInputStrFunction(&InputStr);
    // The yes/no and input dialogs are made afresh for each question.
}

namespace {

// A termination request from outside (logging out, "kill", Ctrl+C in a
// terminal) ends the run the way closing the main window does, so settings,
// the log and the private server are looked after. The signal handler only
// writes a byte; the event loop does the rest.
int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    if (::write(g_signalPipe[1], &byte, 1) < 0) {
        // nothing more can be done inside a signal handler
    }
}

void closeOnTerminationSignals(QApplication& app, QWidget* mainWindow)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [mainWindow] {
        char byte;
        if (::read(g_signalPipe[0], &byte, 1) < 0) return;
        LogLine(QStringLiteral("Avslutter etter signal fra systemet"));
        // Open dialogs first, then the main window, whose closing ends the run.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != mainWindow && w->isVisible()) w->close();
        if (mainWindow && mainWindow->isVisible())
            mainWindow->close();
        else
            QCoreApplication::quit();
    });
    struct sigaction sa {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

} // namespace

int RunKvarnel(QApplication& app)
{
    StartKvarnelCore(app.arguments());
    // A new install looks up postal codes at once, from the shipped register.
    InstallFirstPostRegister();
    QApplication::setApplicationName(QStringLiteral("Kvarnel 6"));
    LoadQtTranslations(app);
    QApplication::setQuitOnLastWindowClosed(false);

    WidgetDialogs dialogs;
    Dialogs* previous = SetDialogs(&dialogs);

    int code = 0;
    {
        TDatabaseModule dm;
        SetDataModule(&dm);
        RegisterWindows(dm);
        Windows().createAll();

        auto* main = Windows().get<TMainform>();
        auto* login = Windows().get<TDatabaseConnectForm>();
        bool cancelled = false;
        QObject::connect(main, &TMainform::closed, &app, &QCoreApplication::quit);
        QObject::connect(login, &TDatabaseConnectForm::programEndRequested, &app, [&cancelled] {
            cancelled = true;
            QCoreApplication::exit(0);
        });
        closeOnTerminationSignals(app, main);
        main->show();
        code = app.exec();
        // "&Avbryt" ends the program straight from the login window.
        if (cancelled && main)
            main->FormClose();

        Windows().destroyAll();
        SetDataModule(nullptr);
        dm.MyConnection.close();
    }
    ReleasePrivateServer();
    SetDialogs(previous);
    StopCore();
    return code;
}
