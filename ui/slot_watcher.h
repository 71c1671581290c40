// Follows a slot file while the game writes it, in place or by renaming a new file over
// it: once the writes have settled (no change for kSettleMs), `settled` is emitted.
// Nothing is kept open between reads: the watch is the system's change notification
// on the file and its folder, so the game can always replace the file.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace foalix::ui {

class SlotWatcher : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSettleMs = 300;

    explicit SlotWatcher(QObject* parent = nullptr);
    // Follows `path` from now on, in place of any file followed before.
    void watch(const QString& path);
    void stop();

  signals:
    // The followed file changed and has stayed unchanged for kSettleMs.
    void settled();

  private:
    void changed();
    void checkSettled();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    // What the file looked like at the last read: size and modification time.
    qint64 size_ = -1;
    QDateTime modified_;
};

}  // namespace foalix::ui
