// Fuzzes the firmware image loader: the input is the *.bin file (or, after the byte 0xA5, a size and a
// filler, to reach sizes around the refusal bound from a short input).
//
// A loaded image is one page text per 512 bytes plus a last, partial or filler-only, page: 1 026
// upper-case hex digits, the 512 bytes and their sum, the bytes being the file's and, past its end, each
// byte's own position in the page. An empty file and a file of 262 144 bytes or more are refused.

#include "dialogtelech.h"
#include "fuzzcommon.h"

#include <QSerialPort>

namespace
{

int hexValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace Qvx2::Boot;
    FuzzCommon::initQt();
    static QSerialPort *port = new QSerialPort; // never opened: loading sends nothing
    static DialogTelech *dialog = new DialogTelech(port, nullptr);
    static const QString path = FuzzCommon::scratchPath(QStringLiteral("image.bin"));

    QByteArray image(reinterpret_cast<const char *>(data), int(size));
    if (size >= 4 && data[0] == 0xA5) {
        // Sizes from 0 to 2 * MaxImageBytes, the rest of the input repeated as content.
        const int wanted =
            int((quint32(data[1]) << 16 | quint32(data[2]) << 8 | data[3]) % (2 * MaxImageBytes + 1));
        const QByteArray filler = image.mid(4).isEmpty() ? QByteArray(1, '\0') : image.mid(4);
        image = filler.repeated(wanted / filler.size() + 1).left(wanted);
    }
    FuzzCommon::writeFile(path, reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()));

    dialog->setFile(path);
    // With the port closed, an update loads the image and stops before sending anything.
    const DialogTelech::Outcome outcome = dialog->runUpdate();
    const bool loaded = outcome != DialogTelech::Outcome::ImageRefused;
    const bool acceptable = !image.isEmpty() && image.size() < MaxImageBytes;
    FUZZ_CHECK(
        loaded == acceptable,
        QStringLiteral("%1 bytes, loaded %2: %3").arg(image.size()).arg(loaded).arg(dialog->report().text));
    if (!loaded) {
        FUZZ_CHECK(!dialog->report().text.isEmpty(), QString());
        FUZZ_CHECK(dialog->pageCount() == 0, QString::number(dialog->pageCount()));
        for (int page : {0, 1, PageSlots - 1})
            FUZZ_CHECK(dialog->pageText(page).isEmpty(), QString::number(page));
        return 0;
    }
    FUZZ_CHECK(outcome == DialogTelech::Outcome::LinkLost, QString::number(int(outcome)));

    const int pageCount = image.size() / PageBytes;
    FUZZ_CHECK(dialog->pageCount() == pageCount,
               QStringLiteral("%1 for %2 bytes").arg(dialog->pageCount()).arg(image.size()));
    for (int page = 0; page <= pageCount; ++page) {
        const QString text = dialog->pageText(page);
        FUZZ_CHECK(text.size() == PageTextChars,
                   QStringLiteral("page %1: %2 digits").arg(page).arg(text.size()));
        quint8 sum = 0;
        for (int i = 0; i < PageBytes; ++i) {
            const int hi = hexValue(text.at(2 * i));
            const int lo = hexValue(text.at(2 * i + 1));
            FUZZ_CHECK(hi >= 0 && lo >= 0,
                       QStringLiteral("page %1 byte %2: %3").arg(page).arg(i).arg(text.mid(2 * i, 2)));
            const quint8 byte = quint8(hi << 4 | lo);
            const int at = page * PageBytes + i;
            const quint8 expected = at < image.size() ? quint8(image.at(at)) : quint8(i);
            FUZZ_CHECK(
                byte == expected,
                QStringLiteral("page %1 byte %2: %3, not %4").arg(page).arg(i).arg(byte).arg(expected));
            sum = quint8(sum + byte);
        }
        const int hi = hexValue(text.at(2 * PageBytes));
        const int lo = hexValue(text.at(2 * PageBytes + 1));
        FUZZ_CHECK(hi >= 0 && lo >= 0 && quint8(hi << 4 | lo) == sum,
                   QStringLiteral("page %1: checksum %2, sum %3").arg(page).arg(text.right(2)).arg(sum));
    }
    for (int page : {-1, pageCount + 1, PageSlots - 1, PageSlots})
        if (page > pageCount)
            FUZZ_CHECK(dialog->pageText(page).isEmpty(), QString::number(page));
    FUZZ_CHECK(dialog->pageText(-1).isEmpty(), QString());
    return 0;
}
