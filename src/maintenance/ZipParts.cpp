// SPDX-License-Identifier: GPL-3.0-or-later
// Zip archives read and written through libzip, in memory.
#include "ZipParts.h"

#include <zip.h>

#include <memory>

namespace rekko {
namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

Failure ZipFailure(const std::string& what, zip_error_t* error, const std::filesystem::path& file = {}) {
    Failure failure{what + ": " + zip_error_strerror(error), file.string()};
    zip_error_fini(error);
    return failure;
}

} // namespace

Result<std::vector<ZipPart>> ReadZipParts(const std::filesystem::path& file) {
    int code = 0;
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(file.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        return ZipFailure("cannot open the archive", &error, file);
    }
    std::vector<ZipPart> parts;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
            return ZipFailure("cannot read the archive", zip_get_error(archive.get()), file);
        std::unique_ptr<zip_file_t, FileCloser> entry(zip_fopen_index(archive.get(), index, 0));
        if (!entry)
            return ZipFailure("cannot read the archive", zip_get_error(archive.get()), file);
        ZipPart part{stat.name, std::string(static_cast<size_t>(stat.size), '\0')};
        if (zip_fread(entry.get(), part.bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            return ZipFailure("cannot read the archive", zip_file_get_error(entry.get()), file);
        parts.push_back(std::move(part));
    }
    return parts;
}

Result<std::string> ZipBytes(const std::vector<ZipPart>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer)
        return ZipFailure("cannot make an archive", &error);
    zip_source_keep(buffer.get()); // the archive's close frees it once, the bytes are read after that
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_source_free(buffer.get());
        return ZipFailure("cannot make an archive", &error);
    }
    for (const ZipPart& part : parts) {
        zip_source_t* source = zip_source_buffer(archive.get(), part.bytes.data(), part.bytes.size(), 0);
        if (source == nullptr || zip_file_add(archive.get(), part.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            return ZipFailure("cannot make an archive", zip_get_error(archive.get()));
        }
    }
    if (zip_close(archive.get()) != 0)
        return ZipFailure("cannot make an archive", zip_get_error(archive.get()));
    archive.release();
    std::string bytes;
    if (zip_source_open(buffer.get()) != 0)
        return ZipFailure("cannot make an archive", zip_source_error(buffer.get()));
    char chunk[65536];
    zip_int64_t read = 0;
    while ((read = zip_source_read(buffer.get(), chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<size_t>(read));
    zip_source_close(buffer.get());
    if (read < 0)
        return ZipFailure("cannot make an archive", zip_source_error(buffer.get()));
    return bytes;
}

} // namespace rekko
