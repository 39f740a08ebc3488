#include "export/RenderedExportFile.h"

#include "export/ExportTextWriter.h"
#include "export/LinkMaker.h"
#include "export/TemplateRegex.h"

namespace {
void Render(const ExportRendering& rendering, const RenderedTextDrain& drain) {
    RenderExport(rendering.Parts, rendering.Lists, rendering.Options, rendering.Language, drain);
}

void RenderAsText(ExportTextWriter& writer, const ExportRendering& rendering) {
    Render(rendering, [&](QString& text, bool) {
        writer.Append(text);
        text.resize(0);
    });
}

void RenderLinked(ExportTextWriter& writer, const ExportRendering& rendering) {
    DocumentLinker linker([&](QStringView piece) { writer.Append(piece); });
    Render(rendering, [&](QString& text, bool last) { text.remove(0, linker.Take(text, last)); });
}
} // namespace

void WriteRenderedExport(const QString& path, const ExportRendering& rendering,
                         const OutputEncoding& encoding, AddressesIn addresses) {
    if (addresses == AddressesIn::Links) {
        // Where the last body tag may come late, the linker needs the whole document first.
        if (!BodyTagOnlyInHead(rendering.Parts, rendering.Options, rendering.Language)) {
            WriteExportFile(path,
                            RenderExport(rendering.Parts, rendering.Lists, rendering.Options,
                                         rendering.Language),
                            encoding, addresses);
            return;
        }
        try {
            ExportTextWriter writer(path, encoding);
            RenderLinked(writer, rendering);
            writer.Commit();
            return;
        } catch (const ERegexGaveUp&) {
            // Rendered again without links; the writer gone, its unfinished file is too.
        }
    }
    ExportTextWriter writer(path, encoding);
    RenderAsText(writer, rendering);
    writer.Commit();
}
