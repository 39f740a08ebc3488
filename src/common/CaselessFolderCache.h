#pragma once

#include "common/CaselessName.h"

#include <QHash>
#include <QString>

// Finds paths below one folder, and names inside folders, in any letter case, as the game
// finds them, listing each folder once: looking up thousands of files stays linear. Valid
// while nothing below the folder changes except what NoteWritten is told.
class CaselessFolderCache {
public:
    explicit CaselessFolderCache(const QString& root = QString());

    // root + relative ("\" or "/" between steps), every step that exists spelt as on disk.
    QString Resolve(const QString& relative);

    // The entry of folder (with a trailing "/") named so in any letter case, or an empty text.
    QString ExistingEntry(const QString& folder, const QString& name);
    // Records that folder now holds name, so a later lookup sees it taken.
    void NoteWritten(const QString& folder, const QString& name);

private:
    QString SpeltOnDisk(const QString& folder, const QString& name, bool& found);
    QHash<CaselessName, QString>& EntriesOf(const QString& folder);

    QString FRoot;
    QHash<QString, QHash<CaselessName, QString>> FListings;
};
