#include "support/ProgramRun.h"

#include <QProcess>

ProgramRun RunProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment, const QString& workingDirectory) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setProcessEnvironment(environment);
    process.start(program, args);
    process.waitForFinished(-1);
    return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProgramRun RunCli(const QStringList& args, const QString& workingDirectory,
                  const QProcessEnvironment& environment) {
    return RunProgram(QStringLiteral(PACKWRIGHT_CLI), args, environment, workingDirectory);
}
