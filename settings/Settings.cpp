#include "Settings.h"

#include "SettingsKey.h"

#include <array>

TExpertNames ReadExpertNames()
{
    static constexpr std::array<std::string_view, 4> valueNames{"Name1", "Name2", "Name3", "Name4"};
    TSettingsValues found = QuerySettingsKey(valueNames);

    TExpertNames result;
    result.KeyOpened = found.KeyOpened;
    for (std::optional<std::string>& name : found.Values) {
        if (name)
            result.Names.push_back(std::move(*name));
    }
    return result;
}

std::string ReadReportTitle()
{
    static constexpr std::array<std::string_view, 1> valueNames{"Title"};
    TSettingsValues found = QuerySettingsKey(valueNames);
    if (found.Values.empty() || !found.Values.front())
        return {};
    return std::move(*found.Values.front());
}
