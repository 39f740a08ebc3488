#pragma once

#include "common/CaselessName.h"

#include <QHash>
#include <QString>

#include <optional>

class InstalledFilesDb;

// The comments of the FAR archives the database knows, by archive path in any letter case.
class FarComments {
public:
    FarComments() = default;
    explicit FarComments(const InstalledFilesDb& db);

    // The comment stored for the archive, or nothing when the database has no record of it.
    std::optional<QString> CommentOf(const QString& archivePath) const;

private:
    QHash<CaselessName, QString> FComments;
};
