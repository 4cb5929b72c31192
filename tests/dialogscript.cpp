#include "dialogscript.h"

#include <QtWidgets>

namespace TestUtil
{

DialogScript::DialogScript(bool otherBoxes) : m_otherBoxes(otherBoxes)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start(10);
}

DialogScript &DialogScript::step(Kind kind, std::function<void(QWidget *)> fn)
{
    m_steps.append({kind, std::move(fn)});
    return *this;
}

DialogScript &DialogScript::file(const QString &fileName)
{
    return step(File, [fileName](QWidget *w) {
        auto *files = static_cast<QFileDialog *>(w);
        if (fileName.isEmpty())
            return files->reject();
        // selectFile() ignores a file outside the current folder: go there, and type the path as a user
        // would.
        files->setDirectory(QFileInfo(fileName).absolutePath());
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(fileName);
        QMetaObject::invokeMethod(files, "accept");
    });
}

DialogScript &DialogScript::proposed()
{
    return step(File, [](QWidget *w) { QMetaObject::invokeMethod(w, "accept"); });
}

DialogScript &DialogScript::answer(const QString &textStart, int button)
{
    m_answers.append({textStart, button});
    return *this;
}

QStringList DialogScript::boxes() const
{
    return seen.filter(QRegularExpression(QStringLiteral("^(?!QFileDialog: |unexpected ).*: ")));
}

void DialogScript::press(QWidget *w, int button)
{
    auto *box = static_cast<QMessageBox *>(w);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    if (button == 0)
        QCoreApplication::sendEvent(box, &enter);
    else if (QAbstractButton *b =
                 button < 0 ? box->defaultButton() : box->button(QMessageBox::StandardButton(button)))
        b->click();
    else
        box->reject();
}

void DialogScript::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w || !w->isVisible() || w == m_current)
        return; // a closed window may stay visible for a moment
    auto *box = qobject_cast<QMessageBox *>(w);
    auto *files = qobject_cast<QFileDialog *>(w);
    const Kind kind = box ? Box : files ? File : Other;
    const QString what = box     ? box->windowTitle() + ": " + box->text()
                         : files ? "QFileDialog: " + files->directory().absolutePath()
                                 : QString::fromLatin1(w->metaObject()->className());
    std::function<void(QWidget *)> act;
    if (!m_steps.isEmpty() && m_steps.first().first == kind) {
        act = m_steps.takeFirst().second;
    } else if (box && m_otherBoxes) {
        int button = -1;
        for (const auto &a : qAsConst(m_answers))
            button = box->text().startsWith(a.first) ? a.second : button;
        act = [button](QWidget *w) { press(w, button); };
    } else if (++m_waited < 200) {
        return; // another modal window (a progress window, say) may come and go before the next step
    } else {
        act = [](QWidget *w) { static_cast<QDialog *>(w)->reject(); };
    }
    seen << (m_waited < 200 ? what : "unexpected " + what);
    const QString name =
        files ? files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text() : QString();
    if (!name.isEmpty())
        offered << files->directory().absoluteFilePath(name);
    m_waited = 0;
    m_current = w;
    // Acted on from the event loop, not from this timer: a window the action opens (a question of the file
    // dialog, say) runs its own loop, in which this timer would not fire again.
    QTimer::singleShot(0, w, [w, act] { act(w); });
}

} // namespace TestUtil
