#pragma once

#include "platform/CodePage932Converter.h"
#include "platform/CodePage932TableFile.h"

#include <QString>

#include <stdexcept>

// Fill the table with what this system's converter does, found by trying
// it; each fails when the converter does something the table has no way to
// say.
void probeReading(platform::CodePage932Converter& converter, platform::CodePage932TableFile& table);
void probeWriting(platform::CodePage932Converter& converter, platform::CodePage932TableFile& table);

// Stops the tool, saying why.
[[noreturn]] inline void fail(const QString& reason)
{
    throw std::runtime_error(reason.toStdString());
}
