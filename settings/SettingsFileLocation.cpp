#include "SettingsFileLocation.h"

#include <cerrno>
#include <sys/stat.h>

std::vector<std::string> SystemConfigDirectories(const char* xdgConfigDirs)
{
    std::vector<std::string> directories;
    std::string_view list = xdgConfigDirs ? xdgConfigDirs : "";
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        if (entry.starts_with('/'))
            directories.emplace_back(entry);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (directories.empty())
        directories.emplace_back("/etc/xdg");
    return directories;
}

std::optional<std::string> FindSettingsFile(std::span<const std::string> directories)
{
    for (const std::string& directory : directories) {
        std::string path = directory;
        if (!path.ends_with('/'))
            path += '/';
        path += SettingsFileName;
        struct stat entry = {};
        // A directory that may not be searched might well hold the file: it is taken as the key,
        // one that cannot be opened, rather than letting a later directory override it.
        if (lstat(path.c_str(), &entry) == 0 || errno == EACCES)
            return path;
    }
    return std::nullopt;
}
