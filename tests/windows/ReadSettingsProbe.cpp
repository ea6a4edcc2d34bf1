// Reads the settings as the program does and prints what it got, one line each, in UTF-8:
//   key opened | key missing
//   Name: <name>      (one line per name, in order)
//   Title: <title>
// The registry checks in tests/windows/ run it between snapshots of the registry.
#include "Settings.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

void Print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main()
{
    // Bytes as they are: no CR before LF, no conversion of the UTF-8 text.
    _setmode(_fileno(stdout), _O_BINARY);

    const TExpertNames names = ReadExpertNames();
    Print(names.KeyOpened ? "key opened" : "key missing");
    for (const std::string& name : names.Names)
        Print("Name: " + name);
    Print("Title: " + ReadReportTitle());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
