#include "FuzzSeeds.h"
#include "support/ZipFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    return {
        BuildZipArchive({}),
        BuildZipArchive({{.Name = "objs/chair.iff", .Data = "chair"}, {.Name = "readme.txt"}}),
        BuildZipArchive({{.Name = "../../up.iff", .Data = "up"},
                         {.Name = "C:\\x\\drive.iff", .Data = "drive"},
                         {.Name = "sub/..", .Data = "dots"},
                         {.Name = "link", .Data = "/etc", .SymbolicLink = true}}),
        BuildZipArchive({{.Name = "locked.iff",
                          .Data = "locked",
                          .Cipher = ZipFixtureCipher::ZipCrypto,
                          .Password = "pw"},
                         {.Name = "aes.iff",
                          .Data = QByteArray(300, 'a'),
                          .Cipher = ZipFixtureCipher::Aes256,
                          .Password = "pw"}}),
        BuildZipArchive({{.Name = "gr\x81n.iff", .Data = "cp437", .Utf8Name = false}}),
    };
}
