#include "language/TLanguage.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

struct LanguageTest : ::testing::Test {
    LanguageTest() {
        Language.SetDefaultLanguage(Lines({"[English]", "Save=Save", "Only=Built-in"}));
    }
    QString WriteFile(const QByteArray& bytes) const { return Dir.Write(u"test.lng"_s, bytes); }

    TLanguage Language;
    TempFolder Dir;
};
} // namespace

TEST_F(LanguageTest, LoadedFileOverridesWithCaseInsensitiveKeys) {
    const QString path = WriteFile("[Deutsch]\r\nSave=Speichern\rsave=Sichern\nEmpty=\n");
    QSignalSpy loaded(&Language, &TLanguage::OnLanguageLoaded);
    EXPECT_EQ(Language.LoadFile(path), 3);
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(Language.LanguageName(), u"Deutsch"_s);
    EXPECT_EQ(Language.GetString(u"SAVE"_s), u"Sichern"_s);
    EXPECT_EQ(Language.GetString(u"Empty"_s), QString());
    EXPECT_TRUE(Language.StringSet(u"empty"_s));
    EXPECT_EQ(Language.GetString(u"Only"_s), u"Built-in"_s);
    EXPECT_FALSE(Language.StringSet(u"Only"_s));
    EXPECT_FALSE(Language.StringSet(QString()));
    EXPECT_EQ(Language.GetString(QString()), QString());
}

TEST_F(LanguageTest, IgnoredLinesAndUntrimmedEquals) {
    EXPECT_EQ(Language.LoadStrings(Lines({"   ; Save=comment", "# Save=hash", "[Open header",
                                          "no equals sign", "  Key = spaced  ", "\tTabbed=x\t"})),
              2);
    EXPECT_EQ(Language.GetString(u"Save"_s), u"Save"_s);
    EXPECT_EQ(Language.LanguageName(), QString());
    EXPECT_EQ(Language.GetString(u"Key "_s), u" spaced"_s);
    EXPECT_EQ(Language.GetString(u"Tabbed"_s), u"x"_s);
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
        Language.SetString(u"Key"_s, QString::fromUtf8(test.Stored), false);
        EXPECT_EQ(Language.GetString(u"Key"_s).toStdString(), test.Shown) << test.Stored;
    }
}

TEST_F(LanguageTest, MissingKeysFallBackToTheMissingText) {
    EXPECT_EQ(Language.GetString(u"Nowhere"_s), u"Missing Translation!"_s);
    Language.LoadStrings(Lines({"MissingText=??"}));
    EXPECT_EQ(Language.GetString(u"Nowhere"_s), u"??"_s);
    EXPECT_EQ(Language.GetDefaultString(u"Nowhere"_s), u"??"_s);
    Language.SetMissingTextName(QString());
    EXPECT_EQ(Language.GetString(u"Nowhere"_s), u"Missing Translation!"_s);
}

TEST_F(LanguageTest, LoadFileEmptiesTheTableAndFiresNothingWithoutAFile) {
    Language.LoadStrings(Lines({"Save=Speichern"}));
    QSignalSpy loaded(&Language, &TLanguage::OnLanguageLoaded);
    EXPECT_EQ(Language.LoadFile(Dir.Path(u"missing.lng"_s)), 0);
    EXPECT_EQ(Language.LoadFile(QString()), 0);
    EXPECT_EQ(Language.LoadFile(Dir.Path()), 0);
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(Language.GetString(u"Save"_s), u"Save"_s);
}

TEST_F(LanguageTest, HugeValuesAndRepeatedKeysLoadWhole) {
    // Arbitrary bytes are the fuzz target's business; here a value far beyond any real
    // text and a key repeated often enough that replaced entries must be compacted.
    EXPECT_EQ(Language.LoadFile(WriteFile(QByteArray())), 0);
    const QByteArray longValue(1 << 20, 'x');
    QByteArray repeated;
    for (int i = 0; i < 20000; ++i)
        repeated += "Same=" + QByteArray::number(i) + "\n";
    EXPECT_EQ(Language.LoadFile(WriteFile("Long=" + longValue + "\n" + repeated)), 20001);
    EXPECT_EQ(Language.GetString(u"Long"_s).size(), longValue.size());
    EXPECT_EQ(Language.GetString(u"Same"_s), u"19999"_s);
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
    EXPECT_EQ(target.LanguageName(), u"Français"_s);
    EXPECT_EQ(target.GetString(u"Save"_s), u"Enregistrer"_s);
    EXPECT_EQ(target.GetString(u"OldOnly"_s), u"Alt"_s);
    EXPECT_EQ(target.GetString(u"Only"_s), u"Built-in"_s);
}
