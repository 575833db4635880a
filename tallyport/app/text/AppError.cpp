#include "AppError.h"

namespace tp {

AppError::AppError(int number, std::string description)
    : std::runtime_error(std::to_string(number) + " - " + description),
      number_(number),
      description_(std::move(description)) {}

std::string AppError::numberAndDescription() const {
    return std::to_string(number_) + " - " + description_;
}

}  // namespace tp
