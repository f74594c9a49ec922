// How the converter writes characters, found by writing every code point,
// lone surrogates among them, with a letter after it and at the very end
// (where a high surrogate may wait for its low one). The codes that are how
// the character they read as is written are marked; characters written as
// neither such a code nor notInCodePage() are kept, in runs.
#include "Probes.h"

#include <QHash>

#include <optional>

namespace {

using platform::CodePage932Run;
using platform::CodePage932TableFile;
constexpr int kBytes = CodePage932TableFile::kBytes;
constexpr char32_t kLastCodePoint = 0x10FFFF;

class Writer {
public:
    Writer(platform::CodePage932Converter& converter, CodePage932TableFile& table)
        : converter_(converter), table_(table)
    {
    }

    void probe()
    {
        markCodes();
        for (char32_t character = 0; character <= kLastCodePoint; ++character)
            probeCharacter(character);
        closeRun();
        table_.highSurrogateAtEnd = highSurrogateAtEnd_.value_or(QByteArray());
    }

private:
    // Whether the code is how the one character it reads as is written.
    bool writes(const QString& reading, const QByteArray& code)
    {
        if (reading.size() != 1 || converter_.encode(reading) != code)
            return false;
        writtenByCode_.insert(reading.front().unicode(), code);
        return true;
    }

    void markCodes()
    {
        table_.byteWrites.resize(kBytes);
        table_.pairWrites.resize(table_.pairReadings.size());
        qsizetype pair = 0;
        for (int byte = 0; byte < kBytes; ++byte) {
            const QString& alone = table_.byteReadings[byte];
            table_.byteWrites.setBit(byte, writes(alone, CodePage932TableFile::code(byte)));
            if (!alone.isEmpty())
                continue;
            for (int second = 0; second < kBytes; ++second, ++pair) {
                if (table_.secondReadAgain[pair])
                    continue;
                const QString reading(QChar(table_.pairReadings[pair]));
                table_.pairWrites.setBit(pair, writes(reading, CodePage932TableFile::code(byte, second)));
            }
        }
    }

    void probeCharacter(char32_t character)
    {
        const QString text = QChar::requiresSurrogates(character) ? QString::fromUcs4(&character, 1)
                                                                  : QString(QChar(static_cast<char16_t>(character)));
        const QByteArray followed = converter_.encode(text + u'A');
        if (!followed.endsWith('A'))
            fail(QStringLiteral("U+%1 is written with what follows it").arg(character, 4, 16));
        const QByteArray written = followed.chopped(1);
        const QByteArray atEnd = converter_.encode(text);
        if (QChar::isHighSurrogate(character)) {
            if (highSurrogateAtEnd_.value_or(atEnd) != atEnd)
                fail(QStringLiteral("high surrogates are written unalike at the end"));
            highSurrogateAtEnd_ = atEnd;
        } else if (atEnd != written) {
            fail(QStringLiteral("U+%1 is written otherwise at the end").arg(character, 4, 16));
        }
        if (written == writtenByCode_.value(character, CodePage932TableFile::notInCodePage()))
            closeRun();
        else if (run_ && run_->written == written)
            run_->last = character;
        else
            openRun(character, written);
    }

    void openRun(char32_t character, const QByteArray& written)
    {
        closeRun();
        run_ = CodePage932Run{character, character, written};
    }

    void closeRun()
    {
        if (run_)
            table_.otherWritings += *run_;
        run_.reset();
    }

    platform::CodePage932Converter& converter_;
    CodePage932TableFile& table_;
    QHash<char32_t, QByteArray> writtenByCode_;
    std::optional<CodePage932Run> run_;  // characters in a row up to the last one probed
    std::optional<QByteArray> highSurrogateAtEnd_;
};

}  // namespace

void probeWriting(platform::CodePage932Converter& converter, CodePage932TableFile& table)
{
    Writer(converter, table).probe();
}
