#include "recup_pile.h"
#include "ui_recup_pile.h"

#include <QDebug>
#include <QPushButton>

recup_pile::recup_pile(QWidget *parent) : QDialog(parent), ui(new Ui::recup_pile)
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The text-carrying currentIndexChanged overload is deprecated; currentTextChanged reports the same
    // changes for a list that cannot be edited.
    connect(ui->comboBox, &QComboBox::currentTextChanged, this, &recup_pile::on_comboBox_currentIndexChanged);
    updateOk();
}

recup_pile::~recup_pile()
{
    delete ui;
}

void recup_pile::set_liste(const QStringList &liste)
{
    ui->comboBox->addItems(liste);
    updateOk();
}

void recup_pile::on_comboBox_currentIndexChanged(const QString &arg1)
{
    // The caption itself may not start with the separator: the search begins at the second character.
    const int position = arg1.indexOf(QLatin1Char(':'), 1);
    const QString rest = position < 0 ? arg1 : arg1.mid(position + 1);
    vpiles = rest.toInt(nullptr, 10);
    qDebug() << " rendu " << arg1 << " recup " << rest << " lu " << position << " vpiles " << vpiles;
}

void recup_pile::updateOk()
{
    // Without an entry there is no threshold to send.
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(ui->comboBox->count() > 0);
}
