#pragma once

// Cuts the instrument's byte stream into lines, the same way for its measurement lines and its bootloader's.

#include "constants.h"

#include <QByteArray>
#include <QDebug>
#include <cstring>

class LineFramer
{
public:
    // Hands each complete line at the front of `buffer` to onLine, in order, and removes it. A line is the
    // bytes up to and including its CR; a NUL cuts it short (the bytes from the NUL on, its CR among them,
    // are line noise, not text). A trailing part without a CR stays for the next call, unless it has grown
    // past Qvx2::ReceiveBufferLimit: a stream without CRs is not instrument text and is dropped, with a
    // diagnostic. Returns false when bytes were dropped.
    template <typename OnLine> static bool takeLines(QByteArray &buffer, OnLine &&onLine)
    {
        int start = 0;
        for (;;) {
            const int cr = buffer.indexOf('\r', start);
            if (cr < 0)
                break;
            const int length = cr - start + 1;
            const char *line = buffer.constData() + start;
            const int text = int(qstrnlen(line, size_t(length)));
            start = cr + 1;
            onLine(QByteArray::fromRawData(line, text));
        }
        buffer.remove(0, start);
        if (buffer.size() <= Qvx2::ReceiveBufferLimit)
            return true;
        qDebug() << "parse(): no CR in" << buffer.size() << "bytes, dropped";
        buffer.clear();
        return false;
    }
};
