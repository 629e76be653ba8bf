#include "pictures/PairAlignments.h"

#include "stereo/stereo_file.h"

PairAlignments::PairAlignments(DecodeQueue &queue, QObject *parent) : QObject(parent), queue_(queue)
{
    connect(&queue_, &DecodeQueue::finished, this, [this](DecodeQueue::Key key) {
        if (queue_.find<stereo::Alignment>(key))
            emit estimated();
    });
}

DecodeQueue::Key PairAlignments::keyOf(const PictureBytes &left, const PictureBytes &right)
{
    return qHashMulti(0x616c6967, left.key, right.key);  // "alig"
}

std::optional<stereo::Alignment> PairAlignments::find(DecodeQueue::Key key) const
{
    const auto kept = queue_.find<stereo::Alignment>(key);
    return kept ? std::optional(*kept) : std::nullopt;
}

void PairAlignments::request(const PictureBytes &left, const PictureBytes &right, DecodeQueue::Lane lane)
{
    queue_.request<stereo::Alignment>(keyOf(left, right), lane,
                                      [left = left.bytes, right = right.bytes] {
                                          return stereo::estimatePairAlignment(bytesOf(left), bytesOf(right));
                                      });
}
