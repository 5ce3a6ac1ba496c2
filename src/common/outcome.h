#pragma once
// How the core says no. A computation that may refuse what it was given returns an Outcome: either its
// result or a Refusal, a value that says what failed and where, and words nothing. The edges (the
// wizard, `zep`, the windows) turn a refusal into the words of the language shell in use.
//
// Files that cannot be read or written are not refusals: they throw FileAccessError and
// FileFormatError (common/errors.h).
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zep {

// What failed (`kind`, one enum per module) and the place it failed at. A field that does not apply
// keeps its default.
template <class Kind> struct Refusal {
    Kind kind{};
    int chainNo = 0;   // the chain, numbered from 1
    int opNo = 0;      // the operation in its chain, numbered from 1
    int variantNo = 0; // the variant of the operation, numbered from 1
    int row = -1;      // the 0-based grid row to put the focus on
    double value = 0;  // the value refused (a count, an estimate)
    double limit = 0;  // the limit it passed
    // What the words name when a number does not say it: a code, a file, a reader's message.
    std::string subject{};
    // What the words list after the subject: the entries a file lacks.
    std::vector<std::string> items{};
};

// The result of a computation (T; std::monostate when the computation only succeeds or not), or why it
// refused.
template <class Kind, class T = std::monostate> class Outcome {
public:
    Outcome() = default; // done, for a T that has a default
    Outcome(T value) : v_(std::move(value)) {}
    Outcome(Refusal<Kind> refusal) : v_(std::move(refusal)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const { return std::get<0>(v_); }
    T& value() { return std::get<0>(v_); }
    // Only when !ok().
    const Refusal<Kind>& refusal() const { return std::get<1>(v_); }

private:
    std::variant<T, Refusal<Kind>> v_;
};

} // namespace zep
