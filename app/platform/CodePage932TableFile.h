#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QString>

#include <algorithm>
#include <optional>

// Code page 932 in one file, for a system whose Qt has no converter of its
// own (the browser's): tools/codepage932 writes it from what this system's
// converter does, CodePage932Table.cpp reads and writes text by it, and both
// go by this one layout.
namespace platform {

// Characters in a row that are all written as the same bytes.
struct CodePage932Run {
    char32_t first = 0;
    char32_t last = 0;
    QByteArray written;
};

inline QDataStream& operator<<(QDataStream& stream, const CodePage932Run& run)
{
    return stream << run.first << run.last << run.written;
}

inline QDataStream& operator>>(QDataStream& stream, CodePage932Run& run)
{
    return stream >> run.first >> run.last >> run.written;
}

struct CodePage932TableFile {
    static constexpr int kBytes = 256;

    // What each byte reads as on its own, at the very end of the text:
    // nothing for a lead byte, which waits for the byte after it.
    QList<QString> byteReadings;
    // For each lead byte in turn, then each byte after it: what the two read
    // as, or, where the second is read again on its own, what the lead byte
    // reads as alone.
    QList<char16_t> pairReadings;
    QBitArray secondReadAgain;
    // The bytes and the pairs that are how the one character they read as
    // is written.
    QBitArray byteWrites;
    QBitArray pairWrites;
    // Characters written otherwise: as no code that reads as them, yet not
    // as notInCodePage().
    QList<CodePage932Run> otherWritings;
    // What a high surrogate with nothing after it is written as.
    QByteArray highSurrogateAtEnd;

    static QByteArray notInCodePage() { return QByteArrayLiteral("\xFC\xFC"); }
    static QByteArray code(int byte) { return QByteArray(1, static_cast<char>(byte)); }
    static QByteArray code(int lead, int second) { return code(lead) + static_cast<char>(second); }

    qsizetype leadCount() const
    {
        return std::count_if(byteReadings.begin(), byteReadings.end(), [](const QString& r) { return r.isEmpty(); });
    }

    QByteArray toBytes() const
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(kVersion);
        stream << byteReadings << pairReadings << secondReadAgain << byteWrites << pairWrites << otherWritings
               << highSurrogateAtEnd;
        return bytes;
    }

    // The table, or nothing when the bytes hold none whole.
    static std::optional<CodePage932TableFile> fromBytes(const QByteArray& bytes)
    {
        CodePage932TableFile table;
        QDataStream stream(bytes);
        stream.setVersion(kVersion);
        stream >> table.byteReadings >> table.pairReadings >> table.secondReadAgain >> table.byteWrites >>
            table.pairWrites >> table.otherWritings >> table.highSurrogateAtEnd;
        if (stream.status() != QDataStream::Ok || !stream.atEnd() || !table.isWhole())
            return std::nullopt;
        return table;
    }

private:
    static constexpr QDataStream::Version kVersion = QDataStream::Qt_6_0;

    bool isWhole() const
    {
        const qsizetype pairs = leadCount() * kBytes;
        if (byteReadings.size() != kBytes || byteWrites.size() != kBytes || pairReadings.size() != pairs ||
            secondReadAgain.size() != pairs || pairWrites.size() != pairs)
            return false;
        for (int byte = 0; byte < kBytes; ++byte) {
            if (byteWrites[byte] && byteReadings[byte].size() != 1)
                return false;
        }
        return true;
    }
};

}  // namespace platform
