#include "safefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

std::string ErrnoText(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

Status Failed(const char *what, const std::filesystem::path &file, const std::string &reason)
{
    return Status::Failure(std::string(what) + " \"" + file.string() + "\": " + reason);
}

class FileCloser
{
public:
    explicit FileCloser(std::FILE *file) : m_file(file) {}
    ~FileCloser()
    {
        if (m_file)
            std::fclose(m_file);
    }
    FileCloser(const FileCloser &) = delete;
    FileCloser &operator=(const FileCloser &) = delete;

    // Closes now and reports whether the close (and the flush it does) worked.
    bool Close()
    {
        std::FILE *file = m_file;
        m_file = nullptr;
        return std::fclose(file) == 0;
    }

private:
    std::FILE *m_file;
};

} // namespace

Status ReadWholeFile(const std::filesystem::path &file, std::unique_ptr<char[]> &contents, std::size_t &size)
{
    errno = 0;
    std::FILE *handle = std::fopen(file.c_str(), "rb");
    if (!handle)
        return Failed("Could not open", file, ErrnoText(errno));
    FileCloser closer(handle);

    // One read into a buffer of the file's size; a file that grows meanwhile is
    // read on to its end.
    std::error_code ec;
    const std::uintmax_t expected = std::filesystem::file_size(file, ec);
    std::size_t capacity = (ec ? 0 : static_cast<std::size_t>(expected)) + 1;
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    std::size_t got = 0;
    for (;;) {
        got += std::fread(data.get() + got, 1, capacity - got, handle);
        if (got < capacity)
            break;
        auto larger = std::make_unique_for_overwrite<char[]>(2 * capacity);
        std::memcpy(larger.get(), data.get(), got);
        data = std::move(larger);
        capacity *= 2;
    }
    if (std::ferror(handle))
        return Failed("Could not read", file, ErrnoText(errno ? errno : EIO));
    closer.Close();
    contents = std::move(data);
    size = got;
    return {};
}

Status ReadWholeFile(const std::filesystem::path &file, std::string &contents)
{
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    Status status = ReadWholeFile(file, data, size);
    if (status)
        contents.assign(data.get(), size);
    return status;
}

Status ReplaceFile(const std::filesystem::path &file, const std::string &contents)
{
    namespace fs = std::filesystem;
    fs::path temporary = file;
    temporary += ".tmp";

    errno = 0;
    std::FILE *handle = std::fopen(temporary.c_str(), "wb");
    if (!handle)
        return Failed("Could not create", temporary, ErrnoText(errno));

    bool written;
    int error = 0;
    {
        FileCloser closer(handle);
        written = std::fwrite(contents.data(), 1, contents.size(), handle) == contents.size() &&
                  std::fflush(handle) == 0;
        if (!written)
            error = errno;
        // A full disk often shows only when the buffered data is flushed on close.
        if (!closer.Close() && written) {
            written = false;
            error = errno;
        }
    }
    std::error_code ec;
    if (!written) {
        fs::remove(temporary, ec);
        return Failed("Could not write", temporary, ErrnoText(error ? error : EIO));
    }

    // Keep the old file's permissions so a rewrite does not quietly change them.
    const fs::file_status oldStatus = fs::status(file, ec);
    if (!ec && fs::is_regular_file(oldStatus))
        fs::permissions(temporary, oldStatus.permissions(), ec);

    fs::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Failed("Could not replace", file, ec.message());
    }
    return {};
}
