#pragma once

// The about box: product, version, contact and the history of the firmware and of this program.

#include <QDialog>

namespace Ui
{
class aboutDialog;
}

class aboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit aboutDialog(QWidget *parent = nullptr);
    ~aboutDialog() override;

    // The version history shown in the box, one translated line after another.
    static QString history();

private:
    Ui::aboutDialog *ui;
};
