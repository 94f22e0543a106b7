#pragma once

#include <QStringList>

namespace tool {
// Runs velmora-tool with its arguments (arguments[0] is the program name); returns the exit code.
int run(const QStringList& arguments);
} // namespace tool
