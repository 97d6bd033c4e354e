#pragma once

// How the program's windows behave on the desktop: where a window opens
// (wholly on the screen, beside the window it belongs to), and that the
// window a dialog or a message box was opened from has the keys again once
// it closes, so that the next key goes where the player was, never to
// another of the program's windows.

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace platform {

// Where a window whose frame is `size` goes beside `anchor` (another
// window's frame) on a screen whose available area is `screen`: to the
// right of it where there is room, else to the left; where neither side
// has room, flush with the screen's edge on the side with more room, so
// that it covers as little of `anchor` as it can. Its top is level with
// `anchor`'s, raised as far as its bottom must be to stay on the screen. A
// window larger than the screen gets the screen's top left corner.
QPoint placeBeside(const QRect& anchor, const QSize& size, const QRect& screen);
// So moves `window` beside `anchor`, on its screen, shrunk to the screen
// where it is larger.
void placeBeside(QWidget* window, const QWidget* anchor);

// Opens `dialog` window-modal over `from`'s window and deletes it once it
// closes; that window is then the active one again, with the focus where
// it was.
void openOver(QDialog* dialog, QWidget* from);

// Makes `from`'s window (when still shown) the active one again, its focus
// where it was: after a modal box over it closed.
void giveKeysBack(QWidget* from);

} // namespace platform
