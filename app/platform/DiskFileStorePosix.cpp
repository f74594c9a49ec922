#include "platform/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

// A file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (valid())
            ::close(descriptor_);
    }

    bool valid() const { return descriptor_ >= 0; }
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

// The rename that put a file in place is kept through a power cut only once
// its directory is synced. By then the new file is what the game reads, so a
// failure here is no failed save: calling it one would leave memory and
// screen on a table the disk no longer holds.
void syncDirectoryOf(const QString& path)
{
    const Descriptor directory(
        ::open(QFile::encodeName(QFileInfo(path).canonicalPath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        ::fsync(directory.get());
}

// A new file beside the given path, named after it with six random letters,
// removed when it goes unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& beside)
        : name_(beside + ".XXXXXX"), descriptor_(::mkostemp(name_.data(), O_CLOEXEC))
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (valid() && !kept_)
            ::unlink(name_.constData());
    }

    bool valid() const { return descriptor_.valid(); }
    int get() const { return descriptor_.get(); }
    const char* name() const { return name_.constData(); }
    void keep() { kept_ = true; }

private:
    QByteArray name_;
    Descriptor descriptor_;
    bool kept_ = false;
};

// Copies what is left to read of one file into another; the system's error
// number when that fails, 0 when it is done.
int copyBytes(int from, int to)
{
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got <= 0)
            return got == 0 ? 0 : errno;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0)
                return errno;
            done += put;
        }
    }
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

std::optional<FileFailure> DiskFileStore::copy(const QString& from, const QString& to)
{
    const QByteArray target = QFile::encodeName(to);
    struct stat status {};
    // A taken name is passed over before anything is copied.
    if (::lstat(target.constData(), &status) == 0)
        return FileFailure{to, qt_error_string(EEXIST), true};

    // Non-blocking, so that a pipe put in the file's place cannot stall the
    // open; it is then refused as not a regular file.
    const Descriptor source(::open(QFile::encodeName(from).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.valid() || ::fstat(source.get(), &status) != 0)
        return FileFailure{from, qt_error_string(errno)};
    if (!S_ISREG(status.st_mode))
        return FileFailure{from, QStringLiteral("not a regular file")};

    // Written and synced under a name of its own first, so that a copy cut
    // short never stands under the new name.
    TemporaryFile copy(target);
    if (!copy.valid())
        return FileFailure{to, qt_error_string(errno)};
    if (const int error = copyBytes(source.get(), copy.get()))
        return FileFailure{to, qt_error_string(error)};
    if (::fchmod(copy.get(), status.st_mode & 0777) != 0 || ::fsync(copy.get()) != 0)
        return FileFailure{to, qt_error_string(errno)};
    if (!renameWithoutReplacing(copy.name(), target.constData())) {
        const int error = errno;
        return FileFailure{to, qt_error_string(error), error == EEXIST};
    }
    copy.keep();
    syncDirectoryOf(to);
    return std::nullopt;
}

}  // namespace platform
