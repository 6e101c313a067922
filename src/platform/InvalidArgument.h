#pragma once

#include <exception>
#include <functional>

// Raised for an index outside a page list or an empty page list; the document
// machinery catches it where it runs a view's initial update and reports it.
class InvalidArgumentError : public std::exception {
  public:
    const char* what() const noexcept override;
};

[[noreturn]] void ThrowInvalidArgument();

// Tells the user, with the stop icon: "Encountered an improper argument."
void ReportInvalidArgument();

// Runs a handler of the user's input; an invalid argument raised inside it is
// reported, as the document machinery does, instead of leaving the event loop.
void RunReportingInvalidArgument(const std::function<void()>& handler);
