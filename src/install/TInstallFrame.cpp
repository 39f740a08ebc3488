#include "install/TInstallFrame.h"

#include "common/Interaction.h"
#include "common/PathRules.h"
#include "install/DownloadFolder.h"
#include "install/DropPicture.h"
#include "install/InstallDialogFilter.h"
#include "install/InstallExecution.h"
#include "install/IntakeTree.h"
#include "install/MissingDropPicture.h"
#include "install/TDropImage.h"
#include "install/TInstallFilesPanel.h"
#include "platform/ProgramPlaces.h"
#include "widgets/WorkerJob.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <optional>

namespace {
QLabel* NamedLabel(QWidget* owner, const char* name) {
    auto* label = new QLabel(owner);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString LinkText(const QString& text) {
    return QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped());
}
void OpenWithEnter(QLabel* link, const std::function<void()>& open) {
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setFocusPolicy(Qt::StrongFocus);
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(enter, link, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, link, open);
    }
}
} // namespace

TInstallFrame::TInstallFrame(QWidget* owner)
    : QWidget(owner), FInstallLanguage(this), FFixFormEvent(this), FMainPanel(new QWidget(this)),
      FDesc1_1a(NamedLabel(FMainPanel, "Desc1_1a")), FDesc1_1b(NamedLabel(FMainPanel, "Desc1_1b")),
      FDesc1_1c(NamedLabel(FMainPanel, "Desc1_1c")),
      FAddFolder(NamedLabel(FMainPanel, "AddFolder")), FImgPanel(new QWidget(FMainPanel)),
      FDropImg(new TDropImage(FImgPanel)), FDropSubtitle(NamedLabel(FMainPanel, "DropSubtitle")),
      FFilesPanel(new TInstallFilesPanel(this)) {
    setObjectName(QStringLiteral("InstallFrame"));
    FMainPanel->setObjectName(QStringLiteral("MainPanel"));
    FImgPanel->setObjectName(QStringLiteral("ImgPanel"));
    FDropImg->setObjectName(QStringLiteral("DropImg"));
    FDesc1_1b->setTextFormat(Qt::RichText);
    // The links start an install: a keyboard user reaches them with Tab and opens them with Enter.
    OpenWithEnter(FDesc1_1b, [this] { Desc1_1bClick(); });
    FAddFolder->setTextFormat(Qt::RichText);
    OpenWithEnter(FAddFolder, [this] { AddFolderClick(); });
    FDropSubtitle->setAlignment(Qt::AlignCenter);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(FDesc1_1a);
    heading->addWidget(FDesc1_1b);
    heading->addWidget(FDesc1_1c);
    heading->addStretch(1);
    // Below the picture, so that the heading keeps the window as narrow as the picture.
    auto* below = new QHBoxLayout;
    below->addWidget(FDropSubtitle, 1);
    below->addWidget(FAddFolder);
    auto* picture = new QVBoxLayout(FImgPanel);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->addWidget(FDropImg);
    auto* main = new QVBoxLayout(FMainPanel);
    main->setContentsMargins(4, 4, 4, 0);
    main->addLayout(heading);
    main->addWidget(FImgPanel, 1);
    main->addLayout(below);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(FMainPanel);
    frame->addWidget(FFilesPanel);
    FFilesPanel->setObjectName(QStringLiteral("FilesPanel"));
    FFilesPanel->hide();

    // The picture asks for downloads, so a click on it opens the same dialog as the link.
    connect(FDropImg, &TDropImage::OnClick, this, &TInstallFrame::Desc1_1bClick);
    connect(FDropImg, &TDropImage::FileDropDropFiles, this, &TInstallFrame::SelectFiles);
    connect(FDesc1_1b, &QLabel::linkActivated, this, &TInstallFrame::Desc1_1bClick);
    connect(FAddFolder, &QLabel::linkActivated, this, &TInstallFrame::AddFolderClick);
    connect(FFilesPanel, &TInstallFilesPanel::BackTo1Click, this, &TInstallFrame::ResetToStep1);
    connect(FFilesPanel, &TInstallFilesPanel::InstallClick, this, &TInstallFrame::InstallClick);
    connect(FFilesPanel, &TInstallFilesPanel::ReadmeUnreadable, this,
            [this](const QString& message) { FInteraction->Fail(message); });
    connect(&FInstallLanguage, &TLanguage::OnLanguageLoaded, this,
            &TInstallFrame::InstallLanguageLanguageLoaded);
}

QSize TInstallFrame::FittedSize() const {
    const QLayout& main = *FMainPanel->layout();
    const QSize heading = main.itemAt(0)->sizeHint();
    const QSize picture = FDropImg->Picture().size();
    const QSize below = main.itemAt(2)->sizeHint();
    const QMargins margins = main.contentsMargins();
    return {std::max({picture.width(), heading.width(), below.width()}) + margins.left() +
                margins.right(),
            heading.height() + picture.height() + below.height() + 2 * main.spacing() +
                margins.top() + margins.bottom()};
}

void TInstallFrame::SetInteraction(Interaction& interaction) {
    FInteraction = &interaction;
    FFilesPanel->SetInteraction(interaction);
}

void TInstallFrame::SelectFiles(const QStringList& paths) {
    // Made on the worker, read on the window's thread once the worker has ended.
    auto intake = std::make_shared<std::optional<FileIntake>>();
    const PackFlags packs = FExpansion.Expansion ? FExpansion.Packs : PackFlags{};
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    RunWorkerJob(
        *this, *FInteraction,
        [this, intake, packs, paths, tempFolder = FTempFolder](Interaction& worker) {
            intake->emplace(worker, FInstallLanguage, packs, tempFolder);
            (*intake)->SelectFiles(paths);
        },
        [this, intake](bool completed) {
            QGuiApplication::restoreOverrideCursor();
            if (completed)
                ShowIntake(**intake);
        });
}

void TInstallFrame::ShowIntake(const FileIntake& intake) {
    if (intake.Cancelled()) {
        ResetToStep1();
        return;
    }
    const bool installable = intake.Classifier().HasInstallable();
    if (!installable) {
        FInteraction->Warn(FInstallLanguage.GetString(QStringLiteral("InstallNoFiles")));
        if (intake.Readmes().isEmpty()) {
            FFilesPanel->ShowNothingFound(FInstallLanguage);
            ResetToStep1();
            return;
        }
    }
    FInstallStep = 2;
    FFilesPanel->ShowFiles(BuildIntakeTree(intake.Classifier(), FInstallLanguage), intake.Readmes(),
                           FInstallLanguage);
    // A readme may be all that opened, and it may say the archive's password: it stays
    // readable beside the empty tree until the user goes back.
    if (!installable)
        FFilesPanel->ShowNothingFound(FInstallLanguage);
    FixForm();
}

void TInstallFrame::ResetToStep1() {
    QImage picture = ReadDropPicture(FInstallBMP);
    if (picture.isNull())
        picture = MissingDropPicture(FInstallLanguage, FProdVersion);
    FDropImg->SetPicture(QPixmap::fromImage(picture));
    FFilesPanel->ShowNothingFound(FInstallLanguage);
    // Files extracted by the last intake go with it.
    if (!FTempFolder.isEmpty())
        EmptyTempFolder(FTempFolder);
    FInstallStep = 1;
    FixForm();
}

void TInstallFrame::InstallClick() {
    auto request = std::make_shared<const InstallRequest>(InstallRequest{
        .Files = TickedFiles(),
        .GameFolder = WithTrailingSeparator(FVocksPath),
        .Packs = FExpansion,
        .FileExistsDefault = FFileExistsDefault,
        .DatabaseFile = JoinCaseInsensitive(DataFolder(), QStringLiteral("files.iff")),
        .ExtractionFolder = FTempFolder});
    RunWorkerJob(
        *this, *FInteraction,
        [this, request](Interaction& worker) {
            InstallTickedFiles(*request, FInstallLanguage, worker);
        },
        // Whatever the install ends in, even an error, the tab starts afresh.
        [this](bool) { ResetToStep1(); });
}

QList<TickedFile> TInstallFrame::TickedFiles() const {
    return FInstallStep == 2 ? FFilesPanel->TickedFiles() : QList<TickedFile>();
}

void TInstallFrame::FixForm() {
    const bool step2 = FInstallStep == 2;
    FMainPanel->setVisible(!step2);
    FFilesPanel->setVisible(step2);
    FFilesPanel->RunHelp(step2);
    FFixFormEvent.TriggerEvent(this);
}

void TInstallFrame::Desc1_1bClick() {
    FileDialogRequest request;
    request.Kind = FileDialogKind::OpenMultiple;
    request.Title = FInstallLanguage.GetString(QStringLiteral("SelectFiles"));
    request.Filter = InstallDialogFilter(FInstallLanguage);
    request.InitialPath = StartingDownloadFolder();
    request.Options = FileDialogOption::FileMustExist | FileDialogOption::PathMustExist |
                      FileDialogOption::HideReadOnly | FileDialogOption::HidePlacesBar;
    SelectChosen(FInteraction->AskForPaths(request));
}

void TInstallFrame::AddFolderClick() {
    FileDialogRequest request;
    request.Kind = FileDialogKind::Folder;
    request.Title = FInstallLanguage.GetString(QStringLiteral("SelectFolder"));
    request.Description = request.Title;
    request.InitialPath = StartingDownloadFolder();
    SelectChosen(FInteraction->AskForPaths(request));
}

// The next dialog starts where the first path chosen lies: in the folder of a file, beside
// a folder, where its siblings are.
void TInstallFrame::SelectChosen(const FileDialogAnswer& answer) {
    if (!answer.Confirmed || answer.Paths.isEmpty())
        return;
    RememberDownloadFolder(QFileInfo(answer.Paths.first()).absolutePath());
    SelectFiles(answer.Paths);
}

void TInstallFrame::InstallLanguageLanguageLoaded() {
    const QString helpText = FInstallLanguage.GetString(QStringLiteral("HelpText1"));
    const QString mark = QStringLiteral("{{ClickHere}}");
    const qsizetype at = helpText.indexOf(mark, 0, Qt::CaseInsensitive);
    FDesc1_1a->setText((at < 0 ? helpText : helpText.left(at)).trimmed());
    FDesc1_1c->setText(at < 0 ? QString() : helpText.mid(at + mark.size()).trimmed());
    FDesc1_1b->setText(LinkText(FInstallLanguage.GetString(QStringLiteral("ClickHere"))));
    FAddFolder->setText(LinkText(FInstallLanguage.GetString(QStringLiteral("AddFolder"))));
    FDropSubtitle->setText(FInstallLanguage.GetString(QStringLiteral("DropSubtitle")));
    FFilesPanel->ApplyCaptions(FInstallLanguage);
}
