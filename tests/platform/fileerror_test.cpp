// What each errno of a failed file operation tells the user.
#include "platform/fileerror.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

using fileerror::Problem;

TEST(FileError, ErrnoValuesMapToTheirProblem) {
    const std::pair<Problem, std::vector<int>> cases[] = {{Problem::NotFound, {ENOENT, ENOTDIR}},
                                                          {Problem::NoPermission, {EACCES, EPERM}},
                                                          {Problem::ReadOnly, {EROFS}},
                                                          {Problem::DiskFull, {ENOSPC, EFBIG}},
                                                          {Problem::IsFolder, {EISDIR}},
                                                          {Problem::InUse, {EBUSY}},
                                                          {Problem::Other, {EIO, 0}}};
    for (const auto& [problem, errors] : cases) {
        for (const int error : errors)
            EXPECT_EQ(fileerror::fromErrno(error), problem) << error;
    }
}
