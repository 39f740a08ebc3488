#include "app/about/TAboutBox.h"

#include "app/about/AboutCredits.h"
#include "app/about/AboutTexts.h"
#include "app/about/ProgramEmblem.h"
#include "common/Placeholders.h"
#include "common/ProgramIdentity.h"
#include "language/BuiltInEnglish.h"
#include "platform/ProgramPlaces.h"
#include "widgets/TAutoScroll.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Margin = 8;
constexpr int EmblemSize = 32;
constexpr QSize CreditsSize(329, 113);
constexpr int CreditsInterval = 60;
// The end of the credits rests long enough to be read; later wrap-arounds rest briefly.
constexpr int CreditsEndPause = 5000;
constexpr int CreditsWrapPause = 1000;

QLabel* PlainLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

TAutoScroll* CreditsScroll(QWidget* parent) {
    auto* credits = new TAutoScroll(parent);
    credits->setObjectName(QStringLiteral("Credits"));
    credits->setMinimumWidth(CreditsSize.width());
    credits->setFixedHeight(CreditsSize.height());
    credits->SetOrientation(OrientOpts::asVertical);
    credits->SetInterval(CreditsInterval);
    credits->SetHoldOnMouse(false);
    credits->SetMouseDrag(false);
    credits->SetWordWrap(true);
    credits->SetAlignment(ScrollAlignment::Centre);
    credits->SetBevelOuter(TPanelBevel::Lowered);
    credits->SetBevelInner(TPanelBevel::Raised);
    return credits;
}
} // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FAboutLanguage(this), FNameLbl(PlainLabel(this, "NameLbl")),
      FDateLbl(PlainLabel(this, "DateLbl")), FSiteLbl(PlainLabel(this, "SiteLbl")),
      FDataLbl(PlainLabel(this, "DataLbl")), FImage1(PlainLabel(this, "Image1")),
      FOK(new QPushButton(this)), FCredits(CreditsScroll(this)) {
    setObjectName(QStringLiteral("AboutBox"));
    QFont nameFont = FNameLbl->font();
    nameFont.setBold(true);
    FNameLbl->setFont(nameFont);
    FImage1->setFixedSize(EmblemSize, EmblemSize);
    FImage1->setScaledContents(true);
    FImage1->setPixmap(ProgramEmblem(EmblemSize));
    FOK->setObjectName(QStringLiteral("OK"));
    FOK->setDefault(true);
    connect(FOK, &QPushButton::clicked, this, &QDialog::accept);
    LayOut();

    connect(FCredits, &TAutoScroll::OnCanChange, this, &TAboutBox::CreditsCanChange);
    connect(FCredits, &TAutoScroll::OnContinue, this, &TAboutBox::CreditsContinue);
    connect(&FAboutLanguage, &TLanguage::OnLanguageLoaded, this,
            &TAboutBox::AboutLanguageLanguageLoaded);
    FAboutLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    // The credits move only while the box is shown.
    FCredits->Disable();
    FCredits->Loaded();
}

void TAboutBox::LayOut() {
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    for (QLabel* label : {FNameLbl, FDateLbl, FSiteLbl, FDataLbl})
        texts->addWidget(label);
    auto* top = new QHBoxLayout;
    top->addLayout(texts, 1);
    top->addWidget(FImage1, 0, Qt::AlignTop);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(Margin, Margin, Margin, Margin);
    box->addLayout(top);
    box->addWidget(FCredits);
    box->addWidget(FOK, 0, Qt::AlignHCenter);
    // The box grows with its texts (a long address, a large font) and cannot be resized.
    box->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::SetProdVersion(const QString& version) {
    FVersion = version;
    AboutLanguageLanguageLoaded();
}

void TAboutBox::SetLastUpdate(const QString& date) {
    FDate = date;
    AboutLanguageLanguageLoaded();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FCredits->SetPosition(0);
    FCredits->Enable();
}

void TAboutBox::hideEvent(QHideEvent* event) {
    FCredits->Disable();
    QDialog::hideEvent(event);
}

void TAboutBox::AboutLanguageLanguageLoaded() {
    const QString prodFullName = FAboutLanguage.GetString(QStringLiteral("ProdFullName"));
    setWindowTitle(RequiredMarksText(
        FAboutLanguage, {.Key = u"About", .Fills = {{u"ProdFullName", prodFullName}}}));
    FNameLbl->setText(prodFullName + QLatin1Char(' ') + FVersion);
    FDateLbl->setText(
        ReplacePlaceholder(FAboutLanguage.GetString(QStringLiteral("LastUpdate")), u"Date", FDate));
    FSiteLbl->setText(ReplacePlaceholder(FAboutLanguage.GetString(QStringLiteral("Website")),
                                         u"Website", ProgramWebsite.toString()));
    FDataLbl->setText(
        ReplacePlaceholder(FAboutLanguage.GetString(QStringLiteral("DataFolderInUse")), u"Folder",
                           QDir::toNativeSeparators(DataFolder())));
    FOK->setText(FAboutLanguage.GetString(QStringLiteral("OK")));
    FCredits->SetLines(CreditsLines(FAboutLanguage));
}

void TAboutBox::CreditsCanChange(TAutoScroll* sender, int newPosition, bool&) {
    if (newPosition != CreditsRestPosition(sender->ScrollLength(), sender->height()))
        return;
    sender->SetPause(CreditsEndPause);
    sender->Pause();
}

void TAboutBox::CreditsContinue(TAutoScroll* sender) {
    sender->SetPause(CreditsWrapPause);
}
