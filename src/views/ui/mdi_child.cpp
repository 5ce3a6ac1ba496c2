#include "views/ui/mdi_child.h"

#include "shell/ui/frm_main.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zep {

void show_as_mdi_child(TfrmMain& main, QWidget* view) {
    QMdiArea* area = main.mdi_area();
    QMdiSubWindow* child = area->addSubWindow(view);
    child->setAttribute(Qt::WA_DeleteOnClose);
    view->setAttribute(Qt::WA_DeleteOnClose);
    const QSize room = area->viewport()->size();
    if (room.width() > 200 && room.height() > 200)
        child->resize(room.width() * 19 / 20, room.height() * 19 / 20);
    else
        child->resize(1100, 700);
    // Several views may be open: each new one is placed a little lower and to the right.
    const int shift = 24 * ((static_cast<int>(area->subWindowList().size()) - 1) % 5);
    child->move(shift, shift);
    child->show();
    area->setActiveSubWindow(child);
}

} // namespace zep
