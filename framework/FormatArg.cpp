#include "framework/FormatArg.h"

namespace fw {

std::int64_t FormatArg::AsSigned() const {
    return FKind == Kind::Signed ? FSigned : static_cast<std::int64_t>(FUnsigned);
}

std::uint64_t FormatArg::AsUnsigned() const {
    const std::uint64_t bits =
        FKind == Kind::Signed ? static_cast<std::uint64_t>(FSigned) : FUnsigned;
    return FBytes >= 8 ? bits : bits & ((std::uint64_t(1) << (8 * FBytes)) - 1);
}

} // namespace fw
