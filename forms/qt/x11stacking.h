#pragma once

class QWidget;

namespace qtforms {

// Stacking for a window that the X11 window manager does not manage. Such a window gets no
// stacking from the window manager: it is mapped above everything and stays there while other
// windows are raised beneath it. This keeps it directly above another top-level window's frame,
// so that whatever covers that window covers it too. On any other platform it does nothing.
namespace x11stacking {

// Restacks the shown window directly above the outermost X window holding anchor, which is the
// window manager's frame when there is one.
void stackJustAbove(QWidget &window, QWidget &anchor);

// Marks the window with the states _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER.
// Unmanaged, it is on no window manager's client list, which is what taskbars and pagers read;
// the states say the same to anything that finds the window by other means.
void skipTaskbarAndPager(QWidget &window);

} // namespace x11stacking

} // namespace qtforms
