#pragma once

#include <QProcessEnvironment>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

// Milliseconds the program took to run to a clean end, or a negative number when it failed.
double
MillisecondsOf(const QString& program, const QStringList& args,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Times our run and a system tool's doing the same work, once each per iteration (each
// returns milliseconds, negative on failure), and reports the mean of each as "OURS_ms" and
// "TOOL_ms" and their ratio as "OURS_per_TOOL".
void CompareWithTool(benchmark::State& state, const std::string& ours, const std::string& tool,
                     const std::function<double()>& runOurs,
                     const std::function<double()>& runTool);
