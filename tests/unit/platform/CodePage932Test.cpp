// Code page 932 read and written the same on every system: the whole
// conversion, both ways, as one digest committed here. A change to any
// system's converter, or to the choices made where the code page leaves
// them open, shows at once.
#include "platform/CodePage932.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

TEST(CodePage932, ReadsAndWritesEveryByteEveryPairAndEveryCharacterAsCommitted)
{
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const auto add = [&digest](const QByteArray& bytes) {
        digest.addData(QByteArray::number(bytes.size()) + ':');
        digest.addData(bytes);
    };
    for (int first = 0; first < 256; ++first) {
        add(platform::fromCodePage932(QByteArray(1, static_cast<char>(first))).toUtf8());
        for (int second = 0; second < 256; ++second) {
            const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
            add(platform::fromCodePage932(QByteArray(pair, 2)).toUtf8());
        }
    }
    for (char32_t character = 0; character <= 0xFFFF; ++character) {
        if (!QChar::isSurrogate(character))
            add(platform::toCodePage932(QString::fromUcs4(&character, 1)));
    }
    EXPECT_EQ(digest.result().toHex().toStdString(),
              "f48d62b8b9d949132afdf2758ac53e741a28d0fef35b04f3bc269c658bd5dfbe");
}

// Beyond the basic plane (a name with an emoji) the code page has nothing: a
// character is one unknown, FC FC, whatever its two halves.
TEST(CodePage932, WritesACharacterBeyondTheBasicPlaneAsOneUnknown)
{
    EXPECT_EQ(platform::toCodePage932(QString::fromUtf8("山\U0001F600田")), "\x8e\x52\xfc\xfc\x93\x63");
}
