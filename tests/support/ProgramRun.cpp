#include "support/ProgramRun.h"

#include "support/OrdinaryUser.h"

#include <QProcess>

namespace {
ProgramRun Finish(QProcess& process) {
    process.waitForFinished(-1);
    return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

ProgramRun RunProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment, const QString& workingDirectory) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    return Finish(process);
}

QString CliProgram() {
    return QStringLiteral(PACKWRIGHT_CLI);
}

ProgramRun RunCli(const QStringList& args, const QString& workingDirectory,
                  const QProcessEnvironment& environment) {
    return RunProgram(CliProgram(), args, environment, workingDirectory);
}

ProgramRun RunCliAsOrdinaryUser(const QStringList& args, const QString& workingDirectory) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setChildProcessModifier(BecomeOrdinaryUserForGood);
    process.start(CliProgram(), args);
    return Finish(process);
}
