#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What one look into the settings key found.
struct TSettingsValues
{
    bool KeyOpened = false;
    // One entry for each name asked for, in the same order; nullopt where the value is
    // missing or cannot be read. Empty when the key could not be opened.
    std::vector<std::optional<std::string>> Values;
};

// Opens the settings key, reads the named values as UTF-8 and closes the key again.
// Each platform has its own store: the registry on Windows, a settings file elsewhere.
TSettingsValues QuerySettingsKey(std::span<const std::string_view> names);
