#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

namespace platform {

// Code page 932 both ways, through the system's own converters, for as many
// texts as it is given. Both systems read and write the same bytes alike: a
// byte that is no character reads as U+001A, a pair of bytes that names none
// as U+FFFD, a lead byte at the very end as nothing, and a character the code
// page lacks is written as FC FC.
class CodePage932 {
public:
    CodePage932();
    ~CodePage932();
    CodePage932(const CodePage932&) = delete;
    CodePage932& operator=(const CodePage932&) = delete;

    QString decode(const QByteArray& bytes);
    QByteArray encode(QStringView text);

private:
    struct Converters;
    std::unique_ptr<Converters> converters_;
};

}  // namespace platform
