// Code page 932 from the table built into the game (CodePage932TableFile.h),
// for a Qt that has no Shift_JIS of its own: the browser's, built without
// ICU. The table holds what ICU's converter does on the building system, so
// text reads and writes here as it does there.
#include "platform/CodePage932Converter.h"
#include "platform/CodePage932TableFile.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <utility>

namespace platform {
namespace {

using TableFile = CodePage932TableFile;

// The table, with what writing looks characters up by.
class Table {
public:
    explicit Table(TableFile file) : file_(std::move(file))
    {
        qsizetype row = 0;
        for (int byte = 0; byte < TableFile::kBytes; ++byte) {
            if (file_.byteWrites[byte])
                writtenByCode_.insert(file_.byteReadings[byte].front().unicode(), TableFile::code(byte));
            if (!isLead(byte))
                continue;
            pairRow_[byte] = row;
            for (int second = 0; second < TableFile::kBytes; ++second) {
                if (file_.pairWrites[row + second])
                    writtenByCode_.insert(file_.pairReadings[row + second], TableFile::code(byte, second));
            }
            row += TableFile::kBytes;
        }
    }

    QString decode(const QByteArray& bytes) const
    {
        QString text;
        for (qsizetype i = 0; i < bytes.size();) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (!isLead(byte)) {
                text += file_.byteReadings[byte];
                ++i;
            } else if (i + 1 == bytes.size()) {
                break;  // a lead byte at the end waits for a byte yet to come
            } else {
                const qsizetype pair = pairRow_[byte] + static_cast<unsigned char>(bytes[i + 1]);
                text += QChar(file_.pairReadings[pair]);
                i += file_.secondReadAgain[pair] ? 1 : 2;
            }
        }
        return text;
    }

    QByteArray encode(QStringView text) const
    {
        QByteArray bytes;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar unit = text[i];
            if (unit.isHighSurrogate() && i + 1 == text.size()) {
                bytes += file_.highSurrogateAtEnd;
            } else if (unit.isHighSurrogate() && text[i + 1].isLowSurrogate()) {
                bytes += written(QChar::surrogateToUcs4(unit, text[i + 1]));
                ++i;
            } else {
                bytes += written(unit.unicode());
            }
        }
        return bytes;
    }

private:
    bool isLead(int byte) const { return file_.byteReadings[byte].isEmpty(); }

    QByteArray written(char32_t character) const
    {
        if (const auto code = writtenByCode_.constFind(character); code != writtenByCode_.cend())
            return *code;
        const auto& runs = file_.otherWritings;
        const auto run = std::find_if(runs.begin(), runs.end(), [character](const CodePage932Run& r) {
            return character >= r.first && character <= r.last;
        });
        return run != runs.end() ? run->written : TableFile::notInCodePage();
    }

    TableFile file_;
    std::array<qsizetype, TableFile::kBytes> pairRow_{};  // where each lead byte's pairs start
    QHash<char32_t, QByteArray> writtenByCode_;
};

// Read once, on the first text converted: the resource is part of the game,
// so a table that does not read whole is a broken build.
const Table& builtInTable()
{
    static const Table table = [] {
        QFile file(QStringLiteral(":/codepage932/table.bin"));
        auto read = file.open(QIODevice::ReadOnly) ? TableFile::fromBytes(file.readAll()) : std::nullopt;
        if (!read)
            qFatal("The code page 932 table built into the game is missing or damaged");
        return Table(std::move(*read));
    }();
    return table;
}

}  // namespace

struct CodePage932Converter::Converters {
    const Table& table = builtInTable();
};

CodePage932Converter::CodePage932Converter() : converters_(std::make_unique<Converters>()) {}

CodePage932Converter::~CodePage932Converter() = default;

QString CodePage932Converter::decode(const QByteArray& bytes)
{
    return converters_->table.decode(bytes);
}

QByteArray CodePage932Converter::encode(QStringView text)
{
    return converters_->table.encode(text);
}

}  // namespace platform
