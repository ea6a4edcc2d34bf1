// The settings key on systems without a registry: the settings file of the system
// configuration directories.
#include "SettingsFileLocation.h"
#include "SettingsFileParser.h"
#include "SettingsKey.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <istream>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TFileDescriptor
{
public:
    explicit TFileDescriptor(int fd) : m_fd(fd) {}
    ~TFileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return m_fd; }

private:
    int m_fd;
};

// Reads straight from the descriptor that was checked to be a regular file: opening the
// path a second time could meet a different file.
class TFileDescriptorBuffer : public std::streambuf
{
public:
    explicit TFileDescriptorBuffer(int fd) : m_fd(fd) {}

    bool Failed() const { return m_failed; }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        ssize_t count = 0;
        do {
            count = read(m_fd, m_buffer.data(), m_buffer.size());
        } while (count < 0 && errno == EINTR);
        if (count <= 0) {
            m_failed = count < 0;
            return traits_type::eof();
        }
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    int m_fd;
    bool m_failed = false;
    std::array<char, 16 * 1024> m_buffer{};
};

} // namespace

TSettingsValues QuerySettingsKey(std::span<const std::string_view> names)
{
    const std::optional<std::string> path =
        FindSettingsFile(SystemConfigDirectories(std::getenv("XDG_CONFIG_DIRS")));
    if (!path)
        return {};

    // Non-blocking, so that a FIFO or device put in the file's place cannot stall the
    // caller before fstat has turned it away.
    const TFileDescriptor file(open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        return {};
    struct stat status = {};
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};

    TFileDescriptorBuffer buffer(file.Get());
    std::istream in(&buffer);
    std::vector<std::optional<std::string>> values = ParseSettingsValues(in, names);
    // A file that breaks off while being read gives no trustworthy values at all.
    if (buffer.Failed())
        return {};
    return {true, std::move(values)};
}
