#include "reporttexts.h"

#include "identification.h"

#include <QCoreApplication>

namespace Qvx2
{
const char *const TestNames[19] = {
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / HT.A (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / HT.B (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / HT.C (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / HT.A (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / HT.B (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / HT.C (prim.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / BT.A (sec.) Continuite"),
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / BT.B (sec.) Continuite"),
    QT_TRANSLATE_NOOP("MainWindow", "Neutre (sec.) / BT.C (sec.) Continuite"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / BT.A (sec.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / BT.B (sec.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / BT.C (sec.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "Terre (chassis) / Neutre (sec.) Circuit ouvert"),
    QT_TRANSLATE_NOOP("MainWindow", "HT.A (prim.) Coherence courbe"),
    QT_TRANSLATE_NOOP("MainWindow", "HT.B (prim.) Coherence courbe"),
    QT_TRANSLATE_NOOP("MainWindow", "HT.C (prim.) Coherence courbe"),
    QT_TRANSLATE_NOOP("MainWindow", "BT.A (sec.) Coherence courbe"),
    QT_TRANSLATE_NOOP("MainWindow", "BT.B (sec.) Coherence courbe"),
    QT_TRANSLATE_NOOP("MainWindow", "BT.C (sec.) Coherence courbe"),
};
const char *const CurveNames[6] = {
    QT_TRANSLATE_NOOP("CurvePlot", "HT.A"), QT_TRANSLATE_NOOP("CurvePlot", "HT.B"),
    QT_TRANSLATE_NOOP("CurvePlot", "HT.C"), QT_TRANSLATE_NOOP("CurvePlot", "bt.a"),
    QT_TRANSLATE_NOOP("CurvePlot", "bt.b"), QT_TRANSLATE_NOOP("CurvePlot", "bt.c")};
} // namespace Qvx2

namespace
{
QString window(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// A form label as a name: without its colon.
QString name(const QString &label)
{
    QString n = label.trimmed();
    if (n.endsWith(QLatin1Char(':')))
        n.chop(1);
    return n.trimmed();
}
} // namespace

ReportTexts ReportTexts::current(const QString &siteCode)
{
    ReportTexts t;
    for (const IdentificationField &f : Identification::Fields)
        t.identification << (QLatin1String(f.key) == QLatin1String("site_code") && !siteCode.isEmpty()
                                 ? name(siteCode)
                                 : f.shownLabel());
    for (const char *test : Qvx2::TestNames)
        t.tests << window(test);
    for (const char *ratio :
         {QT_TRANSLATE_NOOP("MainWindow", "HT.A / BT.A :"), QT_TRANSLATE_NOOP("MainWindow", "HT.B / BT.B :"),
          QT_TRANSLATE_NOOP("MainWindow", "HT.C / BT.C :"), QT_TRANSLATE_NOOP("MainWindow", "RATIO:")})
        t.ratios << name(window(ratio));
    for (const char *curve : Qvx2::CurveNames)
        t.curves << QCoreApplication::translate("CurvePlot", curve);
    t.passed = window(QT_TRANSLATE_NOOP("MainWindow", "CORRECT"));
    t.failed = window(QT_TRANSLATE_NOOP("MainWindow", "DEFAUT"));
    t.none = window(QT_TRANSLATE_NOOP("MainWindow", "sans verdict"));
    t.within = window(QT_TRANSLATE_NOOP("MainWindow", "dans la tolerance"));
    t.outside = window(QT_TRANSLATE_NOOP("MainWindow", "hors tolerance"));
    t.range = name(window(QT_TRANSLATE_NOOP("MainWindow", "Gamme Mesure :")));
    t.rated = window(QT_TRANSLATE_NOOP("MainWindow", "Rapport nominal"));
    t.tolerance = window(QT_TRANSLATE_NOOP("MainWindow", "Tolerance (%)"));
    t.comment = window(QT_TRANSLATE_NOOP("MainWindow", "Commentaire"));
    return t;
}
