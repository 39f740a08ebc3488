#include "FilesDbFuzzFiles.h"
#include "FuzzSeeds.h"
#include "support/FilesDbFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    const QString packed = FilesDbFuzzFile(3) + QStringLiteral("\\Lamp.iff");
    return {
        BuildFilesDb({}),
        BuildFilesDb({{100,
                       {{FilesDbFuzzFile(0), QStringLiteral("45000.25"), QStringLiteral("\\first")},
                        {FilesDbFuzzFile(1), QStringLiteral("45001,5"), QString()}}},
                      {106, {{packed, QStringLiteral("45002"), QStringLiteral("packed")}}}}),
        BuildFilesDb({{131,
                       {{FilesDbFuzzFile(2), QStringLiteral("not a date"), QStringLiteral("x")},
                        {FilesDbFuzzFile(2).toUpper(), QStringLiteral("1e3"), QString()}}}}),
    };
}
