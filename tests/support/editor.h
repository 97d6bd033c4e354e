#pragma once

// The main window over a copy of a roster file, with a scripted platform:
// what every window test starts from.

#include "app/frm_main.h"
#include "support/files.h"
#include "support/scripted_platform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class Editor {
public:
    // A roster with `content` in a fresh folder, remembered as the path, and
    // the window after its start-up. With `start` false the window is made
    // but not loaded.
    explicit Editor(const QByteArray& content = testing::sampleRoster(), bool start = true)
    {
        rosterPath = dir.filePath(QStringLiteral("CovertstrikeUser.ini"));
        testing::writeBytes(rosterPath, content);
        platform.settings.insert(QStringLiteral("FileLoc/IniLoc"), rosterPath);
        platform.dataPath = dir.filePath(QStringLiteral("data"));
        window = std::make_unique<frmMain>(platform);
        if (start)
            window->Form_Load();
    }

    template <class T = QWidget>
    T* find(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    QComboBox* combo() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QLabel* label(const char* name) const { return find<QLabel>(QLatin1String(name)); }
    QLineEdit* box(int index) const { return find<QLineEdit>(QStringLiteral("Text1(%1)").arg(index)); }
    QSlider* slider(int number) const { return find<QSlider>(QStringLiteral("Slider%1").arg(number)); }
    QCheckBox* check() const { return find<QCheckBox>(QStringLiteral("Check1")); }
    QAction* action(const char* name) const { return find<QAction>(QLatin1String(name)); }
    QTimer* timer() const { return find<QTimer>(QStringLiteral("Timer1")); }
    QByteArray file() const { return testing::readBytes(rosterPath); }
    // The About dialog, while it is open.
    QDialog* about() const { return find<QDialog>(QStringLiteral("frmAbout")); }

    // Shows the window and waits until it is the active one, with the
    // keyboard focus, as a player finds it; false if it never is.
    bool showActive() const
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The player picks entry `index` of the bot list.
    void choose(int index) const
    {
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }

    // Waits for the file watch to report a change, then lets its settled
    // check run at once rather than after its delay.
    bool settle() const
    {
        auto* timer = find<QTimer>(QStringLiteral("rosterSettle"));
        if (!timer || !QTest::qWaitFor([timer] { return timer->isActive(); }, 5000))
            return false;
        timer->stop();
        return QMetaObject::invokeMethod(timer, "timeout");
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (int i = 0; i < 12; ++i)
            texts.append(box(i)->text());
        return texts;
    }

    QStringList listedNames() const
    {
        QStringList names;
        for (int i = 0; i < combo()->count(); ++i)
            names.append(combo()->itemText(i));
        return names;
    }

    QTemporaryDir dir;
    QString rosterPath;
    ScriptedPlatform platform;
    std::unique_ptr<frmMain> window;
};
