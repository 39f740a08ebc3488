#include "support/LibArchiveFixtures.h"

#include <archive.h>
#include <archive_entry.h>
#include <cstdlib>
#include <memory>

namespace {
struct WriterFree {
    void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryFree {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

la_ssize_t Append(archive*, void* bytes, const void* data, size_t size) {
    static_cast<QByteArray*>(bytes)->append(static_cast<const char*>(data), qsizetype(size));
    return la_ssize_t(size);
}

void SetFormat(archive* writer, LibArchiveFixtureFormat format) {
    using enum LibArchiveFixtureFormat;
    if (format == SevenZip) {
        archive_write_set_format_7zip(writer);
        return;
    }
    archive_write_set_format_pax_restricted(writer);
    if (format == TarGz)
        archive_write_add_filter_gzip(writer);
    else if (format == TarBz2)
        archive_write_add_filter_bzip2(writer);
    else if (format == TarXz)
        archive_write_add_filter_xz(writer);
}

void Describe(archive_entry* entry, const LibArchiveFixtureEntry& fixture) {
    using enum LibArchiveFixtureKind;
    archive_entry_set_pathname(entry, fixture.Name.constData());
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_mtime(entry, 1'700'000'000, 0);
    switch (fixture.Kind) {
    case File:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, fixture.Data.size());
        break;
    case Folder:
        archive_entry_set_filetype(entry, AE_IFDIR);
        break;
    case SymbolicLink:
        archive_entry_set_filetype(entry, AE_IFLNK);
        archive_entry_set_symlink(entry, fixture.Data.constData());
        break;
    case HardLink:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_hardlink(entry, fixture.Data.constData());
        break;
    case Device:
        archive_entry_set_filetype(entry, AE_IFCHR);
        archive_entry_set_rdev(entry, 0x0103);
        break;
    }
}
} // namespace

QByteArray BuildLibArchive(LibArchiveFixtureFormat format,
                           const std::vector<LibArchiveFixtureEntry>& entries) {
    QByteArray bytes;
    const std::unique_ptr<archive, WriterFree> writer(archive_write_new());
    SetFormat(writer.get(), format);
    if (archive_write_open2(writer.get(), &bytes, nullptr, Append, nullptr, nullptr) != ARCHIVE_OK)
        std::abort();
    for (const LibArchiveFixtureEntry& fixture : entries) {
        const std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
        Describe(entry.get(), fixture);
        if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK)
            std::abort();
        if (fixture.Kind == LibArchiveFixtureKind::File)
            archive_write_data(writer.get(), fixture.Data.constData(), size_t(fixture.Data.size()));
    }
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        std::abort();
    return bytes;
}
