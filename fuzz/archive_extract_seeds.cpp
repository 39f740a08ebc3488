#include "FuzzSeeds.h"
#include "support/LibArchiveFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    using enum LibArchiveFixtureFormat;
    using enum LibArchiveFixtureKind;
    const std::vector<LibArchiveFixtureEntry> plain = {
        {.Name = "objs/", .Kind = Folder},
        {.Name = "objs/chair.iff", .Data = "chair"},
        {.Name = "readme.txt", .Data = QByteArray(300, 'r')},
    };
    const std::vector<LibArchiveFixtureEntry> hostile = {
        {.Name = "../../up.iff", .Data = "up"},
        {.Name = "C:\\x\\drive.iff", .Data = "drive"},
        {.Name = "link.iff", .Data = "/etc/passwd", .Kind = SymbolicLink},
        {.Name = "hard.iff", .Data = "../../up.iff", .Kind = HardLink},
        {.Name = "dev.iff", .Kind = Device},
    };
    std::vector<QByteArray> seeds;
    for (const LibArchiveFixtureFormat format : {Tar, TarGz, TarBz2, TarXz, SevenZip}) {
        seeds.push_back(BuildLibArchive(format, plain));
        seeds.push_back(BuildLibArchive(format, hostile));
    }
    return seeds;
}
