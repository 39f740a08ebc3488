#include "FuzzSeeds.h"
#include "support/WineRegistryFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    const QString game = QStringLiteral("Software\\Quarn\\The Vocks");
    return {
        BuildWineRegistryFile({}),
        BuildWineRegistryFile({{game,
                                {{QStringLiteral("VOCKS_DATA"),
                                  QStringLiteral("C:\\Program Files\\Quarn\\The Vocks")}},
                                {}}}),
        BuildWineRegistryFile(
            {{QStringLiteral("Software\\Wow6432Node\\Quarn\\The Vocks"),
              {{QString(), QStringLiteral("default")},
               {QStringLiteral("Café"), QStringLiteral("naïve \"quoted\"\ttab")}},
              "\"Expand\"=str(2):\"%ProgramFiles%\\\\Quarn\"\n\"Count\"=dword:00000007\n"
              "\"Blob\"=hex:01,02,\\\n  03,04\n"},
             {game,
              {{QStringLiteral("EPInstalled"), QStringLiteral("1")}},
              "\"Octal\"=\"\\101\\0\"\n"}}),
    };
}
