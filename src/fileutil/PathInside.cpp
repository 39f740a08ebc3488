#include "fileutil/PathInside.h"

#include "common/PathRules.h"

#include <QFileInfo>

bool LiesInside(const QString& path, const QString& folder) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (resolved.isEmpty() || root.isEmpty())
        return false;
    return resolved == root || resolved.startsWith(WithTrailingSeparator(root));
}
