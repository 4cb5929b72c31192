// What the window remembers per user from one session to the next: its size and place, the debug
// window's, and the documents last opened or saved.

#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

void MainWindow::restoreSession()
{
    const QSettings settings;
    if (restoreGeometry(settings.value(QLatin1String(Qvx2::SettingsWindowGeometry)).toByteArray()))
        show();
    else
        showMaximized(); // the first start
    m_recup_info->restoreGeometry(settings.value(QLatin1String(Qvx2::SettingsDebugGeometry)).toByteArray());
    fillRecentMenu();
}

void MainWindow::saveSession() const
{
    QSettings settings;
    settings.setValue(QLatin1String(Qvx2::SettingsWindowGeometry), saveGeometry());
    settings.setValue(QLatin1String(Qvx2::SettingsDebugGeometry), m_recup_info->saveGeometry());
}

QStringList MainWindow::recentDocuments() const
{
    return QSettings().value(QLatin1String(Qvx2::SettingsRecentDocuments)).toStringList();
}

void MainWindow::setRecentDocuments(const QStringList &files)
{
    QSettings().setValue(QLatin1String(Qvx2::SettingsRecentDocuments),
                         QStringList(files.mid(0, Qvx2::RecentDocumentCount)));
    fillRecentMenu();
}

void MainWindow::addRecentDocument(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList files = recentDocuments();
    files.removeAll(path);
    files.prepend(path);
    setRecentDocuments(files);
}

void MainWindow::fillRecentMenu()
{
    QMenu *menu = ui->menuDocumentsRecents;
    menu->clear();
    const QStringList files = recentDocuments();
    for (int i = 0; i < files.size(); ++i) {
        // Numbered from 1, which is also the entry's mnemonic.
        QAction *action =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setToolTip(QDir::toNativeSeparators(files[i]));
        action->setStatusTip(QDir::toNativeSeparators(files[i]));
        const QString file = files[i];
        connect(action, &QAction::triggered, this, [this, file] { openRecentDocument(file); });
    }
    menu->setEnabled(!files.isEmpty() && !m_link->isBusy());
}

void MainWindow::openRecentDocument(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        QStringList files = recentDocuments();
        files.removeAll(fileName);
        setRecentDocuments(files);
        QMessageBox::warning(this, tr("Documents recents"),
                             tr("Le document %1 n'existe plus. Il est retire de la liste.")
                                 .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    openDocument(fileName);
}
