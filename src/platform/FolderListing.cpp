#include "platform/FolderListing.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

namespace {
constexpr uint32_t EmptySlot = UINT32_MAX;
// An honest table, kept at most half full, never needs so many; it bounds every look-up.
constexpr uint32_t MostProbesAllowed = 256;

uint32_t HashOf(std::string_view name) {
    return static_cast<uint32_t>(std::hash<std::string_view>()(name));
}
} // namespace

bool FolderListing::Add(std::string_view name, bool regularFile) {
    if (name.empty() || name.size() > UINT8_MAX ||
        FNames.size() + name.size() + 2 >= size_t(EmptySlot))
        return false;
    FSlots.push_back({HashOf(name), static_cast<uint32_t>(FNames.size())});
    FNames += static_cast<char>(name.size());
    FNames += regularFile ? '\1' : '\0';
    FNames += name;
    return true;
}

bool FolderListing::Finish() {
    std::vector<Slot> names;
    names.swap(FSlots);
    FSlots.assign(std::bit_ceil(2 * names.size() + 1), Slot{0, EmptySlot});
    const size_t mask = FSlots.size() - 1;
    for (const Slot& name : names) {
        uint32_t probes = 0;
        size_t index = name.Hash & mask;
        for (; FSlots[index].Offset != EmptySlot; index = (index + 1) & mask) {
            if (++probes > MostProbesAllowed)
                return false;
        }
        FSlots[index] = name;
        FMostProbes = std::max(FMostProbes, probes);
    }
    return true;
}

FolderListing::Answer FolderListing::Find(std::string_view name) const {
    if (FSlots.empty())
        return Answer::Absent;
    const uint32_t hash = HashOf(name);
    const size_t mask = FSlots.size() - 1;
    size_t index = hash & mask;
    for (uint32_t probe = 0; probe <= FMostProbes; ++probe, index = (index + 1) & mask) {
        const Slot& slot = FSlots[index];
        if (slot.Offset == EmptySlot)
            return Answer::Absent;
        if (slot.Hash == hash && Matches(slot.Offset, name))
            return FNames[slot.Offset + 1] ? Answer::RegularFile : Answer::LookUpNeeded;
    }
    return Answer::Absent;
}

bool FolderListing::Matches(uint32_t offset, std::string_view name) const {
    return static_cast<uint8_t>(FNames[offset]) == name.size() &&
           std::memcmp(FNames.data() + offset + 2, name.data(), name.size()) == 0;
}
