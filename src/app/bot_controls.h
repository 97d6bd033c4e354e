#pragma once

// The shown bot in the main window's controls: the list's field holds its
// name, the caption its number and the value boxes Text1(0) to Text1(11) its
// fields, as the file stores them; the sliders and the check box follow the
// boxes in both directions. Every change the player makes goes to the roster
// document.

#include "roster/roster_model.h"

#include <QObject>

#include <array>
#include <optional>

class frmMainUi;
class QString;

namespace document {
class RosterDocument;
}
namespace platform {
class Platform;
}

// "Bot #: 4", the caption of a shown bot; empty for none.
QString BotCaption(int bot);

class BotControls : public QObject {
    Q_OBJECT

public:
    BotControls(frmMainUi& ui, document::RosterDocument& document, platform::Platform& platform, QObject* parent);

    // The texts the controls hold: the list's field and the boxes.
    roster::BotTexts texts() const;
    // Puts a bot's texts into the controls (the sliders follow) and tells
    // the document that these are the texts now shown.
    void put(const roster::BotTexts& texts);
    // Back to the shown bot's texts as loaded or last saved.
    void putBaseline();
    // Renames the shown bot in the list and its field (Edit Name).
    void rename(const QString& name);
    void enable(bool enabled);
    // No bot: the boxes empty, the controls disabled.
    void clear();
    // Whether the controls hold a bot's values (rather than their designed
    // texts, or none).
    bool showsBot() const { return showsBot_; }
    // A box the player typed into takes its slider's form when the editing
    // finishes: Enter, the focus leaving it, or a save. A typed text that is
    // not a number is not taken: the box goes back to its last value.
    void finishEdits();
    // The Human preset: its sliders to their positions, in order.
    void applyHumanPreset();
    // The shown bot's values as the controls hold them, changes not yet
    // saved included (an empty box: absent); nothing when no bot is shown.
    std::optional<roster::ListedBot> shownValues() const;
    // The list takes the file's names; it stays on the shown bot, and its
    // field keeps a name the player is typing.
    void relist();
    // The list and the caption back on the bot the boxes hold, so that no
    // save can write its values under another bot.
    void returnToShownBot();
    // Nothing answers the controls any longer (the window is going).
    void stop();

private:
    void Text1_Change(int index);
    void Slider_Change(int box);
    void Check1_Click();
    void normaliseBox(int box);
    QString sliderText(int box) const;
    void syncEdits();
    void syncTypedName(const QString& text);

    frmMainUi& ui_;
    document::RosterDocument& document_;
    platform::Platform& platform_;
    int typedBox_ = -1;          // the box whose typed change the coupling is following
    bool applyingTexts_ = false; // the window itself is filling the value boxes
    bool showsBot_ = false;
    // Each box's text before the player began typing into it: where a typed
    // text that is not a number sends it back.
    std::array<QString, 12> acceptedTexts_;
};
