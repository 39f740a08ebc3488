#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The names of one folder, kept for many look-ups by exact name: the names lie in one block
// of text and a table holds their places, so that a look-up touches little memory. Each name
// carries whether it names a regular file or only a look-up on disk can tell (a link, or a
// type the listing does not give).
class FolderListing {
public:
    enum class Answer { Absent, RegularFile, LookUpNeeded };

    // False when the listing cannot hold the name; it is then of no use.
    bool Add(std::string_view name, bool regularFile);
    // Builds the table once every name was added. False when the names fill the table
    // unevenly, as names chosen to collide would: each look-up would then cost a scan.
    bool Finish();

    Answer Find(std::string_view name) const;

private:
    struct Slot {
        uint32_t Hash;
        uint32_t Offset;
    };

    bool Matches(uint32_t offset, std::string_view name) const;

    // Per name: its length in one byte, whether it is a regular file, the name's bytes.
    std::string FNames;
    std::vector<Slot> FSlots;
    uint32_t FMostProbes = 0;
};
