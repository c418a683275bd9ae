// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "status.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// Nothing larger is read into memory: a thousand times any real catalogue.
inline constexpr std::uintmax_t kMostFileBytes = 16u << 20;

// Reads a whole regular file as bytes, through any links. Refuses a folder, a
// named pipe or a device at once (never blocks on one), and a file over
// kMostFileBytes before reading it; a file growing meanwhile is cut at its
// size when opened.
Status ReadWholeFile(const std::filesystem::path &file, std::string &contents);
Status ReadWholeFile(const std::filesystem::path &file, std::unique_ptr<char[]> &contents, std::size_t &size);

// The file a path finally names once every link is followed; the path itself
// when it is no link. A link whose target does not exist gives that target.
std::filesystem::path RealTarget(const std::filesystem::path &file);

// Whether ReplaceFile could replace the file: fails when it is no regular file,
// when every write bit is clear, or when it is a link to nothing. A missing file
// passes.
Status CheckReplaceable(const std::filesystem::path &file);

// Replaces a file's contents so that a reader sees either the old file whole or
// the new one whole. When the path is a link, the file it points to is replaced
// and the link stays. The data goes to a new temporary file created exclusively
// beside the real file, is flushed to the disk, gets the old file's mode (and
// owner where the process may set it), and is renamed over it. Nothing is left
// behind on failure (disk full, file-size limit, no permission).
Status ReplaceFile(const std::filesystem::path &file, const std::string &contents);

// Creates `file`, which must not exist yet (not even as a link), with `contents`
// and permission bits `mode`; never replaces anything.
Status CreateNewFile(const std::filesystem::path &file, const std::string &contents, unsigned mode);

// Appends `contents` to a regular file, through any links, first ending its
// last line ("\r\n") when it has no line end. A missing or empty file gets
// `header` before the contents. Refuses what ReplaceFile refuses, and a file
// that would grow past kMostFileBytes. On failure (disk full, file-size limit)
// the file is cut back to what it held. The caller holds the file's lock.
Status AppendToFile(const std::filesystem::path &file, const std::string &contents, const std::string &header);

// Permission bits of a regular file, or of a new file under the umask when
// there is none.
unsigned FileMode(const std::filesystem::path &file);

// Removes the temporaries that ReplaceFile left for `file` when a process was
// killed during a save. Only safe while holding the file's lock.
void RemoveStaleTemporaries(const std::filesystem::path &file);

// An advisory lock on "<real file>.lock", held until destroyed. Every writer
// of a file takes it, so saves of two processes never overlap.
class FileLock final
{
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to `wait` for another holder to let go.
    Status Acquire(const std::filesystem::path &file,
                   std::chrono::milliseconds wait = std::chrono::milliseconds(5000));

private:
    int m_fd = -1;
};
