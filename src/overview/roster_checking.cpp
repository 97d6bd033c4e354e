#include "overview/roster_checking.h"

#include "overview/roster_actions.h"

#include "document/messages.h"
#include "document/roster_document.h"
#include "overview/appearance_dialog.h"
#include "overview/bot_showing.h"
#include "overview/check_roster_window.h"
#include "overview/roster_overview.h"
#include "platform/platform.h"

#include <QAction>
#include <QPushButton>

RosterChecking::RosterChecking(platform::Platform& platform, document::RosterDocument& document,
                               RosterActions& actions, QWidget* mainWindow)
    : QObject(mainWindow), platform_(platform), document_(document), actions_(actions), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("rosterChecking"));
}

void RosterChecking::showCheckWindow()
{
    if (!window_)
        window_ = new CheckRosterWindow(platform_, document_, actions_, mainWindow_);
    if (!window_->isVisible()) {
        document_.follow();
        window_->show();
    }
    window_->raise();
    window_->activateWindow();
}

void RosterChecking::serveOverview(RosterOverview* overview)
{
    auto* cmdCheckRoster = new QPushButton(tr("&Check Roster..."), overview);
    cmdCheckRoster->setObjectName(QStringLiteral("cmdCheckRoster"));
    auto* cmdAppearance = new QPushButton(tr("Appeara&nce..."), overview);
    cmdAppearance->setObjectName(QStringLiteral("cmdAppearance"));
    overview->addButtonRow({cmdCheckRoster, cmdAppearance});
    auto* actAppearance = new QAction(tr("Appeara&nce..."), overview);
    actAppearance->setObjectName(QStringLiteral("actAppearance"));
    overview->addRowAction(actAppearance);

    const auto appear = [this, overview] { appearance(overview, overview->selectedBots()); };
    connect(cmdCheckRoster, &QPushButton::clicked, this, &RosterChecking::showCheckWindow);
    connect(cmdAppearance, &QPushButton::clicked, this, appear);
    connect(actAppearance, &QAction::triggered, this, appear);
    const auto enable = [overview, cmdAppearance, actAppearance] {
        const bool any = !overview->selectedBots().isEmpty();
        cmdAppearance->setEnabled(any);
        actAppearance->setEnabled(any);
    };
    connect(overview, &RosterOverview::selectionChanged, this, enable);
    enable();
}

void RosterChecking::appearance(QWidget* from, const QList<int>& bots)
{
    if (bots.isEmpty())
        return;
    const std::vector<roster::BotIndex> numbers(bots.begin(), bots.end());
    const game::RosterCheck& check = document_.check();
    const auto first = static_cast<std::size_t>(bots.front());
    const auto& listed = document_.roster().bots;
    const QString title = bots.size() == 1 && first < listed.size()
        ? tr("Appearance of %1").arg(QString::fromStdString(listed[first].name))
        : tr("Appearance (%n bots)", nullptr, static_cast<int>(bots.size()));
    auto* dialog = new AppearanceDialog(document_.install(), first < check.looks.size() ? check.looks[first] : game::Looks{},
                                        title, from);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, from, dialog, bots, numbers] {
        // The shown bot's changes are settled first when it is one of them.
        if (!actions_.readyToWrite(from, bots.contains(document_.model().shownBot())))
            return;
        const document::Outcome outcome = document_.setAppearance(numbers, dialog->chosen());
        if (!outcome.done())
            platform_.showMessage(from,
                                  document::Messages::failure(outcome, document::Write::Appearance, document_.path()),
                                  platform::MessageIcon::None);
    });
    dialog->open();
}
