#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace platform {

// Why a call failed: the system's own error, sorted into the few kinds the
// file procedures tell apart.
struct CallError {
    enum class Kind {
        Missing,    // nothing has the name
        NameTaken,  // something already has the name
        Busy,       // another program has the file open or locked for now
        Other,
    };
    Kind kind = Kind::Other;
    long code = 0;  // errno, or GetLastError() on Windows
};

// A call that failed says why; one that went through says nothing.
using CallFailure = std::optional<CallError>;

// What a call gave, or why it gave nothing.
template <typename T>
struct CallResult {
    T value{};
    CallFailure error;
};

// What stands under a name, links followed.
enum class NameKind { RegularFile, Directory, Other };

// An open file.
using FileHandle = std::intptr_t;

// A file opened to read, and what it is.
struct OpenedFile {
    FileHandle handle = 0;
    NameKind kind = NameKind::Other;
};

// The handful of system calls the file procedures stand on, one to one, so
// that the procedures are written once for every system and a test can fail
// any call in turn. An implementation makes no decisions of its own.
class FileCalls {
public:
    virtual ~FileCalls() = default;

    virtual CallResult<NameKind> lookAt(const QString& path) = 0;
    // Opens an existing file to read, without waiting on a pipe; says what
    // was opened.
    virtual CallResult<OpenedFile> openToRead(const QString& path) = 0;
    // Creates a file of a name that nothing has, to write, with the access
    // rights of another file where the system has such rights and that file
    // is there.
    virtual CallResult<FileHandle> createNew(const QString& path, const QString& rightsOf) = 0;
    // Bytes read, 0 at the end of the file.
    virtual CallResult<qint64> read(FileHandle file, char* bytes, qint64 size) = 0;
    // Bytes written: possibly fewer than given.
    virtual CallResult<qint64> write(FileHandle file, const char* bytes, qint64 size) = 0;
    // Until the file's bytes are on the disk.
    virtual CallFailure flush(FileHandle file) = 0;
    virtual CallFailure close(FileHandle file) = 0;
    // Gives a file the name of another, in one step.
    virtual CallFailure renameOver(const QString& from, const QString& to) = 0;
    // Gives a file a name, in one step, only while nothing has that name.
    virtual CallFailure renameToFreeName(const QString& from, const QString& to) = 0;
    virtual CallFailure remove(const QString& path) = 0;
    // Until the names in the directory of a file are on the disk, where the
    // system can do that.
    virtual CallFailure syncDirectoryOf(const QString& path) = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // The system's words for an error.
    virtual QString reason(const CallError& error) const = 0;
};

// The calls of the system the game runs on.
std::unique_ptr<FileCalls> systemFileCalls();

}  // namespace platform
