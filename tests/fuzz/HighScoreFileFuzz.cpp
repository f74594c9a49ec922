// libFuzzer target for reading hs.hsd: any bytes in the file's place either
// give a whole table or take the error path; whatever the game then writes
// reads back, and no byte of the file is lost unless it was set aside first.

#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreFormat.h"
#include "platform/AnsiCodePage.h"

#include <cstdint>
#include <cstdlib>

namespace {

using highscores::HighScoreTable;

// hs.hsd kept in memory: it starts with the fuzzer's bytes and keeps what
// the game writes; setting it aside keeps its bytes and leaves no file.
class MemoryFileStore final : public platform::FileStore {
public:
    explicit MemoryFileStore(std::optional<QByteArray> bytes) : bytes_(std::move(bytes)) {}

    platform::FileStart readStart(const QString&, qint64 maxBytes) const override
    {
        return bytes_ ? platform::FileStart{platform::FileStart::State::Read, bytes_->left(maxBytes), {}}
                      : platform::FileStart{};
    }
    std::optional<platform::FileFailure> replace(const QString&, const QByteArray& bytes) override
    {
        bytes_ = bytes;
        return std::nullopt;
    }
    std::optional<platform::FileFailure> rename(const QString&, const QString&) override
    {
        setAside = bytes_;
        bytes_.reset();
        return std::nullopt;
    }

    std::optional<QByteArray> setAside;

private:
    std::optional<QByteArray> bytes_;
};

void require(bool holds)
{
    if (!holds)
        std::abort();
}

HighScoreTable withStorableNames(HighScoreTable table)
{
    for (highscores::HighScoreEntry& entry : table)
        entry.name = highscores::storableName(entry.name);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MemoryFileStore files(bytes);
    highscores::HighScoreFile file(files, QStringLiteral("game"));
    // A table that loads is saved again as it is; no table: the error path
    // writes the default one.
    const std::optional<HighScoreTable> loaded = file.load();
    const HighScoreTable written = loaded.value_or(HighScoreTable{});
    require(!file.save(written));
    const std::optional<HighScoreTable> again = file.load();
    require(again == withStorableNames(written));

    // Set aside whole, never when empty; left in place only when the rewrite
    // lost nothing: every byte decoded as itself and every name came back.
    if (files.setAside)
        require(*files.setAside == bytes && !bytes.isEmpty());
    else
        require(bytes.isEmpty() || (again == loaded && platform::toAnsi(platform::fromAnsi(bytes)) == bytes));

    // What the game wrote itself is never set aside.
    files.setAside.reset();
    require(!file.save(*again) && !files.setAside);
    return 0;
}
