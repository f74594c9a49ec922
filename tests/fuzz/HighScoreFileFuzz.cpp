// libFuzzer target for reading hs.hsd: any bytes in the file's place either
// give a whole table or take the error path, and whatever table the game then
// writes reads back as it was.

#include "highscores/HighScoreFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

using highscores::HighScoreTable;

// hs.hsd kept in memory: it starts with the fuzzer's bytes and keeps what
// the game writes; setting it aside leaves no file. Names typed in the game
// are read back by the unit tests and the random run of whole games.
class MemoryFileStore final : public platform::FileStore {
public:
    explicit MemoryFileStore(std::optional<QByteArray> bytes) : bytes_(std::move(bytes)) {}

    platform::FileStart readStart(const QString&, qint64 maxBytes) const override
    {
        return bytes_ ? platform::FileStart{platform::FileStart::State::Read, bytes_->left(maxBytes)}
                      : platform::FileStart{};
    }
    std::optional<platform::FileFailure> replace(const QString&, const QByteArray& bytes) override
    {
        bytes_ = bytes;
        return std::nullopt;
    }
    std::optional<platform::FileFailure> rename(const QString&, const QString&) override
    {
        setAside = true;
        bytes_.reset();
        return std::nullopt;
    }

    bool setAside = false;

private:
    std::optional<QByteArray> bytes_;
};

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Saves the table through the file and loads it again: the same table.
void requireReadsBack(highscores::HighScoreFile& file, const HighScoreTable& table)
{
    require(!file.save(table));
    const std::optional<HighScoreTable> again = file.load();
    require(again.has_value());
    for (std::size_t i = 0; i < table.size(); ++i)
        require((*again)[i].level == table[i].level && (*again)[i].name == table[i].name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MemoryFileStore files(bytes);
    highscores::HighScoreFile file(files, QStringLiteral("game"));
    // A table that loads is saved again with every new entry, whatever its
    // names hold. No table: the error path sets the file aside first, unless
    // it is empty.
    const std::optional<HighScoreTable> loaded = file.load();
    if (loaded)
        requireReadsBack(file, *loaded);
    else
        require(!file.save(HighScoreTable{}));
    require(files.setAside == (!loaded && !bytes.isEmpty()));
    return 0;
}
