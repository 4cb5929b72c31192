// Fuzzes the firmware image loader: the input is the *.bin file (or, after the byte 0xA5, a size and a
// filler, to reach sizes around the refusal bound from a short input).
//
// A loaded image is one page text per 512 bytes plus a last, partial or filler-only, page: 1 026
// upper-case hex digits, the 512 bytes and their sum, the bytes being the file's and, past its end, each
// byte's own position in the page. An empty file and a file of 262 144 bytes or more are refused.

#include "bootloadersession.h"
#include "firmwareimage.h"
#include "fuzzcommon.h"

#include <QCoreApplication>
#include <QSerialPort>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Qvx2::Boot;
    FuzzCommon::initQt();
    static QSerialPort *port = new QSerialPort; // never opened: nothing is sent
    static BootloaderSession *session = new BootloaderSession(port);
    static FirmwareImage *firmware = new FirmwareImage;
    static const QString path = FuzzCommon::scratchPath(QStringLiteral("image.bin"));

    QByteArray image(reinterpret_cast<const char *>(data), int(size));
    if (size >= 4 && data[0] == 0xA5) {
        // A size within six pages of 0, or, when the first size byte is 0xFF, within three pages of the
        // refusal bound: the sizes in between behave alike, and a large image costs a thousand small ones.
        const int offset = int((quint32(data[2]) << 8 | data[3]) % (6 * PageBytes + 1));
        const int wanted = data[1] == 0xFF ? MaxImageBytes - 3 * PageBytes + offset : offset;
        const QByteArray filler = image.mid(4).isEmpty() ? QByteArray(1, '\0') : image.mid(4);
        image = filler.repeated(wanted / filler.size() + 1).left(wanted);
    }
    FuzzCommon::writeFile(path, reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()));

    const bool loaded = firmware->load(path);
    // With the port closed, a run stops before sending anything.
    const BootloaderSession::Outcome outcome = session->run(*firmware);
    const bool acceptable = !image.isEmpty() && image.size() < MaxImageBytes;
    FUZZ_CHECK(loaded == acceptable, QStringLiteral("%1 bytes, loaded %2").arg(image.size()).arg(loaded));
    if (!loaded) {
        FUZZ_CHECK(outcome == BootloaderSession::Outcome::ImageRefused, QString::number(int(outcome)));
        FUZZ_CHECK(firmware->error() != FirmwareImage::Error::None, QString());
        FUZZ_CHECK(firmware->pageCount() == 0, QString::number(firmware->pageCount()));
        for (int page : {0, 1, PageSlots - 1})
            FUZZ_CHECK(firmware->pageText(page).isEmpty(), QString::number(page));
        QCoreApplication::processEvents();
        return 0;
    }
    FUZZ_CHECK(outcome == BootloaderSession::Outcome::LinkLost, QString::number(int(outcome)));

    const int pageCount = image.size() / PageBytes;
    FUZZ_CHECK(firmware->pageCount() == pageCount,
               QStringLiteral("%1 for %2 bytes").arg(firmware->pageCount()).arg(image.size()));
    // Each page as Qt's own hex encoding gives it (the digit-by-digit check costs a thousand times more). In
    // a large image the pages between the first two and the last two are built alike: every 37th is checked.
    for (int page = 0; page <= pageCount; ++page) {
        if (page >= 2 && page < pageCount - 1 && page % 37 != 0)
            continue;
        QByteArray bytes = image.mid(page * PageBytes, PageBytes);
        for (int i = bytes.size(); i < PageBytes; ++i)
            bytes.append(char(i));
        quint8 sum = 0;
        for (const char b : qAsConst(bytes))
            sum = quint8(sum + quint8(b));
        bytes.append(char(sum));
        const QString expected = QString::fromLatin1(bytes.toHex().toUpper());
        const QString text = firmware->pageText(page);
        FUZZ_CHECK(text == expected,
                   QStringLiteral("page %1:\n%2\nnot\n%3").arg(QString::number(page), text, expected));
    }
    for (int page : {-1, pageCount + 1, PageSlots - 1, PageSlots})
        if (page > pageCount)
            FUZZ_CHECK(firmware->pageText(page).isEmpty(), QString::number(page));
    FUZZ_CHECK(firmware->pageText(-1).isEmpty(), QString());
    // What the event loop would do between two files: the label updates the load posted.
    QCoreApplication::processEvents();
    return 0;
}
