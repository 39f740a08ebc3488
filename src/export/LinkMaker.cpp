#include "export/LinkMaker.h"

#include "export/TemplateRegex.h"

namespace {
struct LinkRule {
    QStringView Pattern;
    QStringView Format;
    bool Conditional;
};

constexpr LinkRule LinkRules[] = {
    {.Pattern = uR"((^|\s|>)(http|ftp)://(([^"\s<>']|[a-zA-Z0-9])*))",
     .Format = uR"($1<a href="$2://$3" target="_blank">$2://$3</a>)",
     .Conditional = false},
    {.Pattern = uR"((^|\s|>)(((www)|(ftp))\.(([^"\s<>']|[a-zA-Z0-9])*)))",
     .Format =
         uR"((?4$1<a href="http\://$2" target="_blank">$2</a>)(?5$1<a href="ftp\://$2" target="_blank">$2</a>))",
     .Conditional = true},
    {.Pattern = uR"((^|\s|>)(mailto:)?([\w\-\.]*@[\w\-\.]*)([^"\s<>']*))",
     .Format = uR"($1<a href="mailto:$3$4">$3</a>)",
     .Conditional = false},
};

QString LinkBody(QString body) {
    for (const LinkRule& rule : LinkRules) {
        const TemplateRegex expression(rule.Pattern);
        body = expression.ReplaceAll(body, rule.Format, rule.Conditional);
    }
    return body;
}
} // namespace

QString MakeLinks(const QString& document) {
    static const TemplateRegex bodySplit(u"(.*)<body>(.*)");
    try {
        const std::optional<QStringList> groups = bodySplit.Search(document);
        if (!groups)
            return document;
        return (*groups)[1] + QStringLiteral("<body>\r\n") + LinkBody((*groups)[2]);
    } catch (const ERegexGaveUp&) {
        return document;
    }
}
