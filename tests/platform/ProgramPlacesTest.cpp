#include "platform/ProgramPlaces.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

void PrintTo(const ProgramPlaces& places, std::ostream* out) {
    *out << places.Files.toStdString() << " + " << places.Data.toStdString();
}

using ProgramPlacesTest = TempFolderTest;

TEST_F(ProgramPlacesTest, OverrideDatabaseAndWritableFolderOutsideThePrefixStayPortable) {
    const QString root = FFolder.Path() + u'/';
    FFolder.Write(u"usr/games/Files.IFF"_s, "records");
    for (const QString& folder : {u"usr/bin"_s, u"portable"_s, u"home"_s})
        ASSERT_TRUE(QDir(root).mkpath(folder));
    const ProgramPlaces installed{.Files = root + u"usr/share/packwright/"_s,
                                  .Data = root + u"xdg/packwright/"_s};
    const struct {
        QString Override;
        QString Executable;
        ProgramPlaces Expected;
    } cases[] = {
        {root + u"home"_s, root + u"usr/bin"_s, {root + u"home/"_s, root + u"home/"_s}},
        // Records already beside the program are never left behind, even below the prefix.
        {{}, root + u"usr/games"_s, {root + u"usr/games/"_s, root + u"usr/games/"_s}},
        {{}, root + u"portable"_s, {root + u"portable/"_s, root + u"portable/"_s}},
        // Writable but below the prefix, as /usr/bin is to root: installed.
        {{}, root + u"usr/bin"_s, installed},
    };
    for (const auto& test : cases)
        EXPECT_EQ(ResolveProgramPlaces({.HomeOverride = test.Override,
                                        .ExecutableFolder = test.Executable,
                                        .InstallPrefix = root + u"usr"_s,
                                        .FilesFromExecutable = u"../share/packwright"_s,
                                        .UserDataFolder = root + u"xdg"_s}),
                  test.Expected)
            << test.Executable.toStdString();
    EXPECT_TRUE(QFileInfo(installed.Data).isDir());
    EXPECT_FALSE(QFileInfo::exists(root + u"usr/share"_s));
}
