#include "app/TOptionsFrame.h"

#include "app/location/TVocksFoundMultiple.h"
#include "common/Interaction.h"
#include "common/Placeholders.h"
#include "journal/RetentionSettings.h"
#include "language/TLanguage.h"
#include "widgets/THistoryForm.h"
#include "widgets/WorkerJob.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int PackIndent = 20;
constexpr int MaximumHistoryCount = 9999;
// 1 TiB.
constexpr int MaximumHistoryMegabytes = 1 << 20;
const auto OpenDialogOptions = FileDialogOption::FileMustExist | FileDialogOption::PathMustExist |
                               FileDialogOption::HidePlacesBar | FileDialogOption::HideReadOnly;

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

void SetCaption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

FileDialogRequest OpenDialog(const QString& title, const QString& filter,
                             const QString& defaultExtension, const QString& shown) {
    FileDialogRequest request;
    request.Kind = FileDialogKind::Open;
    request.Title = title;
    request.Filter = filter;
    request.DefaultExtension = defaultExtension;
    request.InitialPath = shown;
    request.Options = OpenDialogOptions;
    return request;
}

FileDialogRequest PictureDialog(const TLanguage& language, const QString& shown) {
    const QString filter =
        language.GetString(QStringLiteral("ValidImages")) +
        QStringLiteral(" (*.bmp, *.jpg, *.jpeg)|*.bmp;*.jpg;*.jpeg|") +
        language.GetString(QStringLiteral("WindowsBitmaps")) + QStringLiteral(" (*.bmp)|*.bmp|") +
        language.GetString(QStringLiteral("JPEGFiles")) +
        QStringLiteral(" (*.jpg, *.jpeg)|*.jpg;*.jpeg|") +
        language.GetString(QStringLiteral("AllFiles")) + QStringLiteral(" (*.*)|*.*|");
    return OpenDialog(language.GetString(QStringLiteral("PicFileBrowse")), filter,
                      QStringLiteral("bmp"), shown);
}

FileDialogRequest LanguageDialog(const TLanguage& language, const QString& shown) {
    const QString filter =
        language.GetString(QStringLiteral("ValidLangFiles")) + QStringLiteral(" (*.lng)|*.lng|") +
        language.GetString(QStringLiteral("AllFiles")) + QStringLiteral(" (*.*)|*.*|");
    return OpenDialog(language.GetString(QStringLiteral("LangFileBrowse")), filter,
                      QStringLiteral("lng"), shown);
}

// The one path the user picked in an open dialog, or nothing.
std::optional<QString> PickedPath(const FileDialogAnswer& answer) {
    if (!answer.Confirmed || answer.Paths.isEmpty())
        return std::nullopt;
    return answer.Paths.first();
}
} // namespace

TOptionsFrame::TOptionsFrame(TLanguage& language, Interaction& interaction, QWidget* owner)
    : QWidget(owner), FLanguage(language), FInteraction(interaction),
      FEngine(language, interaction, TVocksFoundMultiple::Chooser(this, language),
              [this](const VocksSearch& search) { return SearchOnWorker(search); }) {
    setObjectName(QStringLiteral("OptionsFrame"));
    FContent = new QWidget;
    auto* boxes = new QVBoxLayout(FContent);
    boxes->addWidget(BuildPackwrightBox());
    boxes->addWidget(BuildVocksOptsBox());
    boxes->addWidget(BuildHistoryBox());
    boxes->addStretch(1);
    auto* scrollBox = new QScrollArea(this);
    scrollBox->setObjectName(QStringLiteral("OptionsScrollBox"));
    scrollBox->setWidgetResizable(true);
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setWidget(FContent);
    // The buttons stay in view however far the options are scrolled.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(scrollBox, 1);
    FButtons = BuildButtons();
    layout->addWidget(FButtons);
}

QSize TOptionsFrame::FittedSize() const {
    // While the tab is hidden its layouts keep the sizes they had before the captions were
    // set: bring them up to date first.
    for (QLayout* layout : findChildren<QLayout*>())
        layout->activate();
    const QSize content = FContent->sizeHint();
    const QSize buttons = FButtons->sizeHint();
    const QMargins margins = layout()->contentsMargins();
    return {std::max(content.width(), buttons.width()) + margins.left() + margins.right(),
            content.height() + layout()->spacing() + buttons.height() + margins.top() +
                margins.bottom()};
}

QGroupBox* TOptionsFrame::BuildPackwrightBox() {
    FPackwrightBox = Named(new QGroupBox(this), "PackwrightBox");
    auto* fileExistsLabel = Named(new QLabel(FPackwrightBox), "FileExistsLabel");
    FAsk = Named(new QRadioButton(FPackwrightBox), "Ask");
    FOverwrite = Named(new QRadioButton(FPackwrightBox), "FAOverwrite");
    FSkip = Named(new QRadioButton(FPackwrightBox), "Skip");
    FAsk->setChecked(true);
    auto* picFileLabel = Named(new QLabel(FPackwrightBox), "PicFileLabel");
    FBMPFileLoc = Named(new QLineEdit(FPackwrightBox), "BMPFileLoc");
    auto* browseBMPFile = Named(new QPushButton(FPackwrightBox), "BrowseBMPFile");
    auto* langFileLbl = Named(new QLabel(FPackwrightBox), "LangFileLbl");
    FLangFile = Named(new QLineEdit(FPackwrightBox), "LangFile");
    auto* langFileBrowse = Named(new QPushButton(FPackwrightBox), "LangFileBrowse");
    FOnTop = Named(new QCheckBox(FPackwrightBox), "OnTop");
    FScrollingText = Named(new QCheckBox(FPackwrightBox), "ScrollingText");

    auto* grid = new QGridLayout(FPackwrightBox);
    grid->addWidget(fileExistsLabel, 0, 0, 1, 2);
    grid->addWidget(FAsk, 1, 0, 1, 2);
    grid->addWidget(FOverwrite, 2, 0, 1, 2);
    grid->addWidget(FSkip, 3, 0, 1, 2);
    grid->addWidget(picFileLabel, 4, 0, 1, 2);
    grid->addWidget(FBMPFileLoc, 5, 0);
    grid->addWidget(browseBMPFile, 5, 1);
    grid->addWidget(langFileLbl, 6, 0, 1, 2);
    grid->addWidget(FLangFile, 7, 0);
    grid->addWidget(langFileBrowse, 7, 1);
    grid->addWidget(FOnTop, 8, 0, 1, 2);
    grid->addWidget(FScrollingText, 9, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(4);

    for (QAbstractButton* control :
         std::initializer_list<QAbstractButton*>{FAsk, FOverwrite, FSkip, FOnTop, FScrollingText})
        connect(control, &QAbstractButton::clicked, this, &TOptionsFrame::ChangeOpts);
    for (QLineEdit* edit : {FBMPFileLoc, FLangFile})
        connect(edit, &QLineEdit::textEdited, this, &TOptionsFrame::ChangeOpts);
    connect(browseBMPFile, &QPushButton::clicked, this, &TOptionsFrame::BrowseBMPFileClick);
    connect(langFileBrowse, &QPushButton::clicked, this, &TOptionsFrame::LangFileBrowseClick);

    FCaptions.insert(FCaptions.end(), {{.Widget = fileExistsLabel, .CaptionKey = "IfFileExists"},
                                       {.Widget = FAsk, .CaptionKey = "FileExistsAsk"},
                                       {.Widget = FOverwrite, .CaptionKey = "FileExistsOverwrite"},
                                       {.Widget = FSkip, .CaptionKey = "FileExistsSkip"},
                                       {.Widget = picFileLabel, .CaptionKey = "PicFileLabel"},
                                       {.Widget = browseBMPFile, .CaptionKey = "Browse"},
                                       {.Widget = langFileLbl, .CaptionKey = "LangFile"},
                                       {.Widget = langFileBrowse, .CaptionKey = "Browse"},
                                       {.Widget = FOnTop, .CaptionKey = "OnTop"},
                                       {.Widget = FScrollingText, .CaptionKey = "ScrollingText"}});
    return FPackwrightBox;
}

QGroupBox* TOptionsFrame::BuildVocksOptsBox() {
    FVocksOptsBox = Named(new QGroupBox(this), "VocksOptsBox");
    auto* vocksPathLabel = Named(new QLabel(FVocksOptsBox), "VocksPathLabel");
    FPathEdit = Named(new QLineEdit(FVocksOptsBox), "PathEdit");
    auto* pathBrowseButton = Named(new QPushButton(FVocksOptsBox), "PathBrowseButton");
    auto* pathSearch = Named(new QPushButton(FVocksOptsBox), "PathSearch");
    FExpansion = Named(new QCheckBox(FVocksOptsBox), "Expansion");

    auto* grid = new QGridLayout(FVocksOptsBox);
    grid->addWidget(vocksPathLabel, 0, 0, 1, 3);
    grid->addWidget(FPathEdit, 1, 0);
    grid->addWidget(pathBrowseButton, 1, 1);
    grid->addWidget(pathSearch, 1, 2);
    grid->addWidget(FExpansion, 2, 0, 1, 3);
    auto* packs = new QVBoxLayout;
    packs->setContentsMargins(PackIndent, 0, 0, 0);
    for (std::size_t i = 0; i < ExpansionPacks.size(); ++i) {
        FPackBoxes[i] = Named(new QCheckBox(FVocksOptsBox), ExpansionPacks[i].BoxName);
        FPackBoxes[i]->setEnabled(false);
        packs->addWidget(FPackBoxes[i]);
        connect(FPackBoxes[i], &QCheckBox::clicked, this, &TOptionsFrame::ChangeOpts);
    }
    grid->addLayout(packs, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(4);

    connect(FPathEdit, &QLineEdit::textEdited, this, &TOptionsFrame::ChangeOpts);
    connect(FExpansion, &QCheckBox::clicked, this, &TOptionsFrame::ExpansionClick);
    connect(pathBrowseButton, &QPushButton::clicked, this, &TOptionsFrame::PathBrowseButtonClick);
    connect(pathSearch, &QPushButton::clicked, this, &TOptionsFrame::PathSearchClick);

    FCaptions.insert(FCaptions.end(), {{.Widget = vocksPathLabel, .CaptionKey = "VocksPathLabel"},
                                       {.Widget = pathBrowseButton, .CaptionKey = "Browse"},
                                       {.Widget = pathSearch, .CaptionKey = "VocksFind"},
                                       {.Widget = FExpansion, .CaptionKey = "EPInstalled"}});
    return FVocksOptsBox;
}

QGroupBox* TOptionsFrame::BuildHistoryBox() {
    FHistoryBox = Named(new QGroupBox(this), "HistoryBox");
    auto* countLabel = Named(new QLabel(FHistoryBox), "HistoryCountLabel");
    FHistoryCount = Named(new QSpinBox(FHistoryBox), "HistoryCount");
    FHistoryCount->setRange(0, MaximumHistoryCount);
    auto* spaceLabel = Named(new QLabel(FHistoryBox), "HistorySpaceLabel");
    FHistorySpace = Named(new QSpinBox(FHistoryBox), "HistorySpace");
    FHistorySpace->setRange(0, MaximumHistoryMegabytes);
    FHistorySpace->setSingleStep(256);
    auto* history = Named(new QPushButton(FHistoryBox), "HistoryButton");

    auto* grid = new QGridLayout(FHistoryBox);
    grid->addWidget(countLabel, 0, 0);
    grid->addWidget(FHistoryCount, 0, 1);
    grid->addWidget(spaceLabel, 1, 0);
    grid->addWidget(FHistorySpace, 1, 1);
    grid->addWidget(history, 0, 2);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(4);

    for (QSpinBox* spin : {FHistoryCount, FHistorySpace})
        connect(spin, &QSpinBox::valueChanged, this, &TOptionsFrame::ChangeOpts);
    connect(history, &QPushButton::clicked, this, &TOptionsFrame::HistoryClick);

    FCaptions.insert(FCaptions.end(), {{.Widget = countLabel, .CaptionKey = "HistoryCount"},
                                       {.Widget = spaceLabel, .CaptionKey = "HistorySpace"},
                                       {.Widget = history, .CaptionKey = "HistoryButton"}});
    return FHistoryBox;
}

QWidget* TOptionsFrame::BuildButtons() {
    auto* buttons = new QWidget(this);
    FSaveOptsBut = Named(new QPushButton(buttons), "SaveOptsBut");
    auto* defaultOpts = Named(new QPushButton(buttons), "DefaultOpts");
    auto* cancelOpts = Named(new QPushButton(buttons), "CancelOpts");
    FSaveOptsBut->setDefault(true);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(9, 0, 9, 0);
    row->addStretch(1);
    row->addWidget(FSaveOptsBut);
    row->addWidget(defaultOpts);
    row->addWidget(cancelOpts);

    connect(FSaveOptsBut, &QPushButton::clicked, this, &TOptionsFrame::SaveSettings);
    connect(defaultOpts, &QPushButton::clicked, this, &TOptionsFrame::DefaultOptsClick);
    connect(cancelOpts, &QPushButton::clicked, this, &TOptionsFrame::LoadSettings);
    // Enter in an edit saves, as the default button of the tab.
    for (QLineEdit* edit : {FBMPFileLoc, FLangFile, FPathEdit})
        connect(edit, &QLineEdit::returnPressed, FSaveOptsBut, &QPushButton::click);

    FCaptions.insert(FCaptions.end(), {{.Widget = FSaveOptsBut, .CaptionKey = "Save"},
                                       {.Widget = defaultOpts, .CaptionKey = "Defaults"},
                                       {.Widget = cancelOpts, .CaptionKey = "Discard"}});
    return buttons;
}

void TOptionsFrame::LoadLanguageSetting() {
    const LanguageSetting setting = FEngine.LoadLanguageSetting();
    FLangFile->setText(setting.Shown);
    FLanguage.LoadFile(setting.File);
}

void TOptionsFrame::LoadSettings() {
    ShownOptions shown = Shown();
    const SettingsOutcome outcome = FEngine.LoadSettings(shown);
    Show(shown);
    TakeOutcome(outcome);
}

bool TOptionsFrame::SaveSettings() {
    ShownOptions shown = Shown();
    const SettingsOutcome outcome = FEngine.SaveSettings(shown);
    Show(shown);
    if (outcome.Saved)
        TakeOutcome(outcome);
    else if (outcome.Warned)
        Q_EMIT OnWarningShown();
    return outcome.Saved;
}

void TOptionsFrame::ApplyDefaults() {
    ShownOptions shown = Shown();
    FEngine.ApplyDefaults(shown);
    Show(shown);
    FOptionsChanged = true;
}

// Defaults replace every option shown, edits and stored values alike: only on a clear Yes.
void TOptionsFrame::DefaultOptsClick() {
    if (FInteraction.Ask(MessageKind::Confirmation,
                         FLanguage.GetString(QStringLiteral("DefaultsWarning")),
                         MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes)
        ApplyDefaults();
}

void TOptionsFrame::TakeOutcome(const SettingsOutcome& outcome) {
    // Only defaults that could not be saved differ from the store now.
    FOptionsChanged = outcome.Unsaved;
    Q_EMIT OnSettingsLoaded(FEngine.Applied());
    if (outcome.LanguageChanged)
        LoadLanguageSetting();
    if (outcome.Warned)
        Q_EMIT OnWarningShown();
}

void TOptionsFrame::ApplyCaptions() {
    for (const CaptionedControl& control : FCaptions)
        SetCaption(control.Widget, FLanguage.GetString(QLatin1String(control.CaptionKey)));
    FPackwrightBox->setTitle(FLanguage.GetString(QStringLiteral("ProdName")) + QLatin1Char(':'));
    FVocksOptsBox->setTitle(FLanguage.GetString(QStringLiteral("Vocks")) + QLatin1Char(':'));
    FHistoryBox->setTitle(FLanguage.GetString(QStringLiteral("HistoryBox")) + QLatin1Char(':'));
    ApplyPackCaptions();
}

void TOptionsFrame::ApplyPackCaptions() {
    const QString generic = FLanguage.GetString(QStringLiteral("SpecificEPInstalled"));
    for (std::size_t i = 0; i < ExpansionPacks.size(); ++i) {
        const QString name = QLatin1String(ExpansionPacks[i].NameKey);
        // A language file may word each pack's box on its own.
        const QString ownKey = name + QStringLiteral("Installed");
        FPackBoxes[i]->setText(
            FLanguage.StringSet(ownKey)
                ? FLanguage.GetString(ownKey)
                : ReplacePlaceholder(generic, u"EPName", FLanguage.GetString(name)));
    }
}

void TOptionsFrame::ChangeOpts() {
    FOptionsChanged = true;
}

void TOptionsFrame::ExpansionClick() {
    for (QCheckBox* box : FPackBoxes)
        box->setEnabled(FExpansion->isChecked());
    ChangeOpts();
}

void TOptionsFrame::BrowseBMPFileClick() {
    const std::optional<QString> path =
        PickedPath(FInteraction.AskForPaths(PictureDialog(FLanguage, FBMPFileLoc->text())));
    if (!path || !FEngine.CheckBrowsedPicture(*path))
        return;
    FBMPFileLoc->setText(*path);
    ChangeOpts();
}

void TOptionsFrame::LangFileBrowseClick() {
    const std::optional<QString> path =
        PickedPath(FInteraction.AskForPaths(LanguageDialog(FLanguage, FLangFile->text())));
    if (!path)
        return;
    // The language changes when the options are saved.
    FLangFile->setText(*path);
    ChangeOpts();
}

void TOptionsFrame::PathBrowseButtonClick() {
    if (const std::optional<QString> folder =
            BrowseVocksFolder(FLanguage, FInteraction, FPathEdit->text())) {
        FPathEdit->setText(*folder);
        ChangeOpts();
    }
}

QStringList TOptionsFrame::SearchOnWorker(const VocksSearch& search) {
    QStringList found;
    RunWorkerJobAndWait(*this, FInteraction,
                        [&found, &search](Interaction& worker) { found = search(worker); });
    return found;
}

void TOptionsFrame::HistoryClick() {
    THistoryForm::Open(*this, FLanguage, FInteraction);
}

void TOptionsFrame::PathSearchClick() {
    if (const std::optional<QString> folder = FEngine.FindGameFolder()) {
        FPathEdit->setText(*folder);
        ChangeOpts();
    }
}

ShownOptions TOptionsFrame::Shown() const {
    ShownOptions shown;
    shown.Action = FOverwrite->isChecked() ? FileAction::Overwrite
                   : FSkip->isChecked()    ? FileAction::Skip
                                           : FileAction::Ask;
    shown.PictureFile = FBMPFileLoc->text();
    shown.LanguageFile = FLangFile->text();
    shown.GameFolder = FPathEdit->text();
    shown.Expansion.Expansion = FExpansion->isChecked();
    for (std::size_t i = 0; i < FPackBoxes.size(); ++i)
        shown.Expansion.Packs[i] = FPackBoxes[i]->isChecked();
    shown.PacksEnabled = FPackBoxes.front()->isEnabled();
    shown.OnTop = FOnTop->isChecked();
    shown.ScrollingText = FScrollingText->isChecked();
    shown.History = {.Count = FHistoryCount->value(),
                     .KeptBytes = qint64(FHistorySpace->value()) << MebibyteShift};
    return shown;
}

void TOptionsFrame::Show(const ShownOptions& shown) {
    FAsk->setChecked(shown.Action == FileAction::Ask);
    FOverwrite->setChecked(shown.Action == FileAction::Overwrite);
    FSkip->setChecked(shown.Action == FileAction::Skip);
    FBMPFileLoc->setText(shown.PictureFile);
    FLangFile->setText(shown.LanguageFile);
    FPathEdit->setText(shown.GameFolder);
    FExpansion->setChecked(shown.Expansion.Expansion);
    for (std::size_t i = 0; i < FPackBoxes.size(); ++i) {
        FPackBoxes[i]->setChecked(shown.Expansion.Packs[i]);
        FPackBoxes[i]->setEnabled(shown.PacksEnabled);
    }
    FOnTop->setChecked(shown.OnTop);
    FScrollingText->setChecked(shown.ScrollingText);
    // Values shown are no edits.
    const QSignalBlocker countBlocker(FHistoryCount);
    const QSignalBlocker spaceBlocker(FHistorySpace);
    FHistoryCount->setValue(shown.History.Count);
    FHistorySpace->setValue(
        int(std::min<qint64>(shown.History.KeptBytes >> MebibyteShift, MaximumHistoryMegabytes)));
}
