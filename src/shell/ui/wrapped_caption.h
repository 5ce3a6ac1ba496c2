#pragma once
// Captions of word-wrapping labels, cut with the caption wrapping so that the label's own word wrap
// breaks them even inside a word wider than the label. The label keeps the caption it was given, so it
// can be wrapped again after its width changed.
#include <QString>

class QLabel;

namespace zep {

// Wraps `caption` to the label's width (or `width`, when the label is not laid out yet) less 2 pixels,
// measured in the label's font, and shows it.
void set_wrapped_caption(QLabel* label, const QString& caption, int width = -1);
// Wraps the label's caption again to its present width (or `width`).
void rewrap_caption(QLabel* label, int width = -1);
// The caption wrapping of a text for a width, measured in the label's font.
QString wrapped_caption(const QLabel* label, const QString& caption, int available);

} // namespace zep
