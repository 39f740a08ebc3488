#pragma once

#include "export/OutputEncoding.h"

#include <QString>

// Reads a template file: its lines joined with CR LF after each, trimmed of blanks and
// control characters at both ends. Throws EPackwrightError when it cannot be read.
QString ReadTemplateFile(const QString& path);

// Writes the document trimmed at both ends as lines, each ended by CR LF, in the encoding
// (UTF-8 unless told). The old file is replaced only by a complete new one. Throws
// EPackwrightError when it cannot be written.
void WriteExportFile(const QString& path, QString document,
                     const OutputEncoding& encoding = OutputEncoding());

// The text without characters up to U+0020 at either end.
QString TrimControls(const QString& text);
