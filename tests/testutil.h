#pragma once

// Shared helpers of the test suites: temporary application folders and driving modal dialogs.

#include <QByteArray>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

class QWidget;

namespace TestUtil
{

// Acts on the next modal widget that appears (polled, up to timeoutMs); fn gets the widget.
void onNextModal(std::function<void(QWidget *)> fn, int timeoutMs = 20000);
// Presses the button of the next message box whose role or text matches, returns its text via *text.
void answerNextMessageBox(int standardButton, QString *text = nullptr, QString *title = nullptr,
                          int timeoutMs = 20000);
// Types a file name into the next QFileDialog and accepts it (empty: rejects it).
void answerNextFileDialog(const QString &fileName, int timeoutMs = 20000);

// Answers every message box that shows while alive with its default button, noting title and text.
// With rejectDialogs, any other modal dialog is noted and rejected too.
class BoxCollector
{
public:
    explicit BoxCollector(bool rejectDialogs = false);

    // A box whose text starts with this is answered with that button instead of its default.
    void answer(const QString &textStart, int standardButton)
    {
        m_answers.append({textStart, standardButton});
    }

    QStringList titles;
    QStringList texts;
    QStringList dialogs;

private:
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QList<QPair<QString, int>> m_answers;
};

// Answers the modal windows that show while it lives, in order, one step each: a message box gets a button,
// a file dialog a file name (empty: cancelled), any other dialog a function. What showed is noted in `seen`
// ("title: text" for boxes, the class name otherwise). A window no step expects is rejected after a while,
// noted as "unexpected ...", so that a test fails instead of hanging.
class DialogScript
{
public:
    DialogScript();
    DialogScript &box(int standardButton);
    DialogScript &file(const QString &fileName);
    DialogScript &dialog(std::function<void(QWidget *)> fn);
    bool done() const { return m_steps.isEmpty(); }

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
    QTimer m_timer;
    QPointer<QWidget> m_current;
    int m_waited = 0;
};

// Collects qDebug lines while alive.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    QStringList lines() const;
    bool contains(const QString &text) const;
};

// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Makes the file hold exactly these bytes; false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);

// The built-in config.xml with `code` as its current language.
QByteArray configWithLanguage(const QString &code);
// A firmware image whose bytes differ from page to page and from a page's filler.
QByteArray firmwareImage(int size);

} // namespace TestUtil
