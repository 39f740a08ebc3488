#include "export/LinkMaker.h"

#include "export/TemplateRegex.h"

#include <algorithm>
#include <array>

namespace {
// Whether the text holds "://"; looked for from each colon, which costs less than a search
// for the three characters in every line of a long document.
bool HoldsSchemeSeparator(QStringView text) {
    for (qsizetype colon = text.indexOf(u':'); colon >= 0; colon = text.indexOf(u':', colon + 1)) {
        if (text.sliced(colon).startsWith(u"://"))
            return true;
    }
    return false;
}

// Whether the text holds "www." or "ftp." in any letter case; looked for from each dot, as
// a search without regard to case costs more than the whole rest of the linking.
bool HoldsHostName(QStringView text) {
    constexpr qsizetype prefix = 3;
    for (qsizetype dot = text.indexOf(u'.', prefix); dot >= 0; dot = text.indexOf(u'.', dot + 1)) {
        const QStringView before = text.sliced(dot - prefix, prefix);
        if (before.compare(u"www", Qt::CaseInsensitive) == 0 ||
            before.compare(u"ftp", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

struct LinkRule {
    // False for text that holds nothing the rule would change.
    bool (*MayMatch)(QStringView text);
    QStringView Pattern;
    QStringView Format;
    bool Conditional;
};

constexpr LinkRule LinkRules[] = {
    {.MayMatch = HoldsSchemeSeparator,
     .Pattern = uR"((^|\s|>)(http|ftp)://(([^"\s<>']|[a-zA-Z0-9])*))",
     .Format = uR"($1<a href="$2://$3" target="_blank">$2://$3</a>)",
     .Conditional = false},
    {.MayMatch = HoldsHostName,
     .Pattern = uR"((^|\s|>)(((www)|(ftp))\.(([^"\s<>']|[a-zA-Z0-9])*)))",
     .Format =
         uR"((?4$1<a href="http\://$2" target="_blank">$2</a>)(?5$1<a href="ftp\://$2" target="_blank">$2</a>))",
     .Conditional = true},
    {.MayMatch = [](QStringView text) { return text.contains(u'@'); },
     .Pattern = uR"((^|\s|>)(mailto:)?([\w\-\.]*@[\w\-\.]*)([^"\s<>']*))",
     .Format = uR"($1<a href="mailto:$3$4">$3</a>)",
     .Conditional = false},
};

// No rule matches across a line break and "^" matches at the start of every line, so the
// body is linked a line at a time, and only the lines that hold an address go through the
// regular-expression engine: the work grows with the document, not faster. Lines left as
// they are go out together.
void LinkBody(QStringView body, const LinkedTextSink& out) {
    static const std::array<TemplateRegex, std::size(LinkRules)> expressions{
        TemplateRegex(LinkRules[0].Pattern), TemplateRegex(LinkRules[1].Pattern),
        TemplateRegex(LinkRules[2].Pattern)};
    qsizetype unchanged = 0;
    for (qsizetype start = 0; start < body.size();) {
        const qsizetype end = body.indexOf(u'\n', start);
        const QStringView line = body.sliced(start, (end < 0 ? body.size() : end + 1) - start);
        QString changed;
        for (size_t rule = 0; rule < expressions.size(); ++rule) {
            const QStringView current = changed.isNull() ? line : QStringView(changed);
            if (LinkRules[rule].MayMatch(current))
                changed = expressions[rule].ReplaceAll(current.toString(), LinkRules[rule].Format,
                                                       LinkRules[rule].Conditional);
        }
        if (!changed.isNull()) {
            out(body.sliced(unchanged, start - unchanged));
            out(changed);
            unchanged = start + line.size();
        }
        start += line.size();
    }
    out(body.sliced(unchanged));
}

constexpr QStringView BodyTag = u"<body>";

// The last "<body>" in any letter case, as the greedy "(.*)<body>(.*)" of the template rules
// finds it; -1 when there is none. Tried only at each "<": a search without regard to case
// folds every character of the long document on its way back.
qsizetype LastBodyTag(QStringView document) {
    for (qsizetype at = document.lastIndexOf(u'<'); at >= 0;
         at = at == 0 ? -1 : document.lastIndexOf(u'<', at - 1)) {
        if (document.sliced(at).startsWith(BodyTag, Qt::CaseInsensitive))
            return at;
    }
    return -1;
}
} // namespace

DocumentLinker::DocumentLinker(LinkedTextSink out) : FOut(std::move(out)) {}

qsizetype DocumentLinker::Take(QStringView text, bool last) {
    qsizetype head = 0;
    if (FPlace == Place::Unknown) {
        const qsizetype body = LastBodyTag(text);
        FPlace = body < 0 ? Place::Head : Place::Body;
        if (body >= 0) {
            FOut(text.first(body));
            FOut(BodyTag);
            FOut(u"\r\n");
            head = body + BodyTag.size();
        }
    }
    if (FPlace == Place::Head) {
        FOut(text);
        return text.size();
    }
    // Whole lines only: an address may go on in the text still to come.
    const qsizetype end = last ? text.size() : text.lastIndexOf(u'\n') + 1;
    if (end > head)
        LinkBody(text.sliced(head, end - head), FOut);
    return std::max(head, end);
}

QString MakeLinks(const QString& document) {
    try {
        // Built in one text: the document is long, and a copy of its body would double it.
        QString linked;
        linked.reserve(document.size());
        DocumentLinker([&](QStringView piece) { linked += piece; }).Take(document, true);
        return linked;
    } catch (const ERegexGaveUp&) {
        return document;
    }
}
