#include "language/TLanguage.h"

#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("test.lng"));
    EXPECT_TRUE(WriteFixtureFile(path, bytes));
    return path;
}

struct LanguageTest : ::testing::Test {
    LanguageTest() {
        Language.SetDefaultLanguage(Lines({"[English]", "Save=Save", "Only=Built-in"}));
    }
    TLanguage Language;
    QTemporaryDir Dir;
};
} // namespace

TEST_F(LanguageTest, LoadedFileOverridesWithCaseInsensitiveKeys) {
    const QString path = WriteFile(Dir, "[Deutsch]\r\nSave=Speichern\rsave=Sichern\nEmpty=\n");
    QSignalSpy loaded(&Language, &TLanguage::OnLanguageLoaded);
    EXPECT_EQ(Language.LoadFile(path), 3);
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(Language.LanguageName(), QStringLiteral("Deutsch"));
    EXPECT_EQ(Language.GetString(QStringLiteral("SAVE")), QStringLiteral("Sichern"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Empty")), QString());
    EXPECT_TRUE(Language.StringSet(QStringLiteral("empty")));
    EXPECT_EQ(Language.GetString(QStringLiteral("Only")), QStringLiteral("Built-in"));
    EXPECT_FALSE(Language.StringSet(QStringLiteral("Only")));
    EXPECT_FALSE(Language.StringSet(QString()));
    EXPECT_EQ(Language.GetString(QString()), QString());
}

TEST_F(LanguageTest, IgnoredLinesAndUntrimmedEquals) {
    EXPECT_EQ(Language.LoadStrings(Lines({"   ; Save=comment", "# Save=hash", "[Open header",
                                          "no equals sign", "  Key = spaced  ", "\tTabbed=x\t"})),
              2);
    EXPECT_EQ(Language.GetString(QStringLiteral("Save")), QStringLiteral("Save"));
    EXPECT_EQ(Language.LanguageName(), QString());
    EXPECT_EQ(Language.GetString(QStringLiteral("Key ")), QStringLiteral(" spaced"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Tabbed")), QStringLiteral("x"));
}

TEST_F(LanguageTest, EscapesDecodeInOrderAndAnyCase) {
    Language.LoadStrings(Lines({R"(Two=first\nsecond)", R"(Caps=first\Nsecond)", R"(Pair=a\r\nb)",
                                R"(Tab=a\Tb)", R"(Slash=C:\\Vocks\\)", R"(SlashN=a\\nb)"}));
    EXPECT_EQ(Language.GetString(QStringLiteral("Two")), QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Caps")), QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Pair")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Tab")), QStringLiteral("a\tb"));
    EXPECT_EQ(Language.GetString(QStringLiteral("Slash")), QStringLiteral("C:\\Vocks\\"));
    // The backslash pair is decoded first, so it cannot protect an "n".
    EXPECT_EQ(Language.GetString(QStringLiteral("SlashN")), QStringLiteral("a\r\nb"));
}

TEST_F(LanguageTest, MissingKeysFallBackToTheMissingText) {
    EXPECT_EQ(Language.GetString(QStringLiteral("Nowhere")),
              QStringLiteral("Missing Translation!"));
    Language.LoadStrings(Lines({"MissingText=??"}));
    EXPECT_EQ(Language.GetString(QStringLiteral("Nowhere")), QStringLiteral("??"));
    EXPECT_EQ(Language.GetDefaultString(QStringLiteral("Nowhere")), QStringLiteral("??"));
    Language.SetMissingTextName(QString());
    EXPECT_EQ(Language.GetString(QStringLiteral("Nowhere")),
              QStringLiteral("Missing Translation!"));
}

TEST_F(LanguageTest, LoadFileEmptiesTheTableAndFiresNothingWithoutAFile) {
    Language.LoadStrings(Lines({"Save=Speichern"}));
    QSignalSpy loaded(&Language, &TLanguage::OnLanguageLoaded);
    EXPECT_EQ(Language.LoadFile(Dir.filePath(QStringLiteral("missing.lng"))), 0);
    EXPECT_EQ(Language.LoadFile(QString()), 0);
    EXPECT_EQ(Language.LoadFile(Dir.path()), 0);
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(Language.GetString(QStringLiteral("Save")), QStringLiteral("Save"));
}

TEST_F(LanguageTest, HostileFilesLoadWithoutHarm) {
    EXPECT_EQ(Language.LoadFile(WriteFile(Dir, QByteArray())), 0);
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 37);
    Language.LoadFile(WriteFile(Dir, binary));
    EXPECT_EQ(Language.GetString(QStringLiteral("Save")), QStringLiteral("Save"));

    const QByteArray longValue(1 << 20, 'x');
    QByteArray repeated;
    for (int i = 0; i < 20000; ++i)
        repeated += "Same=" + QByteArray::number(i) + "\n";
    EXPECT_EQ(Language.LoadFile(WriteFile(Dir, "Long=" + longValue + "\n" + repeated)), 20001);
    EXPECT_EQ(Language.GetString(QStringLiteral("Long")).size(), longValue.size());
    EXPECT_EQ(Language.GetString(QStringLiteral("Same")), QStringLiteral("19999"));
    EXPECT_EQ(Language.LoadedLines().size(), 2);
}

TEST_F(LanguageTest, CopyKeepsEarlierEntriesOfTheTarget) {
    TLanguage target;
    Language.LoadStrings(Lines({"[Deutsch]", "Save=Speichern", "OldOnly=Alt"}));
    Language.CopyTo(target);
    TLanguage next;
    next.SetDefaultLanguage(Language.DefaultLanguage());
    next.LoadStrings(Lines({"[Français]", "Save=Enregistrer"}));
    QSignalSpy loaded(&target, &TLanguage::OnLanguageLoaded);
    next.CopyTo(target);
    EXPECT_EQ(loaded.count(), 2);
    EXPECT_EQ(target.LanguageName(), QStringLiteral("Français"));
    EXPECT_EQ(target.GetString(QStringLiteral("Save")), QStringLiteral("Enregistrer"));
    EXPECT_EQ(target.GetString(QStringLiteral("OldOnly")), QStringLiteral("Alt"));
    EXPECT_EQ(target.GetString(QStringLiteral("Only")), QStringLiteral("Built-in"));
}
