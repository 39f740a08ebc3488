#pragma once

#include "common/ExpansionFlags.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The special areas an expansion pack adds to a neighbourhood, each kept as a house file
// under a fixed number, in the order Downtown, Island, Community, Studios, Magic.
inline constexpr int HoodAreaCount = 5;

enum class AreaPresence { NotAvailable, Yes, No };

// The name, date and comments the neighbourhood tool keeps in a neighbourhood's
// "ltwd.nfo": three texts, each ended by a NUL byte or the end of the file.
struct HoodNotes {
    QString Name;
    // Days since 30 December 1899; nothing when not set or not a number.
    std::optional<double> Date;
    QStringList Comments;
};

HoodNotes ParseHoodNotes(const QByteArray& bytes);

// What a neighbourhood folder of the game holds.
struct HoodDetails {
    int HoodNo = 1;
    bool Available = false;
    // With a trailing separator; empty when the folder does not exist.
    QString HoodPath;
    // NotAvailable where the pack is not installed.
    std::array<AreaPresence, HoodAreaCount> Areas{};
    HoodNotes Notes;
};

// The folder of neighbourhood hoodNo (1 to 99): "UserData", followed by the number above 1,
// spelt as on disk when it exists in another letter case.
QString HoodFolder(const QString& gameFolder, int hoodNo);

// Neighbourhood hoodNo of the game folder, its areas judged by the installed packs.
HoodDetails LoadHoodDetails(const QString& gameFolder, int hoodNo, const ExpansionFlags& packs);

// The numbers of the neighbourhoods whose folders exist, ascending; the game folder is
// listed once.
QList<int> ExistingHoods(const QString& gameFolder);
