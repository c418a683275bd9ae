#pragma once

#include "status.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

// Reads a whole file as bytes. Fails when it cannot be opened or read.
Status ReadWholeFile(const std::filesystem::path &file, std::string &contents);

// The same into a buffer that is not filled with zeros first, which saves time
// on large files.
Status ReadWholeFile(const std::filesystem::path &file, std::unique_ptr<char[]> &contents, std::size_t &size);

// Replaces a file's contents so that a reader sees either the old file whole or
// the new one whole: the data goes to a temporary file beside it, which is then
// renamed over the old one. Reports any failure (no permission, disk full).
Status ReplaceFile(const std::filesystem::path &file, const std::string &contents);
