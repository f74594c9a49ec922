// Reading, replacing and copying files, written once over the system's calls.
#include "platform/FileCalls.h"
#include "platform/FileStore.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace platform {
namespace {

using Kind = CallError::Kind;

// A call refused because another program has the file open is tried again
// for about two seconds: a virus scanner or the indexer lets go by then.
constexpr std::chrono::milliseconds kBusyPause{50};
constexpr int kBusyTries = 40;

// Names a new file may try before it gives up.
constexpr int kMostNewNames = 100;

// Why a file is refused, in the same words on every system.
const QString kNotAFile = QStringLiteral("not a regular file");
const QString kDirectory = QStringLiteral("Is a directory");
const QString kNameTaken = QStringLiteral("File exists");
const QString kWroteNothing = QStringLiteral("nothing could be written");

bool busy(const CallFailure& failure)
{
    return failure && failure->kind == Kind::Busy;
}

template <typename T>
bool busy(const CallResult<T>& result)
{
    return busy(result.error);
}

// The call, made again while another program holds the file.
template <typename Result, typename... Parameters, typename... Arguments>
Result patiently(FileCalls& calls, Result (FileCalls::*call)(Parameters...), const Arguments&... arguments)
{
    Result result = (calls.*call)(arguments...);
    for (int tries = 1; busy(result) && tries < kBusyTries; ++tries) {
        calls.pause(kBusyPause);
        result = (calls.*call)(arguments...);
    }
    return result;
}

// An open file, closed when it goes unless closed before.
class OpenFile {
public:
    OpenFile(FileCalls& calls, FileHandle handle) : calls_(calls), handle_(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (open_)
            calls_.close(handle_);
    }

    FileHandle get() const { return handle_; }
    CallFailure close()
    {
        open_ = false;
        return calls_.close(handle_);
    }

private:
    FileCalls& calls_;
    FileHandle handle_;
    bool open_ = true;
};

// A new file that is to take a name: created beside it, under the name and
// a dot and six random letters, and removed when it goes unless it took the
// name. Only a file it created is ever removed.
class NewFile {
public:
    NewFile(FileCalls& calls, const QString& beside, const QString& rightsOf) : calls_(calls)
    {
        for (int tries = 0; tries < kMostNewNames; ++tries) {
            name_ = beside + u'.' + randomLetters();
            const CallResult<FileHandle> created = patiently(calls_, &FileCalls::createNew, name_, rightsOf);
            error_ = created.error;
            if (!error_)
                file_.emplace(calls_, created.value);
            if (!error_ || error_->kind != Kind::NameTaken)
                return;
        }
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile()
    {
        const bool created = file_.has_value();
        file_.reset();
        if (created && !placed_)
            patiently(calls_, &FileCalls::remove, name_);
    }

    // Why it could not be created.
    const CallFailure& error() const { return error_; }
    FileHandle get() const { return file_->get(); }

    // Its bytes on the disk, closed and given the name by the rename.
    CallFailure place(const QString& name, CallFailure (FileCalls::*rename)(const QString&, const QString&))
    {
        CallFailure failure = calls_.flush(get());
        if (!failure)
            failure = file_->close();
        if (!failure)
            failure = patiently(calls_, rename, name_, name);
        placed_ = !failure;
        return failure;
    }

private:
    static QString randomLetters()
    {
        QString letters;
        for (int i = 0; i < 6; ++i)
            letters += QChar(u'a' + QRandomGenerator::global()->bounded(26));
        return letters;
    }

    FileCalls& calls_;
    QString name_;
    std::optional<OpenFile> file_;
    CallFailure error_;
    bool placed_ = false;
};

// All the bytes written, though a write may take only some; the reason when
// that fails.
std::optional<QString> writeAll(FileCalls& calls, FileHandle file, const char* bytes, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const CallResult<qint64> written = calls.write(file, bytes + done, size - done);
        if (written.error)
            return calls.reason(*written.error);
        if (written.value <= 0)
            return kWroteNothing;
        done += written.value;
    }
    return std::nullopt;
}

// Where a replacement goes: a link keeps leading where it did, and the file
// it leads to is replaced.
QString linkTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

}  // namespace

FileStart DiskFileStore::readStart(const QString& path, qint64 maxBytes) const
{
    using State = FileStart::State;
    const auto unreadable = [&](const CallError& error) {
        return FileStart{State::Unreadable, {}, calls_.reason(error)};
    };
    // Only a file that is surely not there counts as missing: one that could
    // not be looked at may still hold a table. Anything but a file is not
    // opened, so a pipe or a device in its place cannot stall the game.
    const CallResult<NameKind> look = patiently(calls_, &FileCalls::lookAt, path);
    if (look.error)
        return look.error->kind == Kind::Missing ? FileStart{} : unreadable(*look.error);
    if (look.value != NameKind::RegularFile)
        return {State::NotARegularFile, {}, {}};
    const CallResult<OpenedFile> opened = patiently(calls_, &FileCalls::openToRead, path);
    if (opened.error)
        return unreadable(*opened.error);
    const OpenFile file(calls_, opened.value.handle);
    if (opened.value.kind != NameKind::RegularFile)
        return {State::NotARegularFile, {}, {}};
    // Read in pieces: asking for the whole cap would reserve it in memory even
    // for a table of a few dozen bytes.
    QByteArray bytes;
    std::array<char, 64 * 1024> buffer{};
    while (bytes.size() < maxBytes) {
        const qint64 wanted = std::min<qint64>(maxBytes - bytes.size(), buffer.size());
        const CallResult<qint64> got = patiently(calls_, &FileCalls::read, file.get(), buffer.data(), wanted);
        if (got.error)
            return unreadable(*got.error);
        if (got.value == 0)
            break;
        bytes.append(buffer.data(), got.value);
    }
    return {State::Read, bytes, {}};
}

std::optional<FileFailure> DiskFileStore::replace(const QString& path, const QByteArray& bytes)
{
    const auto failed = [&](const CallError& error) { return FileFailure{path, calls_.reason(error)}; };
    const QString target = linkTarget(path);
    // Renaming over a device, a pipe or a directory would put a plain file in
    // its place.
    const CallResult<NameKind> look = patiently(calls_, &FileCalls::lookAt, target);
    if (look.error && look.error->kind != Kind::Missing)
        return failed(*look.error);
    if (!look.error && look.value != NameKind::RegularFile)
        return FileFailure{path, look.value == NameKind::Directory ? kDirectory : kNotAFile};

    NewFile file(calls_, target, target);
    if (file.error())
        return failed(*file.error());
    if (const std::optional<QString> reason = writeAll(calls_, file.get(), bytes.constData(), bytes.size()))
        return FileFailure{path, *reason};
    if (const CallFailure failure = file.place(target, &FileCalls::renameOver))
        return failed(*failure);
    // The rename is kept through a power cut only once the directory is
    // synced. By then the new file is what the game reads, so a failure here
    // is no failed save: calling it one would leave memory and screen on a
    // table the disk no longer holds.
    calls_.syncDirectoryOf(target);
    return std::nullopt;
}

std::optional<FileFailure> DiskFileStore::copy(const QString& from, const QString& to)
{
    const auto failed = [&](const QString& path, const CallError& error) {
        return FileFailure{path, calls_.reason(error), error.kind == Kind::NameTaken};
    };
    // A taken name is passed over before anything is copied.
    const CallResult<NameKind> look = patiently(calls_, &FileCalls::lookAt, to);
    if (!look.error)
        return FileFailure{to, kNameTaken, true};
    if (look.error->kind != Kind::Missing)
        return failed(to, *look.error);

    const CallResult<OpenedFile> opened = patiently(calls_, &FileCalls::openToRead, from);
    if (opened.error)
        return failed(from, *opened.error);
    const OpenFile source(calls_, opened.value.handle);
    if (opened.value.kind != NameKind::RegularFile)
        return FileFailure{from, kNotAFile};

    // Written and flushed under a name of its own first, so that a copy cut
    // short never stands under the new name.
    NewFile copy(calls_, to, from);
    if (copy.error())
        return failed(to, *copy.error());
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const CallResult<qint64> got =
            patiently(calls_, &FileCalls::read, source.get(), buffer.data(), static_cast<qint64>(buffer.size()));
        if (got.error)
            return failed(from, *got.error);
        if (got.value == 0)
            break;
        if (const std::optional<QString> reason = writeAll(calls_, copy.get(), buffer.data(), got.value))
            return FileFailure{to, *reason};
    }
    if (const CallFailure failure = copy.place(to, &FileCalls::renameToFreeName))
        return failed(to, *failure);
    calls_.syncDirectoryOf(to);
    return std::nullopt;
}

}  // namespace platform
