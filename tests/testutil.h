#pragma once

// Shared helpers of the test suites: temporary application folders and driving modal dialogs.

#include <QByteArray>
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

    QStringList titles;
    QStringList texts;
    QStringList dialogs;

private:
    QTimer m_timer;
    QPointer<QWidget> m_last;
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
