#include "overview/check_roster_window.h"

#include "overview/roster_actions.h"
#include "platform/desktop.h"

#include "document/messages.h"
#include "document/roster_document.h"
#include "overview/bot_showing.h"
#include "platform/identity.h"
#include "platform/platform.h"
#include "platform/translate.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { BotColumn, NameColumn, KeyColumn, HeldColumn, FixColumn, GameColumn, Columns };

bool sameFinding(const game::Finding& a, const game::Finding& b)
{
    return a.bot == b.bot && a.kind == b.kind && a.key == b.key;
}

} // namespace

CheckRosterWindow::CheckRosterWindow(platform::Platform& platform, document::RosterDocument& document,
                                     RosterActions& actions, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), document_(document), actions_(actions)
{
    setObjectName(QStringLiteral("frmCheckRoster"));
    setWindowTitle(tr("Check Roster - %1").arg(QString::fromUtf8(identity::Title)));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Fi&ndings: where the game will not play the roster as the file holds it"), this);
    caption->setObjectName(QStringLiteral("lblFindings"));
    lstFindings = new QTreeWidget(this);
    lstFindings->setObjectName(QStringLiteral("lstFindings"));
    lstFindings->setAccessibleName(tr("Findings"));
    lstFindings->setRootIsDecorated(false);
    lstFindings->setUniformRowHeights(true);
    lstFindings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFindings->setHeaderLabels({tr("#"), tr("Bot"), tr("Key"), tr("In the file"), tr("Fix writes"),
                                  tr("What the game does")});
    caption->setBuddy(lstFindings);
    lblInstall = new QLabel(document::Messages::noInstall(), this);
    lblInstall->setObjectName(QStringLiteral("lblInstall"));
    lblInstall->setWordWrap(true);
    layout->addWidget(caption);
    layout->addWidget(lstFindings, 1);
    layout->addWidget(lblInstall);

    auto* buttons = new QHBoxLayout;
    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    cmdFix = new QPushButton(tr("&Fix"), this);
    cmdFix->setObjectName(QStringLiteral("cmdFix"));
    cmdFix->setToolTip(tr("Write the fixes of the selected findings"));
    cmdFixAll = new QPushButton(tr("Fix &All"), this);
    cmdFixAll->setObjectName(QStringLiteral("cmdFixAll"));
    cmdFixAll->setToolTip(tr("Write the fix of every finding that has one"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(lblState, 1);
    buttons->addWidget(cmdFix);
    buttons->addWidget(cmdFixAll);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    auto* actClose = new QAction(this);
    actClose->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(actClose);

    connect(cmdFix, &QPushButton::clicked, this, [this] { fix(selectedFixes()); });
    connect(cmdFixAll, &QPushButton::clicked, this, [this] {
        std::vector<game::Finding> all;
        std::copy_if(findings_.begin(), findings_.end(), std::back_inserter(all),
                     [](const game::Finding& f) { return !f.fix.empty(); });
        fix(all);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(actClose, &QAction::triggered, this, &QWidget::close);
    connect(lstFindings, &QTreeWidget::itemSelectionChanged, this, &CheckRosterWindow::showSelection);
    connect(lstFindings, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int bot = findings_[static_cast<std::size_t>(lstFindings->indexOfTopLevelItem(item))].bot;
        if (bot < document_.model().botCount())
            actions_.showing().showBot(bot);
    });
    // It shows the document while open; it is brought up to date as it opens.
    const auto follow = [this] {
        if (isVisible())
            showCheck();
    };
    connect(&document_, &document::RosterDocument::opened, this, follow);
    connect(&document_, &document::RosterDocument::changed, this, follow);
    connect(&document_, &document::RosterDocument::installChanged, this, follow);
    setTabOrder(lstFindings, cmdFix);
    setTabOrder(cmdFix, cmdFixAll);
    setTabOrder(cmdFixAll, cmdClose);
    resize(860, 420);
}

void CheckRosterWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showCheck();
    lstFindings->setFocus();
    // Beside the main window where there is room, wholly on its screen.
    if (!event->spontaneous())
        platform::placeBeside(this, parentWidget());
}

void CheckRosterWindow::showCheck()
{
    const std::vector<game::Finding> selected = selectedFindings();
    const int currentRow = lstFindings->indexOfTopLevelItem(lstFindings->currentItem());
    const game::Finding current = currentRow >= 0 ? findings_[static_cast<std::size_t>(currentRow)] : game::Finding{};
    const game::RosterCheck none;
    const game::RosterCheck& check = document_.isOpen() ? document_.check() : none;
    findings_ = check.findings;
    const QSignalBlocker quiet(lstFindings);
    lstFindings->clear();
    for (const game::Finding& finding : findings_) {
        auto* item = new QTreeWidgetItem(lstFindings);
        item->setText(BotColumn, QString::number(finding.bot));
        item->setTextAlignment(BotColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(NameColumn, QString::fromStdString(finding.botName));
        item->setText(KeyColumn, QString::fromStdString(finding.key));
        item->setText(HeldColumn, QString::fromStdString(finding.held));
        item->setText(FixColumn, document::Messages::fixOf(finding));
        const QString sentence = document::Messages::finding(finding);
        item->setText(GameColumn, sentence);
        item->setToolTip(GameColumn, sentence);
        const bool chosen = std::any_of(selected.begin(), selected.end(),
                                        [&](const game::Finding& f) { return sameFinding(f, finding); });
        item->setSelected(chosen);
        if (sameFinding(current, finding))
            lstFindings->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
    // A list opened afresh starts at its first finding.
    if (!lstFindings->currentItem() && lstFindings->topLevelItemCount() > 0)
        lstFindings->setCurrentItem(lstFindings->topLevelItem(0));
    for (int column = 0; column < GameColumn; ++column)
        lstFindings->resizeColumnToContents(column);

    if (!document_.isOpen())
        lblState->setText(document::Messages::noRosterOpen());
    else if (document_.roster().state == roster::RosterState::Missing)
        lblState->setText(platform::rosterWord(check.error));
    else if (!check.error.empty())
        lblState->setText(document::Messages::unreadable(check.error));
    else if (findings_.empty())
        lblState->setText(tr("The game plays the roster as the file holds it."));
    else
        lblState->setText(tr("Findings: %n", nullptr, static_cast<int>(findings_.size())));
    lblInstall->setVisible(document_.isOpen() && check.error.empty() && !check.looksChecked);
    cmdFixAll->setEnabled(std::any_of(findings_.begin(), findings_.end(),
                                      [](const game::Finding& f) { return !f.fix.empty(); }));
    showSelection();
}

std::vector<game::Finding> CheckRosterWindow::selectedFindings() const
{
    std::vector<game::Finding> chosen;
    for (int row = 0; row < lstFindings->topLevelItemCount(); ++row) {
        if (lstFindings->topLevelItem(row)->isSelected())
            chosen.push_back(findings_[static_cast<std::size_t>(row)]);
    }
    return chosen;
}

std::vector<game::Finding> CheckRosterWindow::selectedFixes() const
{
    std::vector<game::Finding> chosen = selectedFindings();
    std::erase_if(chosen, [](const game::Finding& f) { return f.fix.empty(); });
    return chosen;
}

void CheckRosterWindow::showSelection() { cmdFix->setEnabled(!selectedFixes().empty()); }

void CheckRosterWindow::fix(const std::vector<game::Finding>& findings)
{
    if (findings.empty())
        return;
    // The shown bot's changes are settled first when a fix writes one of
    // its keys: its boxes would otherwise hold values the file no longer has.
    const int shown = document_.model().shownBot();
    const bool ofShown
        = std::any_of(findings.begin(), findings.end(), [shown](const game::Finding& f) { return f.bot == shown; });
    if (!actions_.readyToWrite(this, ofShown))
        return;
    const document::Outcome outcome = document_.fix(findings);
    if (!outcome.done())
        platform_.showMessage(this, document::Messages::failure(outcome, document::Write::Fix, document_.path()),
                              platform::MessageIcon::None);
}
