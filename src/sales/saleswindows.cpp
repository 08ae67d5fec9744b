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
    w.add<TOrderListForm>();
    w.add<TOrderDataForm>();
    w.add<TOfferListForm>();
    w.add<TOfferDataForm>();
    w.add<TInvoiceListForm>();
    w.add<TInvoiceDataForm>();
    w.add<TPOListForm>();
    w.add<TPODataForm>();
    w.add<TItemsListForm>();
    w.add<TItemsAddForm>();
    w.add<TOrderMemoForm>();
    w.add<TOfferMemoForm>();
    w.add<TInvoiceMemoForm>();
    w.add<TPOMemoForm>();
    w.add<TOrderPrintForm>([&dm] { return new TOrderPrintForm(dm); });
    w.add<TOfferPrintForm>([&dm] { return new TOfferPrintForm(dm); });
    w.add<TPOprintForm>([&dm] { return new TPOprintForm(dm); });
    // Printouts go through the printer dialog and may be previewed.
    InstallPrintWindows();
}

