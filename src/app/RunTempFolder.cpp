#include "app/RunTempFolder.h"

#include "common/PathRules.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool NameTaken(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}
} // namespace

QString CreateRunTempFolder(const QString& tempRoot) {
    const QDir root(tempRoot);
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (int number = 0;; ++number) {
        const QString path = root.filePath(QStringLiteral("PKWR%1").arg(number));
        // Creating is the test for a free name, so two runs starting together never share.
        if (root.mkdir(path, ownerOnly) || !NameTaken(path))
            return WithTrailingSeparator(path);
    }
}
