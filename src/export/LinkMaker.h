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

// Links a document given in pieces as MakeLinks links it whole, handing the linked text
// out as it goes. The first piece must hold the document's last "<body>". Throws
// ERegexGaveUp when the document is too large for the regular-expression engine; the text
// handed out until then is of the linked document.
class DocumentLinker {
public:
    explicit DocumentLinker(LinkedTextSink out);

    // Links the whole lines of the text (all of it when last); returns how much of the
    // text it took.
    qsizetype Take(QStringView text, bool last);

private:
    enum class Place { Unknown, Head, Body };
    LinkedTextSink FOut;
    Place FPlace = Place::Unknown;
};
