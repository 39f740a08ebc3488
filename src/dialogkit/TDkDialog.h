#pragma once

#include "dialogkit/DialogkitExport.h"

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QWidget;

// What every Dialogkit dialog shares: it is configured first, then Execute shows it
// modally and keeps the chosen paths. CreateDialog builds the window exactly as Execute
// shows it, so tests can inspect it without showing it.
class DIALOGKIT_EXPORT TDkDialog {
public:
    explicit TDkDialog(QWidget* owner) : FOwner(owner) {}
    virtual ~TDkDialog();
    TDkDialog(const TDkDialog&) = delete;
    TDkDialog& operator=(const TDkDialog&) = delete;

    void SetTitle(const QString& title) { FTitle = title; }
    const QString& Title() const { return FTitle; }
    // The folder or file the dialog opens at.
    void SetInitialPath(const QString& path) { FInitialPath = path; }
    const QString& InitialPath() const { return FInitialPath; }

    // Shows the dialog modally; true when the user confirmed a choice.
    bool Execute();
    // The chosen paths ("/" separators) after a confirmed Execute; otherwise empty.
    const QStringList& Paths() const { return FPaths; }

    virtual std::unique_ptr<QDialog> CreateDialog() const = 0;

protected:
    QWidget* Owner() const { return FOwner; }
    // The paths the user chose in a dialog made by CreateDialog and confirmed.
    virtual QStringList ChosenPaths(QDialog& dialog) const = 0;

private:
    QWidget* FOwner;
    QString FTitle;
    QString FInitialPath;
    QStringList FPaths;
};
