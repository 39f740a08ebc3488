#include "dialogkit/DkPathCheckingFileDialog.h"

#include <QFileInfo>
#include <QMessageBox>

void DkPathCheckingFileDialog::accept() {
    const QStringList files = selectedFiles();
    const QString folder = files.isEmpty() ? QString() : QFileInfo(files.first()).absolutePath();
    if (FPathMustExist && !folder.isEmpty() && !QFileInfo(folder).isDir()) {
        QMessageBox::warning(this, windowTitle(),
                             QDir::toNativeSeparators(folder) + u'\n' + FNotFoundText);
        return;
    }
    QFileDialog::accept();
}
