#include "archive/ExtractOutcome.h"

#include "archive/SevenZipInterfaces.h"
#include "framework/Exception.h"
#include "framework/Format.h"

namespace archive {

namespace {

std::string MoreItems(const std::vector<std::string>& items) {
    return items.size() > 1 ? fw::Format(" (and %d more)", int(items.size() - 1)) : std::string();
}

} // namespace

void TExtractOutcome::Refused(std::string itemPath) {
    FRefused.push_back(std::move(itemPath));
}

void TExtractOutcome::ItemFailed(std::string itemPath, std::int32_t operationResult) {
    FDamaged.push_back(
        fw::Format("Cannot extract \"%s\": %s", itemPath, OperationResultText(operationResult)));
}

void TExtractOutcome::RaiseIfAny() const {
    if (!FDamaged.empty())
        throw fw::Exception(FDamaged.front() + MoreItems(FDamaged));
    if (!FRefused.empty())
        throw fw::Exception(fw::Format("Refused to extract \"%s\": its path leads outside the "
                                       "target folder",
                                       FRefused.front()) +
                            MoreItems(FRefused));
}

std::string TExtractOutcome::OperationResultText(std::int32_t operationResult) {
    switch (operationResult) {
    case NOperationResult::kOK:
        return "no error";
    case NOperationResult::kUnsupportedMethod:
        return "unsupported compression method";
    case NOperationResult::kDataError:
        return "data error";
    case NOperationResult::kCRCError:
        return "CRC error";
    case NOperationResult::kUnavailable:
        return "data unavailable";
    case NOperationResult::kUnexpectedEnd:
        return "unexpected end of data";
    case NOperationResult::kDataAfterEnd:
        return "data after the end of the item";
    case NOperationResult::kIsNotArc:
        return "not an archive";
    case NOperationResult::kHeadersError:
        return "headers error";
    case NOperationResult::kWrongPassword:
        return "wrong password";
    default:
        return fw::Format("error %d", operationResult);
    }
}

} // namespace archive
