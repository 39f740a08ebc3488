#include "app/TProgressForm.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      FMessageLabel(new QLabel(this)), FProgressBar(new QProgressBar(this)),
      FCancelButton(new QPushButton(this)) {
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
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));
    FCancelButton->setAutoDefault(false);
    inner->addWidget(FMessageLabel, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(FProgressBar, 1);
    bottom->addWidget(FCancelButton);
    inner->addLayout(bottom);
    connect(FCancelButton, &QPushButton::clicked, this, &TProgressForm::CancelClick);
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

void TProgressForm::SetCancelCaption(const QString& caption) {
    FCancelButton->setText(caption);
}

void TProgressForm::ShowCancel(bool shown) {
    FCancelButton->setVisible(shown);
    RepaintNow();
}

// The work stops at its next file; pressing again would promise more than that.
void TProgressForm::CancelClick() {
    FCancelRequested = true;
    FCancelButton->setEnabled(false);
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
    // Work still done on the interface thread shows each step at once. Events are not
    // processed here: a worker's queued changes would run nested in one another.
    if (isVisible())
        repaint();
}
