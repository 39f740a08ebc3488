#include "app/location/VocksLocation.h"

#include "app/location/FolderSearch.h"
#include "app/location/GameRegistryKey.h"
#include "app/location/ProgressThrottle.h"
#include "app/location/SearchRoots.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

namespace {
// A folder as the options show it: native separators and one trailing separator.
QString ShownFolder(const QString& folder) {
    return QDir::toNativeSeparators(WithTrailingSeparator(QDir::fromNativeSeparators(folder)));
}

std::optional<QString> FolderFromRegistry() {
    const std::optional<RegistryKeyValues> key = ReadGameRegistryKey();
    if (!key)
        return std::nullopt;
    const QString folder = LocalGameFolder(key->Value(QStringLiteral("VOCKS_DATA")));
    if (!HoldsVocksProgram(folder))
        return std::nullopt;
    return ShownFolder(folder);
}

QString SearchMessage(const TLanguage& language, const QString& detail) {
    return language.GetString(QStringLiteral("VocksFinding")) + QStringLiteral("\n\n") + detail;
}

// The folders of the matches, in the order found, each once (a folder may hold the
// program file in two letter cases).
QStringList FoldersOf(const QStringList& matches) {
    QStringList folders;
    for (const QString& match : matches)
        folders.append(ShownFolder(QFileInfo(match).path()));
    folders.removeDuplicates();
    return folders;
}

} // namespace

std::optional<QString> FindVocksFolder(const TLanguage& language, Interaction& interaction,
                                       const ChooseVocksFolder& choose,
                                       const RunVocksSearch& runSearch) {
    if (std::optional<QString> folder = FolderFromRegistry())
        return folder;
    const MessageAnswer answer = interaction.Ask(
        MessageKind::Error, language.GetString(SearchQuestionKey()), MessageButtons::YesNo);
    const VocksSearch search = [&language](Interaction& user) {
        return SearchForVocks(VocksSearchRoots(), language, user);
    };
    QStringList folders;
    if (answer == MessageAnswer::Yes)
        folders = runSearch ? runSearch(search) : search(interaction);
    if (folders.isEmpty()) {
        interaction.Fail(language.GetString(QStringLiteral("VocksAutoNotFound")));
        return std::nullopt;
    }
    if (folders.size() == 1)
        return folders.first();
    const QString chosen = choose(folders);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QStringList SearchForVocks(const QStringList& roots, const TLanguage& language,
                           Interaction& interaction) {
    const std::unique_ptr<ProgressHandle> progress =
        interaction.BeginProgress(language.GetString(QStringLiteral("Progress")));
    progress->ShowBar(false);
    progress->SetMessage(SearchMessage(language, language.GetString(QStringLiteral("Preparing"))));
    const QString lookingIn = language.GetString(QStringLiteral("VocksFindingIn"));
    // Each repaint costs far more than listing a folder.
    ProgressThrottle throttle;
    const QStringList matches =
        SearchFolderTrees(roots, VocksProgramFile.toString(), [&](const QString& folder) {
            if (throttle.Due())
                progress->SetMessage(
                    SearchMessage(language, ReplacePlaceholder(lookingIn, u"Path",
                                                               QDir::toNativeSeparators(folder))));
        });
    return FoldersOf(matches);
}

std::optional<QString> BrowseVocksFolder(const TLanguage& language, Interaction& interaction,
                                         const QString& shownPath) {
    FileDialogRequest request;
    request.Kind = FileDialogKind::Folder;
    request.Title = language.GetString(QStringLiteral("VocksBrowse"));
    request.Description = language.GetString(QStringLiteral("VocksBrowseAdditional"));
    request.InitialPath = QDir::fromNativeSeparators(shownPath);
    const FileDialogAnswer answer = interaction.AskForPaths(request);
    if (!answer.Confirmed || answer.Paths.isEmpty())
        return std::nullopt;
    if (!HoldsVocksProgram(answer.Paths.first())) {
        interaction.Warn(language.GetString(QStringLiteral("BrowseVocksNotFound")));
        return std::nullopt;
    }
    return ShownFolder(answer.Paths.first());
}

bool HoldsVocksProgram(const QString& folder) {
    if (folder.isEmpty())
        return false;
    return QFileInfo(JoinCaseInsensitive(folder, VocksProgramFile.toString())).isFile();
}
