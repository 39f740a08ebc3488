#include <cstdio>
#include <QCoreApplication>
#include <QTextStream>

namespace {
constexpr int ExitBadUsage = 2;

void PrintUsage(FILE* stream) {
    QTextStream(stream) << "usage: packwright-cli COMMAND [ARGS...]\n"
                           "       packwright-cli --help\n";
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--help")) {
        PrintUsage(stdout);
        return 0;
    }
    PrintUsage(stderr);
    return ExitBadUsage;
}
