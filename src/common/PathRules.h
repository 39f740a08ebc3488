#pragma once

#include <QString>

// Folder texts carry a trailing separator. A path that ends in neither "\" nor "/" gets
// "/"; an empty path stays empty rather than turning into the root folder.
QString WithTrailingSeparator(const QString& path);

// The file name after the last "\" or "/", whichever system wrote the path.
QString BareFileName(const QString& path);

// A relative folder text written with "\" (as the game names its folders) in "/" form.
QString ToSlashes(QString path);

// The path with every leading component that exists on disk spelt as the disk spells it,
// compared without regard to letter case; components that do not exist are kept as given.
// On case-insensitive file systems this changes nothing that matters.
QString ResolveCaseInsensitive(const QString& path);

// The existing file or folder that the path names in any letter case, or an empty text.
QString FindExistingCaseInsensitive(const QString& path);

// base + relative (relative may use "\"), resolved case-insensitively against the disk.
QString JoinCaseInsensitive(const QString& base, const QString& relative);

// The absolute path with its longest leading part that exists resolved through every link,
// the rest appended as given; "/" between the parts that exist. Two names of one file or
// folder come out the same, as do names of what lies inside it ("x.zip\entry.iff").
QString CanonicalWhereExists(const QString& path);

// Names compare without regard to letter case everywhere.
bool SameName(QStringView a, QStringView b);
