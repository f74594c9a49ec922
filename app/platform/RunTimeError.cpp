#include "platform/RunTimeError.h"

namespace platform {

RunTimeError::RunTimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

RunTimeError RunTimeError::overflow()
{
    return {6, QStringLiteral("Overflow")};
}

RunTimeError RunTimeError::typeMismatch()
{
    return {13, QStringLiteral("Type mismatch")};
}

QString RunTimeError::reportText() const
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number_).arg(description_);
}

}  // namespace platform
