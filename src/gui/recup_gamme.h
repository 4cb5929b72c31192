#pragma once

// Editor of the measuring range the instrument selects when it is switched on.

#include <QDialog>

namespace Ui
{
class recup_gamme;
}

class recup_gamme : public QDialog
{
    Q_OBJECT

public:
    // Start-up range codes as the instrument stores them.
    static constexpr int Range20To33kV = 0;
    static constexpr int Range10To19kV = 1;
    static constexpr int Range5To9kV = 2;
    static constexpr int RangeLastUsed = 3;

    explicit recup_gamme(QWidget *parent = nullptr);
    ~recup_gamme() override;

    // Presets the choice from the instrument's code; an unknown code shows "last range used".
    void set_gamme(int code);
    int get_gamme() const { return gamme; }

private slots:
    void on_M_pb_gamme_clicked();

private:
    Ui::recup_gamme *ui;
    int gamme = RangeLastUsed;
};
