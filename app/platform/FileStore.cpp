#include "platform/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

// Writes all the bytes and syncs them to the disk; the reason when that
// fails. A write may stop short without an error; the next one then either
// goes on or fails with the system's reason.
std::optional<QString> writeDurably(QFileDevice& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return file.errorString();
        done += written;
    }
    // QSaveFile::commit() syncs too, but puts the file in place even when
    // that fails, and a power cut could then leave an empty table.
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    return std::nullopt;
}

// The rename that put a file in place is kept through a power cut only once
// its directory is synced. By then the new file is what the game reads, so a
// failure here is no failed save: calling it one would leave memory and
// screen on a table the disk no longer holds.
void syncDirectoryOf(const QString& path)
{
    const int directory =
        ::open(QFile::encodeName(QFileInfo(path).canonicalPath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return;
    ::fsync(directory);
    ::close(directory);
}

bool renameWithoutReplacing(const char* from, const char* to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot rename so can still give the file a second
    // name, which fails just the same when the name is taken, and drop the
    // first.
    return errno == EINVAL && ::link(from, to) == 0 && ::unlink(from) == 0;
}

}  // namespace

FileStart DiskFileStore::readStart(const QString& path, qint64 maxBytes) const
{
    using State = FileStart::State;
    // Only a file that is surely not there counts as missing: one that could
    // not be looked at may still hold a table.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? FileStart{} : FileStart{State::Unreadable, {}, qt_error_string(errno)};
    if (!S_ISREG(status.st_mode))
        return {State::NotARegularFile, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {State::Unreadable, {}, file.errorString()};
    // Asking for the whole cap would reserve it in memory even for a table of
    // a few dozen bytes.
    QByteArray bytes = file.read(std::min(maxBytes, file.size()));
    if (file.error() != QFileDevice::NoError)
        return {State::Unreadable, {}, file.errorString()};
    return {State::Read, bytes, {}};
}

std::optional<FileFailure> DiskFileStore::replace(const QString& path, const QByteArray& bytes)
{
    // QSaveFile would rename its temporary file over whatever stands there,
    // turning a device or a pipe into a plain file.
    const QFileInfo info(path);
    if (info.isDir())
        return FileFailure{path, qt_error_string(EISDIR)};
    if (info.exists() && !info.isFile())
        return FileFailure{path, QStringLiteral("not a regular file")};

    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile learns of a failed write only while
    // commit() flushes, and commit() then still puts the short file in place
    // of the table (Qt 6.4).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileFailure{path, file.errorString()};
    if (const std::optional<QString> reason = writeDurably(file, bytes)) {
        file.cancelWriting();
        return FileFailure{path, *reason};
    }
    if (!file.commit())
        return FileFailure{path, file.errorString()};
    syncDirectoryOf(path);
    return std::nullopt;
}

std::optional<FileFailure> DiskFileStore::rename(const QString& from, const QString& to)
{
    // QFile::rename would copy a file it cannot move; the system's rename
    // replaces whatever has the new name.
    if (renameWithoutReplacing(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()))
        return std::nullopt;
    const int error = errno;
    return FileFailure{to, qt_error_string(error), error == EEXIST};
}

}  // namespace platform
