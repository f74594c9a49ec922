#include "highscores/HighScoreFormat.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <utility>

namespace highscores {
namespace {

constexpr QChar kQuote = u'"';

bool endsField(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

// Hands out the fields of a table's text one by one.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    // The next field, or nothing when the text ends before it begins.
    std::optional<QString> next(bool mayBeQuoted)
    {
        while (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        if (pos_ == text_.size())
            return std::nullopt;
        return mayBeQuoted && text_[pos_] == kQuote ? quoted() : plain();
    }

private:
    QString quoted()
    {
        const qsizetype start = pos_ + 1;
        qsizetype end = text_.indexOf(kQuote, start);
        if (end < 0)
            end = text_.size();
        const QString field = text_.mid(start, end - start);
        // Anything between the closing quote and the field's end is dropped.
        pos_ = std::min(end + 1, text_.size());
        skipPastFieldEnd();
        return field;
    }

    QString plain()
    {
        const qsizetype start = pos_;
        skipToFieldEnd();
        qsizetype end = pos_;
        while (end > start && text_[end - 1] == u' ')
            --end;
        skipPastFieldEnd();
        return text_.mid(start, end - start);
    }

    void skipToFieldEnd()
    {
        while (pos_ < text_.size() && !endsField(text_[pos_]))
            ++pos_;
    }

    // Moves past the rest of the field and the comma or line end (CR, LF or
    // CR LF) that ends it.
    void skipPastFieldEnd()
    {
        skipToFieldEnd();
        if (pos_ == text_.size())
            return;
        const bool carriageReturn = text_[pos_] == u'\r';
        ++pos_;
        if (carriageReturn && pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

std::optional<std::uint8_t> levelOf(const QString& field)
{
    if (field.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255)
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

bool needsQuotes(const QString& name)
{
    return name.contains(u',') || name.startsWith(u' ') || name.endsWith(u' ');
}

}  // namespace

std::optional<HighScoreTable> parseHighScores(const QString& text)
{
    FieldReader fields(text);
    HighScoreTable table;
    for (HighScoreEntry& entry : table) {
        const std::optional<QString> levelField = fields.next(false);
        const std::optional<std::uint8_t> level = levelField ? levelOf(*levelField) : std::nullopt;
        if (!level)
            return std::nullopt;
        std::optional<QString> name = fields.next(true);
        if (!name)
            return std::nullopt;
        entry = {*level, std::move(*name)};
    }
    return table;
}

QString formatHighScores(const HighScoreTable& table)
{
    QString text;
    for (const HighScoreEntry& entry : table) {
        QString name = storableName(entry.name);
        if (needsQuotes(name))
            name = kQuote + name + kQuote;
        text += QString::number(entry.level) + u',' + name + QStringLiteral("\r\n");
    }
    return text;
}

QString storableName(const QString& name)
{
    QString kept = name;
    // A quote inside a name could close a quoted name early; a control
    // character could end the field or hide in it.
    kept.removeIf([](QChar c) { return c == kQuote || c.category() == QChar::Other_Control; });
    return platform::keepingCodePage932(kept);
}

}  // namespace highscores
