#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace textmend {

// A failed step: a number and a description taken from the platform or the
// runtime (errno and its text, a Windows error code and its message, ...).
class StepError : public std::runtime_error {
  public:
    StepError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    std::int32_t number() const { return number_; }
    std::string description() const { return what(); }

  private:
    std::int32_t number_;
};

// "Error occurred: #" followed by the number, one space and the description.
std::string FormatErrorMessage(std::int32_t number, const std::string& description);

}  // namespace textmend
