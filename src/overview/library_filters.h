#pragma once

// The library's filters: a part of the name, a team, and per field with a
// control a lowest and a highest value, each field while its box is
// ticked, with the controls Set Values shows. What they ask is a
// roster::BotFilter, for the library's table and for a deal alike.

#include "roster/library.h"

#include <QScrollArea>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

class LibraryFilters : public QScrollArea {
    Q_OBJECT

public:
    explicit LibraryFilters(QWidget* parent);

    roster::BotFilter filter() const;

signals:
    // Any filter changed.
    void changed();

private:
    // One field's filter: the check box that includes it, its lowest and
    // highest controls.
    struct FieldFilter {
        int box = -1;
        QCheckBox* include = nullptr;
        QWidget* lowest = nullptr;
        QWidget* highest = nullptr;
    };

    std::vector<FieldFilter> fields_;
    QLineEdit* txtName = nullptr;
    QComboBox* cboTeam = nullptr;
};
