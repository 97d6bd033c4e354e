#pragma once

#include "roster/roster.h"

#include <optional>

class QWidget;

// What the main window does for the roster's windows: the bot it shows.
class BotShowing {
public:
    // Asks about the shown bot's changes not yet saved, over `asker`; false
    // when the player cancelled or the save did not go through.
    virtual bool settleChanges(QWidget* asker) = 0;
    // Shows the bot as picking it in the main window's list does.
    virtual void showBot(int bot) = 0;
    // The shown bot's values as the main window holds them, changes not yet
    // saved included; nothing when no bot is shown.
    virtual std::optional<roster::ListedBot> shownValues() const = 0;

protected:
    ~BotShowing() = default;
};
