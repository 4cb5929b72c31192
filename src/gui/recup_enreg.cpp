#include "recup_enreg.h"
#include "constants.h"
#include "ui_recup_enreg.h"

#include <QIcon>

recup_enreg::recup_enreg(QWidget *parent) : QDialog(parent), ui(new Ui::recup_enreg)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral("image/facet.ico")));
    QPushButton *const inAgeOrder[10] = {
        ui->pushButton_1, ui->pushButton_2, ui->pushButton_3, ui->pushButton_4, ui->pushButton_5,
        ui->pushButton_6, ui->pushButton_7, ui->pushButton_8, ui->pushButton_9, ui->pushButton_10};
    std::copy(std::begin(inAgeOrder), std::end(inAgeOrder), std::begin(buttons));
}

recup_enreg::~recup_enreg()
{
    delete ui;
}

void recup_enreg::init_boutons(int position)
{
    // The records sit in a ring of ten slots; slot 0 is shown as 10. A negative number from a confused
    // instrument still lands inside the ring.
    int k = ((position % Qvx2::RecordCount) + Qvx2::RecordCount) % Qvx2::RecordCount;
    for (QPushButton *button : buttons) {
        const int slot = k > 0 ? k : k + Qvx2::RecordCount;
        button->setText(button->text() + QStringLiteral("\r\n(%2/%3)").arg(slot).arg(Qvx2::RecordCount));
        --k;
    }
    choix = ChoiceNone;
}

void recup_enreg::choose(int value)
{
    choix = value;
    accept();
}

void recup_enreg::on_pushButton_1_clicked()
{
    choose(1);
}
void recup_enreg::on_pushButton_2_clicked()
{
    choose(2);
}
void recup_enreg::on_pushButton_3_clicked()
{
    choose(3);
}
void recup_enreg::on_pushButton_4_clicked()
{
    choose(4);
}
void recup_enreg::on_pushButton_5_clicked()
{
    choose(5);
}
void recup_enreg::on_pushButton_6_clicked()
{
    choose(6);
}
void recup_enreg::on_pushButton_7_clicked()
{
    choose(7);
}
void recup_enreg::on_pushButton_8_clicked()
{
    choose(8);
}
void recup_enreg::on_pushButton_9_clicked()
{
    choose(9);
}
void recup_enreg::on_pushButton_10_clicked()
{
    choose(10);
}
void recup_enreg::on_pushButton_11_clicked()
{
    choose(ChoiceErase);
}
