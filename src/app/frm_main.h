#pragma once

// The main window: the bot list, the eight sliders and the check box that
// show one bot, and the commands that load, change and save it. The roster
// being edited lives in a model beside the window (roster::RosterModel):
// the window puts the shown bot's texts into the list's field and the value
// boxes Text1(0) to Text1(11), hands every change the player makes back to
// it, and the coupling keeps the sliders and the check box in step with the
// boxes in both directions.

#include "platform/controls.h"
#include "platform/file_watch.h"
#include "platform/platform.h"
#include "roster/roster.h"
#include "roster/roster_model.h"

#include <QMainWindow>
#include <QSet>
#include <QStringList>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class RosterOverview;
namespace roster {
struct BackupSummary;
struct BotFileReading;
struct FieldSetting;
struct SharedBot;
enum class Placement;
}

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(platform::Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence, run once before the window is first shown:
    // size the window, find the roster file, check its name, remember it
    // and list its bots. Every start-up message appears before the window.
    //
    // With a roster named on the command line (`givenPath`), the file in
    // force is found as usual but nobody is asked for one (the disclaimer
    // still shows on a first start); then the given path is opened as File,
    // Open opens a file, so a rejected one gets the message and the file in
    // force stays. The remembered roster is not listed when the given one
    // passes the name check.
    void Form_Load(const QString& givenPath = QString());

    // Opens a roster as File, Open does with the file its dialog reports:
    // the window returns to its start size and the path goes through the
    // name check. A path that passes becomes the file being edited, is
    // remembered and listed; a rejected one gets the message and the file in
    // force stays, so that the list, the loads and the saves always use one
    // file. Changes not yet saved are asked about first. True when the path
    // was taken.
    bool openRosterFile(const QString& path);

    // Opens the Import Bots dialog for the bot file at `path` (from the
    // command line, a drop or the desktop) for the roster in force; a file
    // that is not a bot file gets a message.
    void importBotFile(const QString& path);

    // The roster file being edited, as the user chose or the settings
    // remembered it. Only at start-up can it hold a path that failed the
    // name check (the window then lists nothing).
    const QString& iniPath() const { return IniPath; }
    const platform::FileDialogSettings& commonDialog() const { return CommonDialog1; }

    // The window's outer size at start: 6255 x 7815 twips, grown with the
    // layout for the font in use.
    QSize startOuterSize() const;

protected:
    // Closing (File, Exit or the window's close button) asks first about
    // changes not yet saved; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // One local file dropped anywhere on the window is opened as File, Open
    // would open it; anything else is refused as it enters.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The layout as designed, the menus and the start size (window_layout.cpp).
    void buildControls();
    void nameControls();
    QStringList widestNotes() const;
    void buildMenus();
    void buildTabOrder();
    void resizeToStartSize();
    void correctStartSize();

    // Start-up and the File menu (roster_location.cpp).
    void FindIniFile(bool askForFile);
    bool useRosterFile(const QString& path);
    void relistBots();
    void ListBotNames();
    void sayWhyNoBots();
    QString showOpenDialog();
    void mnuOpen_Click();
    void Command2_Click();

    // Bot selection, naming and saving (bot_editing.cpp).
    void keepTypedNames();
    void Combo1_Click(int index);
    void pickBot(int index);
    void returnToShownBot();
    void setLabel2Caption(const QString& caption);
    void Label2_Change();
    void Command3_Click();
    void Command1_Click();
    bool saveShownBot();
    bool saveIsBlocked();
    void showSaveBlock(roster::SaveBlock block);
    void mnuSave_Click();
    void Timer1_Timer();
    void hideSaveConfirmation();
    void LoadBotSettings();
    bool SaveBotSettings();
    QString shownBotName() const;

    // The shown bot in the controls (bot_controls.cpp): the texts the
    // model holds, put into the list's field and the value boxes, and back.
    roster::BotTexts currentTexts() const;
    void putTexts(const roster::BotTexts& texts);
    void syncEdits();
    void syncTypedName(const QString& text);
    void enableBotControls(bool enabled);
    void clearBotControls();

    // The coupling between the value boxes and their controls, and the
    // preset (box_coupling.cpp).
    QString sliderText(int box) const;
    void Slider_Change(int box);
    void Text1_Change(int index);
    void Check1_Click();
    // A box the player typed into takes its slider's form when the editing
    // finishes: Enter, the focus leaving it, or a save. A typed text that is
    // not a number is not taken: the box goes back to its last value.
    void normaliseBox(int box);
    void finishBoxEdits();

    void mnuHuman_Click();

    // Changes not yet saved (unsaved_changes.cpp).
    void followUnsavedChanges();
    void showWhetherModified();
    // Asks "Save changes to <name>?" when there are changes a step would
    // drop; false when the player cancels or the save fails or is refused.
    bool resolveUnsavedChanges();
    void discardChanges();

    // Keeping up with the roster file as other programs change it
    // (file_watch.cpp): what the file now holds is shown, the player's
    // changes stay, and the note beside the bot number says what happened.
    void buildFileWatch();
    void followRosterFile();
    void followOwnWrite();
    void showFileNews(const roster::FileNews& news);
    void refreshList();
    enum class Note { None, Change, FileState };
    void showNote(const QString& note, const QString& explanation, Note kind = Note::Change);
    void clearNote();

    // The game itself (game_watch.cpp): the note beside the bot's number
    // while it runs, checked at start and before each save; the game's own
    // copy (VirtualStore) of a roster under Program Files, which is the one
    // to edit, with a message saying so; and a save's failure explained for
    // a roster under Program Files.
    void buildGameWatch();
    void showWhetherGameRuns();
    void showGameNote();
    QString gameCopyOf(const QString& path);
    QString explainUnwritable(const QString& path, const QString& reason) const;

    // The roster overview (roster_overview.cpp): it shows the roster as
    // the model last read it and asks for bots and values.
    void mnuOverview_Click();
    void showOverview();
    void refreshOverview();
    void showBotFromOverview(int bot);
    void setValuesFromOverview(const QList<int>& bots, const std::vector<roster::FieldSetting>& fields);

    // Sharing bots and restoring backups (bot_sharing.cpp). Export and Copy
    // write what the file holds; Import and Restore write in one
    // transaction, asking first about unsaved changes they would overwrite,
    // and the window follows the file afterwards.
    void mnuExportBots_Click();
    void mnuImportBots_Click();
    void mnuRestoreBackup_Click();
    void exportBots(const QList<int>& bots);
    void copyBots(const QList<int>& bots);
    void pasteBots(const QString& text);
    void importBots(const roster::BotFileReading& reading);
    void placeImportedBots(std::vector<roster::SharedBot> bots, roster::Placement placement,
                           const QList<int>& selected);
    void restoreBackup(const roster::BackupSummary& backup);
    bool rosterInForce();
    // The local time a backup copy is named after ("YYYYMMDD-HHMMSS"); only
    // the window's first write into a file makes one, a restore always.
    static std::string backupStampNow();
    std::string backupStampIfDue() const;
    QList<int> overviewSelection() const;

    void mnuAbout_Click();
    void mnuExit_Click();

    void showError(const QString& text);
    // "The roster file cannot be read: " and the system's reason.
    void showUnreadable(const std::string& reason);
    std::string iniPathBytes() const;

    platform::Platform& platform_;
    QString IniPath;
    platform::FileDialogSettings CommonDialog1;

    // The roster being edited: the file as last read, the shown bot and the
    // player's changes to it.
    roster::RosterModel model_;
    QSet<QString> backedUpFiles_; // copied beside themselves before this window's first save
    int typedBox_ = -1; // the box whose typed change the coupling is following
    // Each box's text before the player began typing into it: where a typed
    // text that is not a number sends it back.
    std::array<QString, 12> acceptedTexts_;
    bool applyingTexts_ = false; // the window itself is filling the value boxes
    // The layout's growth for the font, and whether the start size still
    // waits for the window system to tell the frame.
    platform::LayoutScale scale_;
    bool startSizePending_ = false;

    platform::FileWatch* rosterWatch_ = nullptr;
    // What the note beside the bot number tells: another program's change
    // (it stays until a save, a discard or a reload), or why the file shows
    // no bots (it goes when they are back).
    Note note_ = Note::None;

    RosterOverview* overview_ = nullptr; // once opened

    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* lblFileChanged = nullptr;
    QLabel* lblGameRunning = nullptr;
    bool gameRunning_ = false; // as last checked
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<QLineEdit*, 12> Text1{};
    std::array<QSlider*, 12> sliderOfBox_{}; // indexed by box; null where the box has no slider
};
