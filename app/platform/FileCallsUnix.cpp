#include "platform/FileCallsPosix.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform::posix {

CallFailure flush(int file)
{
    return failedIf(::fsync(file) != 0);
}

CallFailure renameToFreeName(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    // A file system that cannot rename so can still give the file a second
    // name, which fails just the same when the name is taken, and drop the
    // first.
    if (errno != EINVAL)
        return lastError();
    return failedIf(::link(from.constData(), to.constData()) != 0 || ::unlink(from.constData()) != 0);
}

CallFailure syncDirectory(const QByteArray& directory)
{
    const int opened = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (opened < 0)
        return lastError();
    const CallFailure failure = failedIf(::fsync(opened) != 0);
    ::close(opened);
    return failure;
}

}  // namespace platform::posix
