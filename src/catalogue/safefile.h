#pragma once

#include "status.h"

#include <filesystem>
#include <string>

// Reads a whole file as bytes. Fails when it cannot be opened or read.
Status ReadWholeFile(const std::filesystem::path &file, std::string &contents);

// Replaces a file's contents so that a reader sees either the old file whole or
// the new one whole: the data goes to a temporary file beside it, which is then
// renamed over the old one. Reports any failure (no permission, disk full).
Status ReplaceFile(const std::filesystem::path &file, const std::string &contents);
