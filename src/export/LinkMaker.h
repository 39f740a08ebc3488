#pragma once

#include <QString>

#include <functional>

// Web addresses, bare "www." and "ftp." host names and mail addresses in the document's
// body (after "<body>") as links that open in a new window; the head stays as it is. A
// document without "<body>", or one too large for the regular-expression engine, is
// returned unchanged.
QString MakeLinks(const QString& document);

// Takes each piece of the linked document, in order.
using LinkedTextSink = std::function<void(QStringView)>;

// The linked document as MakeLinks makes it, handed out in pieces rather than built whole.
// Throws ERegexGaveUp when the document is too large for the regular-expression engine;
// pieces handed out until then are of the linked document.
void StreamLinks(QStringView document, const LinkedTextSink& out);
