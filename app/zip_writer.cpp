#include "app/zip_writer.h"

#include <zip.h>

namespace {

std::string ErrorText(zip_error_t* error)
{
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

std::string ArchiveError(zip_t* archive)
{
    return zip_error_strerror(zip_get_error(archive));
}

} // namespace

bool WriteZipFile(const std::string& path, const std::vector<ZipMember>& members, std::string& error)
{
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t openError;
        zip_error_init_with_code(&openError, code);
        error = ErrorText(&openError);
        return false;
    }
    for (const ZipMember& member : members) {
        // The buffers stay with the caller until zip_close has written them.
        zip_source_t* source = zip_source_buffer(archive, member.bytes.data(), member.bytes.size(), 0);
        if (!source || zip_file_add(archive, member.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            error = ArchiveError(archive);
            if (source)
                zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        error = ArchiveError(archive);
        zip_discard(archive);
        return false;
    }
    return true;
}

std::string ZipLibraryVersion()
{
    return zip_libzip_version();
}
