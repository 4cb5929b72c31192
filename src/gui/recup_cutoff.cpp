#include "recup_cutoff.h"
#include "ui_recup_cutoff.h"

recup_cutoff::recup_cutoff(QWidget *parent) : QDialog(parent), ui(new Ui::recup_cutoff)
{
    ui->setupUi(this);
}

recup_cutoff::~recup_cutoff()
{
    delete ui;
}

void recup_cutoff::set_temps(int secondes)
{
    temps = 0;
    if (secondes <= Cutoff2Min)
        ui->M_br_cutoff_1->setChecked(true);
    else if (secondes <= Cutoff3Min)
        ui->M_br_cutoff_2->setChecked(true);
    else if (secondes <= Cutoff4Min)
        ui->M_br_cutoff_3->setChecked(true);
    else if (secondes <= Cutoff8Min)
        ui->M_br_cutoff_4->setChecked(true);
    else
        ui->M_br_cutoff_3->setChecked(true); // an out-of-range setting falls back to the middle choice
}

void recup_cutoff::on_M_pb_cutoff_clicked()
{
    if (ui->M_br_cutoff_1->isChecked())
        temps = Cutoff2Min;
    else if (ui->M_br_cutoff_2->isChecked())
        temps = Cutoff3Min;
    else if (!ui->M_br_cutoff_3->isChecked() && ui->M_br_cutoff_4->isChecked())
        temps = Cutoff8Min;
    else
        temps = Cutoff4Min;
    accept();
}
