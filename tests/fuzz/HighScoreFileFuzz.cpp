// libFuzzer target for reading hs.hsd: any bytes in the file's place either
// give a whole table or take the error path, and whatever table the game then
// writes reads back as it was.

#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreFormat.h"
#include "platform/AnsiCodePage.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <type_traits>

namespace {

using highscores::HighScoreFile;
using highscores::HighScoreTable;

// A table is three entries with levels 0 to 255 by its very type.
static_assert(std::tuple_size_v<HighScoreTable> == 3);
static_assert(std::is_same_v<decltype(highscores::HighScoreEntry::level), std::uint8_t>);

// hs.hsd kept in memory: it starts with the fuzzer's bytes and keeps what
// the game writes.
class MemoryFileStore final : public platform::FileStore {
public:
    explicit MemoryFileStore(QByteArray bytes) : bytes_(std::move(bytes)) {}

    platform::FileStart readStart(const QString& /*path*/, qint64 maxBytes) const override
    {
        if (!bytes_)
            return {platform::FileStart::State::Missing, {}};
        return {platform::FileStart::State::Read, bytes_->left(maxBytes)};
    }
    std::optional<platform::FileFailure> replace(const QString& /*path*/, const QByteArray& bytes) override
    {
        bytes_ = bytes;
        return std::nullopt;
    }
    std::optional<platform::FileFailure> rename(const QString& /*from*/, const QString& /*to*/) override
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

bool sameTable(const HighScoreTable& a, const HighScoreTable& b)
{
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return x.level == y.level && x.name == y.name; });
}

// Saves the table through the file and loads it again: the same table.
void requireReadsBack(HighScoreFile& file, const HighScoreTable& table)
{
    require(!file.save(table));
    const std::optional<HighScoreTable> again = file.load();
    require(again && sameTable(*again, table));
}

// Tables of the input's lines that the name box would accept, three at a
// time, with levels taken from the input's bytes.
void requireStorableNamesReadBack(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    QStringList names = platform::fromAnsi(bytes).split(u'\n');
    names.removeIf([](const QString& name) { return !highscores::isStorableName(name); });
    MemoryFileStore files({});
    HighScoreFile file(files, QStringLiteral("game"));
    for (qsizetype first = 0; first < names.size(); first += 3) {
        HighScoreTable table;
        for (qsizetype i = 0; i < 3; ++i) {
            const qsizetype at = (first + i) % names.size();
            table[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(bytes[at % bytes.size()]), names[at]};
        }
        requireReadsBack(file, table);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MemoryFileStore files(bytes);
    HighScoreFile file(files, QStringLiteral("game"));
    const std::optional<HighScoreTable> loaded = file.load();
    // A new entry is saved among the loaded ones, so every table the game
    // loads must read back as it was, whatever its names hold, and stays
    // where it is. No table: the error path's save sets the file aside first,
    // unless it is empty.
    if (loaded)
        requireReadsBack(file, *loaded);
    else
        require(!file.save(HighScoreTable{}));
    require(files.setAside == (!loaded && !bytes.isEmpty()));
    requireStorableNamesReadBack(bytes);
    return 0;
}
