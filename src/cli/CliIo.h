#pragma once

#include "common/TsvField.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Exit codes of every command.
enum CliExit : int { ExitSuccess = 0, ExitFailure = 1, ExitBadUsage = 2 };

// Where a command writes: records to Out, messages to Err.
struct CliIo {
    QTextStream& Out;
    QTextStream& Err;

    // Prints one tab-separated record line.
    void Record(const QStringList& fields);
    // "packwright-cli: " + text on Err; returns ExitFailure.
    int Fail(const QString& text);
    // The usage text on Err; returns ExitBadUsage.
    int BadUsage(const QString& usage);
};

// True when the arguments ask for help ("--help" or "-h" anywhere).
bool WantsHelp(const QStringList& args);
