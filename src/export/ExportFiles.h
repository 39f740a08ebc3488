#pragma once

#include "export/OutputEncoding.h"

#include <QString>

// Reads a template file: its lines joined with CR LF after each, trimmed of blanks and
// control characters at both ends. Throws EPackwrightError when it cannot be read.
QString ReadTemplateFile(const QString& path);

enum class AddressesIn { Text, Links };

// Writes the document, its addresses made links when asked (as MakeLinks makes them),
// trimmed at both ends as lines, each ended by CR LF, in the encoding (UTF-8 unless told).
// The old file is replaced only by a complete new one. Throws EPackwrightError when it
// cannot be written.
void WriteExportFile(const QString& path, const QString& document,
                     const OutputEncoding& encoding = OutputEncoding(),
                     AddressesIn addresses = AddressesIn::Text);

// The text without characters up to U+0020 at either end.
QString TrimControls(const QString& text);
