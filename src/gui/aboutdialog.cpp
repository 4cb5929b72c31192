#include "aboutdialog.h"
#include "constants.h"
#include "ui_aboutdialog.h"

aboutDialog::aboutDialog(QWidget *parent) : QDialog(parent), ui(new Ui::aboutDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("A propos de ORVA-SA"));
    ui->ProductLabel->setText(QLatin1String(Qvx2::ProductName));
    ui->VersionLabel->setText(tr("Version %1").arg(QLatin1String(Qvx2::ProductVersion)));
    // The history keeps its CR LF line ends; the pane wants one break per line.
    ui->text_info->setPlainText(history().replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

aboutDialog::~aboutDialog()
{
    delete ui;
}

QString aboutDialog::history()
{
    QString text;
    text += tr("Version Binaire : \r\n");
    text += tr("Version 200: version de base du VUDUVAZU2 \r\n");
    text += tr("Version 300: gestion des 10 enregistrements et multilangue. \r\n");
    text += tr("Version 301: commande pour passer la coupure de l'alim du QVX2 de 2 a 10 minutes. \r\n");
    text += tr("Version 302: commande pour passer choix de la gamme au demarrage. \r\n");
    text += tr("Version 303 rend le bon resultat meme si pas d'enregistrement suite a Test_clear \r\n");
    text += tr("Version 304 mode UK sauvegarde de la gamme en cours \r\n");
    text += tr("Version 305 rajout d'une 4eme gamme 1-5KV \r\n");
    text += tr("Version 306 numerotation des courbes sauvees \r\n");
    text += tr("Version 400-403 calcul et mise en forme du ratio \r\n");
    text += QStringLiteral(" \r\n");
    text += tr("Version PC : \r\n");
    text += tr("Version 300: version de base du VUDUVAZU2 \r\n");
    text += tr("Version 301: version francaise \r\n");
    text += tr("Version 302: version internationale \r\n");
    text += tr("Version 303: maj version internationale\r\n");
    text += tr("Version 401: affiche le ratio\r\n");
    text += tr("Version 500: ameliorations de l'interface graphique\r\n");
    text += tr("Version 501: patch pour circuit ouvert\r\n");
    return text;
}
