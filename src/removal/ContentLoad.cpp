#include "removal/ContentLoad.h"

#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "formats/GameFileList.h"
#include "formats/InstalledFilesDb.h"
#include "language/TLanguage.h"
#include "removal/ContentScan.h"
#include "removal/RecordedLots.h"
#include "removal/UnreadableArchives.h"

namespace {
const QString QuarnFilesName = QStringLiteral("QuarnFiles.iff");

GameFileList ReadGameFiles(const QString& dataFolder, Interaction& interaction,
                           const TLanguage& language) {
    std::optional<GameFileList> list =
        GameFileList::Load(JoinCaseInsensitive(dataFolder, QuarnFilesName));
    if (list)
        return std::move(*list);
    interaction.Warn(ReplacePlaceholder(language.GetString(QStringLiteral("DeleteQuarnFilesError")),
                                        QStringLiteral("FileName"), QuarnFilesName));
    return {};
}
} // namespace

FoundContent LoadFoundContent(const QString& gameFolder, const QString& dataFolder,
                              InstalledFilesDb& db, Interaction& interaction,
                              const TLanguage& language, ProgressHandle* progress) {
    const auto report = [progress](int percent) {
        if (progress)
            progress->SetPercent(percent);
    };
    report(0);
    const GameFileList gameFiles = ReadGameFiles(dataFolder, interaction, language);
    db.Load(JoinCaseInsensitive(dataFolder, QStringLiteral("files.iff")));
    report(10);
    FoundContent found = ScanGameFolder(gameFolder, gameFiles, report, [progress] {
        return progress && progress->CancelRequested();
    });
    if (found.Cancelled)
        return found;
    AddRecordedLots(found, db, gameFolder);
    WarnUnreadableArchives(found.UnreadableArchives, interaction, language);
    return found;
}
