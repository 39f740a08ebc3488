#include "FolderState.h"

#include "support/FileFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

FolderState StateOf(const QString& root) {
    FolderState state;
    QDirIterator walk(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (name.split(QLatin1Char('/')).contains(u"operations"))
            continue;
        if (walk.fileInfo().isDir()) {
            state[name + QLatin1Char('/')] = {};
            continue;
        }
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        state[name] = file.readAll();
    }
    return state;
}

void Restore(const QString& root, const FolderState& state) {
    ASSERT_TRUE(QDir(root).removeRecursively());
    for (const auto& [name, bytes] : state) {
        const QString path = root + QLatin1Char('/') + name;
        if (name.endsWith(QLatin1Char('/')))
            ASSERT_TRUE(QDir().mkpath(path)) << name.toStdString();
        else
            ASSERT_TRUE(WriteFixtureFile(path, bytes)) << name.toStdString();
    }
}

QStringList DifferingPaths(const FolderState& one, const FolderState& other, int limit) {
    std::set<QString> names;
    for (const FolderState* state : {&one, &other})
        for (const auto& entry : *state)
            names.insert(entry.first);
    QStringList differing;
    for (const QString& name : names) {
        const auto inOne = one.find(name);
        const auto inOther = other.find(name);
        const bool same =
            inOne != one.end() && inOther != other.end() && inOne->second == inOther->second;
        if (!same && differing.size() < limit)
            differing.append(name);
    }
    return differing;
}
