#include "archive/LibArchiveProbe.h"

#include "archive/LibArchiveReader.h"

#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <memory>
#include <string_view>

namespace {
constexpr std::string_view ProbeContent = "Packwright archive";

struct WriterFree {
    void operator()(archive* writer) const { archive_write_free(writer); }
};
struct ReaderFree {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
struct EntryFree {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

ArchiveEngineFault FaultOf(archive* handle) {
    const char* text = archive_error_string(handle);
    return {archive_errno(handle), QString::fromLocal8Bit(text ? text : "")};
}

std::optional<ArchiveEngineFault> WriteProbe(std::array<char, 4096>& buffer, size_t& used) {
    const std::unique_ptr<archive, WriterFree> writer(archive_write_new());
    const std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
    archive_entry_set_pathname(entry.get(), "probe.txt");
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), la_int64_t(ProbeContent.size()));
    if (archive_write_set_format_pax_restricted(writer.get()) != ARCHIVE_OK ||
        archive_write_add_filter_gzip(writer.get()) != ARCHIVE_OK ||
        archive_write_open_memory(writer.get(), buffer.data(), buffer.size(), &used) !=
            ARCHIVE_OK ||
        archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK ||
        archive_write_data(writer.get(), ProbeContent.data(), ProbeContent.size()) !=
            la_ssize_t(ProbeContent.size()) ||
        archive_write_close(writer.get()) != ARCHIVE_OK)
        return FaultOf(writer.get());
    return std::nullopt;
}

std::optional<ArchiveEngineFault> ReadProbe(const std::array<char, 4096>& buffer, size_t used) {
    const std::unique_ptr<archive, ReaderFree> reader(archive_read_new());
    EnableArchiveFormats(reader.get());
    archive_entry* entry = nullptr;
    if (archive_read_open_memory(reader.get(), buffer.data(), used) != ARCHIVE_OK ||
        archive_read_next_header(reader.get(), &entry) != ARCHIVE_OK)
        return FaultOf(reader.get());
    std::array<char, ProbeContent.size() + 1> read{};
    const la_ssize_t count = archive_read_data(reader.get(), read.data(), read.size());
    if (std::string_view(read.data(), size_t(std::max<la_ssize_t>(count, 0))) != ProbeContent)
        return FaultOf(reader.get());
    return std::nullopt;
}
} // namespace

std::optional<ArchiveEngineFault> ProbeLibArchive() {
    std::array<char, 4096> buffer{};
    size_t used = 0;
    if (std::optional<ArchiveEngineFault> fault = WriteProbe(buffer, used))
        return fault;
    return ReadProbe(buffer, used);
}

std::optional<ArchiveEngineFault> CheckArchiveEngines() {
    if (std::optional<ArchiveEngineFault> fault = ProbeZipEngine())
        return fault;
    return ProbeLibArchive();
}
