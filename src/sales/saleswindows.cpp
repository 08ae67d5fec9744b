#include "sales/saleswindows.h"

#include "printui/printform.h"
#include "printui/printoptionforms.h"
#include "sales/documentlistform.h"
#include "sales/invoicedataform.h"
#include "sales/itemsaddform.h"
#include "sales/itemslistform.h"
#include "sales/offerdataform.h"
#include "sales/orderdataform.h"
#include "sales/podataform.h"
#include "ui/windowregistry.h"

void RegisterSalesWindows(TDatabaseModule& dm)
{
    WindowRegistry& w = Windows();
    w.add(QStringLiteral("TOrderListForm"), [] { return new TOrderListForm; });
    w.add(QStringLiteral("TOrderDataForm"), [] { return new TOrderDataForm; });
    w.add(QStringLiteral("TOfferListForm"), [] { return new TOfferListForm; });
    w.add(QStringLiteral("TOfferDataForm"), [] { return new TOfferDataForm; });
    w.add(QStringLiteral("TInvoiceListForm"), [] { return new TInvoiceListForm; });
    w.add(QStringLiteral("TInvoiceDataForm"), [] { return new TInvoiceDataForm; });
    w.add(QStringLiteral("TPOListForm"), [] { return new TPOListForm; });
    w.add(QStringLiteral("TPODataForm"), [] { return new TPODataForm; });
    w.add(QStringLiteral("TItemsListForm"), [] { return new TItemsListForm; });
    w.add(QStringLiteral("TItemsAddForm"), [] { return new TItemsAddForm; });
    w.add(QStringLiteral("TOrderMemoForm"), [] { return new TDocMemoForm(DocKind::Order); });
    w.add(QStringLiteral("TOfferMemoForm"), [] { return new TDocMemoForm(DocKind::Offer); });
    w.add(QStringLiteral("TInvoiceMemoForm"), [] { return new TDocMemoForm(DocKind::Invoice); });
    w.add(QStringLiteral("TPOMemoForm"), [] { return new TDocMemoForm(DocKind::PO); });
    w.add(QStringLiteral("TOrderPrintForm"), [&dm] { return new TOrderPrintForm(dm); });
    w.add(QStringLiteral("TOfferPrintForm"), [&dm] { return new TOfferPrintForm(dm); });
    w.add(QStringLiteral("TPOprintForm"), [&dm] { return new TPOprintForm(dm); });
    // Printouts go through the printer dialog and may be previewed.
    InstallPrintWindows();
}

