#include "cli/CliCommands.h"

int RunFarCommand(const QStringList& args, CliIo& io) {
    Q_UNUSED(args);
    return io.BadUsage(QStringLiteral("usage: packwright-cli far ... (not available yet)\n"));
}
