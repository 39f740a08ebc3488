#include "export/TemplateParser.h"

#include "common/Placeholders.h"
#include "export/TemplateRegex.h"
#include "language/TLanguage.h"

namespace {
// A snippet between two markers: group 1 before it, 6 the snippet, 11 after it.
QString SnippetPattern(QStringView word) {
    return QStringLiteral(
               "(.*)(\\r)?(\\n)?<!--\\s*PKWR\\s*:\\s*%1START\\s*-->(\\r)?(\\n)?(.*)(\\r)?(\\n)?"
               "<!--\\s*PKWR\\s*:\\s*%1END\\s*-->(\\r)?(\\n)?(.*)")
        .arg(word);
}

// One marker: group 1 before it, 6 after it.
QString MarkerPattern(QStringView word) {
    return QStringLiteral("(.*)(\\r)?(\\n)?<!--\\s*PKWR\\s*:\\s*%1\\s*-->(\\r)?(\\n)?(.*)")
        .arg(word);
}

struct Snippet {
    QStringView Word;
    QStringView DefaultKey;
    QString ExportTemplate::*Text;
};

constexpr Snippet Snippets[] = {
    {.Word = u"NOCOMMENT", .DefaultKey = u"EmptyComment", .Text = &ExportTemplate::NoCommentText},
    {.Word = u"SINGLEFILE",
     .DefaultKey = u"DefaultSingleFile",
     .Text = &ExportTemplate::SingleFileWord},
    {.Word = u"MULTIFILE",
     .DefaultKey = u"DefaultMultiFile",
     .Text = &ExportTemplate::MultiFileWord},
};

class TemplateCutter {
public:
    TemplateCutter(const QString& text, const TLanguage& language)
        : FRest(text), FLanguage(language) {}

    ExportTemplate Cut() {
        ExportTemplate parts;
        for (const Snippet& snippet : Snippets)
            parts.*snippet.Text = TakeSnippet(snippet);
        static const TemplateRegex generator(u"\\$\\{GENERATOR\\}");
        if (!generator.Occurs(FRest))
            Fail(QStringLiteral("${GENERATOR}"));
        const QStringList listStart = Split(u"LISTSTART", QStringLiteral("ListStart"));
        parts.DocHead = listStart[1];
        FRest = listStart[6];
        const QStringList listEnd = Split(u"LISTEND", QStringLiteral("ListEnd"));
        FRest = listEnd[1];
        parts.DocFoot = listEnd[6];
        const QStringList itemStart = Split(u"ITEMSTART", QStringLiteral("ItemStart"));
        parts.ListHead = itemStart[1];
        FRest = itemStart[6];
        const QStringList itemEnd = Split(u"ITEMEND", QStringLiteral("ItemEnd"));
        parts.Item = itemEnd[1];
        parts.ListFoot = itemEnd[6];
        return parts;
    }

private:
    QString TakeSnippet(const Snippet& snippet) {
        const TemplateRegex expression(SnippetPattern(snippet.Word));
        const std::optional<QStringList> groups = expression.Search(FRest);
        if (!groups)
            return FLanguage.GetString(snippet.DefaultKey.toString());
        FRest = (*groups)[1] + (*groups)[11];
        return (*groups)[6];
    }

    QStringList Split(QStringView word, const QString& section) {
        const TemplateRegex expression(MarkerPattern(word));
        std::optional<QStringList> groups = expression.Search(FRest);
        if (!groups)
            Fail(section);
        return *groups;
    }

    [[noreturn]] void Fail(const QString& section) const {
        throw ETemplateError(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("TemplateError")), u"Section",
                               section),
            section);
    }

    QString FRest;
    const TLanguage& FLanguage;
};
} // namespace

ExportTemplate ParseTemplate(const QString& text, const TLanguage& language) {
    try {
        return TemplateCutter(text, language).Cut();
    } catch (const ERegexGaveUp&) {
        throw ETemplateError(language.GetString(QStringLiteral("TemplateTooComplex")), QString());
    }
}
