#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// An error the game cannot recover from, with the number and description
// its report shows ("Run-time error '6':", "Overflow"), so a player's report
// names the fault the same way every time.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const QString& description);

    static RunTimeError overflow();      // a 16-bit sum or a byte that does not fit
    static RunTimeError typeMismatch();  // text that holds no number

    // What the error box says: "Run-time error '6':", a blank line, "Overflow".
    QString reportText() const;

private:
    int number_;
    QString description_;
};

}  // namespace platform
