#include "install/TOverwrite.h"

#include "install/FileSizeText.h"
#include "language/BuiltInEnglish.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class TOverwriteTest : public TempFolderTest {
protected:
    TOverwriteTest() {
        FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FQuestion = {.NewPath = FFolder.Write(u"dl/chair.iff"_s, QByteArray(1536, 'n')),
                     .ExistingPath = FFolder.Write(u"game/CHAIR.IFF"_s, QByteArray(1023, 'e')),
                     .Message = {}};
        FFolder.Write(u"game/Sofa.iff"_s, "s");
    }
    ~TOverwriteTest() override { QLocale::setDefault(QLocale::system()); }

    template <typename T> static T* Control(const QWidget& dialog, const char* name) {
        return dialog.findChild<T*>(QLatin1String(name));
    }
    static QString Text(const QWidget& dialog, const char* label) {
        return Control<QLabel>(dialog, label)->text();
    }

    TLanguage FLanguage;
    FileExistsQuestion FQuestion;
};
} // namespace

TEST(FileSizeText, UsesTheUnitOfItsRangeAndTheLocalesSeparators) {
    TLanguage english;
    english.SetDefaultLanguage(BuiltInEnglishLines());
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        qint64 Bytes;
        QLocale Locale;
        QString Text;
    } cases[] = {
        {0, us, u"0 bytes"_s},
        {1, us, u"1 byte"_s},
        {14, us, u"14 bytes"_s},
        {1023, us, u"1,023 bytes"_s},
        {1023, german, u"1.023 bytes"_s},
        {1024, us, u"1 KB"_s},
        {1536, us, u"1.5 KB"_s},
        {1536, german, u"1,5 KB"_s},
        {1048575, us, u"1,024 KB"_s},
        {3145728, us, u"3 MB"_s},
        {5000000000, us, u"4,768.37 MB"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileSizeText(c.Bytes, english, c.Locale), c.Text) << c.Bytes;
}

TEST_F(TOverwriteTest, ShowsBothFilesAndTheCallersMessageWithTheFileName) {
    FQuestion.Message = u"{{filename}} is in the archive already."_s;
    // An archive entry's own size is shown, not the archive file's on disk.
    FQuestion.ExistingSize = 3145728;
    // An extracted entry shows the download it came from, not the temporary folder.
    FQuestion.NewShownPath =
        QDir::toNativeSeparators(FFolder.Path(u"Downloads/set.zip/chair.iff"_s));
    TOverwrite dialog(nullptr, FLanguage, FQuestion);
    dialog.show();
    EXPECT_EQ(Control<QLabel>(dialog, "SourceFolder")->toolTip(),
              QDir::toNativeSeparators(FFolder.Path(u"game"_s)));
    EXPECT_EQ(Control<QLabel>(dialog, "DestinationFolder")->toolTip(),
              QDir::toNativeSeparators(FFolder.Path(u"Downloads/set.zip"_s)));
    // Sized to its contents: no date, path or caption is cut.
    for (const char* name : {"SourceDate", "DestinationDate", "DestinationFolder", "OverwriteAll"})
        EXPECT_GE(Control<QWidget>(dialog, name)->width(),
                  Control<QWidget>(dialog, name)->sizeHint().width())
            << name;
    EXPECT_EQ(dialog.windowTitle(), u"File exists"_s);
    EXPECT_EQ(Text(dialog, "Question"), u"CHAIR.IFF is in the archive already."_s);
    EXPECT_EQ(Control<QGroupBox>(dialog, "Source")->title(), u"Existing File:"_s);
    EXPECT_EQ(Text(dialog, "SourceName"), u"CHAIR.IFF"_s);
    EXPECT_EQ(Text(dialog, "SourceSize"), u"3 MB"_s);
    EXPECT_EQ(Text(dialog, "DestinationName"), u"chair.iff"_s);
    EXPECT_EQ(Text(dialog, "DestinationSize"), u"1.5 KB"_s);
    EXPECT_FALSE(Text(dialog, "SourceDate").isEmpty());
    EXPECT_EQ(Control<QLineEdit>(dialog, "NewName")->text(), u"CHAIR.IFF"_s);
    EXPECT_TRUE(Control<QPushButton>(dialog, "Skip")->isDefault());
}

TEST_F(TOverwriteTest, GrowsRatherThanCutLongerCaptionsAndDates) {
    FLanguage.LoadStrings({u"LastModified=Zuletzt ge\u00e4ndert:"_s, u"Rename=&Umbenennen"_s,
                           u"Skip=\u00dcbe&rspringen"_s, u"SkipAll=Alle \u00fcbers&pringen"_s,
                           u"Overwrite=\u00dcber&schreiben"_s,
                           u"OverwriteAll=A&lle \u00fcberschreiben"_s});
    TOverwrite dialog(nullptr, FLanguage, FQuestion);
    dialog.show();
    dialog.layout()->activate();
    EXPECT_GE(dialog.width(), 409);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QPushButton*>(control);
        if ((label && !label->wordWrap()) || button) {
            EXPECT_GE(control->width(), control->minimumSizeHint().width())
                << (label ? label->text() : button->text()).toStdString();
        }
    }
}

TEST_F(TOverwriteTest, RenameWaitsForABareNameNoFileBesideTheExistingOneHas) {
    TOverwrite dialog(nullptr, FLanguage, FQuestion);
    dialog.show();
    auto* newName = Control<QLineEdit>(dialog, "NewName");
    const struct {
        QString Typed;
        bool Enabled;
    } cases[] = {
        {u"chair.iff"_s, false}, {u"SOFA.IFF"_s, false}, {u"sub\\chair2.iff"_s, false},
        {u"a/b.iff"_s, false},   {QString(), false},     {u"chair2.iff"_s, true},
    };
    for (const auto& c : cases) {
        newName->setText(c.Typed);
        EXPECT_EQ(Control<QPushButton>(dialog, "Rename")->isEnabled(), c.Enabled)
            << c.Typed.toStdString();
    }
}

TEST_F(TOverwriteTest, EachButtonGivesItsAnswerAndEscapeOrCloseSkips) {
    const struct {
        const char* Button;
        FileExistsAnswer Answer;
        QString NewName;
    } cases[] = {
        {"Escape", FileExistsAnswer::Skip, {}},
        {"Close", FileExistsAnswer::Skip, {}},
        {"Skip", FileExistsAnswer::Skip, {}},
        {"SkipAll", FileExistsAnswer::SkipAll, {}},
        {"Overwrite", FileExistsAnswer::Overwrite, {}},
        {"OverwriteAll", FileExistsAnswer::OverwriteAll, {}},
        {"Rename", FileExistsAnswer::Rename, u"chair2.iff"_s},
    };
    for (const auto& c : cases) {
        AnswerNextModal<TOverwrite>([&](TOverwrite& dialog) {
            Control<QLineEdit>(dialog, "NewName")->setText(u"chair2.iff"_s);
            if (qstrcmp(c.Button, "Escape") == 0)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (qstrcmp(c.Button, "Close") == 0)
                dialog.close();
            else
                QTest::mouseClick(Control<QPushButton>(dialog, c.Button), Qt::LeftButton);
        });
        const FileExistsReply reply = TOverwrite::Ask(nullptr, FLanguage, FQuestion);
        EXPECT_EQ(reply.Answer, c.Answer) << c.Button;
        EXPECT_EQ(reply.NewName, c.NewName) << c.Button;
    }
}
