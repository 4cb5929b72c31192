#include "recup_gamme.h"
#include "ui_recup_gamme.h"

recup_gamme::recup_gamme(QWidget *parent) : QDialog(parent), ui(new Ui::recup_gamme)
{
    ui->setupUi(this);
}

recup_gamme::~recup_gamme()
{
    delete ui;
}

void recup_gamme::set_gamme(int code)
{
    gamme = code;
    switch (code) {
    case Range10To19kV:
        ui->M_br_gamme_2->setChecked(true);
        break;
    case Range5To9kV:
        ui->M_br_gamme_3->setChecked(true);
        break;
    case Range20To33kV:
        ui->M_br_gamme_1->setChecked(true);
        break;
    default:
        ui->M_br_gamme_4->setChecked(true);
        break;
    }
}

void recup_gamme::on_M_pb_gamme_clicked()
{
    if (ui->M_br_gamme_2->isChecked())
        gamme = Range10To19kV;
    else if (ui->M_br_gamme_3->isChecked())
        gamme = Range5To9kV;
    else if (ui->M_br_gamme_4->isChecked())
        gamme = RangeLastUsed;
    else
        gamme = Range20To33kV;
    accept();
}
