#include "files/PictureInformation.h"

#include "files/FilePaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <vector>

#include "imaging/colour.h"
#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"
#include "engine/mp_attributes.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"

namespace {

// The engine's name of an MP type, in the user's language where there is a
// translation under "MPType " and the name.
QString typeInWords(std::uint32_t attribute)
{
    const std::string name = mpTypeName(attribute);
    const QByteArray id = "MPType " + QByteArray::fromStdString(name);
    const QString translated = qtTrId(id.constData());
    return translated == QLatin1String(id) ? QString::fromStdString(name) : translated;
}

QString flagsInWords(std::uint32_t attribute)
{
    QStringList flags;
    if (attribute & MP_DEPENDENT_PARENT)
        flags << qtTrId("InfoFlagParent");
    if (attribute & MP_DEPENDENT_CHILD)
        flags << qtTrId("InfoFlagChild");
    if (attribute & MP_REPRESENTATIVE)
        flags << qtTrId("InfoFlagRepresentative");
    return flags.isEmpty() ? QStringLiteral("—") : flags.join(", ");
}

InfoSection mpIndex(const QString &path, int number)
{
    InfoSection section{qtTrId("InfoMPIndex"), {}};
    if (FilePaths::isSideBySideName(path)) {
        section.rows << InfoRow{qtTrId("InfoNone"),
                                qtTrId("InfoSideBySide").arg(FilePaths::hasExtension(path, "pns") ? "PNS" : "JPS")};
        return section;
    }
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    MPOCause cause = MPOCause::None;
    int result = MPO_CANNOT_OPEN;
    {
        QuietTrace quiet;  // the trace shows what the user asked for, not the panel's reads
        result = listMPOEntries(FilePaths::toBytes(path).constData(), entries, &count, &representative, nullptr, &cause);
    }
    if (result != MPO_DONE) {
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoNoMPIndex").arg(qtTrId(mpoProblemText(result, cause).id))};
        return section;
    }
    const QLocale locale;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MPOListedEntry &listed = entries[i];
        QString label = qtTrId("InfoEntry").arg(i + 1);
        if (listed.pictureNumber != 0 && listed.pictureNumber == number)
            label += qtTrId("InfoEntryShown");
        const QString value = qtTrId("InfoEntryValue")
                                  .arg(typeInWords(listed.entry.attribute) +
                                           (listed.gainMap ? qtTrId("InfoGainMap") : QString()),
                                       flagsInWords(listed.entry.attribute),
                                       locale.toString(qulonglong(listed.entry.Size)),
                                       locale.toString(qulonglong(listed.start)));
        section.rows << InfoRow{label, value};
    }
    return section;
}

InfoSection mpAttributes(const MPAttributes &attributes)
{
    InfoSection section{qtTrId("InfoMPAttributes"), {}};
    const QLocale locale;
    if (attributes.individualNumber)
        section.rows << InfoRow{qtTrId("InfoIndividualNumber"), QString::number(*attributes.individualNumber)};
    if (attributes.baseViewpoint)
        section.rows << InfoRow{qtTrId("InfoBaseViewpoint"), QString::number(*attributes.baseViewpoint)};
    if (attributes.convergenceAngle)
        section.rows << InfoRow{qtTrId("InfoConvergenceAngle"), locale.toString(*attributes.convergenceAngle, 'g', 4) + "°"};
    if (attributes.baselineLength)
        section.rows << InfoRow{qtTrId("InfoBaselineLength"),
                                locale.toString(*attributes.baselineLength * 1000.0, 'g', 5) + " mm"};
    return section;
}

// The label of each Exif fact, by its Exiv2 key.
QString exifLabel(const std::string &key)
{
    static const std::pair<const char *, const char *> labels[] = {
        {"Exif.Image.Make", QT_TRID_NOOP("InfoMaker")},
        {"Exif.Image.Model", QT_TRID_NOOP("InfoModel")},
        {"Exif.Photo.DateTimeOriginal", QT_TRID_NOOP("InfoDateTaken")},
        {"Exif.Photo.ExposureTime", QT_TRID_NOOP("InfoExposureTime")},
        {"Exif.Photo.FNumber", QT_TRID_NOOP("InfoAperture")},
        {"Exif.Photo.ISOSpeedRatings", QT_TRID_NOOP("InfoIso")},
        {"Exif.Photo.FocalLength", QT_TRID_NOOP("InfoFocalLength")},
        {"Exif.Image.Orientation", QT_TRID_NOOP("InfoOrientation")},
    };
    for (const auto &[exifKey, id] : labels)
        if (key == exifKey)
            return qtTrId(id);
    return QString::fromStdString(key);
}

// A fact in the user's words: the date taken as the locale writes dates,
// the orientation as what it does to the picture; others as Exiv2 prints them.
QString exifValue(const std::string &key, const QString &printed, int orientation)
{
    if (key == "Exif.Photo.DateTimeOriginal") {
        const QDateTime taken = QDateTime::fromString(printed, "yyyy:MM:dd HH:mm:ss");
        const QLocale locale;
        return taken.isValid() ? locale.toString(taken.date(), QLocale::LongFormat) + ", " +
                                     locale.toString(taken.time(), QLocale::ShortFormat)
                               : printed;
    }
    if (key == "Exif.Image.Orientation") {
        static const char *const words[] = {
            QT_TRID_NOOP("InfoOrientation1"), QT_TRID_NOOP("InfoOrientation2"), QT_TRID_NOOP("InfoOrientation3"),
            QT_TRID_NOOP("InfoOrientation4"), QT_TRID_NOOP("InfoOrientation5"), QT_TRID_NOOP("InfoOrientation6"),
            QT_TRID_NOOP("InfoOrientation7"), QT_TRID_NOOP("InfoOrientation8")};
        return orientation >= 1 && orientation <= 8 ? qtTrId(words[orientation - 1]) : printed;
    }
    return printed;
}

InfoSection exifSection(const imaging::JpegHeader &header)
{
    InfoSection section{qtTrId("InfoExif"), {}};
    if (!header.read) {
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoPictureUnreadable")};
        return section;
    }
    section.rows << InfoRow{qtTrId("InfoPixelSize"),
                            QStringLiteral("%1 × %2").arg(header.fullSize.width).arg(header.fullSize.height)};
    const imaging::ExifBasics exif = imaging::exifBasics(header.exif.data(), header.exif.size());
    if (exif.state == imaging::ExifBasics::State::Absent)
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoNoExif")};
    else if (exif.state == imaging::ExifBasics::State::Damaged)
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoExifDamaged")};
    for (const auto &[key, value] : exif.facts)
        section.rows << InfoRow{exifLabel(key), exifValue(key, QString::fromStdString(value), header.orientation)};
    return section;
}

InfoSection profileSection(const imaging::JpegHeader &header)
{
    InfoSection section{qtTrId("InfoColourProfile"), {}};
    const std::string description = imaging::profileDescription(header.iccProfile);
    if (header.iccProfile.empty())
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoNoProfile")};
    else if (description.empty())
        section.rows << InfoRow{qtTrId("InfoNone"), qtTrId("InfoProfileDamaged")};
    else
        section.rows << InfoRow{qtTrId("InfoProfileDescription"), QString::fromStdString(description)};
    return section;
}

}  // namespace

QList<InfoSection> pictureInformation(const QString &path, const QByteArray &picture, int number)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(picture.constData());
    QList<InfoSection> sections{mpIndex(path, number)};
    const MPAttributes attributes = readMPAttributes(bytes, std::size_t(picture.size()));
    if (attributes.any())
        sections << mpAttributes(attributes);
    const imaging::JpegHeader header = imaging::readJpegHeader(bytes, std::size_t(picture.size()));
    sections << exifSection(header) << profileSection(header);
    return sections;
}
