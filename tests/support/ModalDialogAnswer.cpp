#include "support/ModalDialogAnswer.h"

#include <QTimer>

void AnswerNextModalWidget(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal dialog came up";
        answer(*modal);
    });
}
