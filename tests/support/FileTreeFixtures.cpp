#include "support/FileTreeFixtures.h"

#include "support/FileFixtures.h"

namespace {
constexpr int FilesPerFolder = 100;
constexpr int FoldersPerParent = 10;

QString Numbered(char prefix, int number) {
    return QLatin1Char(prefix) + QString::number(number).rightJustified(4, u'0');
}
} // namespace

int MakeFileTree(const QString& root, int fileCount) {
    int folders = 0;
    for (int i = 0; i < fileCount; ++i) {
        const int leaf = i / FilesPerFolder;
        const int parent = leaf / FoldersPerParent;
        const QString path = root + u'/' + Numbered('p', parent) + u'/' + Numbered('d', leaf) +
                             u'/' + Numbered('f', i) + QStringLiteral(".iff");
        if (!WriteFixtureFile(path, QByteArray("IFF content ") + QByteArray::number(i)))
            return -1;
        if (i % FilesPerFolder == 0)
            folders += leaf % FoldersPerParent == 0 ? 2 : 1;
    }
    return fileCount + folders;
}
