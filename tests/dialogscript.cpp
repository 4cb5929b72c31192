#include "dialogscript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace TestUtil
{

namespace
{
// Polls before a modal window no step expects is given up on.
constexpr int PatiencePolls = 200;
} // namespace

DialogScript::DialogScript(bool otherBoxes) : m_otherBoxes(otherBoxes)
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

DialogScript &DialogScript::answer(const QString &textStart, int standardButton)
{
    m_answers.append({textStart, standardButton});
    return *this;
}

QStringList DialogScript::boxes() const
{
    QStringList out;
    for (const QString &s : seen)
        if (!s.startsWith(QLatin1String("QFileDialog: ")) && s.contains(QLatin1String(": ")))
            out << s;
    return out;
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
    Step step{Step::Dialog, 0, {}, nullptr};
    if (!m_steps.isEmpty() && m_steps.first().kind == kind) {
        step = m_steps.takeFirst();
    } else if (box && m_otherBoxes) {
        step = {Step::Box, -1, {}, nullptr};
        for (const auto &a : qAsConst(m_answers))
            if (box->text().startsWith(a.first))
                step.button = a.second;
    } else {
        // Another modal window (a progress window, say) may come and go on its own before the next step.
        if (++m_waited < PatiencePolls)
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
    // Acted on from the event loop, not from this timer: a window the action opens (a question of the file
    // dialog, say) runs its own loop, in which this timer would not fire again.
    QTimer::singleShot(0, w, [w, box, files, step] {
        switch (step.kind) {
        case Step::Box: {
            if (step.button == 0) { // the Enter key, as a user presses it
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &enter);
                break;
            }
            QAbstractButton *b = step.button < 0 ? box->defaultButton()
                                                 : box->button(QMessageBox::StandardButton(step.button));
            if (!b)
                b = box->buttons().value(0);
            if (b)
                b->click();
            else
                box->reject();
            break;
        }
        case Step::File:
            if (step.fileName.isEmpty()) {
                files->reject();
            } else {
                // selectFile() ignores a file outside the dialog's current folder: go there, and type the
                // whole path as a user would.
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

} // namespace TestUtil
