#include "language/LanguageLocale.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString LanguageFolder = QStringLiteral(PACKWRIGHT_SOURCE_DIR "/src/language");

// The entries of a language file by key, values with their escapes still in them.
QHash<QString, QString> Entries(const QString& fileName) {
    TLanguage language;
    language.LoadFile(QDir(LanguageFolder).filePath(fileName));
    QHash<QString, QString> entries;
    for (const QString& line : language.LoadedLines()) {
        const qsizetype equals = line.indexOf(u'=');
        entries.insert(line.left(equals), line.mid(equals + 1));
    }
    return entries;
}

// What a translation must keep of a text: each mark the program fills in, the escapes that
// shape its lines, and its accelerator ("&&" is a literal ampersand).
QString Skeleton(const QString& value) {
    static const QRegularExpression kept(QStringLiteral(R"re(\{\{\w+\}\}|\\.|&&|&)re"));
    QStringList marks;
    QStringList shape;
    auto matches = kept.globalMatch(value.toLower());
    while (matches.hasNext()) {
        const QString part = matches.next().captured();
        if (part.startsWith(u'{'))
            marks.append(part);
        else if (part != u"&&"_s)
            shape.append(part);
    }
    marks.removeDuplicates();
    QStringList parts = marks + shape;
    parts.sort();
    return parts.join(u' ');
}
} // namespace

TEST(ShippedLanguages,
     EveryTranslationHasExactlyTheEnglishKeysWithTheirMarksEscapesAndAccelerators) {
    const QHash<QString, QString> english = Entries(u"English.lng"_s);
    ASSERT_GT(english.size(), 300);
    QStringList translations = QDir(LanguageFolder).entryList({u"*.lng"_s}, QDir::Files);
    translations.removeAll(u"English.lng"_s);
    ASSERT_TRUE(translations.contains(u"Deutsch.lng"_s));
    for (const QString& fileName : translations) {
        const QHash<QString, QString> translated = Entries(fileName);
        for (auto entry = english.cbegin(); entry != english.cend(); ++entry) {
            if (!translated.contains(entry.key())) {
                ADD_FAILURE() << fileName.toStdString() << " lacks " << entry.key().toStdString();
                continue;
            }
            EXPECT_EQ(Skeleton(translated.value(entry.key())), Skeleton(entry.value()))
                << fileName.toStdString() << ", key " << entry.key().toStdString();
        }
        for (auto entry = translated.cbegin(); entry != translated.cend(); ++entry)
            EXPECT_TRUE(english.contains(entry.key()))
                << fileName.toStdString()
                << " has a key English lacks: " << entry.key().toStdString();
    }
}

TEST(ShippedLanguages, TheGermanFileReadsAsGermanAndItsHeaderTurnsQtsOwnTextsGerman) {
    TLanguage german;
    german.LoadFile(QDir(LanguageFolder).filePath(u"Deutsch.lng"_s));
    EXPECT_EQ(german.GetString(u"Delete"_s), u"L\u00f6schen"_s);
    const std::optional<QLocale> locale = LanguageLocale({german.LanguageName()});
    ASSERT_TRUE(locale.has_value());
    EXPECT_EQ(locale->language(), QLocale::German);
}
