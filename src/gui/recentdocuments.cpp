#include "recentdocuments.h"

#include "constants.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

RecentDocuments::RecentDocuments(QMenu *menu, QWidget *window, QObject *parent)
    : QObject(parent), m_menu(menu), m_window(window)
{
    fillMenu();
}

QStringList RecentDocuments::files() const
{
    return QSettings().value(QLatin1String(Qvx2::SettingsRecentDocuments)).toStringList();
}

void RecentDocuments::setFiles(const QStringList &files)
{
    QSettings().setValue(QLatin1String(Qvx2::SettingsRecentDocuments),
                         QStringList(files.mid(0, Qvx2::RecentDocumentCount)));
    fillMenu();
}

void RecentDocuments::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    setFiles(list);
}

void RecentDocuments::setEnabled(bool enabled)
{
    m_enabled = enabled;
    m_menu->setEnabled(enabled && !m_menu->isEmpty());
}

void RecentDocuments::fillMenu()
{
    m_menu->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        // Numbered from 1, which is also the entry's mnemonic.
        QAction *action =
            m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(list[i]).fileName()));
        action->setToolTip(QDir::toNativeSeparators(list[i]));
        action->setStatusTip(QDir::toNativeSeparators(list[i]));
        const QString file = list[i];
        connect(action, &QAction::triggered, this, [this, file] { open(file); });
    }
    m_menu->setEnabled(m_enabled && !list.isEmpty());
}

void RecentDocuments::open(const QString &fileName)
{
    if (QFileInfo::exists(fileName)) {
        emit openRequested(fileName);
        return;
    }
    QStringList list = files();
    list.removeAll(fileName);
    setFiles(list);
    QMessageBox::warning(m_window, tr("Documents recents"),
                         tr("Le document %1 n'existe plus. Il est retire de la liste.")
                             .arg(QDir::toNativeSeparators(fileName)));
}
