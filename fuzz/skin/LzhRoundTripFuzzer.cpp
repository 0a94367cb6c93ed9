// Any bytes packed and unpacked come back unchanged, and the packed stream is
// the one the literal reference loops write.

#include "tests/skin/support/SkinTestUtil.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skin::test;
    const Bytes input(data, data + size);
    const Bytes block = Pack(input);
    if (Unpack(block) != input)
        std::abort();
    if (Bytes(block.begin() + 4, block.end()) != ReferencePack(input))
        std::abort();
    return 0;
}
