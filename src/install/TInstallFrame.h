#pragma once

#include "common/ExpansionFlags.h"
#include "common/FileExistsAnswer.h"
#include "install/FileIntake.h"
#include "install/InstallTreeModel.h"
#include "language/TLanguage.h"
#include "widgets/TTriggerEvent.h"

#include <QWidget>

class Interaction;
struct FileDialogAnswer;
class QLabel;
class TDropImage;
class TInstallFilesPanel;

// The install tab. Step 1 shows the drop picture under a heading; step 2 the files that
// dropped or chosen downloads hold, to be ticked for installing.
class TInstallFrame : public QWidget {
    Q_OBJECT

public:
    explicit TInstallFrame(QWidget* owner = nullptr);

    TLanguage& Language() { return FInstallLanguage; }
    // 1: the drop picture; 2: files selected but not installed.
    int InstallStep() const { return FInstallStep; }
    QWidget* MainPanel() const { return FMainPanel; }
    QWidget* ImgPanel() const { return FImgPanel; }
    TInstallFilesPanel* FilesPanel() const { return FFilesPanel; }
    // Fired by FixForm so the owner can fit its size to the tab.
    TTriggerEvent& FixFormEvent() { return FFixFormEvent; }
    // The size step 1 needs to show the heading and the picture at its natural size.
    QSize FittedSize() const;

    // Reads the files, folders and zip archives on a worker thread, then shows what can be
    // installed (step 2), or warns and returns to step 1 when nothing can. The tab is
    // disabled until then.
    void SelectFiles(const QStringList& paths);
    // Empties the tab and the temporary folder, reloads the drop picture and shows step 1.
    void ResetToStep1();
    // The files ticked in step 2, what the install takes.
    QList<TickedFile> TickedFiles() const;
    // Arranges the tab for the current step and fires FixFormEvent.
    void FixForm();

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetProdVersion(const QString& version) { FProdVersion = version; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetFileExistsDefault(FileExistsAnswer answer) { FFileExistsDefault = answer; }
    void SetExpansionFlags(const ExpansionFlags& flags) { FExpansion = flags; }
    void SetInstallBMP(const QString& path) { FInstallBMP = path; }
    // Where messages, questions and the open dialog go; set before the tab is used.
    void SetInteraction(Interaction& interaction);

private:
    // Installs the ticked files with the tab's settings on a worker thread, then shows
    // step 1 again.
    void InstallClick();
    void InstallLanguageLanguageLoaded();
    void Desc1_1bClick();
    // Opens the folder dialog and reads the chosen folder as a drop of it.
    void AddFolderClick();
    // Starts the intake of what a dialog chose, remembering where it was chosen.
    void SelectChosen(const FileDialogAnswer& answer);
    void ShowIntake(const FileIntake& intake);

    TLanguage FInstallLanguage;
    TTriggerEvent FFixFormEvent;
    int FInstallStep = 1;
    QString FTempFolder;
    QString FProdVersion;
    QString FVocksPath;
    FileExistsAnswer FFileExistsDefault = FileExistsAnswer::Ask;
    ExpansionFlags FExpansion;
    QString FInstallBMP;
    Interaction* FInteraction = nullptr;

    QWidget* FMainPanel;
    QLabel* FDesc1_1a;
    QLabel* FDesc1_1b;
    QLabel* FDesc1_1c;
    QLabel* FAddFolder;
    QWidget* FImgPanel;
    TDropImage* FDropImg;
    QLabel* FDropSubtitle;
    TInstallFilesPanel* FFilesPanel;
};
