#include "platform/file_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace platform {

FileWatch::FileWatch(QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this))
{
    watcher_->setObjectName(QStringLiteral("rosterWatch"));
    settle_->setObjectName(QStringLiteral("rosterSettle"));
    settle_->setSingleShot(true);
    settle_->setInterval(SettleMs);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::touched);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::touched);
    connect(settle_, &QTimer::timeout, this, &FileWatch::check);
}

void FileWatch::watch(const QString& path)
{
    if (const QStringList watched = watcher_->files() + watcher_->directories(); !watched.isEmpty())
        watcher_->removePaths(watched);
    settle_->stop();
    path_ = path;
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (QFileInfo(file.absolutePath()).isDir())
        watcher_->addPath(file.absolutePath());
    rewatch();
}

void FileWatch::rewatch()
{
    // A file replaced by a rename, or made again, is another file.
    if (watcher_->files().isEmpty() && QFileInfo(path_).isFile())
        watcher_->addPath(path_);
}

void FileWatch::touched()
{
    rewatch();
    settle_->start();
}

void FileWatch::check()
{
    if (holdOff_ && holdOff_()) {
        settle_->start();
        return;
    }
    rewatch();
    emit settled();
}

} // namespace platform
