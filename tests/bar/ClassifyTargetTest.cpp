#include "bar/ClassifyTarget.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

struct ClassifyCase {
    const char *target;
    std::optional<int> picture;
};

class ClassifyTargetTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyTargetTest, ChoosesThePicture)
{
    const ClassifyCase &c = GetParam();
    EXPECT_EQ(ClassifyTarget(QString::fromUtf8(c.target)), c.picture) << c.target;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyTargetTest,
    ::testing::Values(
        ClassifyCase{"HTTP://x", 0}, ClassifyCase{"https://x", 0}, ClassifyCase{"www.x", 0},
        ClassifyCase{"WWW.X", 0}, ClassifyCase{"http://", 0}, ClassifyCase{"http:/", std::nullopt},
        ClassifyCase{"ftp://x", std::nullopt}, ClassifyCase{" http://x", std::nullopt},
        ClassifyCase{"www", std::nullopt},
        ClassifyCase{"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", 2},
        ClassifyCase{"::{20d04fe0-3aea-1069-a2d8-08002b30309d}", 2},
        ClassifyCase{"::{450D8FBA-AD25-11D0-98A8-0800361B1103}", 4},
        ClassifyCase{"::{21EC2020-3AEA-1069-A2DD-08002B30309D}", 3},
        ClassifyCase{"::{208D2C60-3AEA-1069-A2D7-08002B30309D}", 6},
        ClassifyCase{"::{645ff040-5081-101b-9f08-00aa002f954e}", 7},
        ClassifyCase{"::{645FF040-5081-101B-9F08-00AA002F954E}", 7},
        ClassifyCase{"::{2227a280-3aea-1069-a2de-08002b30309d}", 5},
        ClassifyCase{"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-08002B30309D}", 2},
        ClassifyCase{"::{20D04FE0-3AEA-1069-A2D8-08002B30309", 1},
        ClassifyCase{"::{00000000-0000-0000-0000-000000000000}", 1}, ClassifyCase{"::{", 1},
        ClassifyCase{"::", std::nullopt}, ClassifyCase{"", std::nullopt},
        ClassifyCase{"/usr/bin/xterm", std::nullopt},
        // Only ASCII letters fold: a fullwidth or dotless letter is no match.
        ClassifyCase{"\xEF\xBD\x97ww.x", std::nullopt}));

} // namespace
} // namespace tavrin
