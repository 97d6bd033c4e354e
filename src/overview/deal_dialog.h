#pragma once

// The Deal Roster dialog: how many bots the dealt roster holds, whether
// the bots selected in the overview are kept at their numbers, the teams
// as stored or balanced, and the seed of the draw. The seed is a new one
// each time the dialog opens and can be typed over: the same seed and the
// same library deal the same roster. It decides nothing else: the library
// window fills in its filters and the roster's shape actions deal.

#include "roster/deal.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <cstdint>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class DealDialog : public QDialog {
    Q_OBJECT

public:
    // `botCount`: the roster's bots now, the count it starts at; `passing`:
    // the library bots the filters pass; `kept`: the bots selected in the
    // overview and their names.
    DealDialog(int botCount, int passing, const QList<int>& kept, const QStringList& keptNames, QWidget* parent);

    // The count, the kept bots, the teams and the seed; no filter.
    roster::DealRequest request() const;

private:
    void enableDeal();

    QList<int> kept_;
    QSpinBox* spnCount = nullptr;
    QCheckBox* chkKeep = nullptr;
    QRadioButton* optAsStored = nullptr;
    QRadioButton* optBalanced = nullptr;
    QLineEdit* txtSeed = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
