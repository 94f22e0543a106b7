#pragma once

#include <QByteArray>

// What the commands print on standard output, and the Japanese message when it cannot be
// written (a full disk, a closed pipe).
namespace tool {

// Writes bytes to standard output; false when not all of them could be written.
bool writeStandardOutput(const QByteArray& bytes);

// Flushes standard output; on failure, says why on standard error and returns false.
bool finishStandardOutput(bool writtenSoFar);

} // namespace tool
