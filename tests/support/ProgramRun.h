#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a program run by a test did.
struct ProgramRun {
    int Exit = -1;
    // Ended by a signal rather than by returning.
    bool Crashed = false;
    QString Out;
    QString Err;
};

// Runs the program to its end with the arguments and environment, in the working folder if
// one is given.
ProgramRun
RunProgram(const QString& program, const QStringList& args,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QString& workingDirectory = QString());

// The path of the packwright-cli this build made.
QString CliProgram();

// Runs packwright-cli with the arguments, in the working folder if one is given.
ProgramRun
RunCli(const QStringList& args, const QString& workingDirectory = QString(),
       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs packwright-cli as RunCli does, as nobody when the test runs as root.
ProgramRun RunCliAsOrdinaryUser(const QStringList& args, const QString& workingDirectory);
