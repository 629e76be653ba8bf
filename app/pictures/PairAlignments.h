// Estimates the alignment of each pair shown in a stereo view through the
// decode queue, beside the pair decodes the user waits for, from both pictures decoded
// at the analysis size, as mpostereo does, so the estimate does not depend
// on the window. Estimates are kept by both pictures' keys, so stepping back
// and forth does not repeat them.
#pragma once

#include <QObject>
#include <optional>

#include "pictures/DecodeQueue.h"
#include "pictures/PictureBytes.h"
#include "stereo/alignment.h"

class PairAlignments : public QObject {
    Q_OBJECT
public:
    explicit PairAlignments(DecodeQueue &queue, QObject *parent = nullptr);

    static DecodeQueue::Key keyOf(const PictureBytes &left, const PictureBytes &right);
    // The estimate for the pair of this key, once there is one.
    std::optional<stereo::Alignment> find(DecodeQueue::Key key) const;
    // Starts the estimate for this pair unless it is kept or under way: in
    // the lane of what the user waits for, or to have it when a step comes.
    // Safe on any thread.
    void request(const PictureBytes &left, const PictureBytes &right,
                 DecodeQueue::Lane lane = DecodeQueue::Lane::Shown);

signals:
    void estimated();

private:
    DecodeQueue &queue_;
};
