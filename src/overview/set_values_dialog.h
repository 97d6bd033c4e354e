#pragma once

// The Set Values dialog: which of the nine fields to set on the selected
// bots, and to what: one position for every bot, or for each bot a
// position of its own between a lowest and a highest one. Each field has a
// check box that includes it and the main window's control for it, with the
// same range and scale words (the lowest and highest sliders name only their
// ends) and the value the file would hold beside it. The dialog is as large
// as either way needs, so that switching between them moves nothing.

#include "roster/roster.h"
#include "roster/set_values.h"

#include <QDialog>

#include <array>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QSlider;
class QWidget;

class SetValuesDialog : public QDialog {
    Q_OBJECT

public:
    // `start`: the bot shown in the main window, whose values the controls
    // start at (nullptr: each control starts in its middle). `startUnsaved`:
    // those values hold changes not yet saved, which the dialog says.
    SetValuesDialog(int botCount, const roster::ListedBot* start, QWidget* parent, bool startUnsaved = false);

    // The included fields, in the main window's row order.
    std::vector<roster::FieldSetting> settings() const;

    // A field's control as the main window shows it (a slider with its scale
    // words under it, or a check box), named `objectName` and, for screen
    // readers, `name`, at `position`; the library's filters use them too.
    // `endsOnly`: the scale's words at its two ends alone.
    static QWidget* addControl(QWidget* parent, int box, const QString& objectName, const QString& name,
                               int position, bool endsOnly = false);
    // The position a control made by addControl stands at.
    static int positionOf(const QWidget* control);

private:
    // One field's row: the check box that includes it, its control for the
    // same value, and its lowest and highest controls.
    struct FieldRow {
        int box = -1;
        QCheckBox* include = nullptr;
        QWidget* same = nullptr;
        QWidget* lowest = nullptr;
        QWidget* highest = nullptr;
    };

    void showMode();
    void showControls(bool random);

    std::vector<FieldRow> rows_;
    QLabel* lblLowest_ = nullptr;
    QLabel* lblHighest_ = nullptr;
    QRadioButton* optSame_ = nullptr;
    QRadioButton* optRandom_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
