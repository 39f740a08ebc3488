#include "hood/THoodForm.h"

#include "language/BuiltInEnglish.h"
#include "support/ModalDialogAnswer.h"
#include "support/OwnProgramFolder.h"
#include "support/QtPrinters.h"
#include "widgets/TAutoScroll.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// The settings store lies in the test's folder: the chooser remembers the last choice.
class THoodFormTest : public OwnProgramFolderTest {
protected:
    THoodFormTest() { FLanguage.SetDefaultLanguage(BuiltInEnglishLines()); }

    template <typename T> static T* Control(const QWidget& form, const char* name) {
        return form.findChild<T*>(QLatin1String(name));
    }
    static QString Value(const QWidget& form, const char* item) {
        return Control<QLabel>(form, (item + "Value"_ba).constData())->text();
    }
    static QStringList Numbers(const QWidget& form) {
        auto* list = Control<QComboBox>(form, "HoodNo");
        QStringList numbers;
        for (int i = 0; i < list->count(); ++i)
            numbers.append(list->itemText(i));
        return numbers;
    }
    HoodChoice ChooseBy(const std::function<void(THoodForm&)>& answer,
                        const QString& game = u"game/"_s) {
        AnswerNextModal<THoodForm>(answer);
        return THoodForm::Choose(nullptr, FLanguage, FFolder.Path(game),
                                 {true, {true, true, true, true, true}});
    }

    TLanguage FLanguage;
};
} // namespace

TEST_F(THoodFormTest, ListsTheNeighbourhoodsAndShowsTheOneTypedIn) {
    FFolder.Write(u"game/UserData/ltwd.nfo"_s, "Pleasant Row\0"
                                               "38000.5\0"
                                               "first\r\nsecond"_ba);
    FFolder.Write(u"game/UserData/Houses/House21.iff"_s, "x");
    FFolder.Write(u"game/UserData12/f"_s, "x");
    FFolder.Write(u"game/UserData3/f"_s, "x");
    THoodForm form(nullptr, FLanguage, FFolder.Path(u"game/"_s),
                   {true, {true, false, true, true, true}});
    form.show();

    EXPECT_EQ(form.windowTitle(), u"Select Neighborhood"_s);
    EXPECT_EQ(Numbers(form), (QStringList{u"1"_s, u"3"_s, u"12"_s}));
    // The first neighbourhood is chosen, as its details show.
    EXPECT_EQ(Control<QComboBox>(form, "HoodNo")->currentText(), u"1"_s);
    QStringList values;
    for (const char* item : {"Occupied", "Name", "Downtown", "Island", "Community"})
        values.append(Value(form, item));
    EXPECT_EQ(values, (QStringList{u"Yes"_s, u"Pleasant Row"_s, u"Yes"_s, u"N/A"_s, u"No"_s}));
    EXPECT_NE(Value(form, "Date"), u"Not Set"_s);
    EXPECT_EQ(Control<QPlainTextEdit>(form, "Comments")->toPlainText(), u"first\nsecond"_s);
    const QStringList help = Control<TAutoScroll>(form, "DetailsScroll")->Lines();
    EXPECT_TRUE(help.value(0).contains(u"https://example.org/"_s));

    auto* hoodNo = Control<QComboBox>(form, "HoodNo");
    hoodNo->setEditText(u"3"_s);
    EXPECT_EQ(Value(form, "Occupied"), u"Yes"_s);
    EXPECT_EQ(Value(form, "Date"), u"Not Set"_s);
    hoodNo->setEditText(u"7"_s);
    EXPECT_EQ(Value(form, "Occupied"), u"No"_s);
    EXPECT_FALSE(Control<QLabel>(form, "LocationValue")->isVisible());
    hoodNo->setEditText(u"x"_s);
    hoodNo->setEditText(u"100"_s);
    EXPECT_EQ(Value(form, "Occupied"), u"No"_s);
}

TEST_F(THoodFormTest, AnswersWithTheChosenFolderOrWithoutOne) {
    FFolder.Write(u"game/userdata3/f"_s, "x");
    const HoodChoice chosen = ChooseBy([](THoodForm& form) {
        Control<QComboBox>(form, "HoodNo")->setEditText(u"3"_s);
        QTest::mouseClick(Control<QPushButton>(form, "Continue"), Qt::LeftButton);
    });
    EXPECT_EQ(chosen.Answer, HoodChoiceAnswer::Continue);
    EXPECT_EQ(chosen.HoodPath, FFolder.Path(u"game/userdata3/"_s));

    // A game without neighbourhood folders shows neighbourhood 1, which has none.
    QDir().mkpath(FFolder.Path(u"bare-game"_s));
    const HoodChoice none = ChooseBy(
        [](THoodForm& form) {
            EXPECT_EQ(Value(form, "Occupied"), u"No"_s);
            QTest::mouseClick(Control<QPushButton>(form, "Continue"), Qt::LeftButton);
        },
        u"bare-game/"_s);
    EXPECT_EQ(none.Answer, HoodChoiceAnswer::Continue);
    EXPECT_EQ(none.HoodPath, QString());

    EXPECT_EQ(ChooseBy([](THoodForm& form) { form.close(); }).Answer,
              HoodChoiceAnswer::DontInstall);
    EXPECT_EQ(ChooseBy([](THoodForm& form) {
                  QTest::mouseClick(Control<QPushButton>(form, "Cancel"), Qt::LeftButton);
              }).Answer,
              HoodChoiceAnswer::Cancel);
}

TEST_F(THoodFormTest, OffersTheNeighbourhoodChosenLastWhileItExists) {
    FFolder.Write(u"game/UserData/f"_s, "x");
    FFolder.Write(u"game/UserData3/Houses/House21.iff"_s, "x");
    ChooseBy([](THoodForm& form) {
        Control<QComboBox>(form, "HoodNo")->setCurrentText(u"3"_s);
        QTest::mouseClick(Control<QPushButton>(form, "Continue"), Qt::LeftButton);
    });
    ChooseBy([](THoodForm& form) {
        EXPECT_EQ(Control<QComboBox>(form, "HoodNo")->currentText(), u"3"_s);
        EXPECT_EQ(Value(form, "Occupied"), u"Yes"_s);
        form.close();
    });

    QDir(FFolder.Path(u"game/UserData3"_s)).removeRecursively();
    ChooseBy([](THoodForm& form) {
        EXPECT_EQ(Control<QComboBox>(form, "HoodNo")->currentText(), u"1"_s);
        form.close();
    });
}
