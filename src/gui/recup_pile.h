#pragma once

// Chooser of the battery fitted in the instrument, which sets its low-battery threshold.

#include <QDialog>
#include <QStringList>

namespace Ui
{
class recup_pile;
}

class recup_pile : public QDialog
{
    Q_OBJECT

public:
    explicit recup_pile(QWidget *parent = nullptr);
    ~recup_pile() override;

    // Entries "caption:threshold"; the first one becomes the default. Ok stays disabled without entries.
    void set_liste(const QStringList &liste);
    int get_vpiles() const { return vpiles; }

    // Takes the threshold of the entry now shown (the text after its first colon).
    void on_comboBox_currentIndexChanged(const QString &arg1);

private:
    void updateOk();

    Ui::recup_pile *ui;
    int vpiles = 0;
};
