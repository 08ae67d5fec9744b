#include "web/webpicture.h"

#include "core/dialogs.h"
#include "data/dataset.h"
#include "net/webdocument.h"

#include <QFileDialog>

QString WebPictureFolder() { return WebFolderSettings::Read().localBase(); }

bool SetWebPicture(Dataset& ds, const QString& file)
{
    if (!ds.isOpen() || ds.recNo() < 0 || file.isEmpty()) return false;
    QString error;
    // A missing local copy is fetched from the web folder first.
    const QString address = DatabaseDocumentURLName(file, &error);
    if (address.isEmpty()) {
        CurrentDialogs()->ShowMessage(error, QStringLiteral("Feil"));
        return false;
    }
    if (ds.state() != Dataset::Edit && ds.state() != Dataset::Insert && !ds.edit()) return false;
    return ds.setValue(QStringLiteral("picture"), address);
}

QString ChoosePictureFile(const QString& caption, const QString& folder)
{
    return QFileDialog::getOpenFileName(nullptr, caption, folder,
                                        QStringLiteral("Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.svg);;Alle filer (*)"));
}
