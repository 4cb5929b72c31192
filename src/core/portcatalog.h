#pragma once

// The list of serial ports the automatic search may try: the system's, or one a test or the demo offers.

#include <QList>
#include <QString>
#include <functional>

struct PortCandidate {
    QString portName; // a system port name or a full device path
    QString manufacturer;
};

using PortCatalog = std::function<QList<PortCandidate>()>;

// The machine's serial ports with their USB manufacturer strings.
PortCatalog systemPortCatalog();
