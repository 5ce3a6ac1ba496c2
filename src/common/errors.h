#pragma once
// Error types shared by the file readers and writers.
#include <stdexcept>
#include <string>

namespace zep {

// A file that exists but does not hold what its format promises. The message names the file and
// what is wrong, in words a user can act on.
class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read or written.
class FileAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be stored in a single-byte record (a character outside the code page).
class TextEncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zep
