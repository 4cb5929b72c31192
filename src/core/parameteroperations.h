#pragma once

// The instrument's parameters as operations on the link: the list read, one parameter written with its echo
// checked and then saved in the instrument's memory, and a patch file applied line by line. Each says what it
// came to.

#include "instrumentlink.h"
#include "patchfile.h"
#include "result.h"

#include <QObject>
#include <QVector>

class ParameterOperations : public QObject
{
    Q_OBJECT

public:
    // What one line of a patch file came to.
    struct PatchLineResult {
        QString name;
        qint32 value = 0;
        int number = -1; // -1: no parameter of the instrument has this name
        qint32 echoed = 0;
        Result result;
    };
    struct PatchRun {
        Result result; // the file or the query refused, or done
        QString path;  // the file read
        QVector<PatchLineResult> lines;
        int written() const; // lines written and saved
        int named() const;   // lines naming a parameter of the instrument
    };

    explicit ParameterOperations(InstrumentLink *link, QObject *parent = nullptr);

    // The instrument's parameter list, until the line of parameter `number` has come.
    Result read(int number = Qvx2::FlagParamLast, const QString &label = QString());
    const CmdParser::Param &parameter(int number) const;
    // The number under which the instrument last reported a parameter of this name, or -1.
    int numberOf(const QString &name) const;
    // Writes the value, waits for the instrument's echo, then saves the parameters in its memory. Nothing is
    // saved when no echo came; an echo of another value is saved as the instrument holds it, and told.
    Result write(int number, qint32 value, const QString &label = QString(), qint32 *echoed = nullptr);
    Result saveEeprom(const QString &label = QString());
    // Reads the list, then writes each line of the file that names a parameter of the instrument, in order.
    PatchRun applyPatch(const QString &path);

private:
    InstrumentLink *m_link;
};
