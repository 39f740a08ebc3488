#include "cli/CliIo.h"

QString TsvField(const QString& text) {
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
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString& field : fields)
        escaped.append(TsvField(field));
    Out << escaped.join(QLatin1Char('\t')) << '\n';
}

int CliIo::Fail(const QString& text) {
    Err << "packwright-cli: " << text << '\n';
    return ExitFailure;
}

int CliIo::BadUsage(const QString& usage) {
    Err << usage;
    return ExitBadUsage;
}
