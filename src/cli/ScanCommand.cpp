#include "cli/CliCommands.h"
#include "cli/CliIntake.h"
#include "install/IntakeTree.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char* const Usage =
    "usage: packwright-cli scan [--packs LIST] [--bitmaps yes|no] [--temp DIR] PATH...\n"
    "Reads files, folders and archives (zip, 7z, rar, tar, tar.gz/.tgz, tar.bz2/.tbz2,\n"
    "tar.xz/.txz) as the install tab does, without installing:\n"
    "prints one line per file in tree order (kind, display name, source path) and one per\n"
    "readme (\"readme\", name, path). LIST is a comma-separated set of tevarin, ossery,\n"
    "fennick, glimmet, wendle, or all; without it the stored settings decide. --bitmaps\n"
    "answers the questions about doubtful bitmaps (default no). Archives are opened in a\n"
    "folder made inside DIR (default the system's temporary folder) and removed after.\n";

struct ScanOptions {
    std::optional<PackFlags> Packs;
    bool BitmapsYes = false;
    QString TempParent = QDir::tempPath();
    QStringList Paths;
};

std::optional<ScanOptions> ParseOptions(const QStringList& args) {
    ScanOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--packs" && hasValue) {
            options.Packs = ParsePacks(args[++i]);
            if (!options.Packs)
                return std::nullopt;
        } else if (arg == u"--bitmaps" && hasValue &&
                   (args[i + 1] == u"yes" || args[i + 1] == u"no")) {
            options.BitmapsYes = args[++i] == u"yes";
        } else if (arg == u"--temp" && hasValue) {
            options.TempParent = args[++i];
        } else if (arg.startsWith(u"--")) {
            return std::nullopt;
        } else {
            options.Paths.append(QFileInfo(arg).absoluteFilePath());
        }
    }
    return options.Paths.isEmpty() ? std::nullopt : std::optional(options);
}

int Scan(const ScanOptions& options, CliIo& io) {
    CliIntake reading(io, options.Packs.value_or(StoredPacks()), options.BitmapsYes,
                      options.TempParent);
    if (!reading.Read(options.Paths))
        return ExitFailure;
    const FileIntake& intake = reading.Intake();
    const IntakeTreeNode tree = BuildIntakeTree(intake.Classifier(), reading.Language());
    for (const IntakeTreeNode* file : IntakeTreeFiles(tree)) {
        io.Record({QString::number(ContentKindValue(*file->Kind)), file->File->DisplayName,
                   QDir::toNativeSeparators(file->File->SourcePath)});
    }
    for (const ReadmeFile& readme : intake.Readmes())
        io.Record({QStringLiteral("readme"), readme.Name, QDir::toNativeSeparators(readme.Path)});
    if (!intake.Classifier().HasInstallable())
        return io.Fail(reading.Language().GetString(QStringLiteral("InstallNoFiles")));
    return ExitSuccess;
}
} // namespace

int RunScanCommand(const QStringList& args, CliIo& io) {
    if (WantsHelp(args)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const std::optional<ScanOptions> options = ParseOptions(args);
    if (!options)
        return io.BadUsage(QString::fromLatin1(Usage));
    return Scan(*options, io);
}
