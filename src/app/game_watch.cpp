#include "app/frm_main.h"

#include "platform/controls.h"

#include <QLabel>

// What the player should know about the game itself: whether it is running,
// and which copy of a roster under Program Files it really uses.

void frmMain::buildGameWatch()
{
    // In the row of the bot's number, where the other notes show; laid out
    // with the window's controls, shown only while the game runs.
    lblGameRunning = platform::addLabel(Frame1, "lblGameRunning", tr("Game running"),
                                        {3120, 120, 1335, 255}, Qt::AlignLeft);
    lblGameRunning->setToolTip(tr(
        "The game is running. It reads the roster when it starts and may write it back when it closes, "
        "over what you save now: close the game first."));
    QPalette amber = lblGameRunning->palette();
    amber.setColor(QPalette::WindowText, QColor(0xFF, 0xB0, 0x40));
    lblGameRunning->setPalette(amber);
}

void frmMain::showWhetherGameRuns()
{
    gameRunning_ = platform_.gameRunning();
    showGameNote();
}

void frmMain::showGameNote()
{
    // The two notes share the row: the file's own news comes first.
    lblGameRunning->setVisible(gameRunning_ && !lblFileChanged->isVisibleTo(this));
}

QString frmMain::gameCopyOf(const QString& path)
{
    const QString copy = platform_.virtualStoreCopy(path);
    if (copy.isEmpty() || !platform_.fileExists(copy))
        return path;
    platform_.showMessage(this,
                          tr("The game does not use this file under Program Files but its own copy:\n%1\n\n"
                                         "The editor edits that copy.")
                              .arg(copy),
                          platform::MessageIcon::Information);
    return copy;
}

QString frmMain::explainUnwritable(const QString& path, const QString& reason) const
{
    const QString copy = platform_.virtualStoreCopy(path);
    if (copy.isEmpty())
        return reason;
    return reason
        + tr("\n\nThe file lies under Program Files, which only administrators may change. The game, "
                         "run as you, writes its own copy instead, once it has saved its settings:\n%1")
              .arg(copy);
}
