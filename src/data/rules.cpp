#include "data/rules.h"

#include "data/datamodule.h"
#include "data/docnumbers.h"
#include "data/recorddefaults.h"
#include "data/timerules.h"

void InstallRecordRules(TDatabaseModule& dm)
{
    TDatabaseModule* m = &dm;

    for (Dataset* ds : dm.datasets()) {
        ds->onNewRecord = [m](Dataset& d) { ApplyNewRecordDefaults(*m, d); };
        if (ds == &dm.InvoiceTable)
            ds->beforeDelete = ConfirmInvoiceDelete;
        else if (ds != &dm.CompanyMiniQuery)
            ds->beforeDelete = ConfirmRowDelete;
    }

    dm.ItemsQuery.beforePost = ItemsBeforePost;
    dm.ProductTable.beforePost = ProductBeforePost;
    dm.EntriesTable.beforePost = EntriesBeforePost;
    dm.EntriesTable.afterPost = EntriesAfterPost;
    dm.CalendarTable.beforePost = CalendarTableBeforePost;
    dm.ProjectTable.beforePost = ProjectBeforePost;

    // Document numbers; the numbering objects live as long as the module.
    const std::pair<Dataset*, int*> documents[] = {{&dm.OrderTable, &LastOrderNumber},
                                                   {&dm.OfferTable, &LastOfferNumber},
                                                   {&dm.InvoiceTable, &LastInvoiceNumber},
                                                   {&dm.POTable, &LastPONumber}};
    for (const auto& [ds, last] : documents) {
        auto* numbering = new DocumentNumbering(*ds, *last, &dm);
        ds->beforeInsert = [numbering](Dataset& d) { return numbering->beforeInsert(d); };
        ds->onNewRecord = [m, numbering](Dataset& d) {
            ApplyNewRecordDefaults(*m, d);
            numbering->newRecord(d);
        };
        ds->beforePost = [numbering](Dataset& d) { return numbering->beforePost(d); };
    }
}
