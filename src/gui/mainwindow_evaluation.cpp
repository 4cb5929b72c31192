// The turns ratios judged against the rated ratio of the transformer: a signed deviation beside each ratio,
// marked within or outside the tolerance by colour and by a word, never by colour alone.

#include "format.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QBoxLayout>

void MainWindow::setupEvaluation()
{
    struct Field {
        QLineEdit *edit;
        QBoxLayout *row;
        const char *name;
    };
    const Field fields[] = {{ui->EditRapportL1, ui->horizontalLayout_6, "EcartHTA"},
                            {ui->EditRapportL2, ui->horizontalLayout_6, "EcartHTB"},
                            {ui->EditRapportL3, ui->horizontalLayout_6, "EcartHTC"},
                            {ui->leratio, ui->horizontalLayout, "EcartMoyen"}};
    for (size_t i = 0; i < m_deviations.size(); ++i) {
        QLineEdit *edit = fields[i].edit;
        QBoxLayout *row = fields[i].row;
        auto *label = new QLabel(edit->parentWidget());
        label->setObjectName(QLatin1String(fields[i].name));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("+000.00 %")));
        row->insertWidget(row->indexOf(edit) + 1, label);
        m_deviations[i] = label;
    }
    // The rated ratio and the tolerance, or why the deviations are not judged, beside the range and the mean
    // ratio, wrapping there: a box's title would be cut at the box's width.
    m_evaluationNote = new QLabel(ui->infoBox);
    m_evaluationNote->setObjectName(QStringLiteral("EvaluationNote"));
    m_evaluationNote->setWordWrap(true);
    m_evaluationNote->hide(); // until there is something to say
    ui->horizontalLayout->addWidget(m_evaluationNote, 1);
    // The form's voltages, the record's range and ratios.
    for (auto changed :
         {&RecordSession::modified, &RecordSession::ratiosChanged, &RecordSession::rangeChanged})
        connect(m_parts.session, changed, this, &MainWindow::showEvaluation);
    showEvaluation();
}

void MainWindow::showEvaluation()
{
    if (!m_evaluationNote || !m_parts.documents)
        return; // the form is being built
    const RatioEvaluation e = evaluation();
    for (size_t i = 0; i < m_deviations.size(); ++i) {
        QLabel *label = m_deviations[i];
        const RatioEvaluation::Deviation &d = e.deviations[i];
        const QString verdict = !d.valid   ? QString()
                                : d.within ? tr("dans la tolerance")
                                           : tr("hors tolerance");
        label->setText(d.valid ? Format::percent(d.percent) : QString());
        label->setStyleSheet(!d.valid   ? QString()
                             : d.within ? QStringLiteral("color: #1b5e20; font-weight: bold;")
                                        : QStringLiteral("color: #b00020; font-weight: bold;"));
        label->setAccessibleName(verdict);
        label->setToolTip(verdict);
    }
    const Measurement &m = currentMeasurement();
    if (e.rangeDisagrees)
        m_evaluationNote->setText(
            tr("La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.")
                .arg(m.gamme.trimmed(), m.tensionHt));
    else if (e.hasRated())
        m_evaluationNote->setText(
            tr("Rapport nominal %1 (%2 / %3), tolerance %4")
                .arg(Format::ratio(e.rated), m.tensionHt, m.tensionBt, Format::tolerance(e.tolerance)));
    else
        m_evaluationNote->clear();
    m_evaluationNote->setVisible(!m_evaluationNote->text().isEmpty());
    // Red: the form or the record is wrong, and the technician must see it at once.
    m_evaluationNote->setStyleSheet(e.rangeDisagrees ? QStringLiteral("color: #b00020; font-weight: bold;")
                                                     : QString());
}
