#pragma once

// The main window: the bot list, the eight sliders and the check box that
// show one bot, and the commands that load, change and save it. The roster
// being edited is a document beside the window (document::RosterDocument):
// the window shows what it says and hands it the player's requests. The
// controls are built as designed (frmMainUi), the shown bot lives in them
// (BotControls), the row beside the bot's number tells the news (NoteRow),
// and what concerns the whole roster goes to RosterActions.

#include "app/frm_main_ui.h"
#include "overview/bot_showing.h"
#include "platform/platform.h"

#include <QMainWindow>

namespace document {
class RosterDocument;
}
namespace roster {
struct FileNews;
}
class BotControls;
class NoteRow;
class RosterActions;

class frmMain : public QMainWindow, private BotShowing {
    Q_OBJECT

public:
    explicit frmMain(platform::Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up, before the window first shows: size it, find the roster
    // file, check its name, remember it and list its bots. A roster named on
    // the command line (`givenPath`) is opened as File, Open opens one, after
    // the file in force is found without asking for one; a bot file named is
    // imported into the roster in force once the window has started.
    void Form_Load(const QString& givenPath = QString());

    // Opens a roster as File, Open does (changes not yet saved asked about,
    // the name checked; a rejected one leaves the file in force). It is
    // remembered when it exists. True when the path was taken.
    bool openRosterFile(const QString& path);
    // The Import Bots dialog for the bot file at `path`, for the roster in force.
    void importBotFile(const QString& path);

    const QString& iniPath() const;
    const platform::FileDialogSettings& commonDialog() const { return CommonDialog1; }
    QSize startOuterSize() const { return ui_.startOuterSize(); }

protected:
    // Closing asks first about changes not yet saved; Cancel keeps the window.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // One local file dropped anywhere on the window: a bot file is imported,
    // any other opened as File, Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up and the File menu (roster_location.cpp).
    // The roster file remembered, or else chosen by the player (empty: none).
    QString FindIniFile(bool askForFile);
    bool useRosterFile(const QString& path);
    void showRoster();
    void ListBotNames();
    void mnuOpen_Click();
    void Command2_Click();

    // Bot selection, naming and saving (bot_editing.cpp).
    void Combo1_Click(int index);
    void Label2_Change();
    void LoadBotSettings();
    void Command3_Click();
    void Command1_Click();
    void mnuSave_Click();
    // A bot must be shown and named; false when nothing was saved. Its
    // questions and messages open over `asker`.
    bool saveShownBot(QWidget* asker);
    bool SaveBotSettings(QWidget* asker);
    void discardChanges();
    void Timer1_Timer();
    void mnuHuman_Click();
    // What a new reading of the file brought: the list, the shown bot, the note.
    void showNews(const roster::FileNews& news, bool ownWrite);

    void mnuAbout_Click();
    void mnuExit_Click();

    // What the roster's windows ask of this one.
    bool settleChanges(QWidget* asker) override;
    void showBot(int bot) override;
    std::optional<roster::ListedBot> shownValues() const override;

    platform::Platform& platform_;
    frmMainUi ui_;
    document::RosterDocument* document_;
    BotControls* controls_ = nullptr;
    NoteRow* notes_ = nullptr;
    RosterActions* actions_ = nullptr;
    // The file-open dialog's settings, kept between openings.
    platform::FileDialogSettings CommonDialog1;
};
