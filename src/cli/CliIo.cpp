#include "cli/CliIo.h"

bool WantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

void CliIo::Record(const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            Out << '\t';
        Out << TsvField(fields[i]);
    }
    Out << '\n';
}

int CliIo::Fail(const QString& text) {
    Err << "packwright-cli: " << text << '\n';
    return ExitFailure;
}

int CliIo::BadUsage(const QString& usage) {
    Err << usage;
    return ExitBadUsage;
}
