// The settings read end to end from settings files in temporary system configuration
// directories.
#include "Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

// Sets an environment variable for the lifetime of the object, then restores it.
class TEnvironmentOverride
{
public:
    TEnvironmentOverride(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~TEnvironmentOverride()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    TEnvironmentOverride(const TEnvironmentOverride&) = delete;
    TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

fs::path MakeTemporaryDirectory()
{
    std::string pattern = (fs::temp_directory_path() / "ostrameda-settings-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    // Searchable by everyone, so that an unprivileged child process can reach the files.
    fs::permissions(pattern, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    return pattern;
}

struct TExpectedSettings
{
    bool KeyOpened;
    std::vector<std::string> Names;
    std::string Title;
};

const TExpectedSettings NoKey{false, {}, ""};

void ExpectSettings(const TExpectedSettings& expected)
{
    const TExpertNames names = ReadExpertNames();
    EXPECT_EQ(names.KeyOpened, expected.KeyOpened);
    EXPECT_EQ(names.Names, expected.Names);
    EXPECT_EQ(ReadReportTitle(), expected.Title);
}

class SettingsFileTest : public testing::Test
{
protected:
    SettingsFileTest()
        : m_root(MakeTemporaryDirectory()),
          m_configDirs("XDG_CONFIG_DIRS", SystemDir().string() + ":" + SecondSystemDir().string()),
          m_configHome("XDG_CONFIG_HOME", (m_root / "user").string()),
          m_home("HOME", (m_root / "home").string())
    {}
    ~SettingsFileTest() override
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path SystemDir() const { return m_root / "system"; }
    fs::path SecondSystemDir() const { return m_root / "system2"; }
    fs::path Root() const { return m_root; }

    // The settings file below the given configuration directory, its folder created.
    static fs::path SettingsFile(const fs::path& configDir)
    {
        fs::create_directories(configDir / "Gorvud");
        return configDir / "Gorvud" / "Ostrameda.conf";
    }

    static void WriteSettings(const fs::path& configDir, const std::string& content)
    {
        std::ofstream out(SettingsFile(configDir), std::ios::binary | std::ios::trunc);
        out << content;
        ASSERT_TRUE(out.good());
    }

private:
    fs::path m_root;
    TEnvironmentOverride m_configDirs;
    TEnvironmentOverride m_configHome;
    TEnvironmentOverride m_home;
};

TEST_F(SettingsFileTest, NoSettingsFileIsNoKey)
{
    fs::create_directories(SystemDir());
    ExpectSettings(NoKey);
}

TEST_F(SettingsFileTest, UserConfigurationIsNeverConsulted)
{
    const std::string content = "Name1=user\nTitle=user\n";
    WriteSettings(Root() / "user", content);
    WriteSettings(Root() / "home" / ".config", content);
    ExpectSettings(NoKey);
}

TEST_F(SettingsFileTest, FirstDirectoryHoldingTheFileWins)
{
    const fs::path third = Root() / "system3";
    const TEnvironmentOverride dirs("XDG_CONFIG_DIRS", (Root() / "absent").string() +
                                                           "::" + SystemDir().string() + ":" +
                                                           SecondSystemDir().string() + ":" + third.string());
    fs::create_directories(SystemDir());
    WriteSettings(SecondSystemDir(), "Name1=second\n");
    WriteSettings(third, "Name1=third\nTitle=third\n");
    ExpectSettings({true, {"second"}, ""});
}

TEST_F(SettingsFileTest, SymbolicLinkToAFileIsFollowed)
{
    WriteSettings(Root() / "elsewhere", "Title=linked\n");
    fs::create_symlink(SettingsFile(Root() / "elsewhere"), SettingsFile(SystemDir()));
    ExpectSettings({true, {}, "linked"});
}

TEST_F(SettingsFileTest, EachCallReadsTheFileAsItIsThen)
{
    WriteSettings(SystemDir(), "Title=first\n");
    EXPECT_EQ(ReadReportTitle(), "first");
    WriteSettings(SystemDir(), "Title=second, longer than the first\n");
    EXPECT_EQ(ReadReportTitle(), "second, longer than the first");
    WriteSettings(SystemDir(), "Name1=x\n");
    EXPECT_EQ(ReadReportTitle(), "");
    fs::remove(SettingsFile(SystemDir()));
    EXPECT_EQ(ReadReportTitle(), "");
    EXPECT_FALSE(ReadExpertNames().KeyOpened);
}

TEST_F(SettingsFileTest, LeavesNoFileOpen)
{
    WriteSettings(SystemDir(), "Name1=a\nTitle=b\n");
    const auto openFiles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    if (!fs::exists("/proc/self/fd"))
        GTEST_SKIP() << "no /proc/self/fd to count open files";
    const auto before = openFiles();
    for (int i = 0; i < 50; ++i) {
        ReadExpertNames();
        ReadReportTitle();
    }
    EXPECT_EQ(openFiles(), before);
}

// What a settings file holds, and what the two operations give for it.
struct TContentCase
{
    const char* Label;
    std::string Content;
    TExpectedSettings Expected;
};

void PrintTo(const TContentCase& contentCase, std::ostream* os)
{
    *os << contentCase.Label;
}

class SettingsFileContentTest : public SettingsFileTest, public testing::WithParamInterface<TContentCase>
{};

TEST_P(SettingsFileContentTest, GivesNamesAndTitle)
{
    WriteSettings(SystemDir(), GetParam().Content);
    ExpectSettings(GetParam().Expected);
}

std::string Repeat(std::string_view piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFileContentTest,
    testing::Values(
        TContentCase{"Empty", "", {true, {}, ""}},
        TContentCase{"NoValues", "[General]\n# nothing here\nOther=1\n", {true, {}, ""}},
        TContentCase{"AllValuesCyrillic",
                     "Name1=Иванов И.И.\nName2=Петрова П.П.\nName3=Сидоров С.С.\nName4=Ёлкина Е.Ё.\n"
                     "Title=Бюро судебно-медицинской экспертизы\n",
                     {true,
                      {"Иванов И.И.", "Петрова П.П.", "Сидоров С.С.", "Ёлкина Е.Ё."},
                      "Бюро судебно-медицинской экспертизы"}},
        TContentCase{"OnlyName1AndName3",
                     "Name3=Третий Т.Т.\nName1=Первый П.П.\n",
                     {true, {"Первый П.П.", "Третий Т.Т."}, ""}},
        TContentCase{"EmptyName2", "Name1=a\nName2=\nName3=c\n", {true, {"a", "", "c"}, ""}},
        TContentCase{"RepeatedName", "Name1=a\nNAME1=b\nName2=c\n", {true, {"a", "c"}, ""}},
        TContentCase{"UnquotedBlanksRemoved", "Name1 =  a b  \nTitle=   \n", {true, {"a b"}, ""}},
        TContentCase{"QuotedBlanksKept", "Name1=\" a \"\nTitle=\"   \"\n", {true, {" a "}, "   "}},
        TContentCase{"CrLfLines", "Name1=a\r\nName2=b\r\nTitle=c\r\n", {true, {"a", "b"}, "c"}},
        TContentCase{"Title259", "Title=" + Repeat("t", 259), {true, {}, Repeat("t", 259)}},
        TContentCase{"Title260", "Title=" + Repeat("t", 260), {true, {}, ""}},
        TContentCase{"CyrillicTitle259", "Title=" + Repeat("Ю", 259) + "\n", {true, {}, Repeat("Ю", 259)}},
        TContentCase{"CyrillicTitle260", "Title=" + Repeat("Ю", 260) + "\n", {true, {}, ""}},
        TContentCase{
            "InvalidUtf8", "Name1=\xC8\xE2\xE0\xED\xEE\xE2\nName2=ok\nTitle=\xCD\xE8\n", {true, {"ok"}, ""}},
        TContentCase{"BinaryWithZeroBytes",
                     "\x7F"
                     "ELF\0\0\0Name1=a\0\nName2=b\n\0\0\xFF"s,
                     {true, {"b"}, ""}}),
    [](const testing::TestParamInfo<TContentCase>& info) { return std::string(info.param.Label); });

// Something in the place of the settings file that cannot be opened as one.
struct TBadEntryCase
{
    const char* Label;
    std::function<void(const fs::path&)> Make;
};

void PrintTo(const TBadEntryCase& badCase, std::ostream* os)
{
    *os << badCase.Label;
}

class SettingsFileBadEntryTest : public SettingsFileTest, public testing::WithParamInterface<TBadEntryCase>
{};

// The entry is still the key: a readable file in a later directory must not stand in for it.
TEST_P(SettingsFileBadEntryTest, IsAKeyThatCannotBeOpened)
{
    WriteSettings(SecondSystemDir(), "Name1=later\nTitle=later\n");
    GetParam().Make(SettingsFile(SystemDir()));
    ExpectSettings(NoKey);
}

INSTANTIATE_TEST_SUITE_P(Entries, SettingsFileBadEntryTest,
                         testing::Values(TBadEntryCase{"Directory",
                                                       [](const fs::path& path) {
                                                           fs::create_directory(path);
                                                       }},
                                         TBadEntryCase{"Fifo",
                                                       [](const fs::path& path) {
                                                           ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
                                                       }},
                                         TBadEntryCase{"SymbolicLinkLoop",
                                                       [](const fs::path& path) {
                                                           fs::create_symlink(path.filename(), path);
                                                       }},
                                         TBadEntryCase{"DanglingSymbolicLink",
                                                       [](const fs::path& path) {
                                                           fs::create_symlink("absent.conf", path);
                                                       }},
                                         TBadEntryCase{"Device",
                                                       [](const fs::path& path) {
                                                           fs::create_symlink("/dev/null", path);
                                                       }}),
                         [](const testing::TestParamInfo<TBadEntryCase>& info) {
                             return std::string(info.param.Label);
                         });

// Runs the check as an unprivileged user, for whom permission bits really deny access: as
// root it forks and drops to the user "nobody" in the child.
enum class TCheckOutcome
{
    Passed,
    Failed,
    NotRunnable
};

TCheckOutcome RunUnprivileged(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check() ? TCheckOutcome::Passed : TCheckOutcome::Failed;
    const pid_t child = fork();
    if (child < 0)
        return TCheckOutcome::NotRunnable;
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(77);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return TCheckOutcome::Failed;
    switch (WEXITSTATUS(status)) {
    case 0:
        return TCheckOutcome::Passed;
    case 77:
        return TCheckOutcome::NotRunnable;
    default:
        return TCheckOutcome::Failed;
    }
}

void ExpectNoKeyForUnprivilegedUser()
{
    const TCheckOutcome outcome = RunUnprivileged([] {
        const TExpertNames names = ReadExpertNames();
        return !names.KeyOpened && names.Names.empty() && ReadReportTitle().empty();
    });
    if (outcome == TCheckOutcome::NotRunnable)
        GTEST_SKIP() << "running as root and cannot switch to an unprivileged user, for whom alone "
                        "permission bits deny reading";
    EXPECT_EQ(outcome, TCheckOutcome::Passed) << "the key was opened or a value was read";
}

TEST_F(SettingsFileTest, UnreadableFileIsAKeyThatCannotBeOpened)
{
    WriteSettings(SecondSystemDir(), "Name1=later\n");
    WriteSettings(SystemDir(), "Name1=secret\nTitle=secret\n");
    fs::permissions(SettingsFile(SystemDir()), fs::perms::none);
    ExpectNoKeyForUnprivilegedUser();
}

TEST_F(SettingsFileTest, UnsearchableFolderIsAKeyThatCannotBeOpened)
{
    WriteSettings(SecondSystemDir(), "Name1=later\n");
    WriteSettings(SystemDir(), "Name1=secret\n");
    fs::permissions(SystemDir() / "Gorvud", fs::perms::none);
    ExpectNoKeyForUnprivilegedUser();
}

} // namespace
