#include "EnglishLanguage.h"
#include "export/ExportFiles.h"
#include "export/ExportRenderer.h"
#include "export/LinkMaker.h"
#include "export/TemplateParser.h"
#include "platform/ProgramFolder.h"
#include "support/QtPrinters.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QList<ExportList> HostileLists() {
    ExportEntry entry;
    entry.Name = u"Tom & Jerry <\"1\">.iff"_s;
    entry.FullPath = u"C:\\Vocks\\Downloads\\Tom & Jerry.iff"_s;
    entry.Comment = u"</comment><b>x</b> www.vocks.example\tZo\u00eb"_s;
    entry.InstalledAt = QDateTime(QDate(2004, 5, 9), QTime(14, 5));
    entry.Size = 1500;
    ExportEntry archive = entry;
    archive.Name = u"pack.far"_s;
    archive.ArchiveFiles = {entry};
    return {{.Kind = ContentKind::Objects, .Title = u"Objects"_s, .Entries = {entry}},
            {.Kind = ContentKind::FarFiles, .Title = u"FAR & co"_s, .Entries = {archive}}};
}

QString RenderShipped(const QString& templateName, bool links) {
    EnglishLanguage language;
    const ExportTemplate parts =
        ParseTemplate(ReadTemplateFile(ProgramFolder() + templateName), language);
    const ExportRenderOptions options{.Title = u"My <list>"_s,
                                      .LongDate = true,
                                      .EscapeMarkup = templateName.endsWith(u"l"_s),
                                      .Generator = {.ProdVersion = u"0.4.0b"_s,
                                                    .Website = u"https://v.example/"_s,
                                                    .Linked = links}};
    const QString document = RenderExport(parts, HostileLists(), options, language);
    return links ? MakeLinks(document) : document;
}
} // namespace

TEST(ShippedTemplates, XmlListIsWellFormedWithHostileNames) {
    QXmlStreamReader reader(RenderShipped(u"filelist_template.xml"_s, true));
    QStringList names;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"name")
            names.append(reader.readElementText());
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    const QString hostile = u"Tom & Jerry <\"1\">.iff"_s;
    EXPECT_EQ(names, (QStringList{hostile, u"pack.far"_s, hostile}));
}

TEST(ShippedTemplates, HtmlAndTextListsShowEveryFileWithTheirOwnWords) {
    const QString html = RenderShipped(u"filelist_template.html"_s, true);
    EXPECT_EQ(html.count(u"<td>Tom &amp; Jerry &lt;&quot;1&quot;&gt;.iff<div"_s), 2);
    EXPECT_TRUE(html.contains(u"&lt;/comment&gt;&lt;b&gt;x&lt;/b&gt; <a href=\"http://"
                              "www.vocks.example\" target=\"_blank\">www.vocks.example</a>"_s));
    EXPECT_TRUE(html.contains(u"<summary>FAR &amp; co <span class=\"facts\">1 file, 1.46 KB"_s));
    EXPECT_TRUE(html.contains(u"<a href=\"https://v.example/\" target=\"_blank\">The "
                              "Packwright</a>"_s));
    EXPECT_FALSE(html.contains(u"PKWR"_s));
    const QString text = RenderShipped(u"filelist_template.txt"_s, false);
    EXPECT_TRUE(text.contains(u"1. Tom & Jerry <\"1\">.iff\r\n    Path:       C:\\Vocks"_s));
    EXPECT_TRUE(text.contains(u"pack.far: 1 file, 1.46 KB"_s));
    EXPECT_FALSE(text.contains(u"PKWR"_s) || text.contains(u"${"_s));
}
