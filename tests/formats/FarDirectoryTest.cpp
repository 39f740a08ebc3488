#include "formats/FarDirectory.h"

#include "formats/FarEntryNames.h"
#include "support/FarFixtures.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QByteArray ThreeEntries =
    BuildFarArchive({{"lamp.iff", "lamp bytes"}, {"Sets\\chair.iff", "chair"}, {"", "unnamed"}});

// Where the fields of the first directory entry lie.
struct FirstEntry {
    qsizetype Count, Size, SizeAgain, Offset, NameLength;
};
FirstEntry FieldsOf(const QByteArray& archive) {
    const qsizetype at = FarDirectoryOffsetOf(archive);
    return {at, at + 4, at + 8, at + 12, at + 16};
}
} // namespace

TEST(FarDirectory, ReadsEntriesInArchiveOrderTakingTheFirstSize) {
    QByteArray archive = ThreeEntries;
    PatchLe32(archive, FieldsOf(archive).SizeAgain, 999);
    const FarDirectory directory = ReadFarDirectory(archive);
    ASSERT_EQ(directory.Outcome, FarReadOutcome::Valid);
    QStringList entries;
    for (const auto& entry : directory.Entries)
        entries.append(u"%1|%2|%3"_s.arg(entry.Name).arg(entry.Size).arg(entry.Offset));
    EXPECT_EQ(entries, QStringList({u"lamp.iff|10|16"_s, u"Sets\\chair.iff|5|26"_s, u"|7|31"_s}));
}

TEST(FarDirectory, RejectsOtherSignaturesVersionsAndShortFiles) {
    QByteArray version2 = BuildFarArchive({});
    PatchLe32(version2, 8, 2);
    QByteArray signature = BuildFarArchive({});
    signature[7] = 'X';
    for (const QByteArray& bytes :
         {version2, signature, BuildFarArchive({}).left(12), QByteArray(), QByteArray("FAR!")})
        EXPECT_EQ(ReadFarDirectory(bytes).Outcome, FarReadOutcome::NotFar)
            << bytes.toHex().constData();
}

// Each declared number larger than what the file holds: rejected before anything is
// allocated or read for it.
TEST(FarDirectory, RejectsCountsLengthsAndOffsetsBeyondTheFile) {
    const FirstEntry at = FieldsOf(ThreeEntries);
    const qsizetype end = ThreeEntries.size();
    const struct {
        const char* What;
        std::vector<std::pair<qsizetype, quint32>> Patches;
    } cases[] = {
        {"directory past the end", {{12, quint32(end + 1)}}},
        {"directory inside the header", {{12, 8}}},
        {"count of four billion", {{at.Count, 0xFFFFFFFF}}},
        {"one entry more than there is", {{at.Count, 4}}},
        {"name longer than the file", {{at.NameLength, 0xFFFFFFFF}}},
        {"name running past the end", {{at.NameLength, quint32(end)}}},
        {"data past the end", {{at.Size, quint32(end)}}},
        {"offset past the end", {{at.Offset, 0xFFFFFFF0}}},
        {"offset and size beyond 32 bits", {{at.Offset, 0xFFFFFFF0}, {at.Size, 0x20}}},
    };
    for (const auto& hostile : cases) {
        QByteArray archive = ThreeEntries;
        for (const auto& [position, value] : hostile.Patches)
            PatchLe32(archive, position, value);
        const FarDirectory directory = ReadFarDirectory(archive);
        EXPECT_EQ(directory.Outcome, FarReadOutcome::NotFar) << hostile.What;
        EXPECT_TRUE(directory.Entries.empty()) << hostile.What;
    }
    EXPECT_EQ(ReadFarDirectory(ThreeEntries.chopped(1)).Outcome, FarReadOutcome::NotFar);
}

// Names are read as UTF-8 when they are valid UTF-8, else as Windows-1252, and read
// whatever they hold: whether a name may be written to disk is decided on extraction.
TEST(FarDirectory, ReadsNamesWithTheGameTextRule) {
    const struct {
        QByteArray Stored;
        QString Name;
    } cases[] = {
        {"lamp.iff", u"lamp.iff"_s},
        {"\x80 \x8A\x9F.iff", u"\u20AC \u0160\u0178.iff"_s},
        {"caf\xE9.iff", u"caf\u00E9.iff"_s},
        {"caf\xC3\xA9.iff", u"caf\u00E9.iff"_s},
        {"..\\..\\evil.iff", u"..\\..\\evil.iff"_s},
        {"C:evil\n.iff", u"C:evil\n.iff"_s},
    };
    for (const auto& [stored, name] : cases) {
        const FarDirectory directory = ReadFarDirectory(BuildFarArchive({{stored, "x"}}));
        ASSERT_EQ(directory.Outcome, FarReadOutcome::Valid) << stored.toHex().constData();
        EXPECT_EQ(directory.Entries.at(0).Name, name) << stored.toHex().constData();
    }
}

TEST(FarEntryNames, OnlyNamesThatStayInsideAFolderAreSafe) {
    for (const char* name :
         {"..\\evil.iff", "Sets\\..\\..\\evil.iff", "\\evil.iff", "/evil.iff", "C:evil.iff",
          "Sets\\\\evil.iff", "Sets\\", "evil\n.iff", "", ".", "a/./b"})
        EXPECT_FALSE(IsSafeFarEntryName(QString::fromUtf8(name))) << name;
    for (const char* name : {"lamp..iff", "Sets\\lamp.iff", "Sets/lamp.iff", "..lamp"})
        EXPECT_TRUE(IsSafeFarEntryName(QString::fromUtf8(name))) << name;
}
