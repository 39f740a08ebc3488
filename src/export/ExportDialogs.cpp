#include "export/ExportDialogs.h"

#include "language/TLanguage.h"

namespace {
struct FilterEntry {
    QStringView CaptionKey;
    QStringView Masks;
    bool ForTemplates;
};

constexpr FilterEntry FilterEntries[] = {
    {.CaptionKey = u"ValidListFiles",
     .Masks = u" (*.html, *.htm, *.xml, *.txt)|*.html;*.htm;*.xml;*.txt|",
     .ForTemplates = true},
    {.CaptionKey = u"HTMLFiles", .Masks = u" (*.html, *.htm)|*.html;*.htm|", .ForTemplates = true},
    {.CaptionKey = u"XMLFiles", .Masks = u" (*.xml)|*.xml|", .ForTemplates = false},
    {.CaptionKey = u"PlainTextFiles", .Masks = u" (*.txt)|*.txt|", .ForTemplates = true},
    {.CaptionKey = u"AllFiles", .Masks = u" (*.*)|*.*", .ForTemplates = true},
};

QString Filter(const TLanguage& language, bool forTemplates) {
    QString filter;
    for (const FilterEntry& entry : FilterEntries)
        if (entry.ForTemplates || !forTemplates) {
            filter += language.GetString(entry.CaptionKey.toString());
            filter += entry.Masks;
        }
    return filter;
}
} // namespace

FileDialogRequest ListFileDialog(const TLanguage& language, const QString& current) {
    return {.Kind = FileDialogKind::Save,
            .Title = language.GetString(QStringLiteral("ListSave")),
            .Filter = Filter(language, false),
            .DefaultExtension = QStringLiteral("html"),
            .InitialPath = current,
            .Options = FileDialogOption::PathMustExist,
            .Description = {}};
}

FileDialogRequest TemplateFileDialog(const TLanguage& language, const QString& current) {
    return {.Kind = FileDialogKind::Open,
            .Title = language.GetString(QStringLiteral("SelectTemplate")),
            .Filter = Filter(language, true),
            .DefaultExtension = QStringLiteral("html"),
            .InitialPath = current,
            .Options = FileDialogOption::FileMustExist | FileDialogOption::PathMustExist,
            .Description = {}};
}
