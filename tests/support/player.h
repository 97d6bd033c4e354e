#pragma once

// A player at the keyboard: every step is a real key or mouse event sent to
// the widget that has the focus, the way the window system delivers them,
// so that the widgets' own behaviour (completion, caret, focus-out
// handling) takes part as it does for a person.

#include "support/editor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

class Player {
public:
    // Shows the window and, given a bot, picks it in the list.
    explicit Player(Editor& editor, int bot = -1) : editor_(editor)
    {
        ready_ = editor.showActive() && (bot < 0 || pickBot(bot));
    }

    // Whether the window came up and took the focus, with the bot picked if
    // one was given; tests QVERIFY it.
    bool ready() const { return ready_; }

    static QWidget* focus() { return QApplication::focusWidget(); }

    // The name of the control with the focus (the bot list's edit field
    // counts as the bot list).
    static QString focusName()
    {
        QWidget* w = focus();
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(focus(), key, modifiers);
    }

    void type(const QString& text) const { QTest::keyClicks(focus(), text); }

    // Tab (or Shift+Tab) until `target` has the focus; false if it never does.
    bool tabTo(QWidget* target, bool backwards = false) const
    {
        for (int i = 0; i < 100 && focus() != target; ++i)
            press(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        return focus() == target;
    }

    // Goes to a control and presses a key there (End on a slider, say).
    bool pressOn(QWidget* target, Qt::Key key) const
    {
        if (!tabTo(target))
            return false;
        press(key);
        return true;
    }

    // Goes to a box or field and replaces its text by typing.
    bool retype(QWidget* target, const QString& text) const
    {
        if (!tabTo(target))
            return false;
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
        return true;
    }

    // Picks entry `index` of the bot list with the arrow keys; false when
    // the list will not go there (a load that fails sends it back).
    bool pickBot(int index) const
    {
        QComboBox* list = editor_.combo();
        if (!tabTo(list))
            return false;
        while (list->currentIndex() != index) {
            const int before = list->currentIndex();
            press(before < index ? Qt::Key_Down : Qt::Key_Up);
            if (list->currentIndex() == before)
                return false;
        }
        return true;
    }

    // Picks entry `index` of the bot list with the mouse: the arrow, then
    // the entry in the drop-down.
    bool clickBot(int index) const
    {
        QComboBox* list = editor_.combo();
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = true;
        const QRect arrow
            = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrow.center());
        QAbstractItemView* view = list->view();
        if (!view->isVisible())
            return false;
        const QRect entry = view->visualRect(list->model()->index(index, 0));
        // Over the entry's edge, then its middle: the pointer may rest on
        // the middle already (the same pick a moment ago), and a move that
        // does not move would not reach the drop-down.
        QTest::mouseMove(view->viewport(), entry.topLeft() + QPoint(1, 1));
        QTest::mouseMove(view->viewport(), entry.center());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
        return !view->isVisible() && list->currentIndex() == index;
    }

    // A menu command through its access keys: Alt+F, then S for Save.
    bool menu(Qt::Key menuKey, Qt::Key itemKey) const
    {
        QTest::keyClick(editor_.window.get(), menuKey, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return false;
        QTest::keyClick(popup, itemKey);
        return true;
    }

    bool save() const { return menu(Qt::Key_F, Qt::Key_S); }

private:
    Editor& editor_;
    bool ready_ = false;
};
