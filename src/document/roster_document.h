#pragma once

// The roster being edited, as one document: the file's path, the model of
// what it holds and of the shown bot's unsaved changes, the watch on the
// file, the backups made this run, and every write to it, each one a command
// on the document's undo stack. It shows nothing: the windows connect to its
// signals and hand it requests, and the command line drives it without a
// display. Every write returns an Outcome; document/messages.h words them.

#include "document/outcome.h"
#include "document/roster_in_play.h"
#include "roster/backups.h"
#include "roster/bot_file.h"
#include "roster/roster_model.h"
#include "roster/set_values.h"
#include "roster/shape.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUndoStack;

namespace platform {
class FileWatch;
class System;
}

namespace document {

class RosterDocument : public QObject {
    Q_OBJECT

public:
    explicit RosterDocument(platform::System& system, QObject* parent = nullptr);
    ~RosterDocument() override;

    // The roster file in force (empty before the first open): the one path
    // every reading and writing uses.
    const QString& path() const { return path_; }
    std::string pathBytes() const;
    // Whether the path in force names a roster file (its name checked).
    bool isOpen() const;

    // Opens the roster at `path` after the name check (the last 20
    // characters, upper-cased, "COVERTSTRIKEUSER.INI"): false, and the
    // roster in force stays, when it fails. Under Program Files, where the
    // game keeps its own copy in the VirtualStore, that copy is opened and
    // `usedCopy` names it. The history of the roster before goes.
    bool open(const QString& path, QString* usedCopy = nullptr);
    // Whether open() watches the file for what other programs change (on by
    // default, as the windows keep up with the game). A command of the
    // command line, over in a moment, turns it off: the system may take
    // longer to close a watch than the command takes to run.
    void setWatching(bool watching) { watching_ = watching; }
    // With no roster in force, names a path without reading it: the path
    // the start-up found stays named though it failed the name check.
    void name(const QString& path);

    // Reads the file again; `changed` says what another program changed.
    void follow();

    // The roster as last read, and the bot the window shows with the
    // player's changes to it. The window tells the document what it shows
    // and what the player types; modifiedChanged follows.
    const roster::RosterModel& model() const { return model_; }
    const roster::RosterSnapshot& roster() const { return model_.roster(); }
    bool show(int bot, const roster::BotTexts& texts);
    void showNoBot();
    void edit(const roster::BotTexts& texts);
    void tookFileTexts(const roster::BotTexts& texts);
    bool hasChanges() const { return model_.hasChanges(); }

    // The writes, each one transaction and, when done, one command on the
    // history. A write of the shown bot first takes in what the game
    // changed meanwhile; every write follows the file afterwards.
    Outcome saveShownBot();
    Outcome setValues(const std::vector<roster::BotIndex>& bots, const std::vector<roster::FieldSetting>& fields,
                      std::uint64_t seed);
    // Bots from a bot file at `targets` (roster::ChooseTargets).
    Outcome importBots(const std::vector<roster::SharedBot>& bots, const roster::Targets& targets);
    Outcome restore(const roster::BackupSummary& backup);
    // Any other write of the roster section, planned from it as the write
    // reads it (roster/shape.h): one command, named `text` ("Remove Moth").
    Outcome apply(const QString& text, const roster::RosterPlan& plan);
    // New bots after the highest number that holds any key, as an import
    // writes them (roster::ImportValues), through apply. Refused, writing
    // nothing, where they could not be listed or would not fit
    // (roster::NumberForAddedBots) and where a text cannot stand in the file.
    Outcome addBots(const QString& text, const std::vector<roster::SharedBot>& bots);

    // What the installed game declares, from the .int files beside the
    // roster the player opened (under Program Files, not beside the game's
    // own copy): read as it is opened and again when those files change
    // (installChanged). Found or not, never null.
    std::shared_ptr<const game::InstallReading> install() const { return inPlay_.install(); }
    const game::Declarations* declarations() const { return inPlay_.declarations(); }
    // The roster as the game will play it: the checks of the file as last
    // followed, of its looks only where an install was found.
    const game::RosterCheck& check() const { return inPlay_.check(); }
    // Fixes the findings that a check of the file as the write reads it
    // still finds (game::FixFindingsPlan): one command, "Fix BotAccuracy[4]"
    // or "Fix (3 findings)".
    Outcome fix(const std::vector<game::Finding>& findings);
    // Gives the bots the looks chosen (game::AppearancePlan): one command,
    // "Appearance of Moth" or "Appearance (3 bots)".
    Outcome setAppearance(const std::vector<roster::BotIndex>& bots,
                          const std::array<std::string, game::LookKeys.size()>& chosen);

    // The history: what Undo and Redo would do ("Save Moth"), and doing it.
    // Only keys that still hold what the command wrote are written back;
    // `keptAsChanged` names the others, which stay as another program left
    // them. A roster that is gone is never written.
    QUndoStack* history() const { return history_; }
    Outcome undo();
    Outcome redo();

    // Reading for sharing: the listed bots' keys, as the file holds them now.
    roster::CollectedBots collect(const std::vector<roster::BotIndex>& bots) const;
    std::vector<roster::BackupSummary> backups() const;

    // Whether the game runs now (asked of the system each time).
    bool gameRunning() const;

    // The file watch's settled changes wait while this says so (a question
    // or a menu open in a window).
    void setHoldOff(std::function<bool()> holdOff);

signals:
    // Another roster was opened (or the same one afresh): everything shown
    // of the last one goes.
    void opened();
    // A new reading of the file that differs from the last. `ownWrite`: it
    // is this document's own write, no news from another program.
    void changed(const roster::FileNews& news, bool ownWrite);
    // The install was read again: its .int files changed.
    void installChanged();
    // The shown bot has, or no longer has, changes not yet saved.
    void modifiedChanged(bool modified);
    // The window shows another bot (-1: none).
    void shownBotChanged(int bot);

private:
    friend class RosterChange;
    // The backup stamp of this run's first write into the file, else empty.
    std::string backupStampIfDue() const;
    // After a write: its backup noted, a command on the history when it
    // changed the file, the file followed.
    Outcome wrote(const QString& text, const roster::SaveOutcome& saved, const profile::Transaction& record);
    Outcome outcomeOf(const roster::SaveOutcome& saved) const;
    // A write refused because the file could not be read: in use when
    // another program holds it.
    Outcome unreadable() const;
    // Writes a command's change back (`from` to `to`) over the file as it is.
    Outcome carry(const profile::FileText& from, const profile::FileText& to);
    QString keyWords(const std::string& key) const;
    void followOwnWrite();
    void followInstall();
    // Tells what changed of the shown bot: which one it is, whether it has changes.
    void tellWhetherModified();

    platform::System& system_;
    QString path_;
    roster::RosterModel model_;
    RosterInPlay inPlay_;
    QSet<QString> backedUp_; // files copied beside themselves before this run's first write
    platform::FileWatch* watch_ = nullptr;
    QUndoStack* history_ = nullptr;
    bool modified_ = false;
    int shown_ = -1; // as last told
    bool watching_ = true;
};

// The local time a backup copy is named after ("YYYYMMDD-HHMMSS").
std::string BackupStampNow();

} // namespace document
