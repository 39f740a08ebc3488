#include "archive/ArchiveExtractor.h"

#include "archive/ArchiveOpening.h"
#include "support/ArchiveFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
using enum ArchiveFormat;

// Entries that declare no size, their data in pieces of a thousand bytes, as a stream format
// might hand them out.
class UndeclaredSizeReader : public ArchiveReader {
public:
    explicit UndeclaredSizeReader(std::vector<ArchiveFixtureEntry> entries)
        : FEntries(std::move(entries)) {}

    std::optional<ArchiveEntry> NextEntry() override {
        if (FNext == FEntries.size())
            return std::nullopt;
        return ArchiveEntry{.Name = QString::fromUtf8(FEntries[FNext++].Name)};
    }
    ReadResult ReadEntry(const std::optional<QString>&, const ArchiveDataSink& sink) override {
        const QByteArray& data = FEntries[FNext - 1].Data;
        for (qsizetype at = 0; at < data.size(); at += 1000) {
            if (!sink(data.constData() + at, std::min<qint64>(1000, data.size() - at)))
                return ReadResult::Stopped;
        }
        return ReadResult::Complete;
    }
    ArchiveFault Fault() const override { return ArchiveFault::None; }
    ArchiveFailureReason FailureReason() const override { return ArchiveFailureReason::Other; }

private:
    std::vector<ArchiveFixtureEntry> FEntries;
    size_t FNext = 0;
};

// Extracts every entry of the archive into the folder under its bare name; the written
// entries' file names.
QStringList ExtractInto(const ArchiveExtractor& extractor, const QString& archive,
                        const QString& folder) {
    QStringList names;
    for (const ExtractedEntry& entry :
         extractor.Extract(archive, QDir::toNativeSeparators(archive), folder,
                           [](const ArchiveEntry&, const QString& name) { return name; }))
        names.append(entry.FileName);
    return names;
}

class ArchiveExtractorTest : public TempFolderTest {
protected:
    QStringList ExtractAll(const QString& archive) {
        return ExtractInto(ArchiveExtractor(FUser, ArchiveMessages()), archive,
                           FFolder.Path(u"out"_s));
    }

    ScriptedInteraction FUser;
};
} // namespace

TEST_F(ArchiveExtractorTest, TheBackendFollowsTheSignatureBeforeTheExtension) {
    const QByteArray zip = BuildZipArchive({{.Name = "a.iff", .Data = "a"}});
    const QByteArray sevenZip = BuildArchive(SevenZip, {{.Name = "a.iff", .Data = "a"}});
    const QByteArray tar = BuildArchive(Tar, {{.Name = "a.iff", .Data = "a"}});
    const QByteArray rar5 = BuildArchive(Rar5, {{.Name = "a.iff", .Data = "a"}});
    const struct {
        QString Name;
        QByteArray Bytes;
        ArchiveBackend Backend;
    } cases[] = {
        {u"zip-named.rar"_s, zip, ArchiveBackend::Zip},
        {u"7z-named.zip"_s, sevenZip, ArchiveBackend::LibArchive},
        {u"tar-named.dat"_s, tar, ArchiveBackend::LibArchive},
        {u"rar5-named.zip"_s, rar5, ArchiveBackend::LibArchive},
        {u"gz-named.zip"_s, BuildArchive(TarGz, {}), ArchiveBackend::LibArchive},
        {u"junk.zip"_s, "junk"_ba, ArchiveBackend::Zip},
        {u"junk.7z"_s, "junk"_ba, ArchiveBackend::LibArchive},
        {u"empty.ZIP"_s, ""_ba, ArchiveBackend::Zip},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseArchiveBackend(FFolder.Write(c.Name, c.Bytes)), c.Backend)
            << c.Name.toStdString();
    for (const QString& name : {u"a.ZIP"_s, u"b.7z"_s, u"c.rar"_s, u"d.tar"_s, u"e.tar.gz"_s,
                                u"f.TGZ"_s, u"g.tar.bz2"_s, u"h.tbz2"_s, u"i.tar.xz"_s, u"j.txz"_s})
        EXPECT_TRUE(IsArchiveName(u"dl/"_s + name)) << name.toStdString();
    for (const QString& name : {u"a.gz"_s, u"b.iff"_s, u"zip"_s, u"c.zip.txt"_s})
        EXPECT_FALSE(IsArchiveName(name)) << name.toStdString();

    // A zip renamed .rar and a RAR 5 renamed .zip open; a .7z that is none is reported as
    // unreadable.
    EXPECT_EQ(ExtractAll(FFolder.Path(u"zip-named.rar"_s)), QStringList({u"a.iff"_s}));
    EXPECT_EQ(ExtractAll(FFolder.Path(u"rar5-named.zip"_s)), QStringList({u"a.iff"_s}));
    EXPECT_EQ(ExtractAll(FFolder.Path(u"junk.7z"_s)), QStringList());
    ASSERT_EQ(FUser.MessageTexts().size(), 1);
    EXPECT_TRUE(FUser.MessageTexts()[0].startsWith(u"The archive \"%1\" cannot be read: "_s.arg(
        QDir::toNativeSeparators(FFolder.Path(u"junk.7z"_s)))));
}

TEST(ArchiveExtractor, AnEntryLargerThanTheRoomLeftStopsTheArchiveAndLeavesNothingBehind) {
    // Together 11,000 bytes: they fit exactly, or the second does not.
    const std::vector<ArchiveFixtureEntry> entries = {
        {.Name = "small.iff", .Data = QByteArray(3000, 's')},
        {.Name = "big.iff", .Data = QByteArray(8000, 'b')}};
    const struct {
        const char* Name;
        ArchiveFormat Format;
        // Streams the entries without their sizes instead of reading the archive.
        bool Undeclared;
    } sources[] = {{"tar.gz", TarGz, false},
                   {"7z", SevenZip, false},
                   {"RAR 5", Rar5, false},
                   {"entries of unknown size", TarGz, true}};
    for (const auto& source : sources) {
        for (const qint64 room : {11000, 10999}) {
            SCOPED_TRACE(source.Name + (" in " + std::to_string(room) + " bytes"));
            TempFolder folder;
            const QString archive = folder.Write(u"a"_s + ArchiveExtension(source.Format),
                                                 BuildArchive(source.Format, entries));
            ScriptedInteraction user;
            ArchiveExtractor extractor(user, ArchiveMessages());
            extractor.SetFreeSpaceQuery([&](const QString&) { return room; });
            if (source.Undeclared)
                extractor.SetOpener([&](const QString&, ArchiveBackend) {
                    return std::make_unique<UndeclaredSizeReader>(entries);
                });
            const QStringList written = ExtractInto(extractor, archive, folder.Path(u"out"_s));
            const QStringList left = QDir(folder.Path(u"out"_s))
                                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                        QDir::Hidden | QDir::System,
                                                    QDir::Name);
            const bool fits = room == 11000;
            EXPECT_EQ(written, fits ? QStringList({u"small.iff"_s, u"big.iff"_s}) : QStringList());
            EXPECT_EQ(left, fits ? QStringList({u"big.iff"_s, u"small.iff"_s}) : QStringList());
            EXPECT_EQ(user.MessageTexts(),
                      fits ? QStringList()
                           : QStringList({u"The entries of \"%1\" need more room than the folder "
                                          u"\"%2\" has free; nothing was extracted."_s.arg(
                                              QDir::toNativeSeparators(archive),
                                              QDir::toNativeSeparators(folder.Path(u"out/"_s)))}));
        }
    }
}
