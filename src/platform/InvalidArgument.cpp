#include "platform/InvalidArgument.h"

#include "platform/MessageBox.h"

namespace {
constexpr const char* kImproperArgument = "Encountered an improper argument.";
}

const char* InvalidArgumentError::what() const noexcept {
    return kImproperArgument;
}

void ThrowInvalidArgument() {
    throw InvalidArgumentError();
}

void ReportInvalidArgument() {
    ShowMessageBox(kImproperArgument, MB_ICONSTOP);
}

void RunReportingInvalidArgument(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const InvalidArgumentError&) {
        ReportInvalidArgument();
    }
}
