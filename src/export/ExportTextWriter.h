#pragma once

#include "export/OutputEncoding.h"

#include <QSaveFile>
#include <QString>

#include <functional>

// An export file written as its text arrives: the text trimmed of characters up to U+0020
// at both ends, every line ended by CR LF (whatever ended it: CR LF, CR or LF), the last one
// too, in the encoding. The old file is replaced only by a complete new one, at Commit.
// Throws EPackwrightError when the file cannot be written.
class ExportTextWriter {
public:
    ExportTextWriter(const QString& path, const OutputEncoding& encoding);

    void Append(QStringView text);
    void Commit();

private:
    void WriteLines(qsizetype size);

    QSaveFile FFile;
    const OutputEncoding FEncoding;
    // Text with its line breaks made CR LF, not yet encoded.
    QString FLines;
    // Characters up to U+0020 at the end of the text so far: kept only if more text follows.
    QString FHeldBack;
    bool FStarted = false;
    // The lines so far end in a CR: an LF starting the next text ends no line of its own.
    bool FAfterCr = false;
};

// Appends the export's text to writer, its addresses made links when links is set.
using ExportTextFeed = std::function<void(ExportTextWriter& writer, bool links)>;

// Writes the file through feed, with links when asked. Where making links gives up on the
// text, the file is written again without them; the unfinished one goes with its writer.
void WriteExportText(const QString& path, const OutputEncoding& encoding, bool links,
                     const ExportTextFeed& feed);
