#pragma once

#include <QString>

namespace platform {

enum class MessageBoxButtons { OkOnly = 0, OkCancel = 1 };
enum class MessageBoxResult { Ok = 1, Cancel = 2 };

// The application's title, shown on message boxes that name no title of their own.
inline QString applicationTitle()
{
    return QStringLiteral("vorpa");
}

// A modal message box without icon. Closing the box counts as Cancel.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageBoxResult show(const QString& prompt, MessageBoxButtons buttons, const QString& title) = 0;
};

}  // namespace platform
