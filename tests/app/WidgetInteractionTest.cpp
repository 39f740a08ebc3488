#include "app/WidgetInteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// The answer of a box the user closes with Return, and the caption of its highlighted button.
struct ReturnPressed {
    MessageAnswer Answer;
    QString Highlighted;
};

template <typename Ask> ReturnPressed PressReturnOn(Ask ask) {
    QString highlighted;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (box->defaultButton())
            highlighted = box->defaultButton()->text().remove(u'&');
        QTest::keyClick(box, Qt::Key_Return);
    });
    const MessageAnswer answer = ask();
    return {answer, highlighted};
}

TEST(WidgetInteraction, ReturnChoosesTheAnswerTheQuestionNames) {
    const struct {
        MessageButtons Buttons;
        std::optional<MessageAnswer> Named;
        MessageAnswer Expected;
        const char16_t* Highlighted;
    } cases[] = {
        {MessageButtons::Ok, std::nullopt, MessageAnswer::Ok, u"OK"},
        {MessageButtons::YesNo, std::nullopt, MessageAnswer::Yes, u"Yes"},
        {MessageButtons::YesNo, MessageAnswer::No, MessageAnswer::No, u"No"},
        {MessageButtons::YesNoCancel, std::nullopt, MessageAnswer::Yes, u"Yes"},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel, MessageAnswer::Cancel, u"Cancel"},
    };
    WidgetInteraction user(nullptr);
    for (const auto& item : cases) {
        const ReturnPressed pressed = PressReturnOn([&] {
            return item.Named
                       ? user.Ask(MessageKind::Confirmation, u"Sure?"_s, item.Buttons, *item.Named)
                       : user.Ask(MessageKind::Confirmation, u"Sure?"_s, item.Buttons);
        });
        EXPECT_EQ(pressed.Answer, item.Expected) << pressed.Highlighted.toStdString();
        EXPECT_EQ(pressed.Highlighted, QString::fromUtf16(item.Highlighted));
    }
}
} // namespace
