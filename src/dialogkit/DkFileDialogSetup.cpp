#include "dialogkit/DkFileDialogSetup.h"

#include <QFileInfo>

void OpenAt(QFileDialog& dialog, const QString& path) {
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
        return;
    }
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
}

void RemovePlacesBar(QFileDialog& dialog) {
    dialog.setSidebarUrls({});
    // Qt names the places bar of its widget dialog "sidebar".
    if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->hide();
}
