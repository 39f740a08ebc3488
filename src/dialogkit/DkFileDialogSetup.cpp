#include "dialogkit/DkFileDialogSetup.h"

#include <QFileInfo>

namespace {
// A path typed by hand may name folders that were never made or have gone since.
QString NearestExistingFolder(QString folder) {
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}
} // namespace

void OpenAt(QFileDialog& dialog, const QString& path) {
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
        return;
    }
    dialog.setDirectory(NearestExistingFolder(info.absolutePath()));
    dialog.selectFile(info.fileName());
}

void RemovePlacesBar(QFileDialog& dialog) {
    dialog.setSidebarUrls({});
    // Qt names the places bar of its widget dialog "sidebar".
    if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->hide();
}
