#include "app/TMainForm.h"

#include "app/about/TAboutBox.h"
#include "app/ProductInfo.h"
#include "app/ReadmeText.h"
#include "app/RunTempFolder.h"
#include "app/StripText.h"
#include "app/TMainScreenStrip.h"
#include "app/TOptionsFrame.h"
#include "app/TPageControl.h"
#include "app/WidgetInteraction.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "export/TListExportFrame.h"
#include "farpack/TFARFrame.h"
#include "install/DeleteFolderTree.h"
#include "install/TInstallFrame.h"
#include "journal/OperationsFolder.h"
#include "journal/Recovery.h"
#include "language/BuiltInEnglish.h"
#include "language/LanguageLocale.h"
#include "platform/ProgramPlaces.h"
#include "removal/TDeleteFrame.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int WindowMargin = 4;

struct Page {
    const char* ObjectName;
    const char* CaptionKey;
};

// In the order of the tabs.
constexpr Page PageTable[] = {
    {.ObjectName = "InstallTab", .CaptionKey = "Install"},
    {.ObjectName = "ExportTab", .CaptionKey = "Export"},
    {.ObjectName = "FARTab", .CaptionKey = "FAR"},
    {.ObjectName = "DeleteTab", .CaptionKey = "Delete"},
    {.ObjectName = "OptionsTab", .CaptionKey = "Options"},
    {.ObjectName = "ReadmeTab", .CaptionKey = "Readme"},
};

QPlainTextEdit* MakeReadme() {
    auto* readme = new QPlainTextEdit;
    readme->setObjectName(QStringLiteral("Readme"));
    readme->setReadOnly(true);
    // Wrapped at the page's width: a reader never scrolls sideways for a long paragraph.
    readme->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    readme->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Lucida Console"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    readme->setFont(font);
    return readme;
}
} // namespace

TMainForm::TMainForm()
    : FOwnInteraction(std::make_unique<WidgetInteraction>(this, &FLanguage)),
      FInteraction(FOwnInteraction.get()), FLanguage(this) {
    Construct();
}

TMainForm::TMainForm(Interaction& interaction) : FInteraction(&interaction), FLanguage(this) {
    Construct();
}

TMainForm::~TMainForm() {
    FormClose();
}

void TMainForm::Construct() {
    BuildWindow();
    FAboutBox = std::make_unique<TAboutBox>(this);
    FAboutBox->SetLastUpdate(LastUpdateText());
    FAboutBox->SetProdVersion(ProdVersion.toString());
    FInstallFrame->SetProdVersion(ProdVersion.toString());
    FExportFrame->SetProdVersion(ProdVersion.toString());
    ConnectParts();
    // Every window shows the built-in texts until a language file replaces them.
    FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    FOptionsFrame->LoadLanguageSetting();
    FTempFolder = CreateRunTempFolder(QDir::tempPath());
    FInstallFrame->SetTempFolder(FTempFolder);
    FInstallFrame->SetInteraction(*FInteraction);
    FDeleteFrame->SetTempFolder(FTempFolder);
    FExportFrame->SetTempFolder(FTempFolder);
}

void TMainForm::BuildWindow() {
    setObjectName(QStringLiteral("MainForm"));
    FPages = new TPageControl(this);
    FPages->setObjectName(QStringLiteral("Pages"));
    FPages->setDocumentMode(true);
    FInstallFrame = new TInstallFrame;
    FExportFrame = new TListExportFrame(*FInteraction);
    FFarFrame = new TFARFrame(*FInteraction);
    FDeleteFrame = new TDeleteFrame(*FInteraction);
    FOptionsFrame = new TOptionsFrame(FLanguage, *FInteraction);
    FReadme = MakeReadme();
    const QList<QWidget*> contents = {FInstallFrame, FExportFrame,  FFarFrame,
                                      FDeleteFrame,  FOptionsFrame, FReadme};
    for (qsizetype i = 0; i < contents.size(); ++i) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(PageTable[i].ObjectName));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(contents[i]);
        FPages->addTab(page, QString());
    }
    FStrip = new TMainScreenStrip(this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(WindowMargin, WindowMargin, WindowMargin, WindowMargin);
    layout->setSpacing(WindowMargin);
    layout->addWidget(FPages, 1);
    layout->addWidget(FStrip);
    setCentralWidget(central);
    resize(770, 746);
    setMinimumSize(264, 264);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TMainForm::ConnectParts() {
    connect(&FLanguage, &TLanguage::OnLanguageLoaded, this, &TMainForm::LanguageLanguageLoaded);
    connect(FPages, &TPageControl::OnChanging, this, &TMainForm::PagesChanging);
    connect(FPages, &TPageControl::OnChange, this, &TMainForm::PagesChange);
    connect(FOptionsFrame, &TOptionsFrame::OnSettingsLoaded, this, &TMainForm::HandSettingsOn);
    connect(FOptionsFrame, &TOptionsFrame::OnWarningShown, this,
            [this] { FPages->SetActivePage(FOptionsFrame->parentWidget()); });
    connect(FStrip, &TMainScreenStrip::OnClick, this, &TMainForm::ShowAboutBox);
    connect(&FInstallFrame->FixFormEvent(), &TTriggerEvent::OnTriggerEvent, this,
            &TMainForm::InstallFrameFixFormEventTriggerEvent);
}

bool TMainForm::FormCreate(const ArchiveEngineCheck& checkArchiveEngines) {
    if (const std::optional<ArchiveEngineFault> fault = checkArchiveEngines()) {
        ZipDLLMessage(fault->Code, fault->Text);
        return false;
    }
    RecoverUnfinishedOperations();
    FPages->SetActivePage(FPages->widget(0));
    FOptionsFrame->LoadSettings();
    FStartingUp = true;
    if (FInstallFrame->InstallStep() == 1)
        FInstallFrame->ResetToStep1();
    FStartingUp = false;
    return true;
}

void TMainForm::OpenDownloads(const QStringList& paths) {
    QStringList absolute;
    for (const QString& path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    FInstallFrame->SelectFiles(absolute);
}

// A change that a crash cut short is undone before any tab reads the game folder or
// files.iff.
void TMainForm::RecoverUnfinishedOperations() {
    const RecoveryReport report = RecoverOperations(DataFolder(), FLanguage, OperationsLockWaitMs);
    for (const QString& message : report.Messages) {
        if (report.Consistent)
            FInteraction->Inform(message);
        else
            FInteraction->Warn(message);
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The controls are disabled while a job runs on a worker: the window, its temporary
    // folder and what the job talks to stay until the job ends or is cancelled.
    if (!centralWidget()->isEnabled()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainForm::FormClose() {
    FAboutBox.reset();
    DeleteFolderTree(FTempFolder);
}

void TMainForm::PagesChanging(QWidget* leaving, bool& allowChange) {
    if (leaving == FOptionsFrame->parentWidget()) {
        if (FOptionsFrame->OptionsChanged()) {
            switch (FInteraction->Ask(MessageKind::Warning,
                                      FLanguage.GetString(QStringLiteral("SaveWarning")),
                                      MessageButtons::YesNoCancel)) {
            case MessageAnswer::Yes:
                // A save that was refused keeps the user on the tab with the edits.
                allowChange = FOptionsFrame->SaveSettings();
                return;
            case MessageAnswer::Cancel:
                allowChange = false;
                return;
            default:
                break;
            }
        }
        allowChange = FOptionsFrame->CheckStoredSettings();
    } else if (leaving == FInstallFrame->parentWidget() && FInstallFrame->InstallStep() == 2) {
        allowChange =
            FInteraction->Ask(MessageKind::Confirmation,
                              FLanguage.GetString(QStringLiteral("LeaveTab")),
                              MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
    }
}

void TMainForm::PagesChange(QWidget* entered) {
    FOptionsFrame->LoadSettings();
    // A warning about the stored settings shows the options instead.
    if (FPages->currentWidget() != entered)
        return;
    if (entered == FInstallFrame->parentWidget())
        FInstallFrame->ResetToStep1();
    else if (entered == FFarFrame->parentWidget())
        FFarFrame->FillList();
    else if (entered == FDeleteFrame->parentWidget())
        FDeleteFrame->LoadInstalledContent();
    else if (entered == FReadme->parentWidget())
        LoadReadme();
}

void TMainForm::ZipDLLMessage(int code, const QString& text) {
    FInteraction->Fail(FLanguage.GetString(QStringLiteral("Error")) + QLatin1Char(' ') +
                       QString::number(code) + QStringLiteral(": ") + text);
}

void TMainForm::LanguageLanguageLoaded() {
    setWindowTitle(FLanguage.GetString(QStringLiteral("ProdFullName")) + QLatin1Char(' ') +
                   ProdVersion.toString());
    for (int i = 0; i < FPages->count(); ++i)
        FPages->setTabText(i, FLanguage.GetString(QLatin1String(PageTable[i].CaptionKey)));
    FStrip->SetLines(StripLines(FLanguage));
    FQtTexts.Install(
        LanguageLocale({FLanguage.LanguageName().isEmpty() ? FLanguage.DefaultLangName()
                                                           : FLanguage.LanguageName(),
                        QFileInfo(FLanguage.FileName()).completeBaseName()}));
    FOptionsFrame->ApplyCaptions();
    FLanguage.CopyTo(FInstallFrame->Language());
    FLanguage.CopyTo(FExportFrame->Language());
    FLanguage.CopyTo(FFarFrame->Language());
    FLanguage.CopyTo(FDeleteFrame->Language());
    if (FAboutBox)
        FLanguage.CopyTo(FAboutBox->AboutLanguage());
}

void TMainForm::HandSettingsOn(const AppliedSettings& applied) {
    FInstallFrame->SetVocksPath(applied.GameFolder);
    FFarFrame->SetVocksPath(applied.GameFolder);
    FDeleteFrame->SetVocksPath(applied.GameFolder);
    FExportFrame->SetVocksPath(applied.GameFolder);
    FInstallFrame->SetFileExistsDefault(applied.FileExistsDefault);
    FFarFrame->SetFileExistsDefault(applied.FileExistsDefault);
    FInstallFrame->SetExpansionFlags(applied.Expansion);
    FDeleteFrame->SetPackFlags(applied.Expansion.Packs);
    FExportFrame->SetPackFlags(applied.Expansion.Packs);
    FInstallFrame->SetInstallBMP(applied.PicturePath);
    SetOnTop(applied.OnTop);
    FStrip->SetScrollingText(applied.ScrollingText);
}

void TMainForm::ShowAboutBox() {
    // A box never shown yet has not laid out its texts: its size is known only after that.
    FAboutBox->layout()->activate();
    const QRect window = frameGeometry();
    // Its frame is not there yet either: taken to be as wide as the main window's.
    const QSize box = FAboutBox->size() + (window.size() - size());
    FAboutBox->move(window.left() + (window.width() - box.width()) / 2,
                    window.top() + (window.height() - box.height()) / 2 +
                        FInstallFrame->ImgPanel()->y() / 2);
    FAboutBox->exec();
}

void TMainForm::InstallFrameFixFormEventTriggerEvent() {
    if (FPages->currentWidget() != FInstallFrame->parentWidget() && !FStartingUp)
        return;
    if (isMaximized() || isFullScreen())
        return;
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    // The options need room too, or their last boxes would hide below the fold.
    const QSize pages =
        FPages->SizeForPage(FInstallFrame->FittedSize().expandedTo(FOptionsFrame->FittedSize()));
    QSize client(pages.width() + margins.left() + margins.right(),
                 pages.height() + WindowMargin + FStrip->height() + margins.top() +
                     margins.bottom());
    // A huge picture must not push the window off the screen.
    if (const QScreen* shown = screen())
        client = client.boundedTo(shown->availableGeometry().size());
    if (client == FFittedSize)
        return;
    FFittedSize = client;
    resize(client);
}

void TMainForm::SetOnTop(bool onTop) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing the flags hides the window.
    if (shown)
        show();
}

void TMainForm::LoadReadme() {
    const QString readmeFile = FLanguage.GetString(QStringLiteral("ReadmeFile"));
    const std::optional<QString> text =
        ReadReadme(JoinCaseInsensitive(ProgramFilesFolder(), readmeFile));
    FReadme->setPlainText(
        text ? *text
             : ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ReadmeNotFound")),
                                  u"ReadmeFile", readmeFile));
}
