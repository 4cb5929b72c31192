#include "firmwareimage.h"

#include <QFile>

using namespace Qvx2::Boot;

namespace
{

// Writes the byte as two upper-case hex digits at `out`.
void putHex(QChar *out, quint8 byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out[0] = QLatin1Char(digits[byte >> 4]);
    out[1] = QLatin1Char(digits[byte & 0x0F]);
}

} // namespace

QString FirmwareImage::pageText(int page) const
{
    return page >= 0 && page < m_pages.size() ? m_pages.at(page) : QString();
}

bool FirmwareImage::load(const QString &path)
{
    m_pages.clear();
    m_pageCount = 0;
    m_error = Error::None;
    m_errorString.clear();
    m_fileSize = 0;

    QFile file(path);
    const auto fail = [this](Error error, const QString &why = QString()) {
        m_error = error;
        m_errorString = why;
        return false;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(Error::Unreadable, file.errorString());
    // Reading no further than the limit is enough to tell an image that would not fit.
    // (A file that tells its size is read in one buffer of that size; /proc files tell 0.)
    const qint64 told = file.isSequential() ? 0 : file.size();
    const QByteArray image = file.read(told > 0 ? qMin<qint64>(MaxImageBytes, told + 1) : MaxImageBytes);
    if (image.isEmpty() && file.error() != QFileDevice::NoError)
        return fail(Error::Unreadable, file.errorString());
    m_fileSize = qMax(file.size(), qint64(image.size()));
    if (image.size() >= MaxImageBytes)
        return fail(Error::TooLarge);
    if (image.isEmpty())
        return fail(Error::Empty);

    // Complete pages, then the partial last one (filler only when the size is a multiple of a page).
    for (int k = 0;; ++k) {
        const int offset = k * PageBytes;
        const int dataBytes = qBound(0, image.size() - offset, PageBytes);
        QString text(PageTextChars, Qt::Uninitialized);
        QChar *out = text.data();
        const char *in = image.constData() + offset;
        quint8 sum = 0;
        const auto put = [&](int i, quint8 byte) {
            putHex(out + 2 * i, byte);
            sum = quint8(sum + byte);
        };
        int i = 0;
        for (; i < dataBytes; ++i)
            put(i, quint8(in[i]));
        // Past the end of the file each byte is the low byte of its own position in the page.
        for (; i < PageBytes; ++i)
            put(i, quint8(i));
        putHex(out + 2 * PageBytes, sum);
        m_pages.append(text);
        if (dataBytes < PageBytes)
            break;
        ++m_pageCount;
    }
    return true;
}
