#pragma once

#include "common/ExpansionFlags.h"
#include "common/FileExistsAnswer.h"
#include "language/TLanguage.h"
#include "widgets/TTriggerEvent.h"

#include <QWidget>

class QLabel;
class TDropImage;

// The install tab. Step 1 shows the drop picture under a heading; step 2 (files selected,
// not yet installed) arrives with the file intake.
class TInstallFrame : public QWidget {
    Q_OBJECT

public:
    explicit TInstallFrame(QWidget* owner = nullptr);

    TLanguage& Language() { return FInstallLanguage; }
    // 1: the drop picture; 2: files selected but not installed.
    int InstallStep() const { return FInstallStep; }
    QWidget* MainPanel() const { return FMainPanel; }
    QWidget* ImgPanel() const { return FImgPanel; }
    // Fired by FixForm so the owner can fit its size to the tab.
    TTriggerEvent& FixFormEvent() { return FFixFormEvent; }
    // The size step 1 needs to show the heading and the picture at its natural size.
    QSize FittedSize() const;

    // Empties the tab, reloads the drop picture and shows step 1.
    void ResetToStep1();
    // Arranges the tab for the current step and fires FixFormEvent.
    void FixForm();

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetProdVersion(const QString& version) { FProdVersion = version; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetFileExistsDefault(FileExistsAnswer answer) { FFileExistsDefault = answer; }
    void SetExpansionFlags(const ExpansionFlags& flags) { FExpansion = flags; }
    void SetInstallBMP(const QString& path) { FInstallBMP = path; }

Q_SIGNALS:
    // The drop picture was clicked.
    void DropImgClick();

private:
    void InstallLanguageLanguageLoaded();

    TLanguage FInstallLanguage;
    TTriggerEvent FFixFormEvent;
    int FInstallStep = 1;
    QString FTempFolder;
    QString FProdVersion;
    QString FVocksPath;
    FileExistsAnswer FFileExistsDefault = FileExistsAnswer::Ask;
    ExpansionFlags FExpansion;
    QString FInstallBMP;

    QWidget* FMainPanel;
    QLabel* FDesc1_1a;
    QLabel* FDesc1_1b;
    QLabel* FDesc1_1c;
    QWidget* FImgPanel;
    TDropImage* FDropImg;
};
