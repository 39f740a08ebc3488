#pragma once

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Answers the next modal dialog once the event loop has shown it: answer gets the dialog,
// which must be a Dialog, and ends it. The test fails when no such dialog comes up.
void AnswerNextModalWidget(std::function<void(QWidget&)> answer);

template <typename Dialog> void AnswerNextModal(std::function<void(Dialog&)> answer) {
    AnswerNextModalWidget([answer = std::move(answer)](QWidget& widget) {
        auto* dialog = qobject_cast<Dialog*>(&widget);
        if (dialog)
            return answer(*dialog);
        ADD_FAILURE() << "the modal window is a " << widget.metaObject()->className();
        // Closed, so the test goes on instead of waiting for ever.
        widget.close();
    });
}
