#include "ui/windowregistry.h"

#include "ui/windowplacement.h"

#include <QDialog>

const QStringList& WindowRegistry::CreationOrder()
{
    static const QStringList order = {
        "TMainform", "TDatabaseConnectForm", "TSysInfoForm", "TPrintForm", "TPostinfoForm", "TCompanyDataForm",
        "TContactDataForm", "TUserDataForm", "TNewsDataForm", "TTableSetupForm", "TCalendarDataForm",
        "TPersonsSelectForm", "TGroupForm", "TMappeOppsettForm", "TProjectDataForm", "TfmSetup", "TIPTestForm",
        "TSubProjectDataForm", "TProductDataForm", "TWebfolderForm", "TWebfolderAdvForm", "TDocumentDataForm",
        "TAssetDataForm", "TOppstartForm", "TImagePreViewForm", "TMemoForm", "TDocumentListForm",
        "TContactListForm", "TProductListForm", "TCompanyListForm", "TUserListForm", "TProjectListForm",
        "TNewsListForm", "TAssetListForm", "TBannerListForm", "TCalendarListForm", "TJobListForm",
        "TSubProjectListForm", "TJobDataForm", "TOppsettDialog", "TJaNeiForm", "TActivityForm", "TDataToolForm",
        "TSQLForm", "TKalkulatorForm", "TUserAccessForm", "TProjectCalcForm", "TProductTecDataForm",
        "TItemsListForm", "TOrderListForm", "TOrderDataForm", "TCompanySelectForm", "TAccountListForm",
        "TAccountDataForm", "TEntriesListForm", "TEntriesDataForm", "TPOListForm", "TCalendarRegListForm",
        "TCalendarRegDataForm", "TCommonListForm", "TPODataForm", "TOrderPrintForm", "TOrderMemoForm",
        "TCalendarSelectForm", "TPOprintForm", "TPOMemoForm", "TOfferListForm", "TOfferDataForm",
        "TOfferMemoForm", "TInvoiceListForm", "TInvoiceDataForm", "TInvoiceMemoForm",
        "TContactImportExportForm", "TSendSMTPForm", "TContactFormatForm", "TPostnummerForm",
        "THttpDownloadForm", "TCompanyFormatForm", "TProductTerminalForm", "TProductPriceUpdateForm",
        "TProductImportForm", "TProductPrintForm", "TProductLabelPrintForm", "TProductTerminalDialogForm",
        "TProductImportDiscountForm", "TTFMform", "TProductStatusForm", "TItemsAddForm", "TBannerDataForm",
        "TOfferPrintForm"};
    return order;
}

void WindowRegistry::add(const QString& className, Factory factory)
{
    if (!factories_.count(className))
        registration_ << className;
    factories_[className] = std::move(factory);
}

bool WindowRegistry::isRegistered(const QString& className) const
{
    return factories_.count(className) > 0;
}

void WindowRegistry::createAll()
{
    QStringList order = CreationOrder();
    for (const QString& name : registration_)
        if (!order.contains(name))
            order << name;
    for (const QString& name : order) {
        auto it = factories_.find(name);
        if (it == factories_.end() || find(name))
            continue;
        QWidget* w = it->second();
        if (!w)
            continue;
        if (w->objectName().isEmpty())
            w->setObjectName(name.mid(1));
        windows_.emplace_back(name, w);
    }
}

QWidget* WindowRegistry::find(const QString& className) const
{
    for (const auto& [name, w] : windows_)
        if (name == className)
            return w.data();
    return nullptr;
}

bool WindowRegistry::show(const QString& className)
{
    QWidget* w = find(className);
    if (!w)
        return false;
    FitCaption(w);
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    // A window the program placed itself (over another window, or where it
    // was left on a larger screen) is kept on the screen; one it did not
    // place is left to the window manager.
    if (w->testAttribute(Qt::WA_Moved)) KeepOnScreen(w);
    w->raise();
    w->activateWindow();
    return true;
}

int WindowRegistry::showModal(const QString& className)
{
    auto* d = qobject_cast<QDialog*>(find(className));
    if (!d)
        return -1;
    FitCaption(d);
    return d->exec();
}

QStringList WindowRegistry::created() const
{
    QStringList out;
    for (const auto& [name, w] : windows_)
        if (w)
            out << name;
    return out;
}

void WindowRegistry::destroyAll()
{
    while (!windows_.empty()) {
        QPointer<QWidget> w = windows_.back().second;
        windows_.pop_back();
        delete w.data();
    }
}

void WindowRegistry::reset()
{
    destroyAll();
    factories_.clear();
    registration_.clear();
}

WindowRegistry& Windows()
{
    static WindowRegistry registry;
    return registry;
}

namespace {
TDatabaseModule* g_dataModule = nullptr;
}

TDatabaseModule& DataModule()
{
    Q_ASSERT(g_dataModule);
    return *g_dataModule;
}

void SetDataModule(TDatabaseModule* dm)
{
    g_dataModule = dm;
}

bool HasDataModule()
{
    return g_dataModule != nullptr;
}
