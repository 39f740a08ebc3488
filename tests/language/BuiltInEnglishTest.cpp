#include "language/BuiltInEnglish.h"

#include "language/TLanguage.h"
#include "support/QtPrinters.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Keys the program looks up that only a language file may define.
const QSet<QString> LanguageFileOnlyKeys = {u"MissingText"_s,      u"TevarinInstalled"_s,
                                            u"OsseryInstalled"_s,  u"FennickInstalled"_s,
                                            u"GlimmetInstalled"_s, u"WendleInstalled"_s};

// Every literal key in the sources: lookups, and key fields of caption tables.
QSet<QString> KeysUsedInSources() {
    static const QRegularExpression lookup(QStringLiteral(
        R"re((?:GetString|GetDefaultString)\(\s*(?:QStringLiteral\(|QLatin1String\(|u)?"(\w+)")re"));
    static const QRegularExpression field(QStringLiteral(R"re(\w*Key\s*=\s*u?"(\w+)")re"));
    QSet<QString> keys;
    QDirIterator files(QStringLiteral(PACKWRIGHT_SOURCE_DIR "/src"), {u"*.cpp"_s, u"*.h"_s},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression* pattern : {&lookup, &field}) {
            auto matches = pattern->globalMatch(text);
            while (matches.hasNext())
                keys.insert(matches.next().captured(1));
        }
    }
    return keys;
}
} // namespace

TEST(BuiltInEnglish, DefinesEveryKeyTheCodeLooksUpAndNoLanguageFileOnlyKey) {
    const QStringList lines = BuiltInEnglishLines();
    TLanguage language;
    language.SetDefaultLanguage(lines);
    for (const QString& key : LanguageFileOnlyKeys)
        EXPECT_FALSE(language.DefaultLanguage().contains(key + QLatin1Char('=')))
            << key.toStdString();
    const QSet<QString> used = KeysUsedInSources();
    EXPECT_FALSE(used.isEmpty());
    for (const QString& key : used) {
        if (LanguageFileOnlyKeys.contains(key))
            continue;
        EXPECT_NE(language.GetDefaultString(key), u"Missing Translation!"_s)
            << "key not in the built-in table: " << key.toStdString();
    }
}

// The neighbourhood chooser names the magic pack as the options do ("I have Wendle installed").
TEST(BuiltInEnglish, TheChooserNamesTheMagicPackAsTheOptionsDo) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    EXPECT_TRUE(language.GetString(u"HasMagic"_s).contains(language.GetString(u"Wendle"_s)));
}
