#pragma once
// Packing entries into a skin file: the container of version 70000 (head, 69
// bytes of padding, directory, sizes, data) compressed as one block of the
// skin codec.

#include <cstdint>
#include <string>
#include <vector>

namespace skinart {

struct TSkinEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

std::vector<std::uint8_t> SkinContainer(const std::vector<TSkinEntry>& entries);
std::vector<std::uint8_t> PackSkinFile(const std::vector<std::uint8_t>& container);

} // namespace skinart
