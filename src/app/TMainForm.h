#pragma once

#include "app/QtTextsTranslation.h"
#include "archive/LibArchiveProbe.h"
#include "language/TLanguage.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class Interaction;
class QPlainTextEdit;
class TAboutBox;
class TDeleteFrame;
class TListExportFrame;
class TFARFrame;
class TInstallFrame;
class TMainScreenStrip;
class TOptionsFrame;
class TPageControl;
struct AppliedSettings;

// The program's one window: the tabs with their frames, the bottom strip, the master
// language table, the settings, this run's temporary folder and the about box. It only
// wires these together; each tab does its own work.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    using ArchiveEngineCheck = std::function<std::optional<ArchiveEngineFault>()>;

    // Talks to the user through real message boxes and dialogs.
    TMainForm();
    // Talks to the user through the given interaction.
    explicit TMainForm(Interaction& interaction);
    ~TMainForm() override;

    // Proves the archive libraries, shows the first tab, loads the settings and the install tab's
    // picture. False when the program cannot run and must end.
    bool FormCreate(const ArchiveEngineCheck& checkArchiveEngines = CheckArchiveEngines);
    // Files named on the command line (a file manager's "Open with") are taken as if dropped
    // on the install tab. The tab stays where start-up left it, so that settings it sent the
    // user to fix are not passed over.
    void OpenDownloads(const QStringList& paths);

    TLanguage& Language() { return FLanguage; }
    TPageControl* Pages() const { return FPages; }
    TInstallFrame* InstallFrame() const { return FInstallFrame; }
    TAboutBox* AboutBox() const { return FAboutBox.get(); }
    // With a trailing separator.
    const QString& TempFolder() const { return FTempFolder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Construct();
    void BuildWindow();
    void ConnectParts();
    void FormClose();
    void RecoverUnfinishedOperations();

    void PagesChanging(QWidget* leaving, bool& allowChange);
    void PagesChange(QWidget* entered);
    void ZipDLLMessage(int code, const QString& text);
    void LanguageLanguageLoaded();
    void HandSettingsOn(const AppliedSettings& applied);
    void ShowAboutBox();
    void InstallFrameFixFormEventTriggerEvent();
    void SetOnTop(bool onTop);
    void LoadReadme();

    std::unique_ptr<Interaction> FOwnInteraction;
    Interaction* FInteraction;
    TLanguage FLanguage;
    QtTextsTranslation FQtTexts;
    QString FTempFolder;
    bool FStartingUp = false;
    // The size the window was last fitted to; the user's own size stands until the install
    // tab needs another, as a new picture does.
    QSize FFittedSize;

    TPageControl* FPages = nullptr;
    TInstallFrame* FInstallFrame = nullptr;
    TListExportFrame* FExportFrame = nullptr;
    TFARFrame* FFarFrame = nullptr;
    TDeleteFrame* FDeleteFrame = nullptr;
    TOptionsFrame* FOptionsFrame = nullptr;
    QPlainTextEdit* FReadme = nullptr;
    TMainScreenStrip* FStrip = nullptr;
    std::unique_ptr<TAboutBox> FAboutBox;
};
