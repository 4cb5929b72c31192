#pragma once

// The firmware update as an operation: the image checked before anything is sent, the link's port lent to
// the bootloader while the update lives (taken back on every path out, exceptions included), the
// bootloader's conversation with its progress, and the outcome with its reason.

#include "bootloadersession.h"
#include "firmwareimage.h"
#include "instrumentlink.h"
#include "result.h"

#include <QObject>

class FirmwareUpdate : public QObject
{
    Q_OBJECT

public:
    using Outcome = BootloaderSession::Outcome;

    // Holds the link's port from now until it is destroyed: the link neither reads it nor pings meanwhile.
    explicit FirmwareUpdate(InstrumentLink *link, QObject *parent = nullptr);

    // Reads and cuts the image (into *image, when given); a refused file, with why, when it cannot be flashed
    // (nothing is sent).
    static Result check(const QString &path, FirmwareImage *image);
    // Reset, every page, quit; the outcome with its reason.
    Result run(const FirmwareImage &image);
    Outcome outcome() const { return m_outcome; }
    // The conversation itself, for a window that shows its steps or sends them one by one.
    BootloaderSession &session() { return m_session; }
    // What a run's outcome is, for the user.
    Result resultOf(Outcome outcome) const;

private:
    InstrumentLink::PortHold m_hold;
    BootloaderSession m_session;
    Outcome m_outcome = Outcome::Success;
};
