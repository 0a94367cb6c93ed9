#include "app/UpdateAddresses.h"

#include "app/ShellFolders.h"
#include "framework/FileNames.h"
#include "platform/shell/SpecialFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kPackageKey = "package-url";
constexpr std::string_view kProbeKey = "probe-url";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string ConfigurationText() {
    const std::optional<std::string> config = SpecialFolderPath(win::CSIDL_APPDATA);
    if (!config)
        return {};
    std::ifstream file(fw::IncludeTrailingPathDelimiter(*config) + "telvora/telvora.conf",
                       std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void TakeEnvironment(const char* name, std::string& address) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0')
        address = value;
}

} // namespace

TUpdateAddresses BuiltInUpdateAddresses() {
    return {TELVORA_PACKAGE_URL, TELVORA_PROBE_URL};
}

TUpdateAddresses ApplyUpdateConfiguration(TUpdateAddresses addresses, std::string_view text) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const auto equals = line.find('=');
        if (line.starts_with('#') || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (value.empty())
            continue;
        if (key == kPackageKey)
            addresses.PackageUrl = value;
        else if (key == kProbeKey)
            addresses.ProbeUrl = value;
    }
    return addresses;
}

TUpdateAddresses UpdateAddresses() {
    TUpdateAddresses addresses =
        ApplyUpdateConfiguration(BuiltInUpdateAddresses(), ConfigurationText());
    TakeEnvironment("TELVORA_PACKAGE_URL", addresses.PackageUrl);
    TakeEnvironment("TELVORA_PROBE_URL", addresses.ProbeUrl);
    return addresses;
}
