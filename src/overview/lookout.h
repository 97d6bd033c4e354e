#pragma once

// A cheap look around, every few seconds while the editor is the active
// program and at once when asked (before every write): whether the game
// runs, which the main window notes beside the bot's number, and whether a
// roster file that could not be read can be read again. A file held open
// by the game or an antivirus scan sends no change when it is let go, so
// an unreadable roster is followed on this look until it reads. The timer
// stops while another program is active, and waits while a question or a
// menu is open.

#include <QObject>

class QTimer;

namespace document {
class RosterDocument;
}
namespace platform {
class System;
}

class Lookout : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 3000;

    // Looks for the game once at once; the timer runs while the
    // application is active.
    Lookout(platform::System& system, document::RosterDocument& document, QObject* parent);

    // Looks now; true when the game runs.
    bool look();
    bool gameRunning() const { return gameRunning_; }

signals:
    // The game started or ended, as the last look found.
    void gameRunningChanged(bool running);

private:
    void lookForTheGame();
    void followApplication(Qt::ApplicationState state);

    platform::System& system_;
    document::RosterDocument& document_;
    QTimer* timer_;
    bool gameRunning_ = false;
};
