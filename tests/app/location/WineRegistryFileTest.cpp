#include "app/location/WineRegistryFile.h"

#include "app/ShellSandbox.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class WineRegistryFileTest : public ::testing::Test {
protected:
    std::optional<RegistryKeyValues> ReadKey(const QByteArray& fileText,
                                             const QString& key = ShellSandbox::GameKey) {
        const QString path = FFolder.filePath(QStringLiteral("system.reg"));
        EXPECT_TRUE(WriteFixtureFile(path, fileText));
        return ReadWineRegistryKey(path, key);
    }

    QTemporaryDir FFolder;
};

const QByteArray Header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
} // namespace

TEST_F(WineRegistryFileTest, ReadsTheStringValuesOfTheKeyWithWinesEscapes) {
    const auto values = ReadKey(
        Header + "[Software\\\\Quarn\\\\The Vocks\\\\Patches] 1\n\"VOCKS_DATA\"=\"wrong\"\n\n"
                 "[software\\\\quarn\\\\the vocks] 1700000000\n#time=1d9\n"
                 "@=\"default\"\n"
                 "\"VOCKS_DATA\"=\"C:\\\\Program Files\\\\Quarn\\\\The \\\"Vocks\\\"\"\n"
                 "\"Caf\\x00e9\"=\"na\\xefve\\ttab\\101\"\n"
                 "\"Expand\"=str(2):\"%ProgramFiles%\\\\Quarn\"\n"
                 "\"Count\"=dword:00000007\n"
                 "\"Blob\"=hex:01,02,\\\n  03,04\n\n"
                 "[Software\\\\Quarn\\\\Other] 1\n\"VOCKS_DATA\"=\"other\"\n");
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->Value(QStringLiteral("vocks_data")),
              QStringLiteral("C:\\Program Files\\Quarn\\The \"Vocks\""));
    EXPECT_EQ(values->Value(QString()), QStringLiteral("default"));
    EXPECT_EQ(values->Value(QStringLiteral("CAF\u00c9")), QStringLiteral("na\u00efve\ttabA"));
    EXPECT_EQ(values->Value(QStringLiteral("Expand")), QStringLiteral("%ProgramFiles%\\Quarn"));
    EXPECT_FALSE(values->Contains(QStringLiteral("Count")));
    EXPECT_FALSE(values->Contains(QStringLiteral("Blob")));
}

TEST_F(WineRegistryFileTest, FindsTheKeyOnlyInAWineRegistryThatHoldsIt) {
    const QByteArray key = "[Software\\\\Quarn\\\\The Vocks] 1\n";
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7919 % 256);
    EXPECT_TRUE(ReadKey(Header + key)) << "a key without values exists";
    for (const QByteArray& text : {Header + "[Software\\\\Quarn] 1\n\"VOCKS_DATA\"=\"x\"\n", key,
                                   "REGEDIT4\n" + key, QByteArray(), binary + key})
        EXPECT_FALSE(ReadKey(text)) << text.left(40).toStdString();
    EXPECT_FALSE(ReadWineRegistryKey(FFolder.filePath(QStringLiteral("missing.reg")),
                                     ShellSandbox::GameKey));
    EXPECT_FALSE(ReadWineRegistryKey(FFolder.path(), ShellSandbox::GameKey));
}

TEST_F(WineRegistryFileTest, PassesOverDamagedLinesAndKeepsTheRest) {
    // Longer than any line the reader takes in one piece.
    const QByteArray junkLine(300 * 1024, 'J');
    const QByteArray binaryLine("\"Bin\"=\"\x00\xff\xfe\x01\"\n", 13);
    const auto values =
        ReadKey(Header +
                "[Software\\\\Quarn\\\\The Vocks\n\"Lost\"=\"1\"\n"
                "[Software\\\\Quarn\\\\The Vocks] 1\n" +
                junkLine + "\n\"Open\"=\"no end\n\"Unnamed=\"x\"\n\"EPInstalled\"=\"1\"\n" +
                binaryLine + "\"Trailing\"=\"x\\");
    ASSERT_TRUE(values.has_value());
    EXPECT_FALSE(values->Contains(QStringLiteral("Lost")));
    EXPECT_FALSE(values->Contains(QStringLiteral("Open")));
    EXPECT_FALSE(values->Contains(QStringLiteral("Trailing")));
    EXPECT_EQ(values->Value(QStringLiteral("EPInstalled")), QStringLiteral("1"));
    EXPECT_EQ(values->Value(QStringLiteral("Bin")).size(), 4);
}
