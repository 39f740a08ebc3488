#include "FuzzSeeds.h"
#include "support/FarFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    return {
        BuildFarArchive({}),
        BuildFarArchive({{"lamp.iff", "lamp bytes"}}),
        BuildFarArchive({{"Sets\\chair.iff", "chair"}, {"", "unnamed"}, {"table.iff", ""}}),
        BuildFarArchive({{"big.iff", QByteArray(600, 'b')}, {"small.iff", "s"}}),
    };
}
