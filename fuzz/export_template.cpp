// Feeds arbitrary files to the template engine as the export reads them: cut, rendered with
// names that need escaping, and linked. Besides crashes and sanitizer reports, it stops when
// a cut template's parts hold more text than the template, or when the regular-expression
// engine gives up with anything but a template error.
#include "common/TextDecoding.h"
#include "export/ExportFiles.h"
#include "export/ExportRenderer.h"
#include "export/LinkMaker.h"
#include "export/TemplateParser.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

#include <cstdint>
#include <cstdlib>

namespace {
QList<ExportList> HostileLists() {
    ExportEntry entry;
    entry.Name = QStringLiteral("Tom & Jerry <\"1\">.iff");
    entry.FullPath = QStringLiteral("C:\\Vocks\\Downloads\\${NAME}.iff");
    entry.Comment = QStringLiteral("see www.vocks.example or joe@vocks.example\t\u00e9");
    entry.Size = 1500;
    ExportEntry archive = entry;
    archive.ArchiveFiles = {entry};
    return {{.Kind = ContentKind::Objects, .Title = QStringLiteral("Objects"), .Entries = {entry}},
            {.Kind = ContentKind::FarFiles, .Title = QStringLiteral("FARs"), .Entries = {archive}}};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TLanguage* const language = [] {
        auto* english = new TLanguage;
        english->SetDefaultLanguage(BuiltInEnglishLines());
        return english;
    }();
    const QString text = TrimControls(
        Decode8BitText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    ExportTemplate parts;
    try {
        parts = ParseTemplate(text, *language);
    } catch (const ETemplateError&) {
        return 0;
    }
    const qsizetype cut = parts.DocHead.size() + parts.ListHead.size() + parts.Item.size() +
                          parts.ListFoot.size() + parts.DocFoot.size();
    if (cut > text.size())
        std::abort();
    const ExportRenderOptions options{.Title = QStringLiteral("<title>"),
                                      .LongDate = true,
                                      .EscapeMarkup = true,
                                      .Generator = {.ProdVersion = QStringLiteral("1"),
                                                    .Website = QStringLiteral("https://v/"),
                                                    .Linked = true}};
    MakeLinks(RenderExport(parts, HostileLists(), options, *language));
    return 0;
}
