#pragma once

#include "export/ExportLists.h"
#include "export/ExportTemplate.h"
#include "export/GeneratorLine.h"

#include <QLocale>

#include <functional>

class TLanguage;

struct ExportRenderOptions {
    QString Title;
    bool LongDate = true;
    // Values are escaped for HTML and XML output; the generator line links the program's
    // name when Generator.Linked.
    bool EscapeMarkup = false;
    GeneratorFacts Generator;
};

// Whether a list has an entry: a document without one is empty.
bool HasEntries(const QList<ExportList>& lists);

// The document: the template's parts filled with the lists that have entries, each FAR
// archive followed by a list of its own files; "" when no list has an entry.
QString RenderExport(const ExportTemplate& parts, const QList<ExportList>& lists,
                     const ExportRenderOptions& options, const TLanguage& language,
                     const QLocale& locale = QLocale());

// Takes the text rendered so far (last: the end of the document) and removes from it what it
// has used; the rest stays at the start of the text that follows.
using RenderedTextDrain = std::function<void(QString& text, bool last)>;

// The same document given out to drain as it grows, a chunk at a time, rather than built
// whole; false, and nothing given out, when no list has an entry.
bool RenderExport(const ExportTemplate& parts, const QList<ExportList>& lists,
                  const ExportRenderOptions& options, const TLanguage& language,
                  const RenderedTextDrain& drain, const QLocale& locale = QLocale());

// Whether a "<body>" can stand in the rendered document only within the rendered head
// (DocHead): values are escaped, and no other part, no value left unescaped and no
// variable's boundary can start one.
bool BodyTagOnlyInHead(const ExportTemplate& parts, const ExportRenderOptions& options,
                       const TLanguage& language);
