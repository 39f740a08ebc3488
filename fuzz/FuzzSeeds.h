#pragma once

#include <QByteArray>

#include <vector>

// The inputs a fuzz target starts from: well-formed files built by the test fixtures.
std::vector<QByteArray> FuzzSeeds();
