#include "platform/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

// A write may stop short without an error; the next one then either goes on
// or fails with the system's reason.
bool writeAll(QIODevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
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
    const QFileInfo info(path);
    if (!info.exists())
        return {FileStart::State::Missing, {}};
    if (!info.isFile())
        return {FileStart::State::NotARegularFile, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileStart::State::Unreadable, {}};
    // Asking for the whole cap would reserve it in memory even for a table of
    // a few dozen bytes.
    QByteArray bytes = file.read(std::min(maxBytes, file.size()));
    if (file.error() != QFileDevice::NoError)
        return {FileStart::State::Unreadable, {}};
    return {FileStart::State::Read, bytes};
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
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileFailure{path, reason};
    }
    if (!file.commit())
        return FileFailure{path, file.errorString()};
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
