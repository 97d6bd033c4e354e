#pragma once

// Watches one file for changes that other programs make: written in place,
// replaced by a rename (which ends a watch on the file itself, so its folder
// is watched too), removed, or made again. A burst of changes is reported
// once, when it has settled and nothing holds it off (the windows hold it off
// while a question or menu is open, so that what the player is answering
// stays as it is until they have answered).

#include <QObject>
#include <QString>

#include <functional>

class QFileSystemWatcher;
class QTimer;

namespace platform {

class FileWatch : public QObject {
    Q_OBJECT

public:
    // Long enough for a writer to finish a file in several steps.
    static constexpr int SettleMs = 500;

    explicit FileWatch(QObject* parent = nullptr);

    // Watches `path` from now on (and nothing else); an empty path stops.
    void watch(const QString& path);

    // While this says so, a settled change waits and is asked again later.
    void setHoldOff(std::function<bool()> holdOff) { holdOff_ = std::move(holdOff); }

signals:
    // The file, or anything in its folder, changed and has settled. Whether
    // the file itself is any different is for the listener to tell.
    void settled();

private:
    void touched();
    void check();
    void rewatch();

    QString path_;
    std::function<bool()> holdOff_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
};

} // namespace platform
