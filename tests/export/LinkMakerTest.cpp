#include "export/LinkMaker.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LinkMaker, LinksAddressesInTheBodyOnly) {
    const struct {
        const char16_t* Body;
        const char16_t* Linked;
    } cases[] = {
        {u" www.vocks.example/a", u" <a href=\"http://www.vocks.example/a\" target=\"_blank\">"
                                  "www.vocks.example/a</a>"},
        {u"\nftp.vocks.example", u"\n<a href=\"ftp://ftp.vocks.example\" target=\"_blank\">"
                                 "ftp.vocks.example</a>"},
        {u"<td>http://v.example/?a=1&amp;b=2</td>",
         u"<td><a href=\"http://v.example/?a=1&amp;b=2\" target=\"_blank\">"
         "http://v.example/?a=1&amp;b=2</a></td>"},
        {u" mailto:joe@v.example", u" <a href=\"mailto:joe@v.example\">joe@v.example</a>"},
        // Inside an attribute (after a quote) and glued to a word, nothing changes.
        {u"<img src=\"http://v.example/p.png\">x-www.v.example",
         u"<img src=\"http://v.example/p.png\">x-www.v.example"},
    };
    const QString head = u"<head>http://head.example www.head.example</head><body>"_s;
    for (const auto& test : cases)
        EXPECT_EQ(MakeLinks(head + QString::fromUtf16(test.Body)),
                  head + u"\r\n"_s + QString::fromUtf16(test.Linked));
    EXPECT_EQ(MakeLinks(u"no body www.v.example"_s), u"no body www.v.example"_s);
}
