#include "common/TextFile.h"

#include "common/TextDecoding.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(TextFile, SplitsOnEveryLineEnding) {
    EXPECT_EQ(SplitTextLines(u"a\r\nb\rc\nd"), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(SplitTextLines(u"a\n\nb\r\n"), (QStringList{u"a"_s, QString(), u"b"_s}));
    EXPECT_TRUE(SplitTextLines(u"").isEmpty());
}

TEST(TextDecoding, Utf8WhenValidElseWindows1252) {
    EXPECT_EQ(Decode8BitText(QByteArray("Gr\xc3\xbc\xc3\x9f"
                                        "e")),
              u"Grüße"_s);
    EXPECT_EQ(Decode8BitText(QByteArray("Gr\xfc\xdf"
                                        "e \x80 \x93x\x94")),
              u"Grüße € “x”"_s);
    // A truncated UTF-8 sequence is not UTF-8.
    EXPECT_EQ(Decode8BitText(QByteArray("caf\xc3")), u"cafÃ"_s);
}

TEST(TextFile, ReadsFilesAndReportsMissingOnes) {
    TempFolder dir;
    EXPECT_EQ(ReadTextFileLines(dir.Write(u"x.txt"_s, "one\r\ntwo\xe9\r")),
              (QStringList{u"one"_s, u"twoé"_s}));
    EXPECT_FALSE(ReadTextFileLines(dir.Path(u"missing.txt"_s)));
    EXPECT_FALSE(ReadTextFileLines(dir.Path()));
}
