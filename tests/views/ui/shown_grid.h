#pragma once
// A view's grid compared with the rows `zep show --json` prints for it, cell by cell.
#include "common/json_reader.h"
#include "views/ui/titled_grid.h"

#include <QTableWidget>
#include <gtest/gtest.h>

namespace zep::test {

inline void expect_grid_as_shown(const TitledGrid* grid, const JsonValue* rows) {
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(grid->grid()->rowCount(), static_cast<int>(rows->items.size()));
    for (int r = 0; r < grid->grid()->rowCount(); ++r) {
        const JsonValue& cells = *rows->items[r].find("cells");
        for (int c = 0; c < static_cast<int>(cells.items.size()); ++c)
            EXPECT_EQ(grid->cell(r, c), QString::fromStdString(cells.items[c].string)) << r << "," << c;
    }
}

} // namespace zep::test
