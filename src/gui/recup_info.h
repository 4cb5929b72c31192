#pragma once

// The debug window: the raw text of the instrument's lines, saved to and replayed from capture files.

#include <QDialog>
#include <QTextCursor>

namespace Ui
{
class recup_info;
}

class recup_info : public QDialog
{
    Q_OBJECT

public:
    explicit recup_info(QWidget *parent = nullptr);
    ~recup_info() override;

    void set_texte(const QString &text);
    void ajoute_texte(const QString &text);
    void efface();
    // Between the two, lines pile up and the pane lays its text out once, at the end: a capture replay
    // appends thousands of lines in one go.
    void beginBatch();
    void endBatch();
    QString texte() const;
    QString nom_fichier_defaut() const;
    // Writes the capture file: the path, a CR, then the text with LF line ends, no final line end. The file
    // is replaced whole or not at all. False when it could not be written.
    bool sauveFichier(const QString &fileName) const;
    // Where the save dialog starts.
    void setDataDir(const QString &dir) { m_dataDir = dir; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void setToolTips();

    Ui::recup_info *ui;
    QString m_dataDir;
    QTextCursor m_batch;
    bool m_batching = false;
};
