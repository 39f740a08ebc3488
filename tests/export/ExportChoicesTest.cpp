#include "export/ExportChoices.h"

#include "export/ExportListKinds.h"
#include "support/EnglishLanguage.h"
#include "support/TempFolder.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QList<int> Codes(const QList<ContentKind>& kinds) {
    QList<int> codes;
    for (const ContentKind kind : kinds)
        codes.append(ContentKindValue(kind));
    return codes;
}

const QList<int> AllCodes{100, 101, 102, 103, 104, 105, 130, 131, 133, 134, 135, 136, 137, 132};
} // namespace

TEST(ExportListKinds, StoredSelectionsGiveExportedAndAvailableLists) {
    const struct {
        const char16_t* Stored;
        QList<int> Exported;
    } cases[] = {
        {u"", AllCodes},
        {u"105;100", {105, 100}},
        {u"130;100;105;", {130, 100, 105}},
        // Unknown or unexportable codes, repeats and junk are passed over.
        {u"106;100;100;x;1100;", {100}},
    };
    for (const auto& test : cases) {
        const QList<ContentKind> exported = ParseListSelection(QString::fromUtf16(test.Stored));
        EXPECT_EQ(Codes(exported), test.Exported);
        QList<int> available;
        for (const int code : AllCodes)
            if (!test.Exported.contains(code))
                available.append(code);
        EXPECT_EQ(Codes(AvailableListKinds(exported)), available);
    }
    EXPECT_EQ(FormatListSelection({ContentKind::FarFiles, ContentKind::Objects}), u"105;100;"_s);
}

class ExportChoicesTest : public TempFolderTest {
protected:
    ExportChoicesTest() { qputenv("PACKWRIGHT_SETTINGS", QFile::encodeName(SettingsFile())); }
    ~ExportChoicesTest() override { qunsetenv("PACKWRIGHT_SETTINGS"); }
    QString SettingsFile() const { return FFolder.Path(u"settings.ini"_s); }
    EnglishLanguage FLanguage;
};

TEST_F(ExportChoicesTest, AbsentOrEmptyValuesTakeDefaultsAndEveryChoiceIsStored) {
    FFolder.Write(u"settings.ini"_s,
                  "[General]\nListSel=\"105;100\"\nListFile=\nListTitle=Mine\nListLinks=0\n"_ba);
    const ExportChoices read = ReadExportChoices(FLanguage, u"/prog/"_s);
    EXPECT_EQ(Codes(read.Exported), (QList<int>{105, 100}));
    EXPECT_EQ(read.OutputFile, u"/prog/files.html"_s);
    EXPECT_EQ(read.TemplateFile, u"/prog/filelist_template.html"_s);
    EXPECT_EQ(read.Title, u"Mine"_s);
    EXPECT_FALSE(read.Links);
    EXPECT_TRUE(read.LongDate);

    ASSERT_TRUE(WriteExportChoices({.Exported = {ContentKind::Heads},
                                    .OutputFile = u"/out/list.xml"_s,
                                    .TemplateFile = u"/t.xml"_s,
                                    .Title = u"T"_s,
                                    .Links = true,
                                    .LongDate = false}));
    // Booleans are stored as 0 and 1.
    const QSettings stored(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(u"ListTemplate"_s).toString(), u"/t.xml"_s);
    EXPECT_EQ(stored.value(u"ListLinks"_s).toString() + stored.value(u"ListLongDate"_s).toString(),
              u"10"_s);
}
