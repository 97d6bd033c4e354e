#include "platform/desktop.h"

#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

QPoint placeBeside(const QRect& anchor, const QSize& size, const QRect& screen)
{
    const int roomRight = screen.right() - anchor.right();
    const int roomLeft = anchor.left() - screen.left();
    int x = 0;
    if (roomRight >= size.width())
        x = anchor.right() + 1;
    else if (roomLeft >= size.width())
        x = anchor.left() - size.width();
    else if (roomRight >= roomLeft)
        x = screen.right() + 1 - size.width();
    else
        x = screen.left();
    const int y = std::min(anchor.top(), screen.bottom() + 1 - size.height());
    return {std::max(x, screen.left()), std::max(y, screen.top())};
}

void placeBeside(QWidget* window, const QWidget* anchor)
{
    const QScreen* screen = anchor ? anchor->screen() : nullptr;
    if (!screen)
        return;
    // The window system frames both windows alike.
    const QSize frame = anchor->frameGeometry().size() - anchor->size();
    const QRect area = screen->availableGeometry();
    window->resize(window->size().boundedTo(area.size() - frame));
    window->move(placeBeside(anchor->frameGeometry(), window->size() + frame, area));
}

void openOver(QDialog* dialog, QWidget* from)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog, [window = QPointer<QWidget>(from)] { giveKeysBack(window); });
    dialog->open();
}

void giveKeysBack(QWidget* from)
{
    // The window system would hand the keys to a window of its choosing
    // (often the main window, under the one the box was opened from).
    if (!from || !from->window()->isVisible())
        return;
    from->window()->activateWindow();
}

} // namespace platform
