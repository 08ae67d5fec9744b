#pragma once
// The business rules: record defaults and checks, document totals,
// delivery, purchase-order status, invoice posting, item-line copying and
// the time-registration rule. They hang on the data module's dataset events,
// so they hold whichever window (or kvarnel-admin) edits a row.
class TDatabaseModule;

// Connects the rules to the module's datasets; called once by the module.
void InstallRecordRules(TDatabaseModule& dm);
