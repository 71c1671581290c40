// Follows a slot file while the game writes it, in place or by renaming a new file over
// it: once the writes have settled (no change for kSettleMs), the file is read again. A
// read that fails because the game still holds the file or has not finished writing it
// is tried again after growing delays, not left until the next save.
// Nothing is kept open between reads: the watch is the system's change notification
// on the file and its folder, so the game can always replace the file.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

namespace foalix::session {

class SlotWatcher : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSettleMs = 300;
    // The waits before the reads that follow a failed one: doubling from 250 ms, 10 s in
    // all, then nothing until the file changes again.
    static inline const std::vector<int> kRetryMs{250, 500, 1000, 2000, 4000, 2250};

    // `read` reads the followed file and says whether it read a good copy.
    explicit SlotWatcher(std::function<bool()> read, std::vector<int> retryMs = kRetryMs,
                         QObject* parent = nullptr);

    // Follows the first of `candidates` that exists (the places the file may be, in the
    // order the game looks), in place of anything followed before. All are watched, so
    // a candidate that appears later, folders and all, takes over.
    void watch(const QStringList& candidates);
    void stop();
    // Reads at once (changes may have been missed), trying again as after a change.
    void readNow();

  signals:
    // The file was read (well or not) after its writes settled, or on a retry.
    void settled();

  private:
    // What the followed file looked like: its path, size and modification time.
    struct Look {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Look&) const = default;
    };

    void changed();
    void checkSettled();
    void read();
    void rewatch();
    Look look() const;

    std::function<bool()> read_;
    std::vector<int> retryMs_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer retry_;
    std::size_t retries_ = 0;
    QStringList candidates_;
    // The file as it was at the last good read.
    Look lastRead_;
};

}  // namespace foalix::session
