#pragma once
// The code and name of a task derived from a solution variant (the spreadsheet export of a solution
// as new input data).
#include <string>

namespace zep {

// Without a "." the code loses its first two characters and gains ".1"; with one, the number after
// the "." (0 when it is none) grows by one, and of a result longer than six characters the last six
// remain: ABCDEF gives CDEF.1, CDEF.1 gives CDEF.2, CD.999 gives D.1000.
std::string derived_task_code(const std::string& code);

// The code, " Var.", the variant number, ". " and the name trimmed of blanks; longer than 70
// characters it is cut to 67 and "..." appended.
std::string derived_task_name(const std::string& code, int variant, const std::string& name);

} // namespace zep
