// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

// Why a file operation failed. The window turns it into the user's words.
enum class FileProblem
{
    None,
    Unreadable,   // the text cannot be read as games; Detail() says where
    NotFound,     // no such file
    DanglingLink, // a link whose target does not exist
    NoAccess,     // no permission to read or write
    ReadOnly,     // every write bit of the file is clear
    NotRegular,   // a folder, named pipe, device or socket; see Node()
    TooLarge,     // over the size Drawsmith reads, or over the file-size limit
    NoSpace,      // disk full or quota reached
    Locked,       // another instance held the lock too long
    GameGone,     // the game to delete is no longer in the file; Detail() is its name
    TooManyGames, // more games than the file format's row count can hold
    ReadFailed,   // another system error while reading; see Error()
    WriteFailed,  // another system error while writing; see Error()
};

enum class NodeKind
{
    Regular,
    Folder,
    Fifo,
    CharDevice,
    BlockDevice,
    Socket,
    Other
};

// Result of an operation that can fail: what went wrong, with which file, and
// the system's error number when there was one.
class Status
{
public:
    Status() = default;
    // A failure of the catalogue's text, explained in `detail`.
    static Status Failure(std::string detail) { return Failure(FileProblem::Unreadable, {}, 0, std::move(detail)); }
    static Status Failure(FileProblem problem, std::string file, int error = 0, std::string detail = {},
                          NodeKind node = NodeKind::Regular)
    {
        Status status;
        status.m_problem = problem;
        status.m_file = std::move(file);
        status.m_error = error;
        status.m_detail = std::move(detail);
        status.m_node = node;
        return status;
    }

    bool Ok() const { return m_problem == FileProblem::None; }
    explicit operator bool() const { return Ok(); }
    FileProblem Problem() const { return m_problem; }
    const std::string &File() const { return m_file; }
    int Error() const { return m_error; }
    NodeKind Node() const { return m_node; }
    const std::string &Detail() const { return m_detail; }
    // The detail, for failures of the text (kept for callers that show it as is).
    const std::string &Message() const { return m_detail; }

    // The same failure, naming `file` when it names none yet.
    Status WithFile(const std::string &file) const
    {
        Status status = *this;
        if (status.m_file.empty())
            status.m_file = file;
        return status;
    }

private:
    FileProblem m_problem = FileProblem::None;
    std::string m_file;
    int m_error = 0;
    std::string m_detail;
    NodeKind m_node = NodeKind::Regular;
};
