#include "dialogkit/TDkFolderDialog.h"

#include "dialogkit/DkFileDialogSetup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString FolderViewName = QStringLiteral("FolderView");
}

std::unique_ptr<QDialog> TDkFolderDialog::CreateDialog() const {
    auto host = std::make_unique<QDialog>(Owner());
    host->setWindowTitle(Title());
    host->setSizeGripEnabled(true);
    auto* description = new QLabel(FDescription, host.get());
    description->setObjectName(QStringLiteral("Description"));
    description->setWordWrap(true);
    description->setVisible(!FDescription.isEmpty());
    // Qt's folder dialog has no place for an explanation, so it sits embedded below one.
    auto* view = new QFileDialog(host.get());
    view->setObjectName(FolderViewName);
    view->setWindowFlags(Qt::Widget);
    view->setOption(QFileDialog::DontUseNativeDialog);
    view->setFileMode(QFileDialog::Directory);
    view->setOption(QFileDialog::ShowDirsOnly);
    OpenAt(*view, InitialPath());
    if (FHidePlacesBar)
        RemovePlacesBar(*view);
    QObject::connect(view, &QDialog::finished, host.get(), &QDialog::done);
    auto* layout = new QVBoxLayout(host.get());
    layout->addWidget(description);
    layout->addWidget(view, 1);
    return host;
}

QStringList TDkFolderDialog::ChosenPaths(QDialog& dialog) const {
    const auto* view = dialog.findChild<QFileDialog*>(FolderViewName);
    return view->selectedFiles();
}
