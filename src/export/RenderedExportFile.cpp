#include "export/RenderedExportFile.h"

#include "export/ExportTextWriter.h"
#include "export/LinkMaker.h"

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
    // Where the last body tag may come late, the linker needs the whole document first.
    if (addresses == AddressesIn::Links &&
        !BodyTagOnlyInHead(rendering.Parts, rendering.Options, rendering.Language)) {
        WriteExportFile(
            path,
            RenderExport(rendering.Parts, rendering.Lists, rendering.Options, rendering.Language),
            encoding, addresses);
        return;
    }
    WriteExportText(path, encoding, addresses == AddressesIn::Links,
                    [&](ExportTextWriter& writer, bool links) {
                        if (links)
                            RenderLinked(writer, rendering);
                        else
                            RenderAsText(writer, rendering);
                    });
}
