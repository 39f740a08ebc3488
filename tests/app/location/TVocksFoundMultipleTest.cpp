#include "app/location/TVocksFoundMultiple.h"

#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class TVocksFoundMultipleTest : public ::testing::Test {
protected:
    TVocksFoundMultipleTest() { FLanguage.SetDefaultLanguage(BuiltInEnglishLines()); }

    template <typename T> static T* Control(const QWidget& dialog, const char* name) {
        return dialog.findChild<T*>(QLatin1String(name));
    }

    TLanguage FLanguage;
    const QStringList FFolders{QStringLiteral("/c/Vocks/"), QStringLiteral("/d/Vocks/")};
};
} // namespace

TEST_F(TVocksFoundMultipleTest, OpensWithNothingChosenAndOkDisabled) {
    TVocksFoundMultiple dialog(nullptr, FLanguage, FFolders);
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select the location of The Vocks"));
    EXPECT_EQ(Control<QLabel>(dialog, "MultiLabel")->text(),
              QStringLiteral("Multiple locations of \"Vocks.exe\" have been found."));
    EXPECT_EQ(Control<QLabel>(dialog, "SelectLabel")->text(),
              QStringLiteral("Please select the right one:"));
    EXPECT_EQ(Control<QListWidget>(dialog, "Results")->count(), 2);
    EXPECT_FALSE(Control<QPushButton>(dialog, "Ok")->isEnabled());
    EXPECT_EQ(dialog.ChosenFolder(), QString());
    dialog.reject();
    EXPECT_EQ(dialog.ChosenFolder(), QString());
}

TEST_F(TVocksFoundMultipleTest, SelectingEnablesOkAndTheSelectionIsTheChoice) {
    TVocksFoundMultiple dialog(nullptr, FLanguage, FFolders);
    dialog.show();
    auto* results = Control<QListWidget>(dialog, "Results");
    results->item(1)->setSelected(true);

    EXPECT_TRUE(Control<QPushButton>(dialog, "Ok")->isEnabled());
    QTest::mouseClick(Control<QPushButton>(dialog, "Ok"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenFolder(), FFolders[1]);
}

TEST_F(TVocksFoundMultipleTest, ADoubleClickOnAnEntryChoosesIt) {
    QString chosen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TVocksFoundMultiple*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* results = Control<QListWidget>(*dialog, "Results");
        const QRect entry = results->visualItemRect(results->item(0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, entry.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, entry.center());
    });
    chosen = TVocksFoundMultiple::Choose(nullptr, FLanguage, FFolders);
    EXPECT_EQ(chosen, FFolders[0]);
}
