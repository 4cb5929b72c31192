#pragma once

// The one driver of the modal windows a test meets: message boxes, file dialogs and the program's dialogs.

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace TestUtil
{

// Answers the modal windows that show while it lives, in order, one step each: a message box gets a button,
// a file dialog a file name (empty: cancelled), any other dialog a function. What showed is noted in `seen`
// ("title: text" for boxes, "QFileDialog: folder" for file dialogs, the class name otherwise). A box no step
// expects gets its default button when `otherBoxes` is set (or the button given for its first words), and
// is otherwise rejected after a while and noted as "unexpected ...", so that a test fails instead of hanging.
class DialogScript
{
public:
    explicit DialogScript(bool otherBoxes = false);
    // A box: this button is pressed (0: the Enter key; -1: the default button).
    DialogScript &box(int standardButton);
    DialogScript &file(const QString &fileName);
    DialogScript &dialog(std::function<void(QWidget *)> fn);
    // With otherBoxes: a box whose text starts with these words gets this button instead of its default.
    DialogScript &answer(const QString &textStart, int standardButton);
    bool done() const { return m_steps.isEmpty(); }
    QStringList boxes() const; // the boxes seen, as "title: text"

    QStringList seen;

private:
    struct Step {
        enum Kind { Box, File, Dialog } kind;
        int button;
        QString fileName;
        std::function<void(QWidget *)> fn;
    };
    void poll();

    QList<Step> m_steps;
    QList<QPair<QString, int>> m_answers;
    bool m_otherBoxes;
    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_waited = 0;
};

} // namespace TestUtil
