#pragma once

// The main window as designed: every control with its designer's name,
// place (in twips, grown to the font in use), text, colours and tab place,
// the menus and their actions, and the window's start size. Built once into
// the window, as a form designer's generated class would be; the window
// connects the controls to its handlers.

#include "platform/controls.h"

#include <QCoreApplication>
#include <QSize>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QSlider;
class QTimer;

class frmMainUi {
    // The designer's texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    void setupUi(QMainWindow* window);

    // The window's outer size at start: 6255 x 7815 twips, grown with the
    // layout for the font in use.
    QSize startOuterSize() const;
    // Back to the start size; until the window system tells the frame (some
    // time after the window is first shown), a common frame is assumed and
    // the size corrected once it is known.
    void resizeToStartSize(QMainWindow* window);
    void correctStartSize(QMainWindow* window);

    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    platform::CaptionLabel* Label2 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* lblFileChanged = nullptr;
    QLabel* lblGameRunning = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<QLineEdit*, 12> Text1{};
    std::array<QSlider*, 12> sliderOfBox{}; // indexed by box; null where the box has no slider

    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuRestoreBackup = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuHuman = nullptr;
    QAction* mnuOverview = nullptr;
    QAction* mnuExportBots = nullptr;
    QAction* mnuImportBots = nullptr;
    QAction* mnuLibrary = nullptr;
    QAction* mnuCheckRoster = nullptr;
    QAction* mnuAbout = nullptr;

private:
    void buildControls(QMainWindow* window);
    void nameControls(QWidget* client);
    void buildMenus(QMainWindow* window);
    void buildTabOrder(QMainWindow* window);

    // The layout's growth for the font, and whether the start size still
    // waits for the window system to tell the frame.
    platform::LayoutScale scale_;
    bool startSizePending_ = false;
};
