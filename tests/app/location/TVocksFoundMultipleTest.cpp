#include "app/location/TVocksFoundMultiple.h"

#include "language/BuiltInEnglish.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class TVocksFoundMultipleTest : public ::testing::Test {
protected:
    TVocksFoundMultipleTest() { FLanguage.SetDefaultLanguage(BuiltInEnglishLines()); }

    template <typename T> static T* Control(const QWidget& dialog, const char* name) {
        return dialog.findChild<T*>(QLatin1String(name));
    }

    TLanguage FLanguage;
    const QStringList FFolders{u"/c/Vocks/"_s, u"/d/Vocks/"_s};
};
} // namespace

TEST_F(TVocksFoundMultipleTest, OkWaitsForASelectionWhichBecomesTheChoice) {
    TVocksFoundMultiple cancelled(nullptr, FLanguage, FFolders);
    cancelled.show();
    EXPECT_EQ(Control<QListWidget>(cancelled, "Results")->count(), 2);
    EXPECT_FALSE(Control<QPushButton>(cancelled, "Ok")->isEnabled());
    cancelled.reject();
    EXPECT_EQ(cancelled.ChosenFolder(), QString());

    TVocksFoundMultiple dialog(nullptr, FLanguage, FFolders);
    dialog.show();
    Control<QListWidget>(dialog, "Results")->item(1)->setSelected(true);
    EXPECT_TRUE(Control<QPushButton>(dialog, "Ok")->isEnabled());
    QTest::mouseClick(Control<QPushButton>(dialog, "Ok"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenFolder(), FFolders[1]);
}

TEST_F(TVocksFoundMultipleTest, ADoubleClickOnAnEntryChoosesIt) {
    AnswerNextModal<TVocksFoundMultiple>([&](TVocksFoundMultiple& dialog) {
        auto* results = Control<QListWidget>(dialog, "Results");
        const QRect entry = results->visualItemRect(results->item(0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, entry.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, entry.center());
    });
    EXPECT_EQ(TVocksFoundMultiple::Choose(nullptr, FLanguage, FFolders), FFolders[0]);
}
