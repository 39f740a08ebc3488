#include "support/ToolComparison.h"

#include <QElapsedTimer>
#include <QProcess>

double MillisecondsOf(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    return ok ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

void CompareWithTool(benchmark::State& state, const std::string& ours, const std::string& tool,
                     const std::function<double()>& runOurs,
                     const std::function<double()>& runTool) {
    double oursTotal = 0;
    double toolTotal = 0;
    for (auto _ : state) {
        const double oursOnce = runOurs();
        const double toolOnce = runTool();
        if (oursOnce < 0 || toolOnce < 0)
            state.SkipWithError((ours + " or " + tool + " failed").c_str());
        oursTotal += oursOnce;
        toolTotal += toolOnce;
    }
    const double runs = double(state.iterations());
    state.counters[ours + "_ms"] = oursTotal / runs;
    state.counters[tool + "_ms"] = toolTotal / runs;
    state.counters[ours + "_per_" + tool] = oursTotal / toolTotal;
}
