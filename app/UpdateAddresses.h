#pragma once
// The two addresses an update uses: the data package and the connectivity
// probe. Each is set when the program is built (TELVORA_PACKAGE_URL,
// TELVORA_PROBE_URL), may be replaced by the user's configuration file
// $XDG_CONFIG_HOME/telvora/telvora.conf, and by the environment variable of the
// same name, which wins. Nothing else is configurable.

#include <string>
#include <string_view>

struct TUpdateAddresses {
    std::string PackageUrl;
    std::string ProbeUrl;

    bool operator==(const TUpdateAddresses&) const = default;
};

// The build's own addresses.
TUpdateAddresses BuiltInUpdateAddresses();

// The configuration file's lines "package-url = ..." and "probe-url = ..."
// replace the matching address; blank lines, lines starting with "#" and any
// other line change nothing, and a later line for a key wins. Spaces around the
// key and the value are dropped; an empty value changes nothing.
TUpdateAddresses ApplyUpdateConfiguration(TUpdateAddresses addresses, std::string_view text);

// The addresses in force for this run: built in, then the configuration file
// (when it can be read), then the environment (when set and not empty).
TUpdateAddresses UpdateAddresses();
