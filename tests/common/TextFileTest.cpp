#include "common/TextFile.h"

#include "common/TextDecoding.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TextFile, SplitsOnEveryLineEnding) {
    EXPECT_EQ(SplitTextLines(u"a\r\nb\rc\nd"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
    EXPECT_EQ(SplitTextLines(u"a\n\nb\r\n"),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_TRUE(SplitTextLines(u"").isEmpty());
}

TEST(TextDecoding, Utf8WhenValidElseWindows1252) {
    EXPECT_EQ(Decode8BitText(QByteArray("Gr\xc3\xbc\xc3\x9f"
                                        "e")),
              QStringLiteral("Grüße"));
    EXPECT_EQ(Decode8BitText(QByteArray("Gr\xfc\xdf"
                                        "e \x80 \x93x\x94")),
              QStringLiteral("Grüße € “x”"));
    // A truncated UTF-8 sequence is not UTF-8.
    EXPECT_EQ(Decode8BitText(QByteArray("caf\xc3")), QStringLiteral("cafÃ"));
}

TEST(TextFile, ReadsFilesAndReportsMissingOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("one\r\ntwo\xe9\r");
    file.close();
    EXPECT_EQ(ReadTextFileLines(path),
              (QStringList{QStringLiteral("one"), QStringLiteral("twoé")}));
    EXPECT_FALSE(ReadTextFileLines(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(ReadTextFileLines(dir.path()));
}
