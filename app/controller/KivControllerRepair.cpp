// A file whose MP index is damaged: the alert names the fault in the
// checker's words and, where the pictures can be found, offers to write a
// repaired copy beside the file (never in its place) and to open that.
// File ▸ Check and Repair… does the same for the file on show.
#include <QWidget>
#include <cerrno>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "engine/mpo_check.h"
#include "files/FilePaths.h"

namespace {

constexpr int mostRepairedNames = 100;

// NAME_repaired.MPO beside the file, then NAME_repaired_2.MPO and on.
QString repairedName(const QString &path, int attempt)
{
    const int slash = int(path.lastIndexOf('/'));
    const QString name = path.mid(slash + 1);
    const int dot = int(name.lastIndexOf('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = attempt == 1 ? QString() : QStringLiteral("_%1").arg(attempt);
    return path.left(slash + 1) + stem + "_repaired" + suffix + ".MPO";
}

std::string pathBytes(const QString &path)
{
    return FilePaths::toBytes(path).toStdString();
}

}  // namespace

bool KivController::isIndexFault(const Failure &failure)
{
    return failure.result == MPO_REFUSED || failure.cause == MPOCause::IndexOutsideFile ||
           failure.cause == MPOCause::NotAPicture;
}

// What the checker finds wrong, after `about`.
QString KivController::withFindings(const QString &about, const MPOCheck &check)
{
    QStringList problems;
    for (const MPOFinding &finding : check.findings)
        if (finding.kind == MPOFinding::Kind::Problem)
            problems << QString::fromStdString(finding.text);
    return problems.isEmpty() ? about : about + "\n\n" + qtTrId("CheckFinding").arg(problems.join("; "));
}

void KivController::offerRepair(const QString &path, const QString &message, const MPOCheck &check)
{
    const QString offer = qtTrId("RepairOffer")
                              .arg(check.repairablePictures)
                              .arg(FilePaths::shownFileName(repairedName(path, 1)));
    const bool repair = keepingFocus([&] {
        return panels_.ask(mainWindow(), qtTrId("DamagedIndexTitle"), message + "\n\n" + offer,
                           qtTrId("ButtonRepair"));
    });
    if (repair)
        repairFile(path);
}

void KivController::repairFile(const QString &path)
{
    MPOJoinProblem problem;
    int pictures = 0, result = MPO_JOIN_WRITE_FAILED;
    QString repaired;
    for (int attempt = 1; attempt <= mostRepairedNames; ++attempt) {
        repaired = repairedName(path, attempt);
        problem = {};
        result = repairMPO(pathBytes(path), pathBytes(repaired), problem, pictures);
        if (result != MPO_JOIN_WRITE_FAILED || problem.writeError != EEXIST)
            break;
    }
    if (result != MPO_JOIN_DONE) {
        showAlert(qtTrId("RepairFailedTitle"),
                  qtTrId("FileReason").arg(FilePaths::shownFileName(problem.input < 0 ? path : repaired),
                                           QString::fromStdString(problem.reason)));
        return;
    }
    openFile(repaired, OpenedBy::Panel);
    emit statusMessage(qtTrId("StatusRepaired").arg(pictures).arg(FilePaths::shown(repaired)));
}

void KivController::checkAndRepairAction()
{
    if (document_.kind() != Document::Kind::Pictures || document_.isLocked())
        return;
    const QString path = document_.path(), name = FilePaths::shownFileName(path);
    const MPOCheck check = checkMPO(pathBytes(path));
    const QString problems = withFindings(qtTrId("CheckProblems").arg(name), check);
    if (check.repairablePictures > 0)
        return offerRepair(path, problems, check);
    if (check.hasProblem())
        return void(showAlert(qtTrId("CheckProblemsTitle"),
                              problems + "\n\n" + qtTrId("RepairImpossible")
                                                      .arg(name, QString::fromStdString(check.unrepairable))));
    QStringList notes;
    for (const MPOFinding &finding : check.findings)
        notes << QString::fromStdString(finding.text);
    const QString sound = notes.isEmpty() ? qtTrId("CheckSound").arg(name)
                                          : qtTrId("CheckSoundWithNotes").arg(name, notes.join("\n"));
    keepingFocus([&] {
        panels_.inform(mainWindow(), qtTrId("CheckSoundTitle"), sound);
        return 0;
    });
}
