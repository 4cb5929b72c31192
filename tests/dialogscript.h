#pragma once

// The one driver of the modal windows a test meets: message boxes, file dialogs and the program's dialogs.

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace TestUtil
{

// Answers the modal windows that show while it lives, one step each in order: a message box gets a button
// (0: the Enter key, -1: its default), a file dialog a file name (empty: cancelled), any other dialog a
// function. `seen` notes each ("title: text" for boxes, "QFileDialog: folder", the class name otherwise).
// A box no step expects gets its default button with `otherBoxes` (or the button answer() gives for its
// first words), and any other window is rejected after a while as "unexpected": a test fails, not hangs.
class DialogScript
{
public:
    explicit DialogScript(bool otherBoxes = false);
    DialogScript &box(int button)
    {
        return step(Box, [button](QWidget *w) { press(w, button); });
    }
    DialogScript &file(const QString &fileName);
    // A file dialog accepted with the name it proposes.
    DialogScript &proposed();
    DialogScript &dialog(std::function<void(QWidget *)> fn) { return step(Other, std::move(fn)); }
    DialogScript &answer(const QString &textStart, int button);
    bool done() const { return m_steps.isEmpty(); }
    QStringList boxes() const; // the boxes seen, as "title: text"

    QStringList seen;
    QStringList offered; // the file each file dialog proposed, as a path

private:
    enum Kind { Box, File, Other };
    DialogScript &step(Kind kind, std::function<void(QWidget *)> fn);
    static void press(QWidget *box, int button);
    void poll();

    QList<std::pair<Kind, std::function<void(QWidget *)>>> m_steps;
    QList<std::pair<QString, int>> m_answers;
    bool m_otherBoxes;
    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_waited = 0;
};

} // namespace TestUtil
