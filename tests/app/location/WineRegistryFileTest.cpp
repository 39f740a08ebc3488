#include "app/location/WineRegistryFile.h"

#include "app/ShellSandbox.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class WineRegistryFileTest : public TempFolderTest {
protected:
    std::optional<RegistryKeyValues> ReadKey(const QByteArray& fileText) {
        return ReadWineRegistryKey(FFolder.Write(u"system.reg"_s, fileText), ShellSandbox::GameKey);
    }
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
    EXPECT_EQ(values->Value(u"vocks_data"_s), u"C:\\Program Files\\Quarn\\The \"Vocks\""_s);
    EXPECT_EQ(values->Value(QString()), u"default"_s);
    EXPECT_EQ(values->Value(u"CAF\u00c9"_s), u"na\u00efve\ttabA"_s);
    EXPECT_EQ(values->Value(u"Expand"_s), u"%ProgramFiles%\\Quarn"_s);
    EXPECT_FALSE(values->Contains(u"Count"_s));
    EXPECT_FALSE(values->Contains(u"Blob"_s));
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
    for (const QString& unreadable : {FFolder.Path(u"missing.reg"_s), FFolder.Path()})
        EXPECT_FALSE(ReadWineRegistryKey(unreadable, ShellSandbox::GameKey));
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
    EXPECT_FALSE(values->Contains(u"Lost"_s));
    EXPECT_FALSE(values->Contains(u"Open"_s));
    EXPECT_FALSE(values->Contains(u"Trailing"_s));
    EXPECT_EQ(values->Value(u"EPInstalled"_s), u"1"_s);
    EXPECT_EQ(values->Value(u"Bin"_s).size(), 4);
}
