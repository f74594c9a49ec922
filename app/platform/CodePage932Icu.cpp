// Code page 932 through Qt's converters, which Debian's Qt takes from ICU:
// its Shift_JIS is Windows code page 932 (U+FF5E -> 81 60, U+2460 -> 87 40).
#include "platform/CodePage932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

struct CodePage932::Converters {
    QStringEncoder encoder{"Shift_JIS"};
    QStringDecoder decoder{"Shift_JIS"};
};

CodePage932::CodePage932() : converters_(std::make_unique<Converters>()) {}

CodePage932::~CodePage932() = default;

QString CodePage932::decode(const QByteArray& bytes)
{
    converters_->decoder.resetState();
    return converters_->decoder.decode(bytes);
}

QByteArray CodePage932::encode(QStringView text)
{
    converters_->encoder.resetState();
    return converters_->encoder.encode(text);
}

}  // namespace platform
