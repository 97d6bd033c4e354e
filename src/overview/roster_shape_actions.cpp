#include "overview/roster_shape_actions.h"

#include "document/messages.h"
#include "document/roster_document.h"
#include "overview/bot_showing.h"
#include "overview/library_window.h"
#include "overview/roster_actions.h"
#include "overview/roster_overview.h"
#include "platform/platform.h"

#include <QAction>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Why a write by the numbers the player chose was not made (the roster's
// words, translated where the refusal is shown).
const char* const ChangedSince
    = QT_TRANSLATE_NOOP("roster", "Bot %1 is no longer %2: the roster changed meanwhile. Nothing was changed.");

std::vector<roster::BotIndex> indexes(const QList<int>& bots) { return {bots.begin(), bots.end()}; }

} // namespace

RosterShapeActions::RosterShapeActions(platform::Platform& platform, document::RosterDocument& document,
                                       RosterActions& actions, BotShowing& showing, QWidget* mainWindow)
    : QObject(mainWindow), platform_(platform), document_(document), actions_(actions), showing_(showing),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("rosterShapeActions"));
}

void RosterShapeActions::serve(RosterOverview& overview)
{
    overview_ = &overview;
    QWidget* from = &overview;
    const auto selected = [this] { return overview_ ? overview_->selectedBots() : QList<int>(); };
    const auto single = [selected] {
        const QList<int> bots = selected();
        return bots.size() == 1 ? bots.constFirst() : -1;
    };
    const auto any = [](const QList<int>& bots) { return !bots.isEmpty(); };
    struct Item {
        const char* name;
        QString text;
        QKeySequence key;
        std::function<void()> verb;
        std::function<bool(const QList<int>&)> allowed; // for the bots selected
    };
    const Item items[] = {
        {"AddBot", tr("&Add Bot"), QKeySequence(Qt::Key_Insert), [this, from] { addBot(from); },
         [](const QList<int>&) { return true; }},
        {"Duplicate", tr("D&uplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
         [this, from, selected] { duplicateBots(from, selected()); }, any},
        {"Remove", tr("&Remove"), QKeySequence(QKeySequence::Delete),
         [this, from, selected] { removeBots(from, selected()); }, any},
        {"MoveUp", tr("Move U&p"), QKeySequence(Qt::ALT | Qt::Key_Up),
         [this, from, single] { moveBot(from, single(), roster::Direction::Up); },
         [](const QList<int>& bots) { return bots.size() == 1 && bots.constFirst() > 0; }},
        {"MoveDown", tr("Move Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down),
         [this, from, single] { moveBot(from, single(), roster::Direction::Down); },
         [this](const QList<int>& bots) {
             return bots.size() == 1 && bots.constFirst() + 1 < document_.model().botCount();
         }},
    };
    QList<QAbstractButton*> buttons;
    for (const Item& item : items) {
        auto* button = new QPushButton(item.text, &overview);
        button->setObjectName(QStringLiteral("cmd") + QLatin1String(item.name));
        // The buttons say their keys where the pointer rests.
        button->setToolTip(item.key.toString(QKeySequence::NativeText));
        auto* action = new QAction(item.text, &overview);
        action->setObjectName(QStringLiteral("act") + QLatin1String(item.name));
        action->setShortcut(item.key);
        connect(action, &QAction::triggered, this, item.verb);
        connect(button, &QPushButton::clicked, this, item.verb);
        overview.addRowAction(action);
        buttons.append(button);
        controls_.push_back({action, button, item.allowed});
    }
    overview.addButtonRow(buttons);
    connect(&overview, &RosterOverview::selectionChanged, this, &RosterShapeActions::enableButtons);
    connect(&document_, &document::RosterDocument::changed, this, &RosterShapeActions::enableButtons);
    enableButtons();
}

void RosterShapeActions::enableButtons()
{
    const QList<int> bots = overview_ ? overview_->selectedBots() : QList<int>();
    for (const Control& control : controls_) {
        const bool allowed = control.allowed(bots);
        control.action->setEnabled(allowed);
        control.button->setEnabled(allowed);
    }
}

void RosterShapeActions::showLibrary()
{
    if (!library_)
        library_ = new LibraryWindow(platform_, document_, actions_, *this, mainWindow_);
    library_->show();
    library_->raise();
    library_->activateWindow();
}

LibraryWindow* RosterShapeActions::library() const { return library_; }

bool RosterShapeActions::rosterInForce(QWidget* from)
{
    if (document_.isOpen())
        return true;
    platform_.showMessage(from, document::Messages::noRosterOpen(), platform::MessageIcon::None);
    return false;
}

bool RosterShapeActions::settleIfTouched(QWidget* from, bool touched)
{
    return actions_.readyToWrite(from, touched);
}

QString RosterShapeActions::nameOf(int bot) const
{
    const auto& bots = document_.roster().bots;
    return bot >= 0 && bot < static_cast<int>(bots.size())
        ? QString::fromStdString(bots[static_cast<std::size_t>(bot)].name)
        : QString();
}

bool RosterShapeActions::tell(QWidget* from, const document::Outcome& outcome)
{
    if (outcome.done())
        return true;
    platform_.showMessage(from, document::Messages::failure(outcome, document::Write::Change, document_.path()),
                          platform::MessageIcon::None);
    return false;
}

bool RosterShapeActions::write(QWidget* from, const QString& text, const QList<int>& numbers,
                               const roster::RosterPlan& plan)
{
    // The names as the player saw them, before a question let the file change.
    std::vector<std::pair<roster::BotIndex, std::string>> chosen;
    for (int bot : numbers)
        chosen.emplace_back(static_cast<roster::BotIndex>(bot), nameOf(bot).toStdString());
    const auto checked = [&chosen, &plan](const std::vector<profile::KeyValue>& entries,
                                          roster::TextEncoding encoding) {
        std::vector<roster::BotIndex> held;
        for (const auto& bot : chosen)
            held.push_back(bot.first);
        const std::vector<roster::SharedBot> now = roster::CollectBots(entries, held, encoding);
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (now[i].name != chosen[i].second || chosen[i].second.empty())
                return roster::RosterEdits{
                    {}, roster::Refusal{ChangedSince, {std::to_string(chosen[i].first), chosen[i].second}}};
        }
        return plan(entries, encoding);
    };
    return tell(from, document_.apply(text, checked));
}

bool RosterShapeActions::addBots(QWidget* from, const QString& text, const std::vector<roster::SharedBot>& bots)
{
    if (!actions_.readyToWrite(from, false) || !tell(from, document_.addBots(text, bots)))
        return false;
    // The added bots end the list.
    QList<int> added;
    const int count = document_.model().botCount();
    for (int bot = count - static_cast<int>(bots.size()); bot < count; ++bot)
        added.append(bot);
    selectInOverview(added);
    return true;
}

void RosterShapeActions::addBot(QWidget* from)
{
    if (!rosterInForce(from))
        return;
    std::vector<std::string> names;
    for (const roster::ListedBot& bot : document_.roster().bots)
        names.push_back(bot.name);
    const std::string name = roster::NewBotName(names);
    const std::optional<roster::ListedBot> shown = showing_.shownValues();
    addBots(from, tr("Add %1").arg(QString::fromStdString(name)),
            {roster::MakeNewBot(name, shown ? &shown->fields : nullptr)});
}

void RosterShapeActions::duplicateBots(QWidget* from, const QList<int>& bots)
{
    if (bots.isEmpty() || !rosterInForce(from))
        return;
    roster::CollectedBots collected = document_.collect(indexes(bots));
    if (!collected.error.empty()) {
        platform_.showMessage(from, document::Messages::unreadable(collected.error), platform::MessageIcon::None);
        return;
    }
    // Each copy's name differs from every name of the roster and the copies before it.
    std::vector<std::string> names;
    for (const roster::ListedBot& bot : document_.roster().bots)
        names.push_back(bot.name);
    for (roster::SharedBot& bot : collected.bots) {
        names.push_back(roster::DuplicateName(bot.name, names));
        bot = roster::RenamedBot(std::move(bot), names.back());
    }
    const int count = static_cast<int>(bots.size());
    addBots(from, count == 1 ? tr("Duplicate %1").arg(nameOf(bots.constFirst())) : tr("Duplicate %n bots", nullptr, count),
            collected.bots);
}

void RosterShapeActions::removeBots(QWidget* from, const QList<int>& bots)
{
    if (bots.isEmpty() || !rosterInForce(from))
        return;
    QStringList names;
    for (int bot : bots)
        names.append(nameOf(bot));
    const int count = static_cast<int>(bots.size());
    const QString question = count == 1
        ? tr("Remove %1 from the roster? The bots after it move up.").arg(names.constFirst())
        : tr("Remove these %n bots from the roster? The bots after them move up.\n\n%1", nullptr, count)
              .arg(names.join(QStringLiteral(", ")));
    if (!platform_.confirm(from, question))
        return;
    // The shown bot changes when it goes or moves up.
    const int shown = document_.model().shownBot();
    const int first = *std::min_element(bots.begin(), bots.end());
    if (!settleIfTouched(from, shown >= first))
        return;
    const QString text = count == 1 ? tr("Remove %1").arg(names.constFirst()) : tr("Remove %n bots", nullptr, count);
    const std::vector<roster::BotIndex> numbers = indexes(bots);
    if (!write(from, text, bots, [&numbers](const std::vector<profile::KeyValue>& entries, roster::TextEncoding) {
            return roster::RemoveBots(entries, numbers);
        }))
        return;
    if (shown >= 0 && !bots.contains(shown))
        followShownBot(shown, shown - static_cast<int>(std::count_if(bots.begin(), bots.end(),
                                                                     [shown](int bot) { return bot < shown; })));
    // The bot that came up into the first place removed, else the last.
    const int next = std::min(first, document_.model().botCount() - 1);
    selectInOverview(next >= 0 ? QList<int>{next} : QList<int>());
}

void RosterShapeActions::moveBot(QWidget* from, int bot, roster::Direction direction)
{
    const int other = direction == roster::Direction::Up ? bot - 1 : bot + 1;
    if (bot < 0 || other < 0 || other >= document_.model().botCount() || !rosterInForce(from))
        return;
    const int shown = document_.model().shownBot();
    if (!settleIfTouched(from, shown == bot || shown == other))
        return;
    const QString name = nameOf(bot);
    const QString text = direction == roster::Direction::Up ? tr("Move %1 Up").arg(name) : tr("Move %1 Down").arg(name);
    const auto number = static_cast<roster::BotIndex>(bot);
    if (!write(from, text, {bot}, [number, direction](const std::vector<profile::KeyValue>& entries, roster::TextEncoding) {
            return roster::MoveBot(entries, number, direction);
        }))
        return;
    if (shown == bot || shown == other)
        followShownBot(shown, shown == bot ? other : bot);
    selectInOverview({other});
}

void RosterShapeActions::deal(QWidget* from, const std::vector<roster::LibraryBot>& library,
                              const roster::DealRequest& request)
{
    if (!rosterInForce(from))
        return;
    // Every bot but the kept ones may change.
    const int shown = document_.model().shownBot();
    const bool kept = std::find(request.kept.begin(), request.kept.end(), shown) != request.kept.end();
    if (!settleIfTouched(from, shown >= 0 && !kept))
        return;
    const QList<int> keptBots(request.kept.begin(), request.kept.end());
    write(from, tr("Deal Roster (%n bots)", nullptr, request.count), keptBots,
          [&library, &request](const std::vector<profile::KeyValue>& entries, roster::TextEncoding encoding) {
              return roster::PlanDeal(entries, encoding, library, request);
          });
}

void RosterShapeActions::followShownBot(int shownBefore, int shownAfter)
{
    if (shownAfter != shownBefore && document_.model().shownBot() == shownBefore)
        showing_.showBot(shownAfter);
}

void RosterShapeActions::selectInOverview(const QList<int>& bots)
{
    if (overview_)
        overview_->selectBots(bots);
}
