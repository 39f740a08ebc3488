#pragma once

#include <QString>

// Web addresses, bare "www." and "ftp." host names and mail addresses in the document's
// body (after "<body>") as links that open in a new window; the head stays as it is. A
// document without "<body>", or one too large for the regular-expression engine, is
// returned unchanged.
QString MakeLinks(const QString& document);
