#include "pictures/AlignmentText.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {

// What matching the colours did, as a part of the status message.
QString coloursText(const stereo::ColourMatch &match)
{
    if (!match.found)
        return qtTrId("ColorsNotMatched");
    QStringList parts;
    const long percent = std::lround(std::abs(match.brighter) * 100);
    if (percent >= 1)
        parts << qtTrId(match.brighter > 0 ? QT_TRID_NOOP("ColorsPartBrighter") : QT_TRID_NOOP("ColorsPartDarker"))
                     .arg(percent);
    if (std::abs(match.warmer) >= 0.02)
        parts << qtTrId(match.warmer > 0 ? QT_TRID_NOOP("ColorsPartWarmer") : QT_TRID_NOOP("ColorsPartCooler"));
    if (parts.isEmpty())
        return qtTrId("ColorsSame");
    return qtTrId("ColorsMatched").arg(parts.size() == 1 ? parts[0] : qtTrId("ColorsPartAnd").arg(parts[0], parts[1]));
}

}  // namespace

QString alignmentText(const stereo::Alignment &alignment, const stereo::Choices &choices)
{
    if (!alignment.sure)
        return qtTrId("AlignUnsure").arg(qtTrId(stereo::doubtText(alignment.doubt).id));
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
    const bool nearest = choices.window == stereo::WindowRule::Nearest ||
                         (choices.window == stereo::WindowRule::AsCamera && !choices.cameraWindow);
    QString text;
    if (nearest)
        text = done.isEmpty() ? qtTrId("AlignNotNeeded") : qtTrId("AlignApplied").arg(done.join(", "));
    else {
        const QString where = qtTrId(choices.window == stereo::WindowRule::AtPoint ? QT_TRID_NOOP("WindowThePoint")
                                                                                    : QT_TRID_NOOP("WindowTheCamera"));
        text = done.isEmpty() ? qtTrId("AlignLevelAt").arg(where) : qtTrId("AlignAppliedAt").arg(done.join(", "), where);
    }
    if (alignment.exceedsDepthBudget)
        text += qtTrId("AlignTooDeepRemedy").arg(std::lround(alignment.disparityRange));
    if (choices.matchColours)
        text += coloursText(alignment.colours);
    return text;
}

QString problemText(const stereo::Problem &problem)
{
    // What a library threw comes without an id, in its own words.
    if (*problem.id == '\0')
        return QString::fromStdString(problem.text);
    QString text = qtTrId(problem.id);
    for (const std::string &value : problem.values)
        text = text.arg(QString::fromStdString(value));
    return text;
}

QString reasonText(const stereo::Reason &reason)
{
    return reason.stepId == nullptr ? problemText(reason.cause) : qtTrId(reason.stepId).arg(problemText(reason.cause));
}
