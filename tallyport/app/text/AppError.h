// AppError: a run-time error with the number and description the program's messages show
// (53 file not found, 3024 database file not found, 3265 item not found, ...). Every layer throws
// it; the screens and the command-line front end catch it and report it.
#pragma once

#include <stdexcept>
#include <string>

namespace tp {

class AppError : public std::runtime_error {
public:
    AppError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

    // "3265 - no such column: OACH": the form error messages show.
    std::string numberAndDescription() const;

private:
    int number_;
    std::string description_;
};

// Error numbers the program tells apart.
namespace err {
inline constexpr int InvalidProcedureCall = 5;   // a character that cannot be shifted
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int FileNotFound = 53;
inline constexpr int PathFileAccess = 75;         // a file that cannot be written, read or deleted
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int DatabaseNotFound = 3024;
inline constexpr int ItemNotFound = 3265;
inline constexpr int ComponentNotAvailable = 429; // the uploader component cannot be created
}  // namespace err

}  // namespace tp
