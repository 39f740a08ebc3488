#include "install/TInstallFrame.h"

#include "install/DropPicture.h"
#include "install/MissingDropPicture.h"
#include "install/TDropImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* NamedLabel(QWidget* owner, const char* name) {
    auto* label = new QLabel(owner);
    label->setObjectName(QLatin1String(name));
    return label;
}
} // namespace

TInstallFrame::TInstallFrame(QWidget* owner)
    : QWidget(owner), FInstallLanguage(this), FFixFormEvent(this), FMainPanel(new QWidget(this)),
      FDesc1_1a(NamedLabel(FMainPanel, "Desc1_1a")), FDesc1_1b(NamedLabel(FMainPanel, "Desc1_1b")),
      FDesc1_1c(NamedLabel(FMainPanel, "Desc1_1c")), FImgPanel(new QWidget(FMainPanel)),
      FDropImg(new TDropImage(FImgPanel)) {
    setObjectName(QStringLiteral("InstallFrame"));
    FMainPanel->setObjectName(QStringLiteral("MainPanel"));
    FImgPanel->setObjectName(QStringLiteral("ImgPanel"));
    FDropImg->setObjectName(QStringLiteral("DropImg"));
    FDesc1_1b->setTextFormat(Qt::RichText);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(FDesc1_1a);
    heading->addWidget(FDesc1_1b);
    heading->addWidget(FDesc1_1c);
    heading->addStretch(1);
    auto* picture = new QVBoxLayout(FImgPanel);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->addWidget(FDropImg);
    auto* main = new QVBoxLayout(FMainPanel);
    main->setContentsMargins(4, 4, 4, 0);
    main->addLayout(heading);
    main->addWidget(FImgPanel, 1);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(FMainPanel);

    connect(FDropImg, &TDropImage::OnClick, this, &TInstallFrame::DropImgClick);
    connect(&FInstallLanguage, &TLanguage::OnLanguageLoaded, this,
            &TInstallFrame::InstallLanguageLanguageLoaded);
}

QSize TInstallFrame::FittedSize() const {
    const QLayout& main = *FMainPanel->layout();
    const QSize heading = main.itemAt(0)->sizeHint();
    const QSize picture = FDropImg->Picture().size();
    const QMargins margins = main.contentsMargins();
    return {std::max(picture.width(), heading.width()) + margins.left() + margins.right(),
            heading.height() + main.spacing() + picture.height() + margins.top() +
                margins.bottom()};
}

void TInstallFrame::ResetToStep1() {
    QImage picture = ReadDropPicture(FInstallBMP);
    if (picture.isNull())
        picture = MissingDropPicture(FInstallLanguage, FProdVersion);
    FDropImg->SetPicture(QPixmap::fromImage(picture));
    FInstallStep = 1;
    FixForm();
}

void TInstallFrame::FixForm() {
    FFixFormEvent.TriggerEvent(this);
}

void TInstallFrame::InstallLanguageLanguageLoaded() {
    const QString helpText = FInstallLanguage.GetString(QStringLiteral("HelpText1"));
    const QString mark = QStringLiteral("{{ClickHere}}");
    const qsizetype at = helpText.indexOf(mark, 0, Qt::CaseInsensitive);
    FDesc1_1a->setText((at < 0 ? helpText : helpText.left(at)).trimmed());
    FDesc1_1c->setText(at < 0 ? QString() : helpText.mid(at + mark.size()).trimmed());
    FDesc1_1b->setText(
        QStringLiteral("<a href=\"#\">%1</a>")
            .arg(FInstallLanguage.GetString(QStringLiteral("ClickHere")).toHtmlEscaped()));
}
