#pragma once
// The key filters of the wizard's edit boxes and grids: which typed key a box or a grid cell takes.
// Pure functions of the text already there and the key, so that the window, `zep build` and the tests
// apply the same rules. Keys are Unicode characters; backspace is 8, copy, paste and cut are 3, 22 and
// 24 (the control characters of Ctrl+C, Ctrl+V and Ctrl+X).
#include "wizard/wizard_outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace zep {

inline constexpr char32_t kBackspaceKey = 8;
inline constexpr char32_t kCopyKey = 3;
inline constexpr char32_t kPasteKey = 22;
inline constexpr char32_t kCutKey = 24;

// An edit box of the wizard is named by its control: txtShifr, txtName, txtNch, txtnc2, txtKat, txtDnp,
// txtMxns, txtDelta, txtKoe, txt_C, txt_Nd and txt_kup have key rules (their filter and length limit);
// any other control has none (its length limit is 0, so that type_into_box takes nothing into it).
using WizardBox = WizardControl;

// The key filter (`CheakStrConvToReal`) of the decimal boxes (tact, scaling coefficient, cost
// threshold). True when the key typed into a box holding `text` is rejected: anything but a digit or
// the separator, a second separator, and a separator typed into an empty box. Backspace never reaches
// the filter.
bool rejects_decimal_key(std::string_view text, char32_t key, char separator);

// Characters the box holds at most.
int box_max_length(WizardBox box);

// A key typed into the chain count boxes marks the chain counts as edited (`chainCountsEdited`).
bool box_marks_chain_counts_edited(WizardBox box);

// The key as the box takes it, or nullopt when its filter drops it. The code box takes Latin letters
// (shown in upper case), digits, ".", "-" and "_"; the digit boxes digits; the decimal boxes what
// `rejects_decimal_key` accepts with `separator`; the name box any character Windows-1251 has (the task
// files hold their texts in it). Backspace always passes. The length limit is not applied here (see
// type_into_box).
std::optional<char32_t> filter_box_key(WizardBox box, std::string_view text, char32_t key, char separator);

// The box's text after `keys` have been typed at its end one by one: backspace removes the last
// character, a key the filter drops or one that would pass the length limit is lost. `text` and the
// result are UTF-8.
std::string type_into_box(WizardBox box, std::string text, std::u32string_view keys, char separator);

// The entry grids whose cells have key rules.
enum class WizardGrid {
    Chains,           // StringGrid1, step 3 without nested chains
    NestedChains,     // StringGrid1_, step 3 with nested chains
    Operations,       // StringGrid2, step 4
    Variants,         // StringGrid, step 5 without unavailable resources
    ResourceVariants, // StringGrid_a, step 5 with them
};

// What a row of the chain grid with nested chains allows.
struct GridCellContext {
    bool ordinaryChainRow = false;      // a row of an ordinary chain (StringGrid1_)
    bool manualSubgraphNumbers = false; // decomposition is on with manual numbering
};

// The most characters a cell of `column` takes by typing: nullopt when it has no limit, 0 when the
// column takes no key at all (the row number column, the locked cells of ordinary chains, the subgraph
// number column without manual numbering, and the no-suspend column, which only the space bar
// toggles).
std::optional<int> grid_column_limit(WizardGrid grid, int column, const GridCellContext& ctx);

// Whether a typed character goes into a cell holding `cell`: dropped when the column takes no key, when
// Windows-1251 lacks the character, or when the cell's text plus the character would pass the column's
// limit; backspace, copy, paste and cut always pass where the column takes keys.
bool grid_accepts_key(WizardGrid grid, int column, const GridCellContext& ctx, std::string_view cell,
                      char32_t key);

// The Delete key is ignored in the locked cells of ordinary chains (columns 3 to 7 of StringGrid1_).
bool grid_accepts_delete(WizardGrid grid, int column, const GridCellContext& ctx);

// Shift+Insert is ignored in the variant grids.
bool grid_accepts_shift_insert(WizardGrid grid);

// The no-suspend column of StringGrid_a: the space bar turns an empty cell into "*" and any other into
// an empty one. nullopt for every other grid and column (the space is an ordinary key there).
std::optional<std::string> toggle_on_space(WizardGrid grid, int column, std::string_view cell);

// Column of the no-suspend mark in StringGrid_a.
inline constexpr int kNoSuspendColumn = 3;

} // namespace zep
