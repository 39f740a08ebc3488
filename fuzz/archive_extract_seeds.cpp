#include "FuzzSeeds.h"
#include "support/ArchiveFixtures.h"
#include "support/Rar5Fixtures.h"

#include <algorithm>
#include <unistd.h>

std::vector<QByteArray> FuzzSeeds() {
    using enum ArchiveFormat;
    using enum FixtureEntryKind;
    const std::vector<ArchiveFixtureEntry> plain = {
        {.Name = "objs", .Kind = Folder},
        {.Name = "objs/chair.iff", .Data = "chair"},
        {.Name = "readme.txt", .Data = QByteArray(300, 'r')},
    };
    std::vector<ArchiveFixtureEntry> hostile = {
        {.Name = "../../up.iff", .Data = "up"},
        {.Name = "C:\\x\\drive.iff", .Data = "drive"},
        {.Name = "link.iff", .Data = "/etc/passwd", .Kind = SymbolicLink},
        {.Name = "hard.iff", .Data = "../../up.iff", .Kind = HardLink},
    };
    // Staging a device needs root.
    if (::geteuid() == 0)
        hostile.push_back({.Name = "dev.iff", .Kind = CharacterDevice});
    std::vector<QByteArray> seeds;
    for (const ArchiveFormat format : {Tar, TarGz, TarBz2, TarXz, SevenZip, Rar4, Rar5}) {
        std::vector<ArchiveFixtureEntry> held;
        std::ranges::copy_if(hostile, std::back_inserter(held),
                             [&](const auto& entry) { return ArchiveCanHold(format, entry.Kind); });
        seeds.push_back(BuildArchive(format, plain));
        seeds.push_back(BuildArchive(format, held));
    }
    // RAR 5 encryption is found by a walk of its own over the headers.
    seeds.push_back(
        BuildRar5Archive({{.Name = "open.iff", .Data = "open"},
                          {.Name = "locked.iff", .Data = "locked", .Encrypted = true}}));
    seeds.push_back(BuildRar5Archive({{.Name = "open.iff", .Data = "open"}}, true));
    return seeds;
}
