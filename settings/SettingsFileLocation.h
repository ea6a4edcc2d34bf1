#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where the settings key lives on systems without a registry: this file below one of the
// system configuration directories. The user's own configuration is never consulted, since
// the settings belong to the site, as HKEY_LOCAL_MACHINE does on Windows.
inline constexpr std::string_view SettingsFileName = "Gorvud/Ostrameda.conf";

// The system configuration directories in order of precedence, from the value of
// XDG_CONFIG_DIRS (null when unset): its absolute entries, or /etc/xdg when it names none.
std::vector<std::string> SystemConfigDirectories(const char* xdgConfigDirs);

// The settings file of the first directory holding an entry of that name (of any kind,
// a dangling symbolic link included), or nullopt when none does. That entry is the key,
// whether or not it can be opened; later directories are then not consulted.
std::optional<std::string> FindSettingsFile(std::span<const std::string> directories);
