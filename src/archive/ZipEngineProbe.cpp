#include "archive/ZipEngineProbe.h"

#include <array>
#include <memory>
#include <zip.h>

namespace {
constexpr std::array<char, 14> ProbeContent = {'P', 'a', 'c', 'k', 'w', 'r', 'i',
                                               'g', 'h', 't', ' ', 'z', 'i', 'p'};

struct SourceRelease {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceRelease>;
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveDiscard>;

ArchiveEngineFault FaultOf(zip_error_t* error) {
    ArchiveEngineFault fault{zip_error_code_zip(error),
                             QString::fromLocal8Bit(zip_error_strerror(error))};
    zip_error_fini(error);
    return fault;
}

ArchiveEngineFault FaultOf(zip_t* archive) {
    return {zip_error_code_zip(zip_get_error(archive)),
            QString::fromLocal8Bit(zip_strerror(archive))};
}

// Writes an archive of one entry into the buffer source, which outlives the archive.
std::optional<ArchiveEngineFault> WriteProbe(zip_source_t* buffer) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_keep(buffer);
    ArchiveHandle archive(zip_open_from_source(buffer, ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_source_free(buffer);
        return FaultOf(&error);
    }
    zip_error_fini(&error);
    zip_source_t* content =
        zip_source_buffer(archive.get(), ProbeContent.data(), ProbeContent.size(), 0);
    if (!content)
        return FaultOf(archive.get());
    if (zip_file_add(archive.get(), "probe.txt", content, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(content);
        return FaultOf(archive.get());
    }
    if (zip_close(archive.get()) < 0)
        return FaultOf(archive.get());
    archive.release(); // closed
    return std::nullopt;
}

std::optional<ArchiveEngineFault> ReadProbe(zip_source_t* buffer) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_keep(buffer);
    ArchiveHandle archive(zip_open_from_source(buffer, ZIP_RDONLY, &error));
    if (!archive) {
        zip_source_free(buffer);
        return FaultOf(&error);
    }
    zip_error_fini(&error);
    std::unique_ptr<zip_file_t, FileClose> file(zip_fopen(archive.get(), "probe.txt", 0));
    if (!file)
        return FaultOf(archive.get());
    std::array<char, ProbeContent.size() + 1> read{};
    const zip_int64_t count = zip_fread(file.get(), read.data(), read.size());
    if (count != static_cast<zip_int64_t>(ProbeContent.size()) ||
        !std::equal(ProbeContent.begin(), ProbeContent.end(), read.begin())) {
        zip_error_init_with_code(&error, ZIP_ER_INCONS);
        return FaultOf(&error);
    }
    return std::nullopt;
}
} // namespace

std::optional<ArchiveEngineFault> ProbeZipEngine() {
    zip_error_t error;
    zip_error_init(&error);
    SourceHandle buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer)
        return FaultOf(&error);
    zip_error_fini(&error);
    if (std::optional<ArchiveEngineFault> fault = WriteProbe(buffer.get()))
        return fault;
    return ReadProbe(buffer.get());
}
