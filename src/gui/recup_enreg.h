#pragma once

// The record chooser: one of the instrument's ten records, or the erase of them all.

#include <QDialog>

class QPushButton;

namespace Ui
{
class recup_enreg;
}

class recup_enreg : public QDialog
{
    Q_OBJECT

public:
    // Values of choix beyond the ten records.
    static constexpr int ChoiceErase = 11;
    static constexpr int ChoiceNone = 12;

    explicit recup_enreg(QWidget *parent = nullptr);
    ~recup_enreg() override;

    // Labels the buttons with the memory slot each record occupies, from the current record number.
    void init_boutons(int position);
    int get_choix() const { return choix; }

private slots:
    void on_pushButton_1_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_10_clicked();
    void on_pushButton_11_clicked();

private:
    void choose(int value);

    Ui::recup_enreg *ui;
    QPushButton *buttons[10] = {};
    int choix = ChoiceNone;
};
