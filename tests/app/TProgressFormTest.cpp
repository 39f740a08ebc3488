#include "app/TProgressForm.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(TProgressForm, KeepsMessageBarAndVisibility) {
    TProgressForm form;
    EXPECT_TRUE(form.BarShown());
    EXPECT_EQ(form.Message(), QString());
    form.show();
    form.SetMessage(QStringLiteral("Loading, Please wait..."));
    form.SetPercent(140);
    form.ShowBar(false);
    EXPECT_EQ(form.Message(), QStringLiteral("Loading, Please wait..."));
    EXPECT_EQ(form.Percent(), 100);
    EXPECT_FALSE(form.BarShown());
}
