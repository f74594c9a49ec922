#include "platform/FileCallsPosix.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace platform {

namespace posix {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

CallError lastError()
{
    const int code = errno;
    using Kind = CallError::Kind;
    return {code == ENOENT ? Kind::Missing : code == EEXIST ? Kind::NameTaken : Kind::Other, code};
}

CallFailure failedIf(bool failed)
{
    return failed ? CallFailure(lastError()) : std::nullopt;
}

}  // namespace posix

namespace {

using namespace posix;

NameKind kindOf(const struct stat& status)
{
    return S_ISREG(status.st_mode)   ? NameKind::RegularFile
           : S_ISDIR(status.st_mode) ? NameKind::Directory
                                     : NameKind::Other;
}

class PosixFileCalls final : public FileCalls {
public:
    CallResult<NameKind> lookAt(const QString& path) override
    {
        struct stat status {};
        if (::stat(native(path).constData(), &status) != 0)
            return {{}, lastError()};
        return {kindOf(status), {}};
    }

    CallResult<OpenedFile> openToRead(const QString& path) override
    {
        const int file = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0)
            return {{}, lastError()};
        struct stat status {};
        if (::fstat(file, &status) != 0) {
            const CallError error = lastError();
            ::close(file);
            return {{}, error};
        }
        return {{file, kindOf(status)}, {}};
    }

    CallResult<FileHandle> createNew(const QString& path, const QString& rightsOf) override
    {
        struct stat status {};
        const mode_t mode = ::stat(native(rightsOf).constData(), &status) == 0 ? status.st_mode & 0777 : 0666;
        const int file = ::open(native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (file < 0)
            return {{}, lastError()};
        return {file, {}};
    }

    CallResult<qint64> read(FileHandle file, char* bytes, qint64 size) override
    {
        ssize_t got = 0;
        do
            got = ::read(static_cast<int>(file), bytes, static_cast<std::size_t>(size));
        while (got < 0 && errno == EINTR);
        return got < 0 ? CallResult<qint64>{0, lastError()} : CallResult<qint64>{got, {}};
    }

    CallResult<qint64> write(FileHandle file, const char* bytes, qint64 size) override
    {
        ssize_t put = 0;
        do
            put = ::write(static_cast<int>(file), bytes, static_cast<std::size_t>(size));
        while (put < 0 && errno == EINTR);
        return put < 0 ? CallResult<qint64>{0, lastError()} : CallResult<qint64>{put, {}};
    }

    CallFailure flush(FileHandle file) override { return posix::flush(static_cast<int>(file)); }
    CallFailure close(FileHandle file) override { return failedIf(::close(static_cast<int>(file)) != 0); }

    CallFailure renameOver(const QString& from, const QString& to) override
    {
        return failedIf(::rename(native(from).constData(), native(to).constData()) != 0);
    }

    CallFailure renameToFreeName(const QString& from, const QString& to) override
    {
        return posix::renameToFreeName(native(from), native(to));
    }

    CallFailure remove(const QString& path) override { return failedIf(::unlink(native(path).constData()) != 0); }

    CallFailure syncDirectoryOf(const QString& path) override
    {
        return posix::syncDirectory(native(QFileInfo(path).absolutePath()));
    }

    void pause(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }

    QString reason(const CallError& error) const override { return qt_error_string(static_cast<int>(error.code)); }
};

}  // namespace

std::unique_ptr<FileCalls> systemFileCalls()
{
    return std::make_unique<PosixFileCalls>();
}

}  // namespace platform
