#pragma once

#include "app/location/VocksLocation.h"
#include "app/StoredSettings.h"
#include "common/ExpansionFlags.h"
#include "common/FileExistsAnswer.h"

#include <QString>

class Interaction;
class TLanguage;

// What the options tab's controls show. The engine reads the user's edits from it and
// fills it with stored or default values.
struct ShownOptions {
    FileAction Action = FileAction::Ask;
    QString PictureFile;
    QString LanguageFile;
    QString GameFolder;
    // The Expansion box and the check marks of the five pack boxes.
    ExpansionFlags Expansion;
    bool PacksEnabled = false;
    bool OnTop = false;
    bool ScrollingText = false;
    Retention History;
};

// The settings as the program works with them after a load; the main window hands them on
// to the tabs and applies the last two itself.
struct AppliedSettings {
    // Ask each time, skip all or overwrite all.
    FileExistsAnswer FileExistsDefault = FileExistsAnswer::Ask;
    // Kept even when it is not a valid game folder.
    QString GameFolder;
    // All false unless Expansion is stored as true.
    ExpansionFlags Expansion;
    QString PicturePath;
    bool OnTop = false;
    bool ScrollingText = true;
};

// How a load, a save or both went.
struct SettingsOutcome {
    // A warning was shown; the options tab becomes the active page.
    bool Warned = false;
    // The store was written.
    bool Saved = false;
    // The controls show defaults that could not be saved.
    bool Unsaved = false;
    // The language file just saved is not the one loaded now.
    bool LanguageChanged = false;
};

// The language file to load and the text the options show for it.
struct LanguageSetting {
    QString Shown;
    QString File;
};

// Reads, checks, defaults, applies and saves the program's settings. Every problem is shown
// through the interaction as a warning (SaveError as an error) in the loaded language.
class SettingsEngine {
public:
    SettingsEngine(const TLanguage& language, Interaction& interaction,
                   ChooseVocksFolder chooseFolder, RunVocksSearch runSearch = {});

    LanguageSetting LoadLanguageSetting() const;
    // Shows the stored settings, warns about each invalid one and applies them. Without a
    // store (the first run) the defaults are found and saved instead.
    SettingsOutcome LoadSettings(ShownOptions& shown);
    // True when the stored settings can be used; warns about each invalid one.
    bool CheckStoredSettings() const;
    // Checks the shown settings, writes them and loads them back. At the first invalid value
    // the save stops with its warning and nothing is written.
    SettingsOutcome SaveSettings(ShownOptions& shown);
    // Fills in the defaults, finding the game folder and its expansion packs; writes nothing.
    void ApplyDefaults(ShownOptions& shown);
    // Finds the game folder through its registry key or by searching the drives, asking the
    // user as it goes; nothing when it was not found.
    std::optional<QString> FindGameFolder() const;
    // Warns and returns false when the picture chosen in the browser cannot be used.
    bool CheckBrowsedPicture(const QString& path) const;

    const AppliedSettings& Applied() const { return FApplied; }

private:
    enum class PictureUse { Stored, Browsed };
    bool PictureAccepted(const QString& path, PictureUse use) const;
    bool LanguageAccepted(const QString& path) const;
    bool GameFolderAccepted(const QString& folder) const;
    QString PictureOrDefault(const QString& path) const;
    QString LanguageOrDefault(const QString& path) const;
    void ShowStoredExpansion(const StoredSettings& stored, ShownOptions& shown);
    void ApplyGameExpansionDefaults(ShownOptions& shown) const;

    const TLanguage& FLanguage;
    Interaction& FInteraction;
    ChooseVocksFolder FChooseFolder;
    RunVocksSearch FRunSearch;
    AppliedSettings FApplied;
};
