#include "FuzzSeeds.h"
#include "support/StringListFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    const QList<FixtureString> entries = {
        {"chair.iff", "seat", 1}, {"Caf\xE9.iff", "", 2}, {"", "\\comment", 0}};
    return {
        BuildStringList(FixtureListFormat::Values, entries),
        BuildStringList(FixtureListFormat::ValueComments, entries),
        BuildStringList(FixtureListFormat::LanguageValueComments, entries),
        BuildStringList(FixtureListFormat::LengthPrefixed, entries),
        BuildStringList(FixtureListFormat::ValueComments, entries, 0xFFFF),
    };
}
