#include "removal/ContentDeletion.h"

#include "common/Interaction.h"
#include "common/PathBytes.h"
#include "common/Placeholders.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "journal/Operation.h"
#include "language/TLanguage.h"
#include "platform/FileKind.h"
#include "removal/ContentRecords.h"

#include <QDir>

#include <algorithm>

namespace {
void RemoveRecord(InstalledFilesDb& db, ContentKind kind, const QString& name) {
    db.Delete(kind, db.IndexOf(kind, name));
}

void RemoveEntryRecords(InstalledFilesDb& db, const QString& archivePath) {
    constexpr ContentKind packed = ContentKind::FarPackedFiles;
    for (int i = db.Count(packed) - 1; i >= 0; --i) {
        if (IsRecordOfArchive(db.Get(packed, i).FileName, archivePath))
            db.Delete(packed, i);
    }
}

DeleteResult DeleteWholeFile(const DeleteTarget& target, InstalledFilesDb& db,
                             Operation& operation) {
    if (!operation.Remove(DiskPathText(target)))
        return {.Kind = target.Kind,
                .Path = target.Path,
                .Deleted = false,
                .Reason = operation.Error()};
    RemoveRecord(db, target.Kind, target.Path);
    if (target.Kind == ContentKind::FarFiles)
        RemoveEntryRecords(db, target.Path);
    return {.Kind = target.Kind, .Path = target.Path, .Deleted = true, .Reason = {}};
}

QString Filled(const TLanguage& language, const char16_t* key, const QString& fileName,
               const QString& item) {
    QString text = ReplacePlaceholder(language.GetString(QString::fromUtf16(key)), u"FileName",
                                      QDir::toNativeSeparators(fileName));
    return ReplacePlaceholder(text, u"Item", item);
}

// Takes the entries out of the archive; its records go only once the rewrite succeeded.
std::vector<DeleteResult> DeleteEntries(const DeleteTarget& target, InstalledFilesDb& db,
                                        TFarFile& farFile, Operation& operation,
                                        const TLanguage& language) {
    std::vector<DeleteResult> results;
    const auto result = [&](const QString& item, const QString& reason) {
        results.push_back({.Kind = ContentKind::FarPackedFiles,
                           .Path = target.Path + QDir::separator() + item,
                           .Deleted = reason.isEmpty(),
                           .Reason = reason});
    };
    if (!IsRegularFile(target.Path) || !farFile.LoadFile(target.Path)) {
        farFile.Close();
        for (const QString& item : target.Items)
            result(item, Filled(language, u"FarFileReadError", target.Path, item));
        return results;
    }
    QStringList removed;
    for (const QString& item : target.Items) {
        const int index = farFile.IndexOf(item);
        if (index < 0) {
            result(item, Filled(language, u"DeleteItemMissing", target.Path, item));
            continue;
        }
        farFile.Delete(index);
        removed.append(item);
    }
    const bool saved = removed.isEmpty() || (operation.Rewrite(target.Path) && farFile.Save());
    farFile.Close();
    for (const QString& item : removed) {
        if (!saved) {
            result(item, Filled(language, u"FarFileCreateError", target.Path, item));
            continue;
        }
        RemoveRecord(db, ContentKind::FarPackedFiles, FarItemRecordName(target.Path, item));
        RemoveRecord(db, ContentKind::FarPackedFiles, target.Path + QLatin1Char('/') + item);
        result(item, {});
    }
    return results;
}
} // namespace

QString DiskPathText(const DeleteTarget& target) {
    return target.NativePath.isEmpty() ? target.Path : PathOfBytes(target.NativePath);
}

std::vector<DeleteResult> DeleteContent(const std::vector<DeleteTarget>& targets,
                                        InstalledFilesDb& db, TFarFile& farFile,
                                        Operation& operation, const TLanguage& language,
                                        ProgressHandle* progress) {
    std::vector<DeleteResult> results;
    for (size_t i = 0; i < targets.size(); ++i) {
        // Where a cancelled deletion stops.
        if (progress && progress->CancelRequested())
            break;
        const DeleteTarget& target = targets[i];
        if (target.Items.isEmpty()) {
            results.push_back(DeleteWholeFile(target, db, operation));
        } else {
            std::ranges::move(DeleteEntries(target, db, farFile, operation, language),
                              std::back_inserter(results));
        }
        if (progress)
            progress->SetPercent(int(95 * (i + 1) / targets.size()));
    }
    return results;
}

int DeletedCount(const std::vector<DeleteResult>& results) {
    return int(std::ranges::count(results, true, &DeleteResult::Deleted));
}

QString DeletedCountText(const TLanguage& language, int count) {
    if (count == 1 && language.StringSet(QStringLiteral("SingleFileDeleted")))
        return language.GetString(QStringLiteral("SingleFileDeleted"));
    return ReplacePlaceholder(language.GetString(QStringLiteral("FilesDeleted")), u"Number",
                              QString::number(count));
}

QString DeleteFailuresText(const TLanguage& language, const std::vector<DeleteResult>& results) {
    QStringList failed;
    for (const DeleteResult& result : results) {
        if (!result.Deleted)
            failed.append(QDir::toNativeSeparators(result.Path));
    }
    if (failed.isEmpty())
        return {};
    return ReplacePlaceholder(language.GetString(QStringLiteral("DeleteFailedFiles")), u"FileNames",
                              failed.join(QLatin1Char('\n')));
}
