#include "tool/commands.h"

#include <cstdio>

namespace tool {
int run(const QStringList& arguments) {
    std::fprintf(stderr, "usage: %s dump FILE.stn\n",
                 arguments.isEmpty() ? "velmora-tool" : qPrintable(arguments.first()));
    return 2;
}
} // namespace tool
