#pragma once
// Rows of the views as plain data: what the windows show, the printout prints and the spreadsheet
// export writes.
#include <string>
#include <vector>

namespace zep {

// A key/value row of a parameter list.
struct ListRow {
    std::string key;
    std::string value;
    // The key continues the row above it ("... <2>"): the window puts blanks before it until it reaches
    // the width of the list's first key less 10 pixels.
    bool alignedUnderFirstKey = false;
    // A rule of "-" runs where a section of the list begins (the resources of the task view): not a key,
    // so it takes no part in the width of the key column.
    bool rule = false;
    bool operator==(const ListRow&) const = default;
};

enum class GridRowKind {
    Operation, // one operation (task view: one variant of an operation)
    Position,  // added under a nested chain to hold its position texts
    Separator, // runs of "-" after every chain
};

struct GridRow {
    GridRowKind kind = GridRowKind::Operation;
    int chain = 0; // from 1
    int op = 0;    // from 1; 0 on position and separator rows
    std::vector<std::string> cells;
};

} // namespace zep
