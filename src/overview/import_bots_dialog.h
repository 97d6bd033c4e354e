#pragma once

// The "Import Bots" dialog: the bots of a bot file, each with a check box
// (all ticked at first), and where the ticked ones go: after the last bot,
// or in place of the bots selected in the overview when as many are
// selected as are ticked. A text holding several rosters (a whole user INI
// file) offers each of its bot sections in a box above the list, which
// follows the choice. When the ticked bots do not all fit after the last
// bot, OK says how many would and the dialog stays open, ticks and all, so
// that some can be unticked. It decides nothing else: the caller numbers
// the bots and writes them.

#include "roster/bot_file.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QRadioButton;

class ImportBotsDialog : public QDialog {
    Q_OBJECT

public:
    // Where `count` bots would go after the last bot of the roster as it
    // stands when OK is pressed (roster::ChooseTargets).
    using AfterLastCheck = std::function<roster::Targets(int count)>;

    // `sections`: those of a reading that was not refused.
    ImportBotsDialog(std::vector<roster::BotSection> sections, int selectedBots, AfterLastCheck afterLast,
                     QWidget* parent);

    // The ticked bots of the chosen section, in its order.
    std::vector<roster::SharedBot> botsToImport() const;
    roster::Placement placement() const;

    // Closes only when the ticked bots fit where they are to go.
    void accept() override;

private:
    void showSection(int index);
    void followTicks();
    int tickedCount() const;

    std::vector<roster::BotSection> sections_;
    int selectedBots_ = 0;
    AfterLastCheck afterLast_;
    QComboBox* cboSections = nullptr;
    QLabel* lblBots = nullptr;
    QListWidget* lstBots = nullptr;
    QLabel* lblNote = nullptr;
    QRadioButton* optAfterLast = nullptr;
    QRadioButton* optReplace = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
