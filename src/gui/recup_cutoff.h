#pragma once

// Editor of the instrument's automatic power cut-off time, offered as four fixed durations.

#include <QDialog>

namespace Ui
{
class recup_cutoff;
}

class recup_cutoff : public QDialog
{
    Q_OBJECT

public:
    // The durations the instrument accepts, in seconds.
    static constexpr int Cutoff2Min = 120;
    static constexpr int Cutoff3Min = 180;
    static constexpr int Cutoff4Min = 240;
    static constexpr int Cutoff8Min = 480;

    explicit recup_cutoff(QWidget *parent = nullptr);
    ~recup_cutoff() override;

    // Selects the duration nearest above secondes; the chosen value is only known after "Envoyer".
    void set_temps(int secondes);
    int get_temps() const { return temps; }

private slots:
    void on_M_pb_cutoff_clicked();

private:
    Ui::recup_cutoff *ui;
    int temps = 0;
};
