// Folder set-up window.
#include "admin/mappeoppsettform.h"
#include "core/corefixture.h"
#include "core/sysreg.h"

#include <QLineEdit>
#include <QToolButton>

namespace {
class FolderTest : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        OpenSettingsStore();
    }
    static QString key(const QString& section, const QString& k)
    {
        MainIniSection s(section);
        return GetRegStr(k);
    }
    static void setKey(const QString& section, const QString& k, const QString& v)
    {
        MainIniSection s(section);
        SetRegStr(k, v);
    }
};
} // namespace

TEST_F(FolderTest, PlainSetupShowsFiveFieldsAndWritesAllEightBack)
{
    const QString xml = root() + QStringLiteral("/xml/");
    setKey("FOLDERS", "xml_folder", xml);
    setKey("FOLDERS", "images_folder", root() + QStringLiteral("/bilder/"));
    setKey("STANDARD", "PDF-mappe", root() + QStringLiteral("/pdf/"));

    TMappeOppsettForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Oppsett programmapper"));
    f.VisMappeOppsett(false);
    f.show();
    QStringList visible;
    for (const auto& field : f.fields())
        if (field.edit->isVisible())
            visible << field.caption;
    EXPECT_EQ(visible, QStringList({"Dokumenter:", "Midlertidige filer:", "Dokumentasjon:", "PDF-mappe:",
                                    "Importmappe:"}));
    EXPECT_EQ(f.edit("XML-data:")->text(), xml);

    f.edit("PDF-mappe:")->setText(QStringLiteral("/srv/pdf"));  // stored as typed
    f.close();
    EXPECT_EQ(key("STANDARD", "PDF-mappe"), QStringLiteral("/srv/pdf"));
    EXPECT_EQ(key("FOLDERS", "xml_folder"), xml);
    EXPECT_EQ(key("FOLDERS", "images_folder"), root() + QStringLiteral("/bilder/"));

    f.VisMappeOppsett(true);
    EXPECT_TRUE(f.edit("Rørfiler:")->isVisibleTo(&f));
}

TEST_F(FolderTest, EmptiedDocumentsFolderFallsBackToDefault)
{
    setKey("FOLDERS", "data/docs_folder", root() + QStringLiteral("/elsewhere/"));
    TMappeOppsettForm f;
    f.show();
    EXPECT_EQ(f.edit("Dokumenter:")->text(), root() + QStringLiteral("/elsewhere/"));
    f.edit("Dokumenter:")->clear();
    f.close();
    EXPECT_EQ(key("FOLDERS", "data/docs_folder"), QString());
    EXPECT_EQ(TrelvoPath(QStringLiteral("data\\docs")), base() + QStringLiteral("data/docs/"));
}

TEST_F(FolderTest, BrowseButtonPutsChosenFolderIntoField)
{
    TMappeOppsettForm f;
    f.show();
    dialogs().folderAnswers = {root() + QStringLiteral("/import")};
    for (const auto& field : f.fields())
        if (field.caption == QLatin1String("Importmappe:"))
            field.browse->click();
    EXPECT_EQ(f.edit("Importmappe:")->text(), root() + QStringLiteral("/import/"));
}

TEST_F(FolderTest, WindowClosedUnshownLeavesKeysAlone)
{
    setKey("FOLDERS", "tmp_folder", root() + QStringLiteral("/t/"));
    {
        TMappeOppsettForm f;
        f.reject();
    }
    EXPECT_EQ(key("FOLDERS", "tmp_folder"), root() + QStringLiteral("/t/"));
}
