#include "export/ExportRenderer.h"
#include "export/LinkMaker.h"
#include "export/TemplateParser.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/FileFixtures.h"
#include "support/ToolComparison.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Rendering an export of many files, and turning its addresses into links, in files per
// second (items_per_second) at two sizes: equal rates mean the time grows linearly. And the
// whole `packwright-cli export` of a game folder of 21,000 custom files to HTML with links,
// against `find -printf '%s %p\n'` listing the same folder with sizes (export_per_find).

namespace {
const QString Template = QStringLiteral(
    "<html><head><title>${TITLE}</title></head><body>\r\n"
    "<!-- PKWR: NOCOMMENTSTART --><i>none</i><!-- PKWR: NOCOMMENTEND -->\r\n"
    "<!-- PKWR: LISTSTART -->\r\n<h2>${LISTTITLE}: ${COUNT} ${FILESTXT}, ${TOTALSIZE}</h2>\r\n"
    "<table>\r\n<!-- PKWR: ITEMSTART -->\r\n<tr><td>${NUM}</td><td>${NAME}<br>${FILENAME}</td>"
    "<td>${DATE}</td><td>${SIZE}</td><td>${COMMENT}</td></tr>\r\n<!-- PKWR: ITEMEND -->\r\n"
    "</table>\r\n<!-- PKWR: LISTEND -->\r\n<p>${GENERATOR}</p></body></html>");

// Objects and FAR archives of ten packed files each, every other one with a comment that
// holds an address.
QList<ExportList> ListsOf(int files) {
    ExportList objects{
        .Kind = ContentKind::Objects, .Title = QStringLiteral("Objects"), .Entries = {}};
    ExportList archives{
        .Kind = ContentKind::FarFiles, .Title = QStringLiteral("FARs"), .Entries = {}};
    for (int i = 0; i < files; ++i) {
        ExportEntry entry;
        entry.Name = QStringLiteral("object & more %1.iff").arg(i);
        entry.FullPath = QStringLiteral("C:\\Vocks\\GameData\\UserObjects\\") + entry.Name;
        entry.InstalledAt = QDateTime(QDate(2004, 5, 9), QTime(14, i % 60));
        entry.Comment = i % 2 ? QStringLiteral("from www.site%1.example").arg(i) : QString();
        entry.Size = 1000 + i;
        if (i % 11 != 0) {
            objects.Entries.append(entry);
            continue;
        }
        for (int packed = 0; packed < 10; ++packed)
            entry.ArchiveFiles.append(entry);
        archives.Entries.append(entry);
    }
    return {objects, archives};
}

struct RenderSetup {
    RenderSetup() { Language.SetDefaultLanguage(BuiltInEnglishLines()); }
    TLanguage Language;
    ExportRenderOptions Options{.Title = QStringLiteral("List"),
                                .LongDate = true,
                                .EscapeMarkup = true,
                                .Generator = {.ProdVersion = QStringLiteral("1"),
                                              .Website = QStringLiteral("https://v.example/"),
                                              .Linked = true}};
};

void BM_RenderExport(benchmark::State& state) {
    const RenderSetup setup;
    const ExportTemplate parts = ParseTemplate(Template, setup.Language);
    const QList<ExportList> lists = ListsOf(int(state.range(0)));
    // Rendered as the export renders, a chunk at a time; each chunk is dropped.
    for (auto _ : state)
        RenderExport(parts, lists, setup.Options, setup.Language, [](QString& text, bool) {
            benchmark::DoNotOptimize(text.data());
            text.resize(0);
        });
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_MakeLinks(benchmark::State& state) {
    const RenderSetup setup;
    const QString document =
        RenderExport(ParseTemplate(Template, setup.Language), ListsOf(int(state.range(0))),
                     setup.Options, setup.Language);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeLinks(document));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

namespace {
constexpr int GameFileCount = 21'000;
constexpr int FilesPerFolder = 100;

// A game folder of objects in folders of a hundred, every tenth one a skin, and a program
// folder with the shipped HTML template and an empty list of the game's own files.
class GameOnDisk {
public:
    GameOnDisk() {
        for (int i = 0; i < GameFileCount; ++i) {
            const QString name = i % 10 == 0
                                     ? QStringLiteral("GameData/Skins/b%1fit.bmp").arg(i)
                                     : QStringLiteral("GameData/UserObjects/f%1/Object %2.iff")
                                           .arg(i / FilesPerFolder)
                                           .arg(i);
            WriteFixtureFile(Path(QStringLiteral("game/") + name), QByteArray(i % 500, 'x'));
        }
        WriteFixtureFile(Path(QStringLiteral("home/QuarnFiles.iff")), QByteArray());
        QFile::copy(QStringLiteral(PACKWRIGHT_TEMPLATE),
                    Path(QStringLiteral("home/filelist_template.html")));
    }

    QString Path(const QString& name) const { return FFolder.filePath(name); }

private:
    QTemporaryDir FFolder;
};

// Every run starts without files.iff, so each records all the files it lists.
double ExportMilliseconds(const GameOnDisk& game) {
    QFile::remove(game.Path(QStringLiteral("home/files.iff")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PACKWRIGHT_HOME"), game.Path(QStringLiteral("home")));
    environment.insert(QStringLiteral("PACKWRIGHT_SETTINGS"),
                       game.Path(QStringLiteral("settings.ini")));
    return MillisecondsOf(QStringLiteral(PACKWRIGHT_CLI),
                          {QStringLiteral("export"), QStringLiteral("--game"),
                           game.Path(QStringLiteral("game")), QStringLiteral("--template"),
                           game.Path(QStringLiteral("home/filelist_template.html")),
                           QStringLiteral("-o"), game.Path(QStringLiteral("files.html")),
                           QStringLiteral("--links"), QStringLiteral("--yes")},
                          environment);
}

void BM_ExportAgainstFind(benchmark::State& state) {
    static const GameOnDisk game;
    const QStringList findArgs{game.Path(QStringLiteral("game")), QStringLiteral("-printf"),
                               QStringLiteral("%s %p\n")};
    MillisecondsOf(QStringLiteral("find"), findArgs);
    CompareWithTool(
        state, "export", "find", [&] { return ExportMilliseconds(game); },
        [&] { return MillisecondsOf(QStringLiteral("find"), findArgs); });
}
} // namespace

BENCHMARK(BM_ExportAgainstFind)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_RenderExport)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeLinks)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
