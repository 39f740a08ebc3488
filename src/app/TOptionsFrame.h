#pragma once

#include "app/SettingsEngine.h"

#include <QWidget>

#include <array>
#include <vector>

class Interaction;
class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TLanguage;

// The options tab: the settings in a scroll box above the Save, Defaults and Discard buttons.
// It shows the settings, takes the user's edits and hands load, check, defaults and save to
// the settings engine. Edits live only in the controls until saved.
class TOptionsFrame : public QWidget {
    Q_OBJECT

public:
    // language is the main window's master table, which the language setting loads.
    TOptionsFrame(TLanguage& language, Interaction& interaction, QWidget* owner = nullptr);

    // The options were edited since the last load or save.
    bool OptionsChanged() const { return FOptionsChanged; }
    // The size that shows every option and the buttons without scrolling.
    QSize FittedSize() const;
    const AppliedSettings& Applied() const { return FEngine.Applied(); }

    void LoadLanguageSetting();
    void LoadSettings();
    bool CheckStoredSettings() const { return FEngine.CheckStoredSettings(); }
    // True when the settings were written.
    bool SaveSettings();
    void ApplyDefaults();
    // Captions, dialog titles and filters from the master language.
    void ApplyCaptions();

Q_SIGNALS:
    // After every load: the applied settings for the main window to hand on.
    void OnSettingsLoaded(const AppliedSettings& applied);
    // A warning about the settings was shown; the options tab should be in view.
    void OnWarningShown();

private:
    struct CaptionedControl {
        QWidget* Widget;
        const char* CaptionKey;
    };

    QGroupBox* BuildPackwrightBox();
    QGroupBox* BuildVocksOptsBox();
    QGroupBox* BuildHistoryBox();
    QWidget* BuildButtons();
    void ApplyPackCaptions();

    void ChangeOpts();
    void DefaultOptsClick();
    void ExpansionClick();
    void BrowseBMPFileClick();
    void LangFileBrowseClick();
    void PathBrowseButtonClick();
    void PathSearchClick();
    void HistoryClick();
    // The drive search on a worker; the window keeps painting until it returns.
    QStringList SearchOnWorker(const VocksSearch& search);

    ShownOptions Shown() const;
    void Show(const ShownOptions& shown);
    void TakeOutcome(const SettingsOutcome& outcome);

    TLanguage& FLanguage;
    Interaction& FInteraction;
    SettingsEngine FEngine;
    bool FOptionsChanged = false;
    std::vector<CaptionedControl> FCaptions;

    QWidget* FContent = nullptr;
    QWidget* FButtons = nullptr;
    QGroupBox* FPackwrightBox = nullptr;
    QGroupBox* FVocksOptsBox = nullptr;
    QRadioButton* FAsk = nullptr;
    QRadioButton* FOverwrite = nullptr;
    QRadioButton* FSkip = nullptr;
    QLineEdit* FBMPFileLoc = nullptr;
    QLineEdit* FLangFile = nullptr;
    QCheckBox* FOnTop = nullptr;
    QCheckBox* FScrollingText = nullptr;
    QLineEdit* FPathEdit = nullptr;
    QCheckBox* FExpansion = nullptr;
    std::array<QCheckBox*, ExpansionPacks.size()> FPackBoxes{};
    QGroupBox* FHistoryBox = nullptr;
    QSpinBox* FHistoryCount = nullptr;
    QSpinBox* FHistorySpace = nullptr;
    QPushButton* FSaveOptsBut = nullptr;
};
