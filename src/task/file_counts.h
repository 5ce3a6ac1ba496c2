#pragma once
// Counts read from a task data file, checked before anything is sized by them: a count outside its
// limits is a damaged or foreign file, reported with the file's name, the count's name and the limits.
#include "common/byte_codec.h"

#include <string>

namespace zep {

// Reads an int32 and fails the reader unless lo <= value <= hi.
int read_count(ByteReader& r, const std::string& what, int lo, int hi);

// Fails the reader unless lo <= value <= hi (for a value read as part of a record).
// The value is wide so that a number derived from a stored one is judged before it could overflow.
void check_count(const ByteReader& r, const std::string& what, long long value, int lo, int hi);

} // namespace zep
