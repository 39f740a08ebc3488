#include "app/TProgressForm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      FMessageLabel(new QLabel(this)), FProgressBar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("ProgressForm"));
    setFixedSize(329, 89);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("ProgressPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(panel);
    auto* inner = new QVBoxLayout(panel);
    FMessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    FMessageLabel->setAlignment(Qt::AlignCenter);
    FMessageLabel->setWordWrap(true);
    FProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    FProgressBar->setRange(0, 100);
    inner->addWidget(FMessageLabel, 1);
    inner->addWidget(FProgressBar);
}

void TProgressForm::SetMessage(const QString& text) {
    FMessageLabel->setText(text);
    RepaintNow();
}

void TProgressForm::SetPercent(int percent) {
    FProgressBar->setValue(std::clamp(percent, 0, 100));
    RepaintNow();
}

void TProgressForm::ShowBar(bool shown) {
    FProgressBar->setVisible(shown);
    RepaintNow();
}

QString TProgressForm::Message() const {
    return FMessageLabel->text();
}

int TProgressForm::Percent() const {
    return FProgressBar->value();
}

bool TProgressForm::BarShown() const {
    return !FProgressBar->isHidden();
}

void TProgressForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        FormDeactivate();
    QDialog::changeEvent(event);
}

void TProgressForm::FormDeactivate() {
    if (isVisible() && QGuiApplication::applicationState() == Qt::ApplicationActive &&
        !QApplication::activeModalWidget())
        activateWindow();
    RepaintNow();
}

void TProgressForm::RepaintNow() {
    if (!isVisible())
        return;
    repaint();
    // Long work runs on this thread; let the window system draw the change now.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
