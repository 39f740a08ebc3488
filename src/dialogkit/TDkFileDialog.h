#pragma once

#include "dialogkit/DkOptions.h"
#include "dialogkit/TDkDialog.h"

#include <QFileDialog>

// A file dialog over QFileDialog: a filter written caption "|" masks "|" ..., a default
// extension added to names typed without one, and the options of TDkOptions. The open and
// save dialogs are its two kinds.
class DIALOGKIT_EXPORT TDkFileDialog : public TDkDialog {
public:
    void SetFilter(const QString& filter) { FFilter = filter; }
    const QString& Filter() const { return FFilter; }
    // Without a leading dot ("bmp"); a leading dot is ignored.
    void SetDefaultExt(const QString& extension) { FDefaultExt = extension; }
    const QString& DefaultExt() const { return FDefaultExt; }
    void SetOptions(TDkOptions options) { FOptions = options; }
    TDkOptions Options() const { return FOptions; }
    // Shown below the folder's name when PathMustExist refuses a name in a missing folder;
    // the program passes it in its own language.
    void SetPathNotFoundText(const QString& text) { FPathNotFoundText = text; }
    const QString& PathNotFoundText() const { return FPathNotFoundText; }

    std::unique_ptr<QDialog> CreateDialog() const override;
    // The same dialog as its QFileDialog.
    std::unique_ptr<QFileDialog> CreateFileDialog() const;

protected:
    TDkFileDialog(QWidget* owner, QFileDialog::AcceptMode mode) : TDkDialog(owner), FMode(mode) {}
    QStringList ChosenPaths(QDialog& dialog) const override;

private:
    QFileDialog::FileMode FileModeOf() const;

    QFileDialog::AcceptMode FMode;
    QString FFilter;
    QString FDefaultExt;
    TDkOptions FOptions;
    QString FPathNotFoundText =
        QStringLiteral("Directory not found.\nPlease verify the correct directory name was given.");
};
