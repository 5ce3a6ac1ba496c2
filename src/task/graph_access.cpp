#include "task/graph_access.h"

#include <cmath>
#include <stdexcept>

namespace zep {
namespace {

[[noreturn]] void inconsistent(const std::string& what) {
    throw std::invalid_argument("the task record cannot be prepared: " + what);
}

std::string chain_text(int chainNo) {
    return "chain " + std::to_string(chainNo);
}

} // namespace

void check_graph_shape(const TaskRecord& rec) {
    const int n = static_cast<int>(rec.chains.size());
    if (rec.workingChainCount != n)
        inconsistent("the chain count " + std::to_string(rec.workingChainCount) + " differs from the " +
                     std::to_string(n) + " chains held");
    if (rec.workingNestedChainCount < 0 || rec.workingNestedChainCount >= n)
        inconsistent("the nested chain count " + std::to_string(rec.workingNestedChainCount) +
                     " is not below the chain count");
    for (int c = 1; c <= n; ++c) {
        const ChainRec& chain = chain_no(rec, c);
        if (chain.opCount < 1 || chain.opCount != static_cast<int>(chain.operations.size()))
            inconsistent(chain_text(c) + " holds " + std::to_string(chain.operations.size()) +
                         " operations for an operation count of " + std::to_string(chain.opCount));
        if (!is_nested_chain(rec, c))
            continue;
        if (chain.fromChain < 1 || chain.fromChain >= c || chain.toChain < 1 || chain.toChain >= c)
            inconsistent(chain_text(c) + " does not hang on chains above it");
        if (chain.fromOp < 1 || chain.fromOp > chain_no(rec, chain.fromChain).opCount || chain.toOp < 1 ||
            chain.toOp > chain_no(rec, chain.toChain).opCount)
            inconsistent(chain_text(c) + " hangs on an operation its parent does not have");
    }
}

double round_to_cents(double value) {
    return round_half_even(value * 100.0) / 100.0;
}

} // namespace zep
