#include "export/TExportFrame.h"

#include <QLabel>
#include <QVBoxLayout>

TExportFrame::TExportFrame(QWidget* owner)
    : QWidget(owner), FExportLanguage(this), FSelectListsLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("ExportFrame"));
    FSelectListsLabel->setObjectName(QStringLiteral("SelectListsLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FSelectListsLabel);
    layout->addStretch(1);
    connect(&FExportLanguage, &TLanguage::OnLanguageLoaded, this,
            &TExportFrame::ExportLanguageLanguageLoaded);
}

void TExportFrame::ExportLanguageLanguageLoaded() {
    FSelectListsLabel->setText(FExportLanguage.GetString(QStringLiteral("SelectLists")));
}
