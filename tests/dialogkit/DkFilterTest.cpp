#include "dialogkit/DkFilter.h"

#include "dialogkit/TDkOpenDialog.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QComboBox>
#include <QListView>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString PictureFilter = QStringLiteral(
    "Valid Images (*.bmp, *.jpg, *.jpeg)|*.bmp;*.jpg;*.jpeg|Windows Bitmaps (*.bmp)|*.bmp|"
    "All Files (*.*)|*.*|");

// The names the dialog's list offers for choosing, once it has read the folder.
QSet<QString> OfferedNames(QFileDialog& dialog, qsizetype expectedCount) {
    auto* list = dialog.findChild<QListView*>(u"listView"_s);
    QSet<QString> names;
    const auto readNames = [&] {
        names.clear();
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
            if (index.flags().testFlag(Qt::ItemIsEnabled))
                names.insert(index.data().toString());
        }
        return names.size() == expectedCount;
    };
    EXPECT_TRUE(QTest::qWaitFor(readNames, 5000));
    return names;
}
} // namespace

TEST(DkNameFilters, KeepEachCaptionWithMasksAndMatchThemInAnyLetterCase) {
    EXPECT_EQ(
        DkNameFilters(PictureFilter),
        QStringList({QStringLiteral("Valid Images (*.bmp, *.jpg, *.jpeg) "
                                    "(*.[bB][mM][pP] *.[jJ][pP][gG] *.[jJ][pP][eE][gG])"),
                     u"Windows Bitmaps (*.bmp) (*.[bB][mM][pP])"_s, u"All Files (*.*) (*)"_s}));
    // Pairs without masks are dropped.
    EXPECT_EQ(DkNameFilters(QString()), QStringList());
    EXPECT_EQ(DkNameFilters(u"FAR Files (*.far)"_s), QStringList());
    EXPECT_EQ(DkNameFilters(u"Empty| ; |FAR Files|*.far|Lonely"_s),
              QStringList({u"FAR Files (*.[fF][aA][rR])"_s}));
}

TEST(DkNameFilters, ShowTheCaptionAndOfferTheMatchingFiles) {
    QTemporaryDir folder;
    for (const char* name : {"SKIN.BMP", "photo.Jpeg", "notes.txt", "README"})
        ASSERT_TRUE(WriteFixtureFile(folder.filePath(QLatin1String(name)), "x"));
    TDkOpenDialog open;
    open.SetFilter(PictureFilter);
    open.SetInitialPath(folder.path());
    const std::unique_ptr<QFileDialog> dialog = open.CreateFileDialog();

    auto* filterBox = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
    ASSERT_NE(filterBox, nullptr);
    EXPECT_EQ(filterBox->itemText(0), u"Valid Images (*.bmp, *.jpg, *.jpeg)"_s);
    EXPECT_EQ(OfferedNames(*dialog, 2), QSet<QString>({u"SKIN.BMP"_s, u"photo.Jpeg"_s}));
    dialog->selectNameFilter(dialog->nameFilters().last());
    EXPECT_EQ(OfferedNames(*dialog, 4).size(), 4);
}
