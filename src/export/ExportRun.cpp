#include "export/ExportRun.h"

#include "common/Interaction.h"
#include "common/Placeholders.h"
#include "export/DeclaredEncoding.h"
#include "export/ExportFiles.h"
#include "export/ExportListSource.h"
#include "export/ExportRenderer.h"
#include "export/MarkupEscape.h"
#include "export/RenderedExportFile.h"
#include "export/TemplateParser.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

#include <future>

namespace {
constexpr int TemplateCutPercent = 5;

class ExportRunner {
public:
    ExportRunner(const ExportJob& job, ExportListSource& source, Interaction& interaction,
                 const TLanguage& language)
        : FJob(job), FSource(source), FInteraction(interaction), FLanguage(language),
          FOutput(QDir(job.Places.Data).absoluteFilePath(job.Choices.OutputFile)),
          FTemplate(QDir(job.Places.Files).absoluteFilePath(job.Choices.TemplateFile)) {}

    ExportResult Run() {
        if (!Confirmed())
            return ExportResult::Declined;
        const std::unique_ptr<ProgressHandle> progress =
            FInteraction.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
        progress->SetMessage(FLanguage.GetString(QStringLiteral("ExportCreatingList")));
        progress->SetPercent(0);
        try {
            const QString templateText = ReadTemplateFile(FTemplate);
            const ExportTemplate parts = ParseTemplate(templateText, FLanguage);
            const OutputEncoding encoding = EncodingOf(templateText);
            progress->SetPercent(TemplateCutPercent);
            const ExportResult result = Write(parts, encoding, *progress);
            if (result != ExportResult::Cancelled)
                WriteExportChoices(FJob.Choices);
            return result;
        } catch (const ETemplateError& error) {
            FInteraction.Fail(error.Text());
            return ExportResult::TemplateFailed;
        } catch (const EPackwrightError& error) {
            // An empty text: the part that failed has already said why.
            if (!error.Text().isEmpty())
                FInteraction.Fail(error.Text());
            return ExportResult::Failed;
        }
    }

private:
    bool Confirmed() const {
        if (FJob.Confirmed)
            return true;
        if (QFileInfo::exists(FOutput) &&
            !Agreed(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ListFileExists")),
                                       u"FileName", QDir::toNativeSeparators(FOutput))))
            return false;
        return QFileInfo(FOutput).suffix().toLower() == QFileInfo(FTemplate).suffix().toLower() ||
               Agreed(FLanguage.GetString(QStringLiteral("ExtensionError")));
    }

    bool Agreed(const QString& question) const {
        return FInteraction.Ask(MessageKind::Warning, question, MessageButtons::YesNo) ==
               MessageAnswer::Yes;
    }

    // Plain text is UTF-8; markup is written in the encoding its template declares, and one
    // that cannot be written ends the export before the game folder is searched.
    OutputEncoding EncodingOf(const QString& templateText) const {
        if (!IsMarkupFile(FOutput))
            return OutputEncoding();
        const MarkupDialect dialect =
            QFileInfo(FOutput).suffix().compare(u"xml", Qt::CaseInsensitive) == 0
                ? MarkupDialect::Xml
                : MarkupDialect::Html;
        const std::optional<QString> declared = DeclaredEncoding(templateText, dialect);
        if (!declared)
            return OutputEncoding();
        if (std::optional<OutputEncoding> encoding = OutputEncoding::Named(*declared))
            return *encoding;
        throw ETemplateError(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ExportUnknownEncoding")),
                               u"Encoding", *declared),
            QString());
    }

    ExportResult Write(const ExportTemplate& parts, const OutputEncoding& encoding,
                       ProgressHandle& progress) {
        const bool markup = IsMarkupFile(FOutput);
        const bool links = markup && FJob.Choices.Links;
        const ExportRenderOptions options{.Title = FJob.Choices.Title,
                                          .LongDate = FJob.Choices.LongDate,
                                          .EscapeMarkup = markup,
                                          .Generator = {.ProdVersion = FJob.ProdVersion,
                                                        .Website = FJob.Website,
                                                        .Linked = links}};
        const QList<ExportList> lists = FSource.Build(FJob.Choices.Exported, progress);
        // Where a cancelled export stops, before anything is written.
        if (progress.CancelRequested())
            return ExportResult::Cancelled;
        // The list is rendered and written while the source keeps what it learnt (the files
        // database is saved): each ends waiting for the disk. The output is the thread's
        // alone; lists, template, options and language are only read.
        std::future<void> written;
        if (HasEntries(lists))
            written = std::async(std::launch::async, [&] {
                WriteRenderedExport(FOutput, {parts, lists, options, FLanguage}, encoding,
                                    links ? AddressesIn::Links : AddressesIn::Text);
            });
        FSource.ListsTaken();
        if (!written.valid()) {
            FInteraction.Inform(FLanguage.GetString(QStringLiteral("ExportNoCustom")));
            return ExportResult::NothingToExport;
        }
        written.get();
        FInteraction.Inform(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ExportWritten")),
                                               u"FileName", QDir::toNativeSeparators(FOutput)));
        return ExportResult::Written;
    }

    const ExportJob& FJob;
    ExportListSource& FSource;
    Interaction& FInteraction;
    const TLanguage& FLanguage;
    const QString FOutput;
    const QString FTemplate;
};
} // namespace

ExportResult RunExport(const ExportJob& job, ExportListSource& source, Interaction& interaction,
                       const TLanguage& language) {
    return ExportRunner(job, source, interaction, language).Run();
}
