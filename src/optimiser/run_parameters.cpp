#include "optimiser/run_parameters.h"

#include "common/number_text.h"

namespace zep {

std::string parameter_value_text(const RunParameter& rp, double value, int decimals, char separator) {
    if (rp.kind == ParameterKind::Real)
        return format_fixed(value, decimals, separator);
    return std::to_string(static_cast<long long>(value));
}

} // namespace zep
