#include "tool/standardoutput.h"

#include "platform/fileerror.h"

#include <cerrno>
#include <cstdio>

namespace tool {

bool writeStandardOutput(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
}

bool finishStandardOutput(bool writtenSoFar) {
    if (writtenSoFar) {
        errno = 0;
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return true;
    }
    const QString message =
        fileerror::message(fileerror::fromErrno(errno), QStringLiteral("標準出力"));
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return false;
}

} // namespace tool
