#include "testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPushButton>
#include <QTimer>

namespace TestUtil
{

namespace
{

// Offers each visible modal widget to fn until fn takes one (returns true) or the time runs out.
void poll(std::function<bool(QWidget *)> fn, int remainingMs)
{
    QTimer::singleShot(20, qApp, [fn, remainingMs] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isVisible() && fn(w))
            return;
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
    poll(
        [fn](QWidget *w) {
            fn(w);
            return true;
        },
        timeoutMs);
}

void answerNextMessageBox(int standardButton, QString *text, QString *title, int timeoutMs)
{
    poll(
        [=](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return false; // another modal window (a progress window, say): wait for the box
            if (text)
                *text = box->text();
            if (title)
                *title = box->windowTitle();
            if (QAbstractButton *b = box->button(QMessageBox::StandardButton(standardButton)))
                b->click();
            else
                box->reject();
            return true;
        },
        timeoutMs);
}

void answerNextFileDialog(const QString &fileName, int timeoutMs)
{
    poll(
        [=](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            if (!dialog)
                return false;
            if (fileName.isEmpty()) {
                dialog->reject();
                return true;
            }
            // selectFile() ignores a file outside the dialog's current folder, or when the name field has
            // the focus: go there, and type the whole path as a user would.
            const QFileInfo info(fileName);
            dialog->setDirectory(info.absolutePath());
            dialog->selectFile(info.fileName());
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(info.absoluteFilePath());
            QMetaObject::invokeMethod(dialog, "accept");
            return true;
        },
        timeoutMs);
}

BoxCollector::BoxCollector(bool rejectDialogs)
{
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this, rejectDialogs] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == m_last)
            return;
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box && !rejectDialogs)
            return;
        m_last = w; // a closed window may stay visible for a moment
        if (!box) {
            dialogs << QString::fromLatin1(w->metaObject()->className());
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            return;
        }
        titles << box->windowTitle();
        texts << box->text();
        QAbstractButton *b = box->defaultButton();
        for (const auto &answer : qAsConst(m_answers))
            if (box->text().startsWith(answer.first))
                b = box->button(QMessageBox::StandardButton(answer.second));
        if (!b)
            b = box->buttons().value(0);
        if (b)
            b->click();
    });
    m_timer.start();
}

DialogScript::DialogScript()
{
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

DialogScript &DialogScript::box(int standardButton)
{
    m_steps.append({Step::Box, standardButton, {}, nullptr});
    return *this;
}

DialogScript &DialogScript::file(const QString &fileName)
{
    m_steps.append({Step::File, 0, fileName, nullptr});
    return *this;
}

DialogScript &DialogScript::dialog(std::function<void(QWidget *)> fn)
{
    m_steps.append({Step::Dialog, 0, {}, std::move(fn)});
    return *this;
}

void DialogScript::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w || !w->isVisible() || w == m_current)
        return; // a closed window may stay visible for a moment
    auto *box = qobject_cast<QMessageBox *>(w);
    auto *files = qobject_cast<QFileDialog *>(w);
    const Step::Kind kind = box ? Step::Box : files ? Step::File : Step::Dialog;
    const QString what = box     ? box->windowTitle() + ": " + box->text()
                         : files ? "QFileDialog: " + files->directory().absolutePath()
                                 : QString::fromLatin1(w->metaObject()->className());
    if (m_steps.isEmpty() || m_steps.first().kind != kind) {
        // Another modal window (a progress window, say) may come and go on its own before the next step.
        if (++m_waited < 200)
            return;
        m_waited = 0;
        m_current = w;
        seen << "unexpected " + what;
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        return;
    }
    m_waited = 0;
    m_current = w;
    seen << what;
    const Step step = m_steps.takeFirst();
    // Acted on from the event loop, not from this timer: a window the action opens (a question of the
    // file dialog, say) runs its own loop, in which this timer would not fire again.
    QTimer::singleShot(0, w, [w, box, files, step] {
        switch (step.kind) {
        case Step::Box:
            if (QAbstractButton *b = box->button(QMessageBox::StandardButton(step.button)))
                b->click();
            else
                box->reject();
            break;
        case Step::File:
            if (step.fileName.isEmpty()) {
                files->reject();
            } else {
                const QFileInfo info(step.fileName);
                files->setDirectory(info.absolutePath());
                files->selectFile(info.fileName());
                if (auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    edit->setText(info.absoluteFilePath());
                QMetaObject::invokeMethod(files, "accept");
            }
            break;
        case Step::Dialog:
            step.fn(w);
            break;
        }
    });
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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray configWithLanguage(const QString &code)
{
    QByteArray xml = readFile(QStringLiteral(":/file/config/config.xml"));
    const QByteArray from = "encours=\"fr\"";
    if (!xml.contains(from))
        qFatal("the built-in config.xml names no current language");
    return xml.replace(from, "encours=\"" + code.toUtf8() + '"');
}

QByteArray firmwareImage(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 512 * 13 + 0x5A) & 0xFF);
    return bytes;
}

} // namespace TestUtil
