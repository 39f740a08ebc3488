#include "export/ExportFiles.h"
#include "export/ExportRenderer.h"
#include "export/TemplateParser.h"
#include "platform/ProgramPlaces.h"
#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QList<ExportList> HostileLists() {
    const ExportEntry entry{{u"Tom & Jerry <\"1\">.iff"_s,
                             u"C:\\Vocks\\Downloads\\Tom & Jerry.iff"_s,
                             QDateTime(QDate(2004, 5, 9), QTime(14, 5)),
                             u"</comment><b>x</b> www.vocks.example\tZo\u00eb"_s, 1500},
                            {}};
    ExportEntry archive = entry;
    archive.Name = u"pack.far"_s;
    archive.ArchiveFiles = {entry};
    return {{.Kind = ContentKind::Objects, .Title = u"Objects"_s, .Entries = {entry}},
            {.Kind = ContentKind::FarFiles, .Title = u"FAR & co"_s, .Entries = {archive}}};
}
} // namespace

TEST(ShippedTemplates, XmlListIsWellFormedWithHostileNames) {
    EnglishLanguage language;
    const ExportTemplate parts = ParseTemplate(
        ReadTemplateFile(ProgramFilesFolder() + u"filelist_template.xml"_s), language);
    const ExportRenderOptions options{.Title = u"My <list>"_s,
                                      .LongDate = true,
                                      .EscapeMarkup = true,
                                      .Generator = {.ProdVersion = u"0.4.0b"_s,
                                                    .Website = u"https://v.example/"_s,
                                                    .Linked = true}};
    QXmlStreamReader reader(RenderExport(parts, HostileLists(), options, language));
    QStringList names;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"name")
            names.append(reader.readElementText());
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    const QString hostile = u"Tom & Jerry <\"1\">.iff"_s;
    EXPECT_EQ(names, (QStringList{hostile, u"pack.far"_s, hostile}));
}
