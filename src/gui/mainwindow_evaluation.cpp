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
    // The form's voltages, the record's range and ratios.
    for (auto changed :
         {&RecordSession::modified, &RecordSession::ratiosChanged, &RecordSession::rangeChanged})
        connect(m_parts.session, changed, this, &MainWindow::showEvaluation);
    showEvaluation();
}

void MainWindow::showEvaluation()
{
    if (!m_deviations[0] || !m_parts.documents)
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
    // In the box's title: a line of its own would make the window too tall for a small laptop screen.
    if (e.rangeDisagrees)
        ui->infoBox->setTitle(
            tr("Information : la gamme %1 ne contient pas la tension HT %2, ecarts non evalues")
                .arg(currentMeasurement().gamme.trimmed(), currentMeasurement().tensionHt));
    else if (e.hasRated())
        ui->infoBox->setTitle(tr("Information (rapport nominal %1, tolerance %2)")
                                  .arg(Format::ratio(e.rated), Format::tolerance(e.tolerance)));
    else
        ui->infoBox->setTitle(tr("Information"));
    // Red: the form or the record is wrong, and the technician must see it at once.
    ui->infoBox->setStyleSheet(e.rangeDisagrees ? QStringLiteral("QGroupBox { color: #b00020; }")
                                                : QString());
}
