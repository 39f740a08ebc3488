#include "export/RenderedExportFile.h"

#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const ExportRenderOptions Markup{
    .Title = u"T"_s,
    .LongDate = false,
    .EscapeMarkup = true,
    .Generator = {.ProdVersion = u"1"_s, .Website = {}, .Linked = true}};

ExportTemplate Parts(const QString& head, const QString& item,
                     const QString& listFoot = u"</ul>"_s) {
    return {.DocHead = head,
            .ListHead = u"<ul>\r\n"_s,
            .Item = item,
            .ListFoot = listFoot,
            .DocFoot = u"</html>"_s,
            .NoCommentText = u"-"_s,
            .SingleFileWord = u"file"_s,
            .MultiFileWord = u"<b>files</b>"_s};
}
} // namespace

TEST(BodyTagOnlyInHead, NoOtherPartNorVariableCanStartOne) {
    const struct {
        ExportTemplate Parts;
        bool Escaped;
        bool OnlyInHead;
    } cases[] = {
        {Parts(u"<html><BODY>"_s, u"<li><b>${NAME}</b><br>\r\n"_s), true, true},
        {Parts(u"<html><BODY>"_s, u"<li><b>${NAME}</b>\r\n"_s), false, false},
        {Parts(u"<html>"_s, u"<li><Body class=x>${NAME}\r\n"_s), true, false},
        {Parts(u"<html>"_s, u"<li><bo${NAME}\r\n"_s), true, false},
        {Parts(u"<html>"_s, u"<li>${NAME}\r\n"_s, u"</ul><"_s), true, false},
        {Parts(u"<html><b"_s, u"<li>${NAME}\r\n"_s), true, false},
    };
    const EnglishLanguage language;
    for (const auto& test : cases) {
        ExportRenderOptions options = Markup;
        options.EscapeMarkup = test.Escaped;
        EXPECT_EQ(BodyTagOnlyInHead(test.Parts, options, language), test.OnlyInHead)
            << test.Parts.DocHead.toStdString() << test.Parts.Item.toStdString();
    }
}

// Longer than the text rendered or encoded at once, every item holding an address and a
// character Latin-1 lacks: the addresses after the document's last body tag are linked,
// whichever part holds it, and every euro sign is a reference.
TEST(RenderedExportFile, LinksAfterTheLastBodyTagWhereverTheTemplatePutsIt) {
    constexpr int Count = 3000;
    ExportList list{.Kind = ContentKind::Objects, .Title = u"O"_s, .Entries = {}};
    for (int i = 0; i < Count; ++i)
        list.Entries.append(
            ExportEntry{{u"n"_s, u"/n"_s, {}, u"www.v%1.example \u20ac"_s.arg(i), 0}, {}});
    const QString linkFormat =
        u"<a href=\"http://www.v%1.example\" target=\"_blank\">www.v%1.example</a> &#8364;"_s;
    QString inHead = u"<html><body>\r\n\r\n<ul>\r\n"_s;
    QString unlinked = u"<html><BODY>\r\n<ul>\r\n"_s;
    QString inItem = u"<html><ul>\r\n"_s;
    for (int i = 0; i < Count; ++i) {
        inHead += u"<li>"_s + linkFormat.arg(i) + u"</li>\r\n"_s;
        unlinked += u"<li>www.v%1.example &#8364;</li>\r\n"_s.arg(i);
        inItem += i + 1 < Count ? u"<li><body>www.v%1.example &#8364;</li>\r\n"_s.arg(i)
                                : u"<li><body>\r\n"_s + linkFormat.arg(i) + u"</li>\r\n"_s;
    }
    const struct {
        ExportTemplate Parts;
        AddressesIn Addresses;
        QString Written;
    } cases[] = {
        {Parts(u"<html><BODY>\r\n"_s, u"<li>${COMMENT}</li>\r\n"_s), AddressesIn::Links, inHead},
        {Parts(u"<html><BODY>\r\n"_s, u"<li>${COMMENT}</li>\r\n"_s), AddressesIn::Text, unlinked},
        {Parts(u"<html>"_s, u"<li><body>${COMMENT}</li>\r\n"_s), AddressesIn::Links, inItem},
    };
    const EnglishLanguage language;
    const TempFolder folder;
    const std::optional<OutputEncoding> latin1 = OutputEncoding::Named(u"ISO-8859-1"_s);
    ASSERT_TRUE(latin1);
    for (const auto& test : cases) {
        WriteRenderedExport(folder.Path(u"list.html"_s), {test.Parts, {list}, Markup, language},
                            *latin1, test.Addresses);
        EXPECT_EQ(folder.Read(u"list.html"_s), (test.Written + u"</ul></html>\r\n"_s).toLatin1())
            << test.Parts.Item.toStdString();
    }
}
