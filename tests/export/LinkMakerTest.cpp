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

TEST(LinkMaker, LinksEveryLineOfALongBodyAndWritesTheLastBodyTagInLowerCase) {
    QString document = u"<BODY>www.early.example<Body>"_s;
    QString linked = u"<BODY>www.early.example<body>\r\n"_s;
    for (int line = 0; line < 3000; ++line) {
        document +=
            u"<td>%1</td>\r\nwww.v%1.example FTP://v.example/%1 a@v.example\r\n"_s.arg(line);
        linked +=
            u"<td>%1</td>\r\n<a href=\"http://www.v%1.example\" target=\"_blank\">"
            "www.v%1.example</a> <a href=\"FTP://v.example/%1\" target=\"_blank\">"
            "FTP://v.example/%1</a> <a href=\"mailto:a@v.example\">a@v.example</a>\r\n"_s.arg(line);
    }
    EXPECT_EQ(MakeLinks(document), linked);
}
