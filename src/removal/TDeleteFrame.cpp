#include "removal/TDeleteFrame.h"

#include <QLabel>
#include <QVBoxLayout>

TDeleteFrame::TDeleteFrame(QWidget* owner)
    : QWidget(owner), FDeleteLanguage(this), FDeleteCaption(new QLabel(this)) {
    setObjectName(QStringLiteral("DeleteFrame"));
    FDeleteCaption->setObjectName(QStringLiteral("DeleteCaption"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FDeleteCaption);
    layout->addStretch(1);
    connect(&FDeleteLanguage, &TLanguage::OnLanguageLoaded, this,
            &TDeleteFrame::DeleteLanguageLanguageLoaded);
}

void TDeleteFrame::LoadInstalledContent() {}

void TDeleteFrame::DeleteLanguageLanguageLoaded() {
    FDeleteCaption->setText(FDeleteLanguage.GetString(QStringLiteral("SelectDelete")));
}
