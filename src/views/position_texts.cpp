#include "views/position_texts.h"

#include "views/view_text.h"

namespace zep {

std::vector<std::string> position_texts(const TaskRecord& rec, int chain, const ShellTables& shell) {
    const int ordinary = rec.header.chainCount - rec.header.nestedChainCount;
    if (chain <= ordinary || chain > static_cast<int>(rec.chains.size()))
        return {};
    const ChainRec& ch = rec.chains[chain - 1];
    std::vector<std::string> texts;
    if (decomposition_mode(rec.header) == Decomposition::NestedSubgraphs)
        texts.push_back("[" + view_text(shell, ViewText::Subgraph) + ": " + std::to_string(ch.subgraphNo) +
                        "]");
    texts.push_back("[" + view_text(shell, ViewText::FromTo) + ": (" + std::to_string(ch.fromChain) + ";" +
                    std::to_string(ch.fromOp) + "), (" + std::to_string(ch.toChain) + ";" +
                    std::to_string(ch.toOp) + ")]");
    return texts;
}

} // namespace zep
