#include "cli/CliIo.h"

#include <algorithm>

namespace {
bool NeedsEscape(QChar c) {
    return c == u'\t' || c == u'\r' || c == u'\n' || c == u'\\';
}
} // namespace

QString TsvField(const QString& text) {
    // Most fields hold nothing to escape and are passed on without a copy.
    if (std::ranges::none_of(text, NeedsEscape))
        return text;
    QString field;
    field.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\t':
            field += QStringLiteral("\\t");
            break;
        case u'\r':
            field += QStringLiteral("\\r");
            break;
        case u'\n':
            field += QStringLiteral("\\n");
            break;
        case u'\\':
            field += QStringLiteral("\\\\");
            break;
        default:
            field += c;
        }
    }
    return field;
}

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
