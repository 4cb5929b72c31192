// Fuzzes the measurement-document reader: the input is a *.qv2 file, read with every getter the program
// uses (and a few numbers it never asks for). The saves below run on one input in 16 (always the same ones).
// Whatever was read must survive a save and a new read unchanged, and any text of the input, stored in a
// document, must read back as it was stored: a document the program wrote and cannot open again is a lost
// measurement.

#include "constants.h"
#include "fuzzcommon.h"
#include "measurement.h"
#include "xmlmesure.h"

#include <QStringList>

namespace
{

const char *const infoTags[] = {"releveur",    "date",       "poste",       "code_gdo",
                                "num_transfo", "puissance",  "fabricant",   "tension_ht1",
                                "fusible",     "tension_bt", "gamme_mesure"};

// Asks the document for everything the program may ask it. With `keep`, the answers come back as text to
// compare; without, they are only asked: the reading of most inputs, for which no comparison runs.
QString readAll(const XmlMesure &doc, bool keep = true)
{
    QStringList s;
    const auto add = [&](const auto &format) {
        if (keep)
            s << format();
    };
    for (const char *tag : infoTags) {
        const QString info = doc.getInfo(QLatin1String(tag));
        add([&] { return QStringLiteral("info %1 [%2]").arg(QLatin1String(tag), info); });
    }
    for (int n = -1; n <= Qvx2::TestCount; ++n) {
        const TestRecord t = doc.getTest(n);
        FUZZ_CHECK(t.num == n, QString::number(n));
        add([&] { return QStringLiteral("test %1 %2 [%3]").arg(n).arg(t.res).arg(t.text); });
    }
    for (unsigned n = 0; n <= Qvx2::RatioCount; ++n) {
        const QString ratio = doc.getRapport(n);
        add([&] { return QStringLiteral("rapport %1 [%2]").arg(n).arg(ratio); });
    }
    for (int c = -1; c <= Qvx2::CurveCount; ++c) {
        const QVector<QPointF> curve = doc.getCurve(c);
        add([&] {
            QString line = QStringLiteral("curve %1").arg(c);
            for (const QPointF &p : curve)
                line += QStringLiteral(" %1:%2").arg(p.x(), 0, 'g', 17).arg(p.y(), 0, 'g', 17);
            return line;
        });
    }
    const QString comment = doc.getComData();
    const QString recup = doc.getRecup();
    add([&] { return QStringLiteral("comment [%1]\nrecup [%2]").arg(comment, recup); });
    return s.join('\n');
}

// Writes what the document `in` gives into `to`, through the writer's setters.
void copyDocument(const XmlMesure &in, const QString &to)
{
    XmlMesure out(to, Create);
    for (const char *tag : infoTags)
        out.setInfo(QLatin1String(tag), in.getInfo(QLatin1String(tag)));
    for (int n = 0; n <= Qvx2::TestCount; ++n) {
        const TestRecord t = in.getTest(n);
        out.setTest(unsigned(n), t.res, t.text);
    }
    for (unsigned n = 0; n <= Qvx2::RatioCount; ++n)
        out.setRapport(n, in.getRapport(n));
    for (int c = -1; c <= Qvx2::CurveCount; ++c)
        out.setCurve(c, in.getCurve(c));
    out.setComment(in.getComData());
    out.setRecup(in.getRecup());
    FUZZ_CHECK(out.write(), to);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCommon::quietLog();
    static const QString input = FuzzCommon::scratchPath(QStringLiteral("input.qv2"));
    static const QString copy = FuzzCommon::scratchPath(QStringLiteral("copy.qv2"));
    static const QString texts = FuzzCommon::scratchPath(QStringLiteral("texts.qv2"));

    FuzzCommon::writeFile(input, data, size);
    // The one-pass reading (the archive's, and the command line's exports) takes every document a full
    // reading opens, with the same identification, ratios, verdicts, curves, comment and capture.
    Measurement full, listed;
    const bool summed = XmlMesure::summary(input, &listed); // on every input: its refusals are exercised too
    if (XmlMesure::load(input, &full)) {
        FUZZ_CHECK(summed && full == listed,
                   QStringLiteral("the archive lists it otherwise: %1 | %2")
                       .arg(listed.poste + QString::number(listed.ratios[0].value_or(-1)),
                            full.poste + QString::number(full.ratios[0].value_or(-1))));
    }
    QString read;
    {
        const XmlMesure in(input, Read);
        if (!FuzzCommon::sampled(data, size, 16)) {
            readAll(in, false);
            return 0;
        }
        read = readAll(in);
        copyDocument(in, copy);
    }
    const QString again = readAll(XmlMesure(copy, Read));
    FUZZ_CHECK(read == again, QStringLiteral("read:\n%1\n\nafter a save:\n%2").arg(read, again));

    // The input's bytes as the texts of a new document (instrument lines reach the document undecoded).
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, 512)));
    {
        XmlMesure doc(texts, Create);
        doc.setInfo(QStringLiteral("poste"), text);
        doc.setTest(1, true, text);
        doc.setRapport(0, text);
        doc.setComment(text);
        doc.setRecup(text);
        FUZZ_CHECK(doc.write(), texts);
    }
    // Characters no XML file can hold are left out; everything else reads back as it was.
    const QString kept = FuzzCommon::xmlChars(text);
    const XmlMesure doc(texts, Read);
    const auto same = [&](const QString &got, const char *what) {
        FUZZ_CHECK(got == kept, QStringLiteral("%1: stored [%2] read [%3]")
                                    .arg(QLatin1String(what), QString::fromLatin1(kept.toUtf8().toHex()),
                                         QString::fromLatin1(got.toUtf8().toHex())));
    };
    same(doc.getInfo(QStringLiteral("poste")), "info");
    same(doc.getTest(1).text, "test");
    same(doc.getRapport(0), "rapport");
    same(doc.getComData(), "comment");
    same(doc.getRecup(), "recup");
    return 0;
}
