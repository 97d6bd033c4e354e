#pragma once

// The "Import Bots" dialog: the bots of a bot file, each with a check box
// (all ticked at first), and where the ticked ones go: after the last bot,
// or in place of the bots selected in the overview when as many are
// selected as are ticked. It decides nothing else: the caller numbers the
// bots and writes them.

#include "roster/bot_file.h"

#include <QDialog>
#include <QList>

#include <vector>

class QDialogButtonBox;
class QListWidget;
class QRadioButton;

class ImportBotsDialog : public QDialog {
    Q_OBJECT

public:
    ImportBotsDialog(const std::vector<roster::SharedBot>& bots, int selectedBots, QWidget* parent);

    // The ticked bots, in the file's order, as indexes into `bots`.
    QList<int> tickedBots() const;
    roster::Placement placement() const;

private:
    void followTicks();

    int selectedBots_ = 0;
    QListWidget* lstBots = nullptr;
    QRadioButton* optAfterLast = nullptr;
    QRadioButton* optReplace = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
