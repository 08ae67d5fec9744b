#pragma once
// Registers the news and banner windows with the window registry; their
// unsaved edits are saved when the program ends.
void RegisterWebWindows();
