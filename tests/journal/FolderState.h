#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

// Every file below a folder by relative path with its exact bytes, and every folder as its
// relative path with "/" appended and no bytes; the operations folder is left out, since
// the journals there differ from run to run whatever the outcome.
using FolderState = std::map<QString, QByteArray>;

FolderState StateOf(const QString& root);

// Replaces everything below root by the state: root is emptied first.
void Restore(const QString& root, const FolderState& state);

// The paths whose bytes differ or that only one of the two holds, at most limit of them.
QStringList DifferingPaths(const FolderState& one, const FolderState& other, int limit = 8);
