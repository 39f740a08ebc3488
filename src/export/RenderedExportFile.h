#pragma once

#include "export/ExportFiles.h"
#include "export/ExportRenderer.h"

// What an export renders.
struct ExportRendering {
    const ExportTemplate& Parts;
    const QList<ExportList>& Lists;
    const ExportRenderOptions& Options;
    const TLanguage& Language;
};

// Renders the lists into the file as WriteExportFile writes their rendered document, the
// text going to the file as it is rendered rather than built whole first. Throws
// EPackwrightError when the file cannot be written.
void WriteRenderedExport(const QString& path, const ExportRendering& rendering,
                         const OutputEncoding& encoding, AddressesIn addresses);
