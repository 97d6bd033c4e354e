#pragma once

// The About dialog: the program's title and version, a credit, a freeware
// note, the web address, and a button that starts the system's information
// tool. Modal, loaded afresh on every opening, touching no file.

#include "platform/platform.h"

#include <QDialog>
#include <QString>

class QLabel;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(platform::Platform& platform, QWidget* parent);

    // Finds the system information tool and starts it, or tells the user
    // that it is unavailable. Never fails otherwise.
    void StartSysInfo();

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    platform::Platform& platform_;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
};

// Reads one value under HKEY_LOCAL_MACHINE into KeyVal; true when found.
// A failed read empties KeyVal.
bool GetKeyValue(platform::Platform& platform, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

// What a registry read gives as text: one trailing zero byte is dropped;
// a string (type 1) gives its text, a 32-bit number (type 4) the number's
// decimal text, and any other type leaves KeyVal as it was.
void registryValueText(const platform::RegistryValue& value, QString& KeyVal);
