#pragma once
// Registers the document archive's windows, the web-folder settings and
// the data tool with the window registry, and connects the web-document
// operations to the program: downloads with the progress window, one line
// per download in the activity window.
void RegisterDocumentWindows();
