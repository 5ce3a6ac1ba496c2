#pragma once
// Caption wrapping for word-wrapping labels: a caption wider than the space it has is cut into pieces
// joined by " " (where the cut falls at a blank) or "- " (inside a word), so that the label's own word
// wrap breaks it at those places even where a word alone is wider than the label.
#include <functional>
#include <string>

namespace zep {

// `measure` gives the width of a text in the label's font; `available` is the label's width less 2.
// A caption that fits (not wider than `available`), or an `available` of 0 or less, comes back as it is.
// A piece "reaches" the width when it is at least `available` wide.
std::u32string wrap_caption(const std::u32string& caption, int available,
                            const std::function<int(const std::u32string&)>& measure);

} // namespace zep
