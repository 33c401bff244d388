#include "engine/StepError.h"

namespace textmend {

std::string FormatErrorMessage(std::int32_t number, const std::string& description) {
    return "Error occurred: #" + std::to_string(number) + " " + description;
}

}  // namespace textmend
