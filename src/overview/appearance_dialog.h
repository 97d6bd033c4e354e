#pragma once

// The Appearance dialog: the looks of the selected bots as the game's own
// bot menu sets them. Class, skin and face are chosen from what the
// installed game declares, by their descriptions: the skins those of the
// class's model (all of them where the install does not tell), the faces
// those of the skin. Then the voice, and the favourite weapon or none. It
// starts at the first bot's looks; a look that is not offered (a package
// this install lacks, say) stays in its list, marked, so that OK without a
// change keeps it. Without an install it says so and offers nothing.

#include "game/declarations.h"
#include "game/roster_check.h"

#include <QDialog>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QComboBox;

class AppearanceDialog : public QDialog {
    Q_OBJECT

public:
    // `title`: which bots ("Appearance of Moth", "Appearance (3 bots)").
    AppearanceDialog(std::shared_ptr<const game::InstallReading> install, const game::Looks& start,
                     const QString& title, QWidget* parent);

    // Each look chosen, by the name the roster holds; empty for the game's
    // default (for the weapon: none).
    std::array<std::string, game::LookKeys.size()> chosen() const;

private:
    // Fills a look's list with the default, then `offered`. `keep` stays
    // chosen: offered, or (when `keepUnoffered`) added and marked; else
    // the first offered is.
    void fill(game::Look look, const std::vector<game::Declared>& offered, const std::string& keep, bool keepUnoffered);
    std::vector<game::Declared> skinsOf(const std::string& botClass) const;
    std::vector<game::Declared> facesOf(const std::string& skin) const;
    QComboBox* box(game::Look look) const { return boxes_[static_cast<std::size_t>(look)]; }
    std::string nameIn(game::Look look) const;

    std::shared_ptr<const game::InstallReading> install_;
    std::array<QComboBox*, game::LookKeys.size()> boxes_{};
};
