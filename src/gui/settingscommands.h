#pragma once

// The commands on the instrument's parameters, as the user meets them: the cut-off time, the start-up range
// and the battery type through their dialogs, and the patch files. Each write is confirmed by the
// instrument's echo and saved in its memory by the core's parameter operations; this class asks and tells,
// failures included.

#include "parameteroperations.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Configuration;
class QWidget;

class SettingsCommands : public QObject
{
    Q_OBJECT

public:
    SettingsCommands(QWidget *window, ParameterOperations *parameters, Configuration *config,
                     const QString &dataPath, const QString &sharePath, QObject *parent = nullptr);

    void cutoffTime();
    void startRange();
    void batteryType();
    // The list until parameter `number`; false, told, when it did not come.
    bool query(const QString &label, int number);
    // Writes, checks the echo, saves the memory, and tells what came of it.
    bool write(qint32 value, const QString &label, int number);
    // Saves the parameters in the instrument's memory and shows the message when it confirms.
    void saveMemory(const QString &message);
    // The patch file of this name: the user's copy beside config.xml first, else the shipped one.
    void applyPatch(const QString &fileName);

private:
    // What a write came to, for the user: the confirmation of the value the instrument took, or why not.
    void tell(const QString &label, const QString &name, qint32 echoed, const Result &result);

    QWidget *m_window;
    ParameterOperations *m_parameters;
    Configuration *m_config;
    QString m_dataPath;
    QString m_sharePath;
};
