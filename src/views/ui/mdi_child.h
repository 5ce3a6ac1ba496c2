#pragma once
// The two views live inside the main window as MDI children.
class QWidget;

namespace zep {

class TfrmMain;

// Adds the view to the main window's MDI area, destroyed when it closes, sized to most of the area,
// shown and made active.
void show_as_mdi_child(TfrmMain& main, QWidget* view);

} // namespace zep
