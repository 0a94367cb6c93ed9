#pragma once
// What went wrong with single items during one extract operation: items refused
// because their path leads outside the target folder, and items whose data failed
// its check. The operation goes on past them and fails at its end.

#include <cstdint>
#include <string>
#include <vector>

namespace archive {

class TExtractOutcome {
public:
    void Refused(std::string itemPath);
    void ItemFailed(std::string itemPath, std::int32_t operationResult);

    // Raises for the first damaged item, else for the first refused item, naming
    // the item and how many more there were.
    void RaiseIfAny() const;

    // The library's words for an item's operation result.
    static std::string OperationResultText(std::int32_t operationResult);

private:
    std::vector<std::string> FDamaged;
    std::vector<std::string> FRefused;
};

} // namespace archive
