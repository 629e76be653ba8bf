// Estimates the alignment of each pair shown in a stereo view, off the main
// thread, from both pictures decoded at the analysis size (as mpostereo
// does, so the estimate does not depend on the window), and keeps every estimate
// of the session, found again by the bytes of both pictures, so that
// stepping back and forth does not repeat it.
#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <optional>

#include "alignment.h"
#include "stereo_file.h"

class PairAligner : public QObject {
    Q_OBJECT
public:
    explicit PairAligner(QObject *parent = nullptr);
    ~PairAligner() override;

    // A pair is known by a key made from the bytes of both pictures, worked
    // out once per pair (hashing megabytes is not free).
    static std::size_t keyOf(const QByteArray &left, const QByteArray &right);
    // The estimate for the pair of this key, once there is one.
    std::optional<stereo::Alignment> find(std::size_t key) const;
    // Starts the estimate for this pair unless it is kept or under way;
    // estimated() says when it is kept.
    void request(std::size_t key, const QByteArray &left, const QByteArray &right);

signals:
    void estimated();

private:
    QThreadPool pool_;
    QFutureWatcher<stereo::Alignment> watcher_;
    std::size_t running_ = 0;  // the key under way, 0 for none
    std::size_t waiting_ = 0;  // the latest request while one runs, 0 for none
    QByteArray waitingLeft_, waitingRight_;
    QHash<std::size_t, stereo::Alignment> kept_;
};
