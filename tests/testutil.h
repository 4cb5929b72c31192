#pragma once

// Shared helpers of the test suites: temporary application folders and driving modal dialogs.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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

// Collects qDebug lines while alive.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    QStringList lines() const;
    bool contains(const QString &text) const;
};

// A fresh application folder holding a copy of the built-in default configuration.
QString makeAppDir(QTemporaryDir &dir);

} // namespace TestUtil
