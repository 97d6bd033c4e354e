#include "overview/lookout.h"

#include "document/roster_document.h"
#include "platform/platform.h"

#include <QApplication>
#include <QTimer>

Lookout::Lookout(platform::System& system, document::RosterDocument& document, QObject* parent)
    : QObject(parent), system_(system), document_(document), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("lookout"));
    timer_->setObjectName(QStringLiteral("lookoutTimer"));
    timer_->setInterval(IntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        // A question or a menu open: what it is about stays as it is.
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget())
            look();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Lookout::followApplication);
    followApplication(QGuiApplication::applicationState());
    lookForTheGame();
}

void Lookout::followApplication(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive) {
        timer_->stop();
        return;
    }
    if (!timer_->isActive()) {
        timer_->start();
        // Back from the game, say: the note is right at once.
        lookForTheGame();
    }
}

bool Lookout::look()
{
    lookForTheGame();
    if (document_.roster().state == roster::RosterState::Unreadable)
        document_.follow();
    return gameRunning_;
}

void Lookout::lookForTheGame()
{
    const bool running = system_.gameRunning();
    if (running == gameRunning_)
        return;
    gameRunning_ = running;
    emit gameRunningChanged(running);
}
