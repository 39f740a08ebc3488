#include "export/ExportChoices.h"

#include "export/ExportListKinds.h"
#include "platform/ProgramPlaces.h"
#include "support/EnglishLanguage.h"
#include "support/OwnProgramFolder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QList<int> Codes(const QList<ContentKind>& kinds) {
    QList<int> codes;
    for (const ContentKind kind : kinds)
        codes.append(ContentKindValue(kind));
    return codes;
}

const QList<int> AllCodes{100, 101, 102, 103, 104, 105, 130, 131, 133, 134, 135, 136, 137,
                          132, 110, 111, 112, 113, 114, 115, 120, 121, 122, 123, 124, 125};
} // namespace

TEST(ExportListKinds, StoredSelectionsGiveExportedAndAvailableLists) {
    const struct {
        const char16_t* Stored;
        QList<int> Exported;
    } cases[] = {
        {u"", AllCodes},
        {u"105;100", {105, 100}},
        {u"130;100;105;", {130, 100, 105}},
        {u"120;110", {120, 110}},
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

using ExportChoicesTest = OwnProgramFolderTest;

TEST_F(ExportChoicesTest, AbsentOrEmptyValuesTakeDefaultsAndEveryChoiceIsStored) {
    FFolder.Write(u"settings.ini"_s,
                  "[General]\nListSel=\"105;100\"\nListFile=\nListTitle=Mine\nListLinks=0\n"_ba);
    const EnglishLanguage language;
    EXPECT_EQ(ReadExportChoices(language, {.Files = u"/prog/"_s, .Data = u"/data/"_s}),
              (ExportChoices{.Exported = {ContentKind::FarFiles, ContentKind::Objects},
                             .OutputFile = u"/data/files.html"_s,
                             .TemplateFile = u"/prog/filelist_template.html"_s,
                             .Title = u"Mine"_s,
                             .Links = false,
                             .LongDate = true}));

    const ExportChoices choices{.Exported = {ContentKind::Heads},
                                .OutputFile = u"/out/list.xml"_s,
                                .TemplateFile = u"/t.xml"_s,
                                .Title = u"T"_s,
                                .Links = true,
                                .LongDate = false};
    ASSERT_TRUE(WriteExportChoices(choices));
    QStringList stored;
    for (const QString& key : {u"ListSel"_s, u"ListFile"_s, u"ListTemplate"_s, u"ListTitle"_s,
                               u"ListLinks"_s, u"ListLongDate"_s})
        stored.append(StoredSetting(key));
    // Booleans are stored as 0 and 1.
    EXPECT_EQ(stored,
              (QStringList{u"131;"_s, u"/out/list.xml"_s, u"/t.xml"_s, u"T"_s, u"1"_s, u"0"_s}));

    // The same choices again leave the store as it is: a rewrite would drop the comment.
    const QByteArray unchanged = FFolder.Read(u"settings.ini"_s) + "; mine\n"_ba;
    FFolder.Write(u"settings.ini"_s, unchanged);
    ASSERT_TRUE(WriteExportChoices(choices));
    EXPECT_EQ(FFolder.Read(u"settings.ini"_s), unchanged);
}
