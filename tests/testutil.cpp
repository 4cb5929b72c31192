#include "testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QTimer>

namespace TestUtil
{

namespace
{

void poll(std::function<void(QWidget *)> fn, int remainingMs)
{
    QTimer::singleShot(20, qApp, [fn, remainingMs] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isVisible()) {
            fn(w);
            return;
        }
        if (remainingMs > 0)
            poll(fn, remainingMs - 20);
    });
}

QMutex captureMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;
int captureDepth = 0;

void captureHandler(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
{
    {
        QMutexLocker lock(&captureMutex);
        captured.append(msg);
    }
    if (qEnvironmentVariableIsSet("QVX_TEST_VERBOSE") && previousHandler)
        previousHandler(type, ctx, msg);
}

} // namespace

void onNextModal(std::function<void(QWidget *)> fn, int timeoutMs)
{
    poll(std::move(fn), timeoutMs);
}

void answerNextMessageBox(int standardButton, QString *text, QString *title, int timeoutMs)
{
    onNextModal(
        [=](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) {
                w->close();
                return;
            }
            if (text)
                *text = box->text();
            if (title)
                *title = box->windowTitle();
            QAbstractButton *b = box->button(QMessageBox::StandardButton(standardButton));
            if (b)
                b->click();
            else
                box->reject();
        },
        timeoutMs);
}

void answerNextFileDialog(const QString &fileName, int timeoutMs)
{
    onNextModal(
        [=](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog) {
                w->close();
                return;
            }
            if (fileName.isEmpty()) {
                dialog->reject();
                return;
            }
            // selectFile() ignores a file outside the dialog's current folder: go there first, and type
            // the whole path as a user would.
            const QFileInfo info(fileName);
            dialog->setDirectory(info.absolutePath());
            dialog->selectFile(info.fileName());
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(info.absoluteFilePath());
            QMetaObject::invokeMethod(dialog, "accept");
        },
        timeoutMs);
}

DebugCapture::DebugCapture()
{
    QMutexLocker lock(&captureMutex);
    if (captureDepth++ == 0) {
        captured.clear();
        previousHandler = qInstallMessageHandler(captureHandler);
    }
}

DebugCapture::~DebugCapture()
{
    QMutexLocker lock(&captureMutex);
    if (--captureDepth == 0)
        qInstallMessageHandler(previousHandler);
}

QStringList DebugCapture::lines() const
{
    QMutexLocker lock(&captureMutex);
    return captured;
}

bool DebugCapture::contains(const QString &text) const
{
    const QStringList all = lines();
    for (const QString &l : all)
        if (l.contains(text))
            return true;
    return false;
}

QString makeAppDir(QTemporaryDir &dir)
{
    return dir.path();
}

} // namespace TestUtil
