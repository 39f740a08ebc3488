#include "archive/ArchiveExtractor.h"

#include "archive/ArchiveOpening.h"
#include "support/ArchiveFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {
using enum ArchiveFormat;

class ArchiveExtractorTest : public TempFolderTest {
protected:
    // Extracts every entry of the archive into "out" under its bare name; the written
    // entries' file names.
    QStringList ExtractAll(const QString& archive) {
        const ArchiveExtractor extractor(FUser, ArchiveMessages());
        QStringList names;
        for (const ExtractedEntry& entry :
             extractor.Extract(archive, QDir::toNativeSeparators(archive), FFolder.Path(u"out"_s),
                               [](const ArchiveEntry&, const QString& name) { return name; }))
            names.append(entry.FileName);
        return names;
    }

    ScriptedInteraction FUser;
};
} // namespace

TEST_F(ArchiveExtractorTest, TheBackendFollowsTheSignatureBeforeTheExtension) {
    const QByteArray zip = BuildZipArchive({{.Name = "a.iff", .Data = "a"}});
    const QByteArray sevenZip = BuildArchive(SevenZip, {{.Name = "a.iff", .Data = "a"}});
    const QByteArray tar = BuildArchive(Tar, {{.Name = "a.iff", .Data = "a"}});
    const struct {
        QString Name;
        QByteArray Bytes;
        ArchiveBackend Backend;
    } cases[] = {
        {u"zip-named.rar"_s, zip, ArchiveBackend::Zip},
        {u"7z-named.zip"_s, sevenZip, ArchiveBackend::LibArchive},
        {u"tar-named.dat"_s, tar, ArchiveBackend::LibArchive},
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

    // A zip renamed .rar opens; a .7z that is none is reported as unreadable.
    EXPECT_EQ(ExtractAll(FFolder.Path(u"zip-named.rar"_s)), QStringList({u"a.iff"_s}));
    EXPECT_EQ(ExtractAll(FFolder.Path(u"junk.7z"_s)), QStringList());
    ASSERT_EQ(FUser.MessageTexts().size(), 1);
    EXPECT_TRUE(FUser.MessageTexts()[0].startsWith(u"The archive \"%1\" cannot be read: "_s.arg(
        QDir::toNativeSeparators(FFolder.Path(u"junk.7z"_s)))));
}
