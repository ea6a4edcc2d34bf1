#include "SettingsFileLocation.h"

#include <gtest/gtest.h>

namespace {

struct TDirectoriesCase
{
    const char* XdgConfigDirs; // null: unset
    std::vector<std::string> Expected;
};

void PrintTo(const TDirectoriesCase& directoriesCase, std::ostream* os)
{
    *os << (directoriesCase.XdgConfigDirs ? directoriesCase.XdgConfigDirs : "(unset)");
}

class SystemConfigDirectoriesTest : public testing::TestWithParam<TDirectoriesCase>
{};

TEST_P(SystemConfigDirectoriesTest, TakesAbsoluteEntriesInOrder)
{
    EXPECT_EQ(SystemConfigDirectories(GetParam().XdgConfigDirs), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SystemConfigDirectoriesTest,
                         testing::Values(TDirectoriesCase{nullptr, {"/etc/xdg"}},
                                         TDirectoriesCase{"", {"/etc/xdg"}},
                                         TDirectoriesCase{":::", {"/etc/xdg"}},
                                         TDirectoriesCase{"relative:./x:~/y", {"/etc/xdg"}},
                                         TDirectoriesCase{"/opt/site", {"/opt/site"}},
                                         TDirectoriesCase{"/a::relative:/b/:", {"/a", "/b/"}},
                                         TDirectoriesCase{"/b:/a:/b", {"/b", "/a", "/b"}}));

} // namespace
