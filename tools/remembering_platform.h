#pragma once

// The real platform, except that a roster's path is already remembered and
// nothing is written to the settings store: for tools that start the editor
// without asking (the screenshot, the start-up benchmark).

#include "platform/qt_platform.h"

class RememberingPlatform : public platform::QtPlatform {
public:
    explicit RememberingPlatform(QString path) : path_(std::move(path)) {}
    QString readSetting(const QString&, const QString&) override { return path_; }
    void writeSetting(const QString&, const QString&, const QString&) override {}

private:
    QString path_;
};
