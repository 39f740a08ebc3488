#include "app/QtTextsTranslation.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// The smallest translation file Qt takes: the magic number and no messages.
const QByteArray
    EmptyTranslation("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16);
} // namespace

TEST(QtTextsTranslation, InstallsQtsTranslationForTheLocaleWhereTheSystemHasIt) {
    TempFolder folder;
    const QString german = folder.Write(u"qtbase_de.qm"_s, EmptyTranslation);
    QtTextsTranslation translation(folder.Path());

    EXPECT_TRUE(translation.Install(QLocale(QLocale::German, QLocale::Austria)));
    EXPECT_EQ(translation.InstalledFile(), german);
    // No translation for French, or no known locale: Qt's texts go back to English.
    EXPECT_FALSE(translation.Install(QLocale(QLocale::French)));
    EXPECT_EQ(translation.InstalledFile(), QString());
    EXPECT_TRUE(translation.Install(QLocale(QLocale::German)));
    EXPECT_FALSE(translation.Install(std::nullopt));
    EXPECT_EQ(translation.InstalledFile(), QString());
}
