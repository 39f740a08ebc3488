#include "cli/CliCommands.h"

int RunIffCommand(const QStringList& args, CliIo& io) {
    Q_UNUSED(args);
    return io.BadUsage(QStringLiteral("usage: packwright-cli iff ... (not available yet)\n"));
}
