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
    const struct {
        const char* Stored;
        const char* Shown;
    } cases[] = {
        {R"(first\nsecond)", "first\r\nsecond"},
        {R"(first\Nsecond)", "first\r\nsecond"},
        {R"(a\r\nb)", "a\r\nb"},
        {R"(a\Tb)", "a\tb"},
        {R"(C:\\Vocks\\)", "C:\\Vocks\\"},
        // The backslash pair is decoded first, so it cannot protect an "n".
        {R"(a\\nb)", "a\r\nb"},
    };
    for (const auto& test : cases) {
        Language.SetString(QStringLiteral("Key"), QString::fromUtf8(test.Stored), false);
        EXPECT_EQ(Language.GetString(QStringLiteral("Key")).toStdString(), test.Shown)
            << test.Stored;
    }
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

TEST_F(LanguageTest, HugeValuesAndRepeatedKeysLoadWhole) {
    // Arbitrary bytes are the fuzz target's business; here a value far beyond any real
    // text and a key repeated often enough that replaced entries must be compacted.
    EXPECT_EQ(Language.LoadFile(WriteFile(Dir, QByteArray())), 0);
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
