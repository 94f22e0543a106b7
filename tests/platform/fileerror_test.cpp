// What each errno of a failed file operation tells the user.
#include "platform/fileerror.h"

#include <cerrno>
#include <gtest/gtest.h>

using fileerror::Problem;

TEST(FileError, ErrnoValuesMapToTheirProblem) {
    const std::pair<int, Problem> cases[] = {
        {ENOENT, Problem::NotFound},
        {ENOTDIR, Problem::NotFound},
        {EACCES, Problem::NoPermission},
        {EPERM, Problem::NoPermission},
        {EROFS, Problem::ReadOnly},
        {ENOSPC, Problem::DiskFull},
        {EFBIG, Problem::DiskFull},
        {EISDIR, Problem::IsFolder},
        {EBUSY, Problem::InUse},
        {EIO, Problem::Other},
        {0, Problem::Other},
    };
    for (const auto& [error, problem] : cases)
        EXPECT_EQ(fileerror::fromErrno(error), problem) << error;
}
