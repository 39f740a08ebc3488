#include "hood/HoodDetails.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST_F(TempFolderTest, NeighbourhoodFoldersAreFoundInAnyCaseAndNumberedFromTwo) {
    EXPECT_EQ(ExistingHoods(FFolder.Path()), QList<int>());
    for (const QString& name : {u"UserData12"_s, u"userdata"_s, u"USERDATA3"_s, u"UserData1"_s,
                                u"UserData100"_s, u"UserDataX"_s, u"UserData05"_s})
        FFolder.Write(name + u"/f"_s, "x");
    FFolder.Write(u"UserData4"_s, "a file, not a folder");
    EXPECT_EQ(ExistingHoods(FFolder.Path()), (QList<int>{1, 3, 12}));
    EXPECT_EQ(HoodFolder(FFolder.Path(), 1), FFolder.Path(u"userdata"_s));
    EXPECT_EQ(HoodFolder(FFolder.Path(), 3), FFolder.Path(u"USERDATA3"_s));
    EXPECT_EQ(HoodFolder(FFolder.Path(), 10), FFolder.Path(u"UserData10"_s));
}

TEST_F(TempFolderTest, AreasAreJudgedByTheirHouseFileAndTheInstalledPacks) {
    FFolder.Write(u"UserData2/houses/HOUSE21.IFF"_s, "x");
    FFolder.Write(u"UserData2/houses/House81.iff"_s, "x");
    FFolder.Write(u"UserData3/Houses/House40.iff"_s, "x");
    FFolder.Write(u"UserData4/Houses/House50.iff"_s, "x");
    FFolder.Write(u"UserData5/Houses/House90.iff"_s, "x");
    using enum AreaPresence;
    const ExpansionFlags all{true, {true, true, true, true, true}};
    const struct {
        int HoodNo;
        ExpansionFlags Packs;
        std::array<AreaPresence, HoodAreaCount> Areas;
    } cases[] = {
        {2, all, {Yes, No, No, Yes, No}},
        {2, {true, {true, true, true, false, true}}, {Yes, No, No, NotAvailable, No}},
        {2,
         {false, {true, true, true, true, true}},
         {NotAvailable, NotAvailable, NotAvailable, NotAvailable, NotAvailable}},
        {3, all, {No, Yes, No, No, No}},
        {4, all, {No, No, Yes, No, No}},
        {5, all, {No, No, No, No, Yes}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.HoodNo);
        const HoodDetails hood = LoadHoodDetails(FFolder.Path(), c.HoodNo, c.Packs);
        EXPECT_TRUE(hood.Available);
        EXPECT_EQ(hood.Areas, c.Areas);
    }
    EXPECT_EQ(LoadHoodDetails(FFolder.Path(), 3, all).HoodPath, FFolder.Path(u"UserData3/"_s));
    const HoodDetails missing = LoadHoodDetails(FFolder.Path(), 7, {});
    EXPECT_FALSE(missing.Available);
    EXPECT_EQ(missing.HoodPath, QString());
}

TEST(HoodNotes, HoldNameDateAndCommentsEachEndedByNulOrTheEnd) {
    const struct {
        QByteArray Bytes;
        QString Name;
        std::optional<double> Date;
        QStringList Comments;
    } cases[] = {
        {"Pleasant Row\0"_ba, u"Pleasant Row"_s, std::nullopt, {}},
        {"Lot\0"
         "38000.5\0"
         "first\r\nsecond"_ba,
         u"Lot"_s,
         38000.5,
         {u"first"_s, u"second"_s}},
        {"Lot\0not a date\0c\0"_ba, u"Lot"_s, std::nullopt, {u"c"_s}},
        {{}, {}, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        const HoodNotes notes = ParseHoodNotes(c.Bytes);
        EXPECT_EQ(notes.Name, c.Name);
        EXPECT_EQ(notes.Date, c.Date);
        EXPECT_EQ(notes.Comments, c.Comments);
    }
}
