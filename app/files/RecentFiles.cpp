#include "files/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include "files/ViewerSettings.h"

#include "files/FilePaths.h"

RecentFiles::RecentFiles(ViewerSettings &settings, QMenu &menu, QObject *parent)
    : QObject(parent), settings_(settings), menu_(menu)
{
    connect(&menu_, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
    fillMenu();
}

// Each path is kept as its bytes, which the settings file holds whatever
// they are; a list kept as text (by an earlier version) is read as well.
QStringList RecentFiles::files() const
{
    QStringList list;
    for (const QVariant &file : settings_.recentFiles())
        list << (file.typeId() == QMetaType::QByteArray ? FilePaths::fromBytes(file.toByteArray()) : file.toString());
    return list;
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, kept));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList &list)
{
    QByteArrayList bytes;
    for (const QString &file : list)
        bytes << FilePaths::toBytes(file);
    settings_.setRecentFiles(bytes);
    fillMenu();
}

void RecentFiles::fillMenu()
{
    menu_.clear();
    const QStringList list = files();
    menu_.setEnabled(!list.isEmpty());
    for (int i = 0; i < list.size(); ++i) {
        const QString &path = list[i];
        // The number is the item's mnemonic; the folder tells equal names apart.
        const QString number = i + 1 < 10 ? "&" + QString::number(i + 1) : QStringLiteral("1&0");
        const QFileInfo file(path);
        const QString label =
            QStringLiteral("%1 %2  (%3)").arg(number, FilePaths::shown(file.fileName()).replace('&', "&&"),
                                              FilePaths::shown(QDir::toNativeSeparators(file.path())).replace('&', "&&"));
        connect(menu_.addAction(label), &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
}
