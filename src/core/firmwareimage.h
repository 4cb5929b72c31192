#pragma once

// A firmware image cut into the bootloader's pages: each page's 512 bytes (the last page completed with
// filler) as upper-case hexadecimal text followed by its checksum.

#include <QString>
#include <QVector>

namespace Qvx2::Boot
{
// Flash layout of the instrument's microcontroller.
constexpr int PageBytes = 512;
constexpr int PageSlots = 512;                                  // pages the table can hold
constexpr qint64 MaxImageBytes = qint64(PageBytes) * PageSlots; // 262 144: an image this long is refused
constexpr int PageTextChars = 2 * PageBytes + 2;                // hex data and checksum
} // namespace Qvx2::Boot

class FirmwareImage
{
public:
    enum class Error {
        None,
        Unreadable, // the file could not be opened or read (errorString() says why)
        TooLarge,   // MaxImageBytes or more: the last page would not fit
        Empty,
    };

    // Reads and cuts the file; false, with no page, when it cannot be flashed.
    bool load(const QString &path);

    Error error() const { return m_error; }
    QString errorString() const { return m_errorString; }
    qint64 fileSize() const { return m_fileSize; }
    // Complete 512-byte pages of the file; pageCount() + 1 pages are sent, the last one partial or filler.
    int pageCount() const { return m_pageCount; }
    // Page text, or an empty text for a page the image does not have.
    QString pageText(int page) const;

private:
    QVector<QString> m_pages;
    int m_pageCount = 0;
    Error m_error = Error::None;
    QString m_errorString;
    qint64 m_fileSize = 0;
};
