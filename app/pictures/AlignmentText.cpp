#include "pictures/AlignmentText.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

QString alignmentText(const stereo::Alignment &alignment)
{
    // In the order of stereo::Doubt.
    static const char *const doubts[] = {"",
                                         QT_TRID_NOOP("AlignSizesDiffer"),
                                         QT_TRID_NOOP("AlignTooFewMatches"),
                                         QT_TRID_NOOP("AlignTooSmall"),
                                         QT_TRID_NOOP("AlignNotDecoded"),
                                         QT_TRID_NOOP("AlignGrayscale"),
                                         QT_TRID_NOOP("AlignOutOfMemory"),
                                         QT_TRID_NOOP("AlignFeatureFailure"),
                                         QT_TRID_NOOP("AlignTooLarge")};
    if (!alignment.sure)
        return qtTrId("AlignUnsure").arg(qtTrId(doubts[int(alignment.doubt)]));
    const QLocale locale;
    QStringList done;
    if (alignment.needed()) {
        if (std::abs(alignment.dy) >= 0.5)
            done << qtTrId(alignment.dy < 0 ? QT_TRID_NOOP("AlignUp") : QT_TRID_NOOP("AlignDown"))
                        .arg(std::lround(std::abs(alignment.dy)));
        if (std::abs(alignment.degrees) >= 0.05)
            done << qtTrId("AlignTurned").arg(locale.toString(std::abs(alignment.degrees), 'f', 1));
        if (std::abs(alignment.scale - 1) >= 0.001)
            done << qtTrId(alignment.scale > 1 ? QT_TRID_NOOP("AlignLarger") : QT_TRID_NOOP("AlignSmaller"))
                        .arg(locale.toString(std::abs(alignment.scale - 1) * 100, 'f', 1));
        if (alignment.keystoneRows() >= 0.5)
            done << qtTrId("AlignKeystone");
    }
    QString text = done.isEmpty() ? qtTrId("AlignNotNeeded") : qtTrId("AlignApplied").arg(done.join(", "));
    if (alignment.exceedsDepthBudget)
        text += qtTrId("AlignTooDeep").arg(std::lround(alignment.disparityRange));
    return text;
}
