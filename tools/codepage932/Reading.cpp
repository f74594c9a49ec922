// How the converter reads bytes, found by reading every byte, every pair and
// every pair with each byte after it. A byte reads as characters on its own,
// or, as a lead byte, as nothing at the very end; a lead byte and the next
// one read as one character and end there, or the lead byte reads as one
// character and the next byte is read again, as the start of what follows.
#include "Probes.h"

#include <functional>
#include <initializer_list>

namespace {

using platform::CodePage932TableFile;
constexpr int kBytes = CodePage932TableFile::kBytes;

bool holdsForEveryByte(const std::function<bool(int)>& holds)
{
    for (int byte = 0; byte < kBytes; ++byte) {
        if (!holds(byte))
            return false;
    }
    return true;
}

class Reader {
public:
    Reader(platform::CodePage932Converter& converter, CodePage932TableFile& table)
        : converter_(converter), table_(table)
    {
    }

    void probe()
    {
        for (int byte = 0; byte < kBytes; ++byte)
            table_.byteReadings += read({byte});
        const qsizetype pairs = table_.leadCount() * kBytes;
        table_.secondReadAgain.resize(pairs);
        for (int byte = 0; byte < kBytes; ++byte) {
            if (alone(byte).isEmpty())
                probePairs(byte);
            else if (!holdsForEveryByte([&](int next) { return read({byte, next}) == alone(byte) + alone(next); }))
                fail(QStringLiteral("byte %1 is not read on its own").arg(byte, 2, 16));
        }
    }

private:
    const QString& alone(int byte) const { return table_.byteReadings[byte]; }

    QString read(std::initializer_list<int> bytes)
    {
        QByteArray text;
        for (const int byte : bytes)
            text += static_cast<char>(byte);
        return converter_.decode(text);
    }

    void probePairs(int lead)
    {
        for (int second = 0; second < kBytes; ++second) {
            const QString both = read({lead, second});
            const bool endsThere = both.size() == 1 && holdsForEveryByte([&](int third) {
                                       return read({lead, second, third}) == both + alone(third);
                                   });
            const QString leadAlone = both.endsWith(alone(second)) ? both.chopped(alone(second).size()) : QString();
            const bool readAgain = !endsThere && leadAlone.size() == 1 && holdsForEveryByte([&](int third) {
                return read({lead, second, third}) == leadAlone + read({second, third});
            });
            if (!endsThere && !readAgain)
                fail(QStringLiteral("bytes %1 %2 read otherwise than a table can say")
                         .arg(lead, 2, 16)
                         .arg(second, 2, 16));
            table_.secondReadAgain.setBit(table_.pairReadings.size(), readAgain);
            table_.pairReadings += (readAgain ? leadAlone : both).front().unicode();
        }
    }

    platform::CodePage932Converter& converter_;
    CodePage932TableFile& table_;
};

}  // namespace

void probeReading(platform::CodePage932Converter& converter, CodePage932TableFile& table)
{
    Reader(converter, table).probe();
}
