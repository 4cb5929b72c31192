#include "recup_info.h"
#include "constants.h"
#include "ui_recup_info.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QSaveFile>

recup_info::recup_info(QWidget *parent) : QDialog(parent), ui(new Ui::recup_info)
{
    ui->setupUi(this);
    setToolTips();
    setWindowIcon(QIcon(QStringLiteral("image/facet.ico")));
}

recup_info::~recup_info()
{
    delete ui;
}

void recup_info::set_texte(const QString &text)
{
    efface();
    ui->plainTextEdit->appendPlainText(text);
}

void recup_info::ajoute_texte(const QString &text)
{
    ui->plainTextEdit->appendPlainText(text);
}

void recup_info::efface()
{
    // The document is not cleared inside an open edit block: the batch is closed around the clearing.
    if (m_batching)
        m_batch.endEditBlock();
    ui->plainTextEdit->clear();
    if (m_batching) {
        m_batch = QTextCursor(ui->plainTextEdit->document());
        m_batch.beginEditBlock();
    }
}

void recup_info::beginBatch()
{
    if (m_batching)
        return;
    m_batching = true;
    m_batch = QTextCursor(ui->plainTextEdit->document());
    m_batch.beginEditBlock();
}

void recup_info::endBatch()
{
    if (!m_batching)
        return;
    m_batching = false;
    m_batch.endEditBlock();
    m_batch = QTextCursor();
}

QString recup_info::texte() const
{
    return ui->plainTextEdit->toPlainText();
}

QString recup_info::nom_fichier_defaut() const
{
    const QString product =
        tr("%1_%2").arg(QLatin1String(Qvx2::ProductName), QLatin1String(Qvx2::ProductVersion));
    return QStringLiteral("%1_%2.txt")
        .arg(product, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
}

bool recup_info::sauveFichier(const QString &fileName) const
{
    // Written beside and then renamed over the old file: a failed write leaves the old capture whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Plain text in the system's 8-bit encoding; QPlainTextEdit already separates lines with LF.
    QByteArray bytes = fileName.toLocal8Bit();
    bytes += '\r';
    bytes += texte().toLocal8Bit();
    if (file.write(bytes) != bytes.size())
        return false;
    if (!file.commit()) {
        qDebug().noquote() << "sauveFichier(): can't write" << fileName << file.errorString();
        return false;
    }
    return true;
}

void recup_info::on_pushButton_clicked()
{
    const QString proposed = m_dataDir + QStringLiteral("data_%1").arg(nom_fichier_defaut());
    const QString name = QFileDialog::getSaveFileName(this, tr("Enregistrer le fichier "), proposed,
                                                      QStringLiteral("QV2_data (*.txt)"));
    if (name.isEmpty())
        return;
    if (!sauveFichier(name))
        QMessageBox::critical(
            this, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(name)),
            QMessageBox::Ok);
}

void recup_info::setToolTips()
{
    // "Quitter" closes this window only: the program goes on.
    ui->pushButton_2->setToolTip(tr("Ferme la fenetre Debug ; le programme continue."));
}

void recup_info::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setToolTips();
    }
    QDialog::changeEvent(event);
}

void recup_info::on_pushButton_2_clicked()
{
    hide();
}
