#include "cli/CliCommands.h"

int RunDbCommand(const QStringList& args, CliIo& io) {
    Q_UNUSED(args);
    return io.BadUsage(QStringLiteral("usage: packwright-cli db ... (not available yet)\n"));
}
