#include "app/SettingsEngine.h"

#include "app/location/GameRegistryKey.h"
#include "app/SettingsChecks.h"
#include "common/Interaction.h"
#include "language/SystemLanguageFile.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

#include <QDir>

namespace {
FileExistsAnswer DefaultAnswerFor(FileAction action) {
    switch (action) {
    case FileAction::Overwrite:
        return FileExistsAnswer::OverwriteAll;
    case FileAction::Skip:
        return FileExistsAnswer::SkipAll;
    case FileAction::Ask:
        break;
    }
    return FileExistsAnswer::Ask;
}

StoredSettings StoredFrom(const ShownOptions& shown) {
    StoredSettings stored;
    stored.Action = shown.Action;
    stored.InstallBMP = shown.PictureFile;
    stored.Language = shown.LanguageFile;
    stored.VocksPath = shown.GameFolder;
    stored.Expansion = shown.Expansion.Expansion;
    // A pack box that is checked but disabled does not count.
    for (std::size_t i = 0; i < stored.Packs.size(); ++i)
        stored.Packs[i] = shown.Expansion.Packs[i] && shown.PacksEnabled;
    stored.OnTop = shown.OnTop;
    stored.ScrollingText = shown.ScrollingText;
    stored.History = shown.History;
    return stored;
}

bool AnyPackInstalled(const RegistryKeyValues& gameKey) {
    const QStringList firstPacks = {QStringLiteral("EPInstalled"), QStringLiteral("EP2Installed")};
    for (const QString& name : firstPacks) {
        if (gameKey.Value(name) == QLatin1String("1"))
            return true;
    }
    return std::ranges::any_of(ExpansionPacks, [&](const ExpansionPack& pack) {
        return gameKey.Value(QLatin1String(pack.GameValue)) == QLatin1String("1");
    });
}
} // namespace

SettingsEngine::SettingsEngine(const TLanguage& language, Interaction& interaction,
                               ChooseVocksFolder chooseFolder, RunVocksSearch runSearch)
    : FLanguage(language), FInteraction(interaction), FChooseFolder(std::move(chooseFolder)),
      FRunSearch(std::move(runSearch)) {}

LanguageSetting SettingsEngine::LoadLanguageSetting() const {
    if (const std::optional<StoredSettings> stored = ReadStoredSettings())
        return {.Shown = stored->Language, .File = stored->Language};
    return {.Shown = QString(), .File = LanguageOrDefault(QString())};
}

SettingsOutcome SettingsEngine::LoadSettings(ShownOptions& shown) {
    const std::optional<StoredSettings> stored = ReadStoredSettings();
    if (!stored) {
        // The default picture's name is a text of the language table, so it is only known
        // once the texts are loaded; it stays in use while the defaults cannot be saved.
        FApplied.PicturePath = PictureOrDefault(QString());
        ApplyDefaults(shown);
        SettingsOutcome outcome = SaveSettings(shown);
        outcome.Unsaved = !outcome.Saved;
        return outcome;
    }
    SettingsOutcome outcome;
    shown.Action = stored->Action;
    FApplied.FileExistsDefault = DefaultAnswerFor(stored->Action);

    FApplied.PicturePath = PictureOrDefault(stored->InstallBMP);
    if (PictureAccepted(FApplied.PicturePath, PictureUse::Stored))
        shown.PictureFile = FApplied.PicturePath;
    else
        outcome.Warned = true;

    shown.LanguageFile = LanguageOrDefault(stored->Language);
    outcome.Warned |= !LanguageAccepted(shown.LanguageFile);

    FApplied.GameFolder = GameFolderText(stored->VocksPath);
    if (GameFolderAccepted(FApplied.GameFolder))
        shown.GameFolder = FApplied.GameFolder;
    else
        outcome.Warned = true;

    ShowStoredExpansion(*stored, shown);
    FApplied.OnTop = shown.OnTop = stored->OnTop;
    FApplied.ScrollingText = shown.ScrollingText = stored->ScrollingText;
    shown.History = stored->History;
    return outcome;
}

bool SettingsEngine::CheckStoredSettings() const {
    const std::optional<StoredSettings> stored = ReadStoredSettings();
    if (!stored)
        return false;
    // Every check runs, so the user hears of every problem at once.
    const bool picture = PictureAccepted(PictureOrDefault(stored->InstallBMP), PictureUse::Stored);
    const bool language = LanguageAccepted(LanguageOrDefault(stored->Language));
    const bool folder = GameFolderAccepted(GameFolderText(stored->VocksPath));
    return picture && language && folder;
}

SettingsOutcome SettingsEngine::SaveSettings(ShownOptions& shown) {
    shown.GameFolder = GameFolderText(shown.GameFolder);
    if (!PictureAccepted(shown.PictureFile, PictureUse::Stored) ||
        !LanguageAccepted(shown.LanguageFile) || !GameFolderAccepted(shown.GameFolder))
        return {.Warned = true};
    if (!WriteStoredSettings(StoredFrom(shown))) {
        FInteraction.Fail(FLanguage.GetString(QStringLiteral("SaveError")));
        return {};
    }
    SettingsOutcome outcome = LoadSettings(shown);
    outcome.Saved = true;
    outcome.LanguageChanged =
        FLanguage.FileName().compare(shown.LanguageFile, Qt::CaseInsensitive) != 0;
    return outcome;
}

void SettingsEngine::ApplyDefaults(ShownOptions& shown) {
    if (const std::optional<QString> folder = FindGameFolder())
        shown.GameFolder = *folder;
    ApplyGameExpansionDefaults(shown);
    shown.Action = FileAction::Ask;
    shown.PictureFile = PictureOrDefault(QString());
    shown.LanguageFile = LanguageOrDefault(FLanguage.FileName());
    shown.OnTop = false;
    shown.ScrollingText = true;
    shown.History = Retention();
}

std::optional<QString> SettingsEngine::FindGameFolder() const {
    return FindVocksFolder(FLanguage, FInteraction, FChooseFolder, FRunSearch);
}

bool SettingsEngine::CheckBrowsedPicture(const QString& path) const {
    return PictureAccepted(path, PictureUse::Browsed);
}

bool SettingsEngine::PictureAccepted(const QString& path, PictureUse use) const {
    switch (CheckPicture(path)) {
    case PictureVerdict::Accepted:
        return true;
    case PictureVerdict::TooSmall:
        FInteraction.Warn(FLanguage.GetString(QStringLiteral("BmpSizeError")));
        return false;
    case PictureVerdict::Unreadable:
        break;
    }
    FInteraction.Warn(use == PictureUse::Browsed
                          ? FLanguage.GetString(QStringLiteral("NoValidPicFile"))
                          : FLanguage.GetString(QStringLiteral("PicFileNotFound")));
    return false;
}

bool SettingsEngine::LanguageAccepted(const QString& path) const {
    if (IsLanguageFile(path))
        return true;
    FInteraction.Warn(FLanguage.GetString(QStringLiteral("LangFileNotFound")));
    return false;
}

bool SettingsEngine::GameFolderAccepted(const QString& folder) const {
    if (IsGameFolder(folder))
        return true;
    FInteraction.Warn(FLanguage.GetString(QStringLiteral("VocksPathNotFound")));
    return false;
}

QString SettingsEngine::PictureOrDefault(const QString& path) const {
    if (!path.isEmpty())
        return path;
    return QDir::toNativeSeparators(ProgramFilesFolder() +
                                    FLanguage.GetString(QStringLiteral("DefaultPicFile")));
}

QString SettingsEngine::LanguageOrDefault(const QString& path) const {
    if (!path.isEmpty())
        return path;
    return QDir::toNativeSeparators(SystemLanguageFile(ProgramFilesFolder(), QLocale::system()));
}

void SettingsEngine::ShowStoredExpansion(const StoredSettings& stored, ShownOptions& shown) {
    // Without Expansion the pack values count for nothing, whatever they hold.
    FApplied.Expansion = stored.Expansion ? ExpansionFlags{.Expansion = true, .Packs = stored.Packs}
                                          : ExpansionFlags{};
    shown.Expansion = FApplied.Expansion;
    shown.PacksEnabled = stored.Expansion;
}

void SettingsEngine::ApplyGameExpansionDefaults(ShownOptions& shown) const {
    const std::optional<RegistryKeyValues> gameKey = ReadGameRegistryKey();
    if (!gameKey) {
        shown.Expansion = {};
        shown.PacksEnabled = false;
        return;
    }
    // A key that names no pack at all says nothing; what the user set stays.
    if (!AnyPackInstalled(*gameKey))
        return;
    shown.Expansion.Expansion = true;
    shown.PacksEnabled = true;
    for (std::size_t i = 0; i < ExpansionPacks.size(); ++i)
        shown.Expansion.Packs[i] =
            gameKey->Value(QLatin1String(ExpansionPacks[i].GameValue)) == QLatin1String("1");
}
