#pragma once

#include "dialogkit/TDkDialog.h"

// The folder browser: shows the computer's drives and folders, chooses one existing
// folder, and explains above the tree what to choose.
class DIALOGKIT_EXPORT TDkFolderDialog : public TDkDialog {
public:
    explicit TDkFolderDialog(QWidget* owner = nullptr) : TDkDialog(owner) {}

    void SetDescription(const QString& description) { FDescription = description; }
    const QString& Description() const { return FDescription; }
    void SetHidePlacesBar(bool hide) { FHidePlacesBar = hide; }
    bool HidePlacesBar() const { return FHidePlacesBar; }

    // A dialog holding the label "Description" above the embedded folder view
    // "FolderView" (a QFileDialog).
    std::unique_ptr<QDialog> CreateDialog() const override;

protected:
    QStringList ChosenPaths(QDialog& dialog) const override;

private:
    QString FDescription;
    bool FHidePlacesBar = false;
};
