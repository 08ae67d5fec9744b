#pragma once
// The picture chooser of the news and banner windows: a picture chosen in
// the local document folder is stored by its web address, so the web site
// can show it.
#include <QString>

#include <functional>

class Dataset;

// The folder the picture dialog starts in: the local document folder.
QString WebPictureFolder();
// Puts ds's current row into edit state and sets its picture to the web
// address of file. A file outside the document folders, or an address
// longer than the field, is refused with a message and changes nothing.
bool SetWebPicture(Dataset& ds, const QString& file);
// The picture dialog (Qt's file dialog for pictures).
QString ChoosePictureFile(const QString& caption, const QString& folder);
