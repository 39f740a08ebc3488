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
    FDbFileName = fileName;
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    ReadFilesDb(fileName, [this](ContentKind kind, InstalledFileRecord record) {
        Add(kind, std::move(record));
    });
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
    if (KindRecordList* list = ListOf(kind))
        list->Add(std::move(record));
}

void InstalledFilesDb::Delete(ContentKind kind, int index) {
    if (ListWithIndex(kind, index))
        ListOf(kind)->RemoveAt(index);
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
