#pragma once

#include <string>
#include <vector>

// The site settings: up to four expert names and the institution line of the report.
// Read-only: nothing here ever writes, creates or deletes a setting, and nothing is cached.
// On Windows they live in the registry key HKEY_LOCAL_MACHINE\Software\Gorvud\Ostrameda;
// elsewhere in the file Gorvud/Ostrameda.conf of the system configuration directories.
// All texts are UTF-8.

struct TExpertNames
{
    bool KeyOpened = false;         // whether the settings key could be opened
    std::vector<std::string> Names; // Name1 to Name4, each unreadable one left out without a gap
};

TExpertNames ReadExpertNames();

// The Title value, or the empty string when the key or the value cannot be read.
std::string ReadReportTitle();
