// Settings files far beyond what a site would write: only what is needed is read, and the
// result is the defined one.
#include "Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t HundredMegabytes = 100ULL * 1024 * 1024;

// Bytes this process has read through read() so far, or nullopt without /proc.
std::optional<long long> BytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    return std::nullopt;
}

class HugeSettingsFile : public testing::Test
{
protected:
    HugeSettingsFile()
    {
        std::string pattern = (fs::temp_directory_path() / "ostrameda-huge-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
        fs::create_directories(m_root / "Gorvud");
        if (const char* old = std::getenv("XDG_CONFIG_DIRS"))
            m_oldDirs = old;
        setenv("XDG_CONFIG_DIRS", m_root.c_str(), 1);
    }
    ~HugeSettingsFile() override
    {
        if (m_oldDirs)
            setenv("XDG_CONFIG_DIRS", m_oldDirs->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_DIRS");
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    // The text, then zero bytes up to 100 MB (a sparse file: cheap to make, real to read).
    void WriteHugeFile(const std::string& text)
    {
        const fs::path path = m_root / "Gorvud" / "Ostrameda.conf";
        std::ofstream(path, std::ios::binary) << text;
        fs::resize_file(path, HundredMegabytes);
    }

private:
    fs::path m_root;
    std::optional<std::string> m_oldDirs;
};

TEST_F(HugeSettingsFile, ValuesAtTheStartAreReadWithoutReadingTheRest)
{
    WriteHugeFile("Name1=a\nName2=b\nName3=c\nName4=d\nTitle=t\n");
    const std::optional<long long> before = BytesRead();
    const TExpertNames names = ReadExpertNames();
    EXPECT_TRUE(names.KeyOpened);
    EXPECT_EQ(names.Names, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(ReadReportTitle(), "t");
    if (const std::optional<long long> after = BytesRead(); before && after) {
        EXPECT_LT(*after - *before, 1024 * 1024) << "more than needed was read";
    }
}

// Whether a value is missing is only known at the end, so the whole file is read, in pieces
// of bounded size; a line without end is never held whole.
TEST_F(HugeSettingsFile, MissingValuesAreMissingAfterOneLineOfAHundredMegabytes)
{
    WriteHugeFile("Name1=a\n");
    EXPECT_EQ(ReadReportTitle(), "");
}

} // namespace
