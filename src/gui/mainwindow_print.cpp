// Printing the report page: the page widget itself, laid out anew at the size of the paper.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void MainWindow::on_actionImprimer_triggered()
{
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    QPainter painter(&printer);
    const QPalette savedPalette = palette();
    QWidget *page = ui->PrintWidget;
    const QSize savedSize = page->size();
    const QSize savedMinimum = page->minimumSize();
    const QSize savedMaximum = page->maximumSize();

    {
        // The whole record with every curve, whatever the user zoomed into or hid on screen.
        const CurvePlot::WholeRecord whole(ui->reponsePlot);
        setPalette(QPalette(Qt::white));
        page->setFixedSize(printer.pageRect(QPrinter::DevicePixel).size().toSize());
        page->layout()->activate();
        page->render(&painter, QPoint(0, 0), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
        setPalette(savedPalette);
    }
    // Back to the window's layout: the page follows later resizes of the window again.
    page->setMinimumSize(savedMinimum);
    page->setMaximumSize(savedMaximum);
    page->resize(savedSize);
    page->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    showNormal();
    painter.end();
}
