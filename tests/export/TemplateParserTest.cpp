#include "export/TemplateParser.h"

#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
using MarkerSpelling = std::function<QString(const QString& word)>;

// Every part on lines of its own, the snippets between the document head's lines.
QString SampleTemplate(const MarkerSpelling& marker) {
    return u"<html>\r\n"_s + marker(u"NOCOMMENTSTART"_s) + u"<i>none</i>"_s +
           marker(u"NOCOMMENTEND"_s) + u"\r\n<head>\r\n"_s + marker(u"SINGLEFILESTART"_s) +
           u"item"_s + marker(u"SINGLEFILEEND"_s) + marker(u"MULTIFILESTART"_s) + u"items"_s +
           marker(u"MULTIFILEEND"_s) + u"\r\n"_s + marker(u"LISTSTART"_s) +
           u"\r\n<h2>${LISTTITLE}</h2>\r\n"_s + marker(u"ITEMSTART"_s) +
           u"\r\n<li>${NAME}</li>\r\n"_s + marker(u"ITEMEND"_s) + u"\r\n</ul>\r\n"_s +
           marker(u"LISTEND"_s) + u"\r\n${GENERATOR}</html>"_s;
}

// The parts in the order the template holds them, the snippets last.
QStringList Parts(const ExportTemplate& parts) {
    return {parts.DocHead, parts.ListHead,      parts.Item,           parts.ListFoot,
            parts.DocFoot, parts.NoCommentText, parts.SingleFileWord, parts.MultiFileWord};
}

ETemplateError CutError(const QString& text) {
    EnglishLanguage language;
    try {
        ParseTemplate(text, language);
    } catch (const ETemplateError& error) {
        return error;
    }
    ADD_FAILURE() << "the template was cut";
    return ETemplateError(QString(), QString());
}
} // namespace

TEST(TemplateParser, CutsAtMarkersWhateverTheirBlanksAndCase) {
    const MarkerSpelling spellings[] = {
        [](const QString& word) { return u"<!--PKWR:"_s + word + u"-->"_s; },
        [](const QString& word) { return u"<!--pkwr:"_s + word.toLower() + u"-->"_s; },
        [](const QString& word) { return u"<!--\tPkWr\r\n:  "_s + word + u"\t-->"_s; },
    };
    EnglishLanguage language;
    for (const MarkerSpelling& marker : spellings) {
        // The line break before a marker stays with the text before it, the one after goes.
        EXPECT_EQ(Parts(ParseTemplate(SampleTemplate(marker), language)),
                  (QStringList{u"<html>\r\n<head>\r\n"_s, u"<h2>${LISTTITLE}</h2>\r\n"_s,
                               u"<li>${NAME}</li>\r\n"_s, u"</ul>\r\n"_s, u"${GENERATOR}</html>"_s,
                               u"<i>none</i>"_s, u"item"_s, u"items"_s}));
    }
}

TEST(TemplateParser, MissingSnippetsTakeLanguageTextsAndRepeatedMarkersTheirLastPlace) {
    EnglishLanguage language;
    EXPECT_EQ(
        Parts(ParseTemplate(u"a<!--PKWR:LISTSTART-->b<!--PKWR:LISTSTART-->c<!--PKWR:ITEMSTART-->d"
                            "<!--PKWR:ITEMEND-->e<!--PKWR:ITEMEND-->f<!--PKWR:LISTEND-->"
                            "${generator}"_s,
                            language)),
        (QStringList{u"a<!--PKWR:LISTSTART-->b"_s, u"c"_s, u"d<!--PKWR:ITEMEND-->e"_s, u"f"_s,
                     u"${generator}"_s, u"[Not Entered]"_s, u"file"_s, u"files"_s}));
}

TEST(TemplateParser, NamesTheFirstMissingPartInCuttingOrder) {
    const struct {
        const char16_t* Template;
        const char16_t* Section;
    } cases[] = {
        {u"<!--PKWR:LISTSTART--><!--PKWR:ITEMSTART--><!--PKWR:ITEMEND--><!--PKWR:LISTEND-->",
         u"${GENERATOR}"},
        {u"${GENERATOR}", u"ListStart"},
        {u"${GENERATOR}<!--PKWR:LISTSTART--><!--PKWR:ITEMSTART--><!--PKWR:ITEMEND-->", u"ListEnd"},
        // Markers in the wrong order: the item's markers after the list's end.
        {u"<!--PKWR:LISTSTART-->${GENERATOR}<!--PKWR:LISTEND--><!--PKWR:ITEMSTART-->"
         "<!--PKWR:ITEMEND-->",
         u"ItemStart"},
        {u"<!--PKWR:LISTSTART--><!--PKWR:ITEMSTART--><!--PKWR:LISTEND-->${GENERATOR}", u"ItemEnd"},
        // A generator inside a snippet is gone before the check.
        {u"<!--PKWR:NOCOMMENTSTART-->${GENERATOR}<!--PKWR:NOCOMMENTEND-->", u"${GENERATOR}"},
    };
    for (const auto& test : cases) {
        const ETemplateError error = CutError(QString::fromUtf16(test.Template));
        EXPECT_EQ(error.Section(), QString::fromUtf16(test.Section)) << error.what();
        EXPECT_TRUE(error.Text().startsWith(u"Error in Template file: \""_s + error.Section() +
                                            u"\" missing"_s));
    }
}

TEST(TemplateParser, CutsATenMegabyteTemplateAndRejectsOneWithoutMarkers) {
    const QString filler = QString(10 * 1024 * 1024, u'x');
    EnglishLanguage language;
    const ExportTemplate parts =
        ParseTemplate(u"<!--PKWR:LISTSTART--><!--PKWR:ITEMSTART-->"_s + filler +
                          u"<!--PKWR:ITEMEND--><!--PKWR:LISTEND-->${GENERATOR}"_s,
                      language);
    EXPECT_EQ(parts.Item.size(), filler.size());
    // Whether the engine searches to the end or gives up, the answer is a template error.
    const ETemplateError error = CutError(filler + u"${GENERATOR}"_s);
    EXPECT_TRUE(error.Section() == u"ListStart"_s || error.Section().isEmpty()) << error.what();
}
