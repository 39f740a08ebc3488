#include "hood/THoodForm.h"

#include "common/Placeholders.h"
#include "hood/LastHood.h"
#include "hood/THoodDetails.h"
#include "widgets/TAutoScroll.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A page about keeping neighbourhood backups, named in the scrolling tip.
const QString BackupToolAddress = QStringLiteral("https://example.org/neighbourhood-backups/");
} // namespace

THoodForm::THoodForm(QWidget* owner, const TLanguage& language, const QString& gameFolder,
                     const ExpansionFlags& packs)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      FGameFolder(gameFolder), FPacks(packs), FHeading(new QLabel(this)),
      FHoodDetails(new THoodDetails(this)), FHoodNoLabel(new QLabel(this)),
      FHoodNo(new QComboBox(this)), FWarningLabel(new QLabel(this)),
      FDetailsScroll(new TAutoScroll(this)),
      FContinue(MakeButton("Continue", HoodChoiceAnswer::Continue)),
      FDontInstall(MakeButton("DontInstall", HoodChoiceAnswer::DontInstall)),
      FCancel(MakeButton("Cancel", HoodChoiceAnswer::Cancel)) {
    setObjectName(QStringLiteral("HoodForm"));
    FHoodNo->setObjectName(QStringLiteral("HoodNo"));
    FHoodNo->setEditable(true);
    FWarningLabel->setObjectName(QStringLiteral("WarningLabel"));
    FWarningLabel->setAlignment(Qt::AlignCenter);
    FWarningLabel->setWordWrap(true);
    FDetailsScroll->setObjectName(QStringLiteral("DetailsScroll"));
    FDetailsScroll->SetInterval(30);
    FDetailsScroll->SetPause(0);
    FContinue->setDefault(true);

    auto* hoodNo = new QHBoxLayout;
    hoodNo->addWidget(FHoodNoLabel);
    hoodNo->addWidget(FHoodNo, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {FContinue, FDontInstall, FCancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FHeading);
    layout->addLayout(hoodNo);
    layout->addWidget(FHoodDetails, 1);
    layout->addWidget(FDetailsScroll);
    layout->addWidget(FWarningLabel);
    layout->addLayout(buttons);
    setFixedSize(420, 420);

    const QList<int> existing = ExistingHoods(gameFolder);
    for (const int number : existing)
        FHoodNo->addItem(QString::number(number));
    // The box and the details show one neighbourhood: the last one chosen, or the first.
    const int preferred = PreferredHood(existing);
    FHoodDetails->ShowHood(LoadHoodDetails(gameFolder, preferred > 0 ? preferred : 1, packs));
    FHoodNo->setCurrentIndex(static_cast<int>(existing.indexOf(preferred)));
    connect(FHoodNo, &QComboBox::currentTextChanged, this, &THoodForm::HoodNoChange);
    connect(&FHoodLanguage, &TLanguage::OnLanguageLoaded, this,
            &THoodForm::HoodLanguageLanguageLoaded);
    language.CopyTo(FHoodLanguage);
    FDetailsScroll->SetPosition(0);
}

QPushButton* THoodForm::MakeButton(const char* name, HoodChoiceAnswer answer) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, answer] {
        FAnswer = answer;
        done(static_cast<int>(answer));
    });
    return button;
}

HoodChoice THoodForm::Choice() const {
    return {.Answer = FAnswer,
            .HoodPath =
                FAnswer == HoodChoiceAnswer::Continue ? FHoodDetails->Hood().HoodPath : QString()};
}

HoodChoice THoodForm::Choose(QWidget* owner, const TLanguage& language, const QString& gameFolder,
                             const ExpansionFlags& packs) {
    THoodForm form(owner, language, gameFolder, packs);
    form.exec();
    if (form.Choice().Answer == HoodChoiceAnswer::Continue)
        RememberHood(form.FHoodDetails->Hood().HoodNo);
    return form.Choice();
}

// The close box and Escape leave the houses out, like Don't install.
void THoodForm::reject() {
    FAnswer = HoodChoiceAnswer::DontInstall;
    done(static_cast<int>(HoodChoiceAnswer::DontInstall));
}

// Numbers outside 1 to 99 and text that is no number leave the details as they are.
void THoodForm::HoodNoChange(const QString& text) {
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber && number >= 1 && number <= 99)
        FHoodDetails->ShowHood(LoadHoodDetails(FGameFolder, number, FPacks));
}

void THoodForm::HoodLanguageLanguageLoaded() {
    setWindowTitle(FHoodLanguage.GetString(QStringLiteral("InstallHouses")));
    FHeading->setText(FHoodLanguage.GetString(QStringLiteral("SelectHood")));
    FHoodNoLabel->setText(FHoodLanguage.GetString(QStringLiteral("Neighborhood")));
    FWarningLabel->setText(FHoodLanguage.GetString(QStringLiteral("LotOverwrite")));
    FContinue->setText(FHoodLanguage.GetString(QStringLiteral("HoodContinue")));
    FDontInstall->setText(FHoodLanguage.GetString(QStringLiteral("NoHouses")));
    FCancel->setText(FHoodLanguage.GetString(QStringLiteral("HoodCancel")));
    QString tip = FHoodLanguage.GetString(QStringLiteral("DownloadLTWD"));
    if (!HasPlaceholder(tip, u"URL"))
        tip = FHoodLanguage.GetDefaultString(QStringLiteral("DownloadLTWD"));
    FDetailsScroll->SetLines({ReplacePlaceholder(tip, u"URL", BackupToolAddress)});
    FHoodDetails->SetTexts(FHoodLanguage);
}
