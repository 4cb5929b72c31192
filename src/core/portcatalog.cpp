#include "portcatalog.h"

#include <QSerialPortInfo>

PortCatalog systemPortCatalog()
{
    return [] {
        QList<PortCandidate> ports;
        const auto infos = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo &info : infos)
            ports.append({info.portName(), info.manufacturer()});
        return ports;
    };
}
