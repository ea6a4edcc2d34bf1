// The settings key on Windows: HKEY_LOCAL_MACHINE\Software\Gorvud\Ostrameda, read through
// the ANSI registry interface.
#include "RegistryValueText.h"
#include "SettingsKey.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

class TRegistryKey
{
public:
    explicit TRegistryKey(HKEY key) : m_key(key) {}
    ~TRegistryKey() { RegCloseKey(m_key); }
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    HKEY Get() const { return m_key; }

private:
    HKEY m_key;
};

} // namespace

TSettingsValues QuerySettingsKey(std::span<const std::string_view> names)
{
    HKEY openedKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Gorvud\\Ostrameda", 0, KEY_READ, &openedKey) !=
        ERROR_SUCCESS)
        return {};
    const TRegistryKey key(openedKey);

    TSettingsValues result;
    result.KeyOpened = true;
    result.Values.reserve(names.size());
    const unsigned codePage = GetACP();
    TRegistryValueBuffer buffer{};
    for (const std::string_view name : names) {
        const std::string valueName(name);
        DWORD type = REG_SZ;
        auto size = static_cast<DWORD>(buffer.size());
        const LSTATUS status = RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS)
            result.Values.push_back(RegistryValueText(buffer, size, codePage));
        else
            result.Values.emplace_back();
    }
    return result;
}
