#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// An error the game cannot recover from, numbered as a classic forms runtime
// numbers them, so a player's report reads the same as it always has.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const QString& description);

    static RunTimeError overflow();      // a 16-bit sum or a byte that does not fit
    static RunTimeError typeMismatch();  // text that holds no number

    int number() const { return number_; }
    QString description() const { return description_; }

    // What the error box says: "Run-time error '6':", a blank line, "Overflow".
    QString reportText() const;

private:
    int number_;
    QString description_;
};

}  // namespace platform
