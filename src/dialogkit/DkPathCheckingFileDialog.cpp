#include "dialogkit/DkPathCheckingFileDialog.h"

#include <QFileInfo>
#include <QMessageBox>

void DkPathCheckingFileDialog::accept() {
    const QStringList files = selectedFiles();
    const QString folder = files.isEmpty() ? QString() : QFileInfo(files.first()).absolutePath();
    if (FPathMustExist && !folder.isEmpty() && !QFileInfo(folder).isDir()) {
        // Qt's own wording, so the message comes in the dialog's language.
        QMessageBox::warning(
            this, windowTitle(),
            tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    QFileDialog::accept();
}
