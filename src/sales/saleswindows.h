#pragma once
// The sales and purchasing windows of the window registry.
class TDatabaseModule;

// Registers the order, offer, invoice and purchase-order windows (lists,
// record windows, memo and print-option windows), the item-line list and
// the product picker, and installs the print windows.
void RegisterSalesWindows(TDatabaseModule& dm);
