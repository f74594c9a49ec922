#pragma once

#include "platform/FileCalls.h"

#include <QByteArray>
#include <QString>

// The file calls of POSIX systems, and the three that each makes its own way:
// Linux and the BSDs (FileCallsUnix.cpp), a browser (FileCallsBrowser.cpp).
namespace platform::posix {

QByteArray native(const QString& path);
// errno, sorted into the kinds the file procedures tell apart.
CallError lastError();
CallFailure failedIf(bool failed);

CallFailure flush(int file);
CallFailure renameToFreeName(const QByteArray& from, const QByteArray& to);
CallFailure syncDirectory(const QByteArray& directory);

}  // namespace platform::posix
