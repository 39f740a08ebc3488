#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// One fuzz target as the replay program holds it: its entry point and its seeds, renamed
// at build time so that every target fits in one program.
struct FuzzTarget {
    QString Name;
    int (*TestOneInput)(const uint8_t* data, size_t size);
    std::vector<QByteArray> (*Seeds)();
};

// Every target, generated from fuzz/CMakeLists.txt.
const std::vector<FuzzTarget>& FuzzTargets();
