#include "app/TMainForm.h"

#include "support/QtPrinters.h"

#include <QTabWidget>

#include <gtest/gtest.h>

TEST(TMainForm, ShowsTheSixTabsCaptionedFromTheLanguage) {
    TMainForm form;
    QStringList captions;
    for (int i = 0; i < form.Pages()->count(); ++i)
        captions.append(form.Pages()->tabText(i));
    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("Install Files"), QStringLiteral("Export Filelist"),
                           QStringLiteral("FAR Objects"), QStringLiteral("Delete"),
                           QStringLiteral("Options"), QStringLiteral("Readme")}));
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("The Vocks Packwright")));
}
