#include "FuzzSeeds.h"
#include "support/IffFixtures.h"
#include "support/StringListFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    const QByteArray names =
        BuildStringList(FixtureListFormat::Values, {{"chair.iff", "", 0}, {"lamp.iff", "", 0}});
    return {
        BuildIffFile({}),
        BuildIffFile({{"STR#", 100, 0x10, "Objects", names}}),
        BuildIffFile({{"STR#", 1, 0, QByteArray(64, 'L'), "a"},
                      {"PALT", 2, 0, "palette", QByteArray(784, '\x10')},
                      {"STR#", 1, 0, "again", "b"}}),
        BuildIffFile({{"rsmp", 0, 0, "", QByteArray(28, '\0'), 0xFFFFFFFF}}),
    };
}
