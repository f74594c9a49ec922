#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

namespace platform {

// Code page 932 both ways, through the system's own converters, for as many
// texts as it is given; each system's file makes it read and write as
// CodePage932.h says.
class CodePage932Converter {
public:
    CodePage932Converter();
    ~CodePage932Converter();
    CodePage932Converter(const CodePage932Converter&) = delete;
    CodePage932Converter& operator=(const CodePage932Converter&) = delete;

    QString decode(const QByteArray& bytes);
    QByteArray encode(QStringView text);

private:
    struct Converters;
    std::unique_ptr<Converters> converters_;
};

// The code units of the character that starts at the given place: two for
// one outside the basic plane, written as a surrogate pair.
inline qsizetype characterLength(QStringView text, qsizetype at)
{
    return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

}  // namespace platform
