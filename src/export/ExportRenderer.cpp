#include "export/ExportRenderer.h"

#include "common/DateTimePatterns.h"
#include "export/ExportSizeText.h"
#include "export/MarkupEscape.h"
#include "export/TemplateText.h"
#include "language/TLanguage.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {
// Characters of rendered text given out at once.
constexpr qsizetype RenderedChunk = 1 << 16;

class ExportRenderer {
public:
    ExportRenderer(const ExportTemplate& parts, const ExportRenderOptions& options,
                   const TLanguage& language, const QLocale& locale)
        : FParts(parts), FDocHead(parts.DocHead), FListHead(parts.ListHead), FItem(parts.Item),
          FListFoot(parts.ListFoot), FDocFoot(parts.DocFoot), FOptions(options),
          FLanguage(language), FSizes(language, locale),
          FDates(options.LongDate ? u"dddddd, tt" : u"ddddd, t", locale) {
        FDocValues.Set(ExportVariable::Title, Escaped(options.Title));
        FDocValues.Set(ExportVariable::Generator,
                       GeneratorLine(language, options.Generator, options.EscapeMarkup));
    }

    // The lists that have entries, head to foot, into text; drain takes the text whenever
    // it has grown to drainAt characters after an item, and once at the end.
    void Render(const QList<ExportList>& lists, QString& text, qsizetype drainAt,
                const RenderedTextDrain& drain) {
        FDrainAt = drainAt;
        FDrain = &drain;
        FDocHead.AppendFilled(text, FDocValues);
        int listNumber = 0;
        for (const ExportList& list : lists) {
            if (list.Entries.isEmpty())
                continue;
            ++listNumber;
            AppendList(text, list, listNumber);
        }
        FDocFoot.AppendFilled(text, FDocValues);
        drain(text, true);
    }

private:
    template <typename Files> static qint64 TotalSize(const Files& files) {
        qint64 total = 0;
        for (const ExportFile& file : files)
            total += file.Size;
        return total;
    }

    QString Escaped(const QString& text) const {
        return FOptions.EscapeMarkup ? EscapeMarkup(text) : text;
    }

    VariableValues ListValues(const QString& title, int listNumber, qsizetype count,
                              qint64 totalSize) const {
        VariableValues values = FDocValues;
        values.Set(ExportVariable::ListTitle, Escaped(title));
        values.Set(ExportVariable::ListNum, QString::number(listNumber));
        values.Set(ExportVariable::Count, QString::number(count));
        values.Set(ExportVariable::FilesTxt,
                   count == 1 ? FParts.SingleFileWord : FParts.MultiFileWord);
        values.Set(ExportVariable::TotalSize, Escaped(FSizes.Text(totalSize)));
        return values;
    }

    // values holds the list's; the item's own replace those of the item before.
    void AppendItem(QString& out, VariableValues& values, int number,
                    const ExportFile& file) const {
        const QString size = Escaped(FSizes.Text(file.Size));
        values.Set(ExportVariable::Num, QString::number(number));
        values.Set(ExportVariable::Name, Escaped(file.Name));
        values.Set(ExportVariable::FileName, Escaped(file.FullPath));
        values.Set(ExportVariable::Date, Escaped(FDates.Format(file.InstalledAt)));
        values.Set(ExportVariable::Comment,
                   file.Comment.isEmpty() ? FParts.NoCommentText : Escaped(file.Comment));
        values.Set(ExportVariable::Size, size);
        values.Set(ExportVariable::FileSize, size);
        FItem.AppendFilled(out, values);
        if (out.size() >= FDrainAt)
            (*FDrain)(out, false);
    }

    template <typename Files>
    void AppendFiles(QString& out, const VariableValues& listValues, const Files& files) const {
        VariableValues values = listValues;
        int number = 0;
        for (const ExportFile& file : files)
            AppendItem(out, values, ++number, file);
    }

    void AppendList(QString& out, const ExportList& list, int listNumber) const {
        const VariableValues values =
            ListValues(list.Title, listNumber, list.Entries.size(), TotalSize(list.Entries));
        FListHead.AppendFilled(out, values);
        AppendFiles(out, values, list.Entries);
        FListFoot.AppendFilled(out, values);
        if (list.Kind != ContentKind::FarFiles)
            return;
        // Each archive follows its list as a list of its own files; it carries the number
        // of the list it belongs to.
        for (const ExportEntry& archive : list.Entries) {
            const VariableValues archiveValues =
                ListValues(archive.Name, listNumber, archive.ArchiveFiles.size(),
                           TotalSize(archive.ArchiveFiles));
            FListHead.AppendFilled(out, archiveValues);
            AppendFiles(out, archiveValues, archive.ArchiveFiles);
            FListFoot.AppendFilled(out, archiveValues);
        }
    }

    const ExportTemplate& FParts;
    const TemplateText FDocHead;
    const TemplateText FListHead;
    const TemplateText FItem;
    const TemplateText FListFoot;
    const TemplateText FDocFoot;
    const ExportRenderOptions& FOptions;
    const TLanguage& FLanguage;
    const ExportSizeFormat FSizes;
    // Remembers the texts of the days and times it formatted.
    mutable DateTimePatternFormatter FDates;
    VariableValues FDocValues;
    qsizetype FDrainAt = 0;
    const RenderedTextDrain* FDrain = nullptr;
};

// The start of a body tag ("<" up to "<body") before a variable or at the end of the text,
// where a value or the text after may finish it.
bool MayEndInBodyTagStart(const QString& text) {
    static const QRegularExpression start(QStringLiteral(R"(<(?:b(?:o(?:d(?:y)?)?)?)?(?:\$\{|\z))"),
                                          QRegularExpression::CaseInsensitiveOption);
    return text.contains(start);
}

bool MayHoldBodyTag(const QString& text) {
    return text.contains(u"<body", Qt::CaseInsensitive) || MayEndInBodyTagStart(text);
}

} // namespace

QString RenderExport(const ExportTemplate& parts, const QList<ExportList>& lists,
                     const ExportRenderOptions& options, const TLanguage& language,
                     const QLocale& locale) {
    // One text from head to foot: a copy of the lists would double the memory of a long
    // document.
    QString document;
    if (HasEntries(lists))
        ExportRenderer(parts, options, language, locale)
            .Render(lists, document, std::numeric_limits<qsizetype>::max(), [](QString&, bool) {});
    return document;
}

bool RenderExport(const ExportTemplate& parts, const QList<ExportList>& lists,
                  const ExportRenderOptions& options, const TLanguage& language,
                  const RenderedTextDrain& drain, const QLocale& locale) {
    if (!HasEntries(lists))
        return false;
    QString text;
    ExportRenderer(parts, options, language, locale).Render(lists, text, RenderedChunk, drain);
    return true;
}

bool BodyTagOnlyInHead(const ExportTemplate& parts, const ExportRenderOptions& options,
                       const TLanguage& language) {
    // Escaped values hold no "<"; the head's own body tag is found once it is rendered.
    const QString afterHead[] = {
        parts.ListHead,      parts.Item,
        parts.ListFoot,      parts.DocFoot,
        parts.NoCommentText, parts.SingleFileWord,
        parts.MultiFileWord, GeneratorLine(language, options.Generator, options.EscapeMarkup)};
    return options.EscapeMarkup && !MayEndInBodyTagStart(parts.DocHead) &&
           std::ranges::none_of(afterHead, MayHoldBodyTag);
}

bool HasEntries(const QList<ExportList>& lists) {
    return std::ranges::any_of(lists,
                               [](const ExportList& list) { return !list.Entries.isEmpty(); });
}
