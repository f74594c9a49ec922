#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// Why a file could not be written: the file and the system's reason.
struct FileFailure {
    QString path;
    QString reason;
    bool nameTaken = false;  // a copy found its new name already in use
};

// The start of a file, or why there is none to read.
struct FileStart {
    enum class State {
        Read,             // bytes holds the file's start
        Missing,          // nothing of that name
        NotARegularFile,  // a directory, a pipe, a device ...
        Unreadable,       // there, but could not be looked at, opened or read
    };
    State state = State::Missing;
    QByteArray bytes;
    QString reason;  // the system's reason, when Unreadable
};

// Files as the game reads and writes them. Tests put in their own to make a
// write fail without needing a full disk or a read-only directory.
class FileStore {
public:
    virtual ~FileStore() = default;

    // At most the first maxBytes bytes of a regular file. Nothing else is
    // opened, so a pipe or a device in the file's place cannot stall the game.
    virtual FileStart readStart(const QString& path, qint64 maxBytes) const = 0;

    // Gives the file these bytes in one step: afterwards it holds either its
    // old content or the new one, never part of it, and keeps it through a
    // power cut. Refuses to write over anything but a regular file, also when
    // a link leads to it.
    virtual std::optional<FileFailure> replace(const QString& path, const QByteArray& bytes) = 0;

    // Makes a new file of a name that nothing has yet, holding every byte of
    // another (of what it leads to, for a link), synced to the disk. It
    // appears whole or not at all, and shares nothing with the file it copies,
    // so no later write to either changes the other. Whatever already has the
    // name stays as it is, and the failure says the name is taken.
    virtual std::optional<FileFailure> copy(const QString& from, const QString& to) = 0;
};

class FileCalls;

// The real files on disk, through the system's calls. A file is replaced by a
// new one written whole beside it, flushed to the disk and renamed over it; a
// copy is made the same way and renamed to a name nothing has. A call refused
// because another program has the file open for a moment (a virus scanner,
// the indexer) is tried again for about two seconds.
class DiskFileStore final : public FileStore {
public:
    explicit DiskFileStore(FileCalls& calls) : calls_(calls) {}

    FileStart readStart(const QString& path, qint64 maxBytes) const override;
    std::optional<FileFailure> replace(const QString& path, const QByteArray& bytes) override;
    std::optional<FileFailure> copy(const QString& from, const QString& to) override;

private:
    FileCalls& calls_;
};

}  // namespace platform
