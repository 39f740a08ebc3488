#include "formats/InstalledFilesDb.h"

#include "common/Interaction.h"
#include "common/Placeholders.h"
#include "formats/FilesDbFile.h"
#include "formats/IffContainerWriter.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString DefaultErrorMessage() {
    static const QString text = [] {
        TLanguage english;
        english.SetDefaultLanguage(BuiltInEnglishLines());
        return english.GetDefaultString(QStringLiteral("DBError"));
    }();
    return text;
}
} // namespace

InstalledFilesDb::InstalledFilesDb() : FErrorMessage(DefaultErrorMessage()) {}

InstalledFilesDb::InstalledFilesDb(const QString& fileName) : InstalledFilesDb() {
    Load(fileName);
}

void InstalledFilesDb::Load(const QString& fileName) {
    Clear();
    FChanged = false;
    FDbFileName = fileName;
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    bool repeated = false;
    const bool complete =
        ReadFilesDb(fileName, [this, &repeated](ContentKind kind, InstalledFileRecord record) {
            if (KindRecordList* list = ListOf(kind))
                repeated = list->Add(std::move(record)) || repeated;
        });
    FChanged = !complete || repeated;
}

bool InstalledFilesDb::Save(Interaction& interaction) const {
    const std::optional<QList<IffChunkToWrite>> chunks = FilesDbChunks(*this);
    if (chunks && SaveIffContainer(FDbFileName, *chunks))
        return true;
    interaction.Fail(
        ReplacePlaceholder(FErrorMessage, u"FileName", QDir::toNativeSeparators(FDbFileName)));
    return false;
}

void InstalledFilesDb::Clear() {
    for (KindRecordList& list : FLists)
        list.Clear();
    FChanged = true;
}

int InstalledFilesDb::Count(ContentKind kind) const {
    const KindRecordList* list = ListOf(kind);
    return list ? list->Count() : -1;
}

int InstalledFilesDb::IndexOf(ContentKind kind, const QString& fileName) const {
    const KindRecordList* list = ListOf(kind);
    return list ? list->IndexOf(fileName) : -1;
}

InstalledFileRecord InstalledFilesDb::Get(ContentKind kind, int index) const {
    const KindRecordList* list = ListWithIndex(kind, index);
    return list ? list->At(index) : InstalledFileRecord();
}

void InstalledFilesDb::Add(ContentKind kind, InstalledFileRecord record) {
    if (KindRecordList* list = ListOf(kind)) {
        list->Add(std::move(record));
        FChanged = true;
    }
}

InstalledFileRecord InstalledFilesDb::FindOrAdd(ContentKind kind, InstalledFileRecord record) {
    KindRecordList* list = ListOf(kind);
    if (!list)
        return {};
    const int count = list->Count();
    const InstalledFileRecord& found = list->FindOrAdd(std::move(record));
    FChanged = FChanged || list->Count() != count;
    return found;
}

void InstalledFilesDb::Delete(ContentKind kind, int index) {
    if (ListWithIndex(kind, index)) {
        ListOf(kind)->RemoveAt(index);
        FChanged = true;
    }
}

const KindRecordList* InstalledFilesDb::ListOf(ContentKind kind) const {
    const ContentKindInfo* info = FindContentKind(kind);
    return info ? &FLists[info - AllContentKinds().data()] : nullptr;
}

KindRecordList* InstalledFilesDb::ListOf(ContentKind kind) {
    return const_cast<KindRecordList*>(std::as_const(*this).ListOf(kind));
}

const KindRecordList* InstalledFilesDb::ListWithIndex(ContentKind kind, int index) const {
    const KindRecordList* list = ListOf(kind);
    return list && index >= 0 && index < list->Count() ? list : nullptr;
}
