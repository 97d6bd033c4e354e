#include "overview/appearance_dialog.h"

#include "document/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using game::Look;

QString qs(const std::string& text) { return QString::fromStdString(text); }

} // namespace

AppearanceDialog::AppearanceDialog(std::shared_ptr<const game::InstallReading> install, const game::Looks& start,
                                   const QString& title, QWidget* parent)
    : QDialog(parent), install_(std::move(install))
{
    setObjectName(QStringLiteral("frmAppearance"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    if (!install_->found()) {
        auto* note = new QLabel(tr("No installed game was found beside the roster, so there is nothing to choose "
                                   "from: the game's classes, skins, faces, voices and weapons are declared in the "
                                   ".int files of its System folder, where the roster lies."),
                                this);
        note->setObjectName(QStringLiteral("lblNoInstall"));
        note->setWordWrap(true);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        layout->addWidget(note);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        resize(std::max(sizeHint().width(), 420), sizeHint().height());
        return;
    }

    auto* form = new QFormLayout;
    const std::array<std::pair<const char*, QString>, game::LookKeys.size()> rows = {{
        {"cboClass", tr("&Class:")},
        {"cboSkin", tr("&Skin:")},
        {"cboFace", tr("F&ace:")},
        {"cboVoice", tr("&Voice:")},
        {"cboWeapon", tr("Favourite &weapon:")},
    }};
    for (std::size_t look = 0; look < rows.size(); ++look) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(rows[look].first));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* caption = new QLabel(rows[look].second, this);
        caption->setBuddy(combo);
        const QString spoken = QString(rows[look].second).remove(QLatin1Char('&')).trimmed();
        combo->setAccessibleName(spoken.endsWith(u':') ? spoken.chopped(1) : spoken);
        form->addRow(caption, combo);
        boxes_[look] = combo;
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const game::Declarations& declared = install_->declarations;
    const auto startOf = [&start](Look look) { return start[static_cast<std::size_t>(look)].value_or(std::string()); };
    fill(Look::Class, declared.list(game::Kind::BotClass), startOf(Look::Class), true);
    fill(Look::Skin, skinsOf(startOf(Look::Class)), startOf(Look::Skin), true);
    fill(Look::Face, facesOf(startOf(Look::Skin)), startOf(Look::Face), true);
    fill(Look::Voice, declared.list(game::Kind::Voice), startOf(Look::Voice), true);
    fill(Look::Weapon, declared.list(game::Kind::Weapon), startOf(Look::Weapon), true);
    // Another class offers its model's skins, another skin its faces.
    connect(box(Look::Class), &QComboBox::currentIndexChanged, this,
            [this] { fill(Look::Skin, skinsOf(nameIn(Look::Class)), nameIn(Look::Skin), false); });
    connect(box(Look::Skin), &QComboBox::currentIndexChanged, this,
            [this] { fill(Look::Face, facesOf(nameIn(Look::Skin)), nameIn(Look::Face), false); });
    box(Look::Class)->setFocus();
}

std::vector<game::Declared> AppearanceDialog::skinsOf(const std::string& botClass) const
{
    const game::Declarations& declared = install_->declarations;
    const auto skins = botClass.empty() ? std::nullopt : declared.skinsOf(botClass);
    return skins ? *skins : declared.list(game::Kind::Skin);
}

std::vector<game::Declared> AppearanceDialog::facesOf(const std::string& skin) const
{
    return skin.empty() ? std::vector<game::Declared>{} : install_->declarations.facesOf(skin);
}

void AppearanceDialog::fill(Look look, const std::vector<game::Declared>& offered, const std::string& keep,
                            bool keepUnoffered)
{
    static const std::array<const char*, game::LookKeys.size()> defaults = {
        QT_TR_NOOP("The game's default class"), QT_TR_NOOP("The class's default skin"), QT_TR_NOOP("No face"),
        QT_TR_NOOP("The class's default voice"), QT_TR_NOOP("None")};
    QComboBox* combo = box(look);
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItem(tr(defaults[static_cast<std::size_t>(look)]), QString());
    for (const game::Declared& thing : offered) {
        // Two things of the same words are told apart by their names.
        const bool twice = std::count_if(offered.begin(), offered.end(), [&](const game::Declared& other) {
            return other.description == thing.description;
        }) > 1;
        const QString words = thing.description.empty() ? qs(thing.name)
            : twice ? tr("%1 (%2)").arg(qs(thing.description), qs(thing.name))
                    : qs(thing.description);
        combo->addItem(words, qs(thing.name));
    }
    int at = keep.empty() ? 0 : combo->findData(qs(keep), Qt::UserRole, Qt::MatchFixedString);
    if (at < 0 && keepUnoffered) {
        combo->addItem(tr("%1 (not offered by the installed game)").arg(qs(keep)), qs(keep));
        at = combo->count() - 1;
    }
    combo->setCurrentIndex(at >= 0 ? at : std::min(1, combo->count() - 1));
    if (look == Look::Skin)
        fill(Look::Face, facesOf(nameIn(Look::Skin)), nameIn(Look::Face), keepUnoffered);
}

std::string AppearanceDialog::nameIn(Look look) const
{
    const QComboBox* combo = box(look);
    return combo ? combo->currentData().toString().toStdString() : std::string();
}

std::array<std::string, game::LookKeys.size()> AppearanceDialog::chosen() const
{
    std::array<std::string, game::LookKeys.size()> names;
    for (std::size_t look = 0; look < names.size(); ++look)
        names[look] = nameIn(static_cast<Look>(look));
    return names;
}
