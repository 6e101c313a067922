#pragma once

#include <exception>

// Raised for an index outside a page list or an empty page list; the document
// machinery catches it where it runs a view's initial update and reports it.
class InvalidArgumentError : public std::exception {
  public:
    const char* what() const noexcept override;
};

[[noreturn]] void ThrowInvalidArgument();

// Tells the user, with the stop icon: "Encountered an improper argument."
void ReportInvalidArgument();
