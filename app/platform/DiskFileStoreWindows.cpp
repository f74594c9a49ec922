// The real files on disk, through Windows' own calls. A table is written to a
// new file beside the one it replaces, flushed to the disk, and moved over it
// in one step that is itself written through; a copy is made the same way
// and moved to a name nothing has.
#include "platform/FileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>

namespace platform {
namespace {

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString reasonFor(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
    LocalFree(text);
    return reason;
}

QString lastReason()
{
    return reasonFor(GetLastError());
}

// A handle, closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close()
    {
        const bool closed = !valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }
    void reset(HANDLE handle)
    {
        close();
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

// A new file beside the given path, named after it with six random letters,
// deleted when it goes unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& beside)
    {
        for (int attempt = 0; attempt < 100 && !handle_.valid(); ++attempt) {
            name_ = native(beside + u'.' + randomLetters());
            handle_.reset(CreateFileW(name_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!handle_.valid() && GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        handle_.close();
        if (!kept_)
            DeleteFileW(name_.c_str());
    }

    bool valid() const { return handle_.valid(); }
    HANDLE get() const { return handle_.get(); }
    const wchar_t* name() const { return name_.c_str(); }
    bool close() { return handle_.close(); }
    void keep() { kept_ = true; }

private:
    static QString randomLetters()
    {
        QString letters;
        for (int i = 0; i < 6; ++i)
            letters += QChar(u'a' + QRandomGenerator::global()->bounded(26));
        return letters;
    }

    std::wstring name_;
    Handle handle_{INVALID_HANDLE_VALUE};
    bool kept_ = false;
};

bool writeAll(HANDLE file, const char* bytes, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<qint64>(size - done, 1 << 20));
        if (!WriteFile(file, bytes + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// The bytes are on the disk, the file closed and moved to its name: over
// what had it when replacing, or only where nothing has it. The reason and
// the error when any step fails; the temporary file is then gone.
struct MoveFailure {
    QString reason;
    DWORD error;
};

std::optional<MoveFailure> placeDurably(TemporaryFile& file, const QString& path, DWORD flags)
{
    if (!FlushFileBuffers(file.get()) || !file.close() ||
        !MoveFileExW(file.name(), native(path).c_str(), flags | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        return MoveFailure{reasonFor(error), error};
    }
    file.keep();
    return std::nullopt;
}

}  // namespace

FileStart DiskFileStore::readStart(const QString& path, qint64 maxBytes) const
{
    using State = FileStart::State;
    // Only a file that is surely not there counts as missing: one that could
    // not be looked at may still hold a table.
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(native(path).c_str(), GetFileExInfoStandard, &attributes)) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? FileStart{}
                   : FileStart{State::Unreadable, {}, reasonFor(error)};
    }
    if (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {State::NotARegularFile, {}, {}};
    const Handle file(CreateFileW(native(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return {State::Unreadable, {}, lastReason()};
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return {State::NotARegularFile, {}, {}};
    QByteArray bytes;
    std::array<char, 64 * 1024> buffer{};
    for (DWORD got = 1; got != 0 && bytes.size() < maxBytes;) {
        const auto wanted = static_cast<DWORD>(std::min<qint64>(maxBytes - bytes.size(), buffer.size()));
        if (!ReadFile(file.get(), buffer.data(), wanted, &got, nullptr))
            return {State::Unreadable, {}, lastReason()};
        bytes.append(buffer.data(), got);
    }
    return {State::Read, bytes, {}};
}

std::optional<FileFailure> DiskFileStore::replace(const QString& path, const QByteArray& bytes)
{
    // A link keeps leading where it did: the file it leads to is replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    if (QFileInfo(target).isDir())
        return FileFailure{path, QString::fromLocal8Bit(std::strerror(EISDIR))};
    TemporaryFile file(target);
    if (!file.valid())
        return FileFailure{path, lastReason()};
    if (!writeAll(file.get(), bytes.constData(), bytes.size()))
        return FileFailure{path, lastReason()};
    if (const std::optional<MoveFailure> failure = placeDurably(file, target, MOVEFILE_REPLACE_EXISTING))
        return FileFailure{path, failure->reason};
    return std::nullopt;
}

std::optional<FileFailure> DiskFileStore::copy(const QString& from, const QString& to)
{
    if (GetFileAttributesW(native(to).c_str()) != INVALID_FILE_ATTRIBUTES)
        return FileFailure{to, reasonFor(ERROR_FILE_EXISTS), true};
    const Handle source(CreateFileW(native(from).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source.valid())
        return FileFailure{from, lastReason()};
    if (GetFileType(source.get()) != FILE_TYPE_DISK)
        return FileFailure{from, QStringLiteral("not a regular file")};
    TemporaryFile copy(to);
    if (!copy.valid())
        return FileFailure{to, lastReason()};
    std::array<char, 64 * 1024> buffer{};
    for (DWORD got = 1; got != 0;) {
        if (!ReadFile(source.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return FileFailure{from, lastReason()};
        if (!writeAll(copy.get(), buffer.data(), got))
            return FileFailure{to, lastReason()};
    }
    if (const std::optional<MoveFailure> failure = placeDurably(copy, to, 0))
        return FileFailure{to, failure->reason,
                           failure->error == ERROR_ALREADY_EXISTS || failure->error == ERROR_FILE_EXISTS};
    return std::nullopt;
}

}  // namespace platform
