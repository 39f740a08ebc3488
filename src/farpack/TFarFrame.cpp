#include "farpack/TFarFrame.h"

#include <QLabel>
#include <QVBoxLayout>

TFarFrame::TFarFrame(QWidget* owner)
    : QWidget(owner), FFarLanguage(this), FFARLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("FarFrame"));
    FFARLabel->setObjectName(QStringLiteral("FARLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FFARLabel);
    layout->addStretch(1);
    connect(&FFarLanguage, &TLanguage::OnLanguageLoaded, this,
            &TFarFrame::FarLanguageLanguageLoaded);
}

void TFarFrame::FillList() {}

void TFarFrame::FarLanguageLanguageLoaded() {
    FFARLabel->setText(FFarLanguage.GetString(QStringLiteral("FarSelectFiles")));
}
