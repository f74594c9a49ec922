#include "platform/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

namespace platform {

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
    QByteArray bytes = file.read(maxBytes);
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
    if (!file.open(QIODevice::WriteOnly))
        return FileFailure{path, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
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
    // QFile::rename never replaces an existing file; the system's rename does,
    // in one step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return FileFailure{to, qt_error_string(errno)};
    return std::nullopt;
}

}  // namespace platform
