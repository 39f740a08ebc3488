#include "farpack/FarPackChecks.h"

#include "common/Interaction.h"
#include "common/PathRules.h"
#include "farpack/FarCandidates.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
QString Slashed(const QString& path) {
    return QDir::fromNativeSeparators(path);
}

// Inside the folder, or the folder itself; without regard to letter case.
bool IsWithin(const QString& path, const QString& folder) {
    const QString prefix = WithTrailingSeparator(Slashed(folder));
    return WithTrailingSeparator(Slashed(path)).startsWith(prefix, Qt::CaseInsensitive);
}

bool IsInGameSourceFolder(const FarPackTarget& target) {
    return std::any_of(FarSources.begin(), FarSources.end(), [&](const FarSourceInfo& info) {
        return IsWithin(QFileInfo(target.FarFile).path(),
                        FarSourceFolder(target.GameFolder, info.Source));
    });
}

bool IsGameObjectsArchive(const FarPackTarget& target) {
    const QString objectsFar = WithTrailingSeparator(Slashed(target.GameFolder)) +
                               QStringLiteral("GameData/Objects/Objects.far");
    return SameName(Slashed(target.FarFile), objectsFar);
}

bool Confirmed(Interaction& interaction, const QString& text) {
    return interaction.Ask(MessageKind::Confirmation, text, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}
} // namespace

bool ConfirmFarPackTarget(const FarPackTarget& target, const TLanguage& language,
                          Interaction& interaction) {
    if (QFileInfo(target.FarFile).suffix().toLower() != QStringLiteral("far") &&
        !Confirmed(interaction, language.GetString(QStringLiteral("FarInvalidExtension"))))
        return false;
    if (!IsInGameSourceFolder(target) &&
        !Confirmed(interaction, language.GetString(QStringLiteral("FarNotInVocks"))))
        return false;
    if (IsGameObjectsArchive(target)) {
        interaction.Warn(language.GetString(QStringLiteral("ObjectsFar")));
        return false;
    }
    if (target.BackupFolder.trimmed().isEmpty()) {
        interaction.Warn(language.GetString(QStringLiteral("NoIFFDir")));
        return false;
    }
    return !IsWithin(target.BackupFolder, target.GameFolder) ||
           Confirmed(interaction, language.GetString(QStringLiteral("IFFInVocks")));
}
