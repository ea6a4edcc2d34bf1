// The settings read from a real registry: Wine's in the cross build, or a Windows test machine's.
// The fixture puts the values in place with the wide registry interface, as regedit, reg.exe and
// .reg files do; the code under test reads them back through the ANSI interface.
#include "Settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winternl.h>

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using testing::ElementsAreArray;

constexpr wchar_t GorvudPath[] = L"Software\\Gorvud";
constexpr wchar_t SettingsPath[] = L"Software\\Gorvud\\Ostrameda";

std::vector<BYTE> Bytes(const void* data, std::size_t size)
{
    const auto* begin = static_cast<const BYTE*>(data);
    return {begin, begin + size};
}

// REG_SZ or REG_EXPAND_SZ data: UTF-16 with its terminating zero.
std::vector<BYTE> StringData(const std::wstring& text)
{
    return Bytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// REG_MULTI_SZ data: each string with its zero, and one more zero at the end.
std::vector<BYTE> MultiStringData(std::initializer_list<std::wstring> strings)
{
    std::wstring joined;
    for (const std::wstring& s : strings)
        joined += s + L'\0';
    return StringData(joined);
}

std::vector<BYTE> DwordData(DWORD value)
{
    return Bytes(&value, sizeof value);
}

struct TPlacedValue
{
    HKEY Root;
    std::wstring Name;
    DWORD Type;
    std::vector<BYTE> Data;
};

TPlacedValue Machine(std::wstring name, const std::wstring& text)
{
    return {HKEY_LOCAL_MACHINE, std::move(name), REG_SZ, StringData(text)};
}

std::string Utf8Repeated(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// The handles this process holds, counted by the system (GetProcessHandleCount is a stub in Wine).
std::optional<std::size_t> OwnHandleCount()
{
    struct THandleEntry
    {
        PVOID Object;
        ULONG_PTR UniqueProcessId;
        ULONG_PTR HandleValue;
        ULONG GrantedAccess;
        USHORT CreatorBackTraceIndex;
        USHORT ObjectTypeIndex;
        ULONG HandleAttributes;
        ULONG Reserved;
    };
    struct THandleTable
    {
        ULONG_PTR NumberOfHandles;
        ULONG_PTR Reserved;
        THandleEntry Handles[1];
    };
    constexpr auto SystemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
    constexpr auto StatusInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

    std::vector<ULONG_PTR> buffer(8192); // aligned for the table
    NTSTATUS status = 0;
    for (;;) {
        const auto bytes = static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR));
        status = NtQuerySystemInformation(SystemExtendedHandleInformation, buffer.data(), bytes, nullptr);
        if (status != StatusInfoLengthMismatch || buffer.size() > (std::size_t{1} << 24))
            break;
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0)
        return std::nullopt;
    const auto* table = reinterpret_cast<const THandleTable*>(buffer.data());
    const ULONG_PTR self = GetCurrentProcessId();
    std::size_t count = 0;
    for (ULONG_PTR i = 0; i < table->NumberOfHandles; ++i)
        count += table->Handles[i].UniqueProcessId == self;
    return count;
}

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Each case replaces the settings keys of both roots, so the cases of every process running this
// suite take turns through one named mutex (CTest runs each case as a process of its own).
class RegistrySettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!RunningUnderWine() && !std::getenv("OSTRAMEDA_REGISTRY_TESTS_MAY_WRITE"))
            GTEST_SKIP() << "these tests replace HKLM\\Software\\Gorvud; they run under Wine, or where "
                            "OSTRAMEDA_REGISTRY_TESTS_MAY_WRITE is set";
        m_turn = CreateMutexW(nullptr, FALSE, L"OstramedaRegistrySettingsTest");
        ASSERT_NE(m_turn, nullptr);
        const DWORD waited = WaitForSingleObject(m_turn, INFINITE);
        ASSERT_TRUE(waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED);
        m_holdingTurn = true;
        ASSERT_NO_FATAL_FAILURE(RemoveSettingsKeys());
    }

    void TearDown() override
    {
        if (m_holdingTurn) {
            RemoveSettingsKeys();
            ReleaseMutex(m_turn);
        }
        if (m_turn)
            CloseHandle(m_turn);
    }

    static void RemoveSettingsKeys()
    {
        for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            // RegDeleteTreeW empties the key, RegDeleteKeyW removes it.
            const LSTATUS status = RegDeleteTreeW(root, GorvudPath);
            ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
            RegDeleteKeyW(root, GorvudPath);
        }
    }

    static void CreateSettingsKey(HKEY root)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(root, SettingsPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void Place(const TPlacedValue& value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(value.Root, SettingsPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const LSTATUS status = RegSetValueExW(key, value.Name.c_str(), 0, value.Type, value.Data.data(),
                                              static_cast<DWORD>(value.Data.size()));
        RegCloseKey(key);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }

private:
    HANDLE m_turn = nullptr;
    bool m_holdingTurn = false;
};

struct TRegistryCase
{
    const char* Name;
    std::vector<HKEY> EmptyKeys; // settings keys created without values
    std::vector<TPlacedValue> Values;
    bool KeyOpened;
    std::vector<std::string> Names;
    std::string Title;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const TRegistryCase& c, std::ostream* os)
{
    *os << c.Name;
}

class RegistryCases : public RegistrySettingsTest, public testing::WithParamInterface<TRegistryCase>
{};

TEST_P(RegistryCases, GiveTheNamesAndTheTitle)
{
    const TRegistryCase& c = GetParam();
    for (const HKEY root : c.EmptyKeys)
        ASSERT_NO_FATAL_FAILURE(CreateSettingsKey(root));
    for (const TPlacedValue& value : c.Values)
        ASSERT_NO_FATAL_FAILURE(Place(value));

    const TExpertNames names = ReadExpertNames();
    EXPECT_EQ(names.KeyOpened, c.KeyOpened);
    EXPECT_THAT(names.Names, ElementsAreArray(c.Names));
    EXPECT_EQ(ReadReportTitle(), c.Title);
}

const std::wstring Text259(259, L'x');
const std::wstring Text260(260, L'x');

INSTANTIATE_TEST_SUITE_P(
    Key, RegistryCases,
    testing::Values(
        TRegistryCase{"NoKey", {}, {}, false, {}, ""},
        TRegistryCase{"KeyWithoutValues", {HKEY_LOCAL_MACHINE}, {}, true, {}, ""},
        TRegistryCase{"OnlyName1AndName3",
                      {},
                      {Machine(L"Name3", L"Third"), Machine(L"Name1", L"First")},
                      true,
                      {"First", "Third"},
                      ""},
        TRegistryCase{"EmptyName2KeepsItsPlace",
                      {},
                      {Machine(L"Name1", L"First"), Machine(L"Name2", L""), Machine(L"Name3", L"Third")},
                      true,
                      {"First", "", "Third"},
                      ""},
        TRegistryCase{"FourNamesAndTitle",
                      {},
                      {Machine(L"Name1", L"A"), Machine(L"Name2", L"B"), Machine(L"Name3", L"C"),
                       Machine(L"Name4", L"D"), Machine(L"Name5", L"E"), Machine(L"Title", L"Institute")},
                      true,
                      {"A", "B", "C", "D"},
                      "Institute"},
        TRegistryCase{
            "Title259CharactersReadWhole", {}, {Machine(L"Title", Text259)}, true, {}, std::string(259, 'x')},
        TRegistryCase{"Title260CharactersGivesEmpty", {}, {Machine(L"Title", Text260)}, true, {}, ""},
        TRegistryCase{"EmptyTitle", {}, {Machine(L"Title", L"")}, true, {}, ""},
        TRegistryCase{"OverlongNameLeftOutLaterNamesRead",
                      {},
                      {Machine(L"Name1", Text260), Machine(L"Name2", Text259), Machine(L"Name3", L"C")},
                      true,
                      {std::string(259, 'x'), "C"},
                      ""},
        TRegistryCase{"ExpandStringTakenUnexpanded",
                      {},
                      {{HKEY_LOCAL_MACHINE, L"Name1", REG_EXPAND_SZ, StringData(L"%SystemRoot%\\x")},
                       {HKEY_LOCAL_MACHINE, L"Title", REG_EXPAND_SZ, StringData(L"%USERNAME%")}},
                      true,
                      {"%SystemRoot%\\x"},
                      "%USERNAME%"},
        TRegistryCase{"MultiStringGivesItsFirstString",
                      {},
                      {{HKEY_LOCAL_MACHINE, L"Name1", REG_MULTI_SZ, MultiStringData({L"first", L"second"})},
                       {HKEY_LOCAL_MACHINE, L"Title", REG_MULTI_SZ, MultiStringData({L"head", L"tail"})}},
                      true,
                      {"first"},
                      "head"},
        TRegistryCase{"DwordTakenAsItsBytesUpToZero",
                      {},
                      {{HKEY_LOCAL_MACHINE, L"Name1", REG_DWORD, DwordData(0x00434241)},  // A B C 0
                       {HKEY_LOCAL_MACHINE, L"Name2", REG_DWORD, DwordData(0x44434241)},  // no zero
                       {HKEY_LOCAL_MACHINE, L"Name3", REG_DWORD, DwordData(0)},           // 0 0 0 0
                       {HKEY_LOCAL_MACHINE, L"Title", REG_DWORD, DwordData(0x00005A59)}}, // Y Z 0 0
                      true,
                      {"ABC", "ABCD", ""},
                      "YZ"},
        TRegistryCase{"CurrentUserNeverConsulted",
                      {},
                      {{HKEY_CURRENT_USER, L"Name1", REG_SZ, StringData(L"User")},
                       {HKEY_CURRENT_USER, L"Title", REG_SZ, StringData(L"User title")}},
                      false,
                      {},
                      ""},
        TRegistryCase{"CurrentUserNeitherAddsNorOverrides",
                      {},
                      {{HKEY_CURRENT_USER, L"Name1", REG_SZ, StringData(L"User")},
                       {HKEY_CURRENT_USER, L"Name2", REG_SZ, StringData(L"User")},
                       {HKEY_CURRENT_USER, L"Title", REG_SZ, StringData(L"User title")},
                       Machine(L"Name1", L"Machine")},
                      true,
                      {"Machine"},
                      ""},
        TRegistryCase{"CyrillicArrivesAsUtf8",
                      {},
                      {Machine(L"Name1", L"Иванов И.И."), Machine(L"Name2", L"Щёкина Ё.Ю."),
                       Machine(L"Title", L"ГБУЗ «Бюро судебно-медицинской экспертизы» № 1")},
                      true,
                      {"Иванов И.И.", "Щёкина Ё.Ю."},
                      "ГБУЗ «Бюро судебно-медицинской экспертизы» № 1"},
        // The limit counts the bytes of the ANSI text, not of the UTF-8 text handed on.
        TRegistryCase{"Cyrillic259CharactersReadWhole",
                      {},
                      {Machine(L"Title", std::wstring(259, L'Ж'))},
                      true,
                      {},
                      Utf8Repeated("Ж", 259)},
        TRegistryCase{"Cyrillic260CharactersGivesEmpty",
                      {},
                      {Machine(L"Title", std::wstring(260, L'Ж'))},
                      true,
                      {},
                      ""}),
    [](const testing::TestParamInfo<TRegistryCase>& info) { return std::string(info.param.Name); });

TEST_F(RegistrySettingsTest, RussianCodePageCarriesCyrillic)
{
    // The names pass the ANSI interface, so Cyrillic survives only where it is Windows-1251:
    // on Russian Windows, and under Wine in a Russian locale (tests/windows/wine-run).
    EXPECT_EQ(GetACP(), 1251u);
}

TEST_F(RegistrySettingsTest, EveryCallReadsTheKeyAfresh)
{
    ASSERT_NO_FATAL_FAILURE(Place(Machine(L"Title", L"Before")));
    ASSERT_NO_FATAL_FAILURE(Place(Machine(L"Name1", L"Before")));
    EXPECT_EQ(ReadReportTitle(), "Before");
    EXPECT_THAT(ReadExpertNames().Names, ElementsAreArray({"Before"s}));

    ASSERT_NO_FATAL_FAILURE(Place(Machine(L"Title", L"After")));
    ASSERT_NO_FATAL_FAILURE(Place(Machine(L"Name2", L"Added")));
    EXPECT_EQ(ReadReportTitle(), "After");
    EXPECT_THAT(ReadExpertNames().Names, ElementsAreArray({"Before"s, "Added"s}));

    ASSERT_NO_FATAL_FAILURE(RemoveSettingsKeys());
    EXPECT_EQ(ReadReportTitle(), "");
    EXPECT_FALSE(ReadExpertNames().KeyOpened);
}

TEST_F(RegistrySettingsTest, ClosesEveryKeyItOpens)
{
    ASSERT_NO_FATAL_FAILURE(Place(Machine(L"Name1", L"A")));
    const std::optional<std::size_t> before = OwnHandleCount();
    ASSERT_TRUE(before);
    for (int i = 0; i < 20; ++i) {
        ReadExpertNames();
        ReadReportTitle();
    }
    EXPECT_EQ(OwnHandleCount(), before);
}

} // namespace
