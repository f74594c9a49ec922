#include "platform/FileCalls.h"

#include <QDir>

#include <windows.h>

#include <algorithm>
#include <string>

namespace platform {
namespace {

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

HANDLE handleOf(FileHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

CallError lastError()
{
    const DWORD code = GetLastError();
    using Kind = CallError::Kind;
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return {Kind::Missing, static_cast<long>(code)};
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return {Kind::NameTaken, static_cast<long>(code)};
        // What a virus scanner or the indexer holding a new file for a moment
        // gives; also a file whose deletion is still pending.
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_ACCESS_DENIED: return {Kind::Busy, static_cast<long>(code)};
        default: return {Kind::Other, static_cast<long>(code)};
    }
}

CallFailure failedIf(bool failed)
{
    return failed ? CallFailure(lastError()) : std::nullopt;
}

// Reads and writes go in pieces a DWORD can count.
DWORD piece(qint64 size)
{
    return static_cast<DWORD>(std::min<qint64>(size, 1 << 20));
}

class WindowsFileCalls final : public FileCalls {
public:
    CallResult<NameKind> lookAt(const QString& path) override
    {
        WIN32_FILE_ATTRIBUTE_DATA attributes{};
        if (!GetFileAttributesExW(native(path).c_str(), GetFileExInfoStandard, &attributes))
            return {{}, lastError()};
        return {attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? NameKind::Directory : NameKind::RegularFile,
                {}};
    }

    CallResult<OpenedFile> openToRead(const QString& path) override
    {
        const HANDLE file =
            CreateFileW(native(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return {{}, lastError()};
        const NameKind kind = GetFileType(file) == FILE_TYPE_DISK ? NameKind::RegularFile : NameKind::Other;
        return {{reinterpret_cast<FileHandle>(file), kind}, {}};
    }

    // Windows gives a new file the rights of its directory.
    CallResult<FileHandle> createNew(const QString& path, const QString&) override
    {
        const HANDLE file = CreateFileW(native(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return {{}, lastError()};
        return {reinterpret_cast<FileHandle>(file), {}};
    }

    CallResult<qint64> read(FileHandle file, char* bytes, qint64 size) override
    {
        DWORD got = 0;
        if (!ReadFile(handleOf(file), bytes, piece(size), &got, nullptr))
            return {0, lastError()};
        return {got, {}};
    }

    CallResult<qint64> write(FileHandle file, const char* bytes, qint64 size) override
    {
        DWORD put = 0;
        if (!WriteFile(handleOf(file), bytes, piece(size), &put, nullptr))
            return {0, lastError()};
        return {put, {}};
    }

    CallFailure flush(FileHandle file) override { return failedIf(!FlushFileBuffers(handleOf(file))); }
    CallFailure close(FileHandle file) override { return failedIf(!CloseHandle(handleOf(file))); }

    CallFailure renameOver(const QString& from, const QString& to) override
    {
        return failedIf(
            !MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    }

    CallFailure renameToFreeName(const QString& from, const QString& to) override
    {
        return failedIf(!MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_WRITE_THROUGH));
    }

    CallFailure remove(const QString& path) override { return failedIf(!DeleteFileW(native(path).c_str())); }

    // Windows cannot sync a directory: its moves are written through instead.
    CallFailure syncDirectoryOf(const QString&) override { return std::nullopt; }

    void pause(std::chrono::milliseconds duration) override { Sleep(static_cast<DWORD>(duration.count())); }

    QString reason(const CallError& error) const override
    {
        wchar_t* text = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(error.code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        const QString reason = QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
        LocalFree(text);
        return reason;
    }
};

}  // namespace

std::unique_ptr<FileCalls> systemFileCalls()
{
    return std::make_unique<WindowsFileCalls>();
}

}  // namespace platform
