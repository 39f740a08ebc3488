#pragma once

#include "common/CaselessName.h"

#include <QHash>
#include <QString>

// Finds paths below one folder in any letter case, as the game's folders are found, listing
// each folder once: looking up thousands of files stays linear. Valid while nothing below
// the folder changes.
class CaselessFolderCache {
public:
    explicit CaselessFolderCache(const QString& root);

    // root + relative ("\" or "/" between steps), every step that exists spelt as on disk.
    QString Resolve(const QString& relative);

private:
    QString SpeltOnDisk(const QString& folder, const QString& name, bool& found);
    const QHash<CaselessName, QString>& EntriesOf(const QString& folder);

    QString FRoot;
    QHash<QString, QHash<CaselessName, QString>> FListings;
};
