#include "teamcommands.h"

#include "constants.h"
#include "teamserver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <qt5keychain/keychain.h>

namespace
{
const QString KeyringService = QStringLiteral("quarvex2");

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

TeamCommands::TeamCommands(QWidget *window, QStatusBar *bar, const QString &dataDir, const QString &indexFile,
                           QObject *parent)
    : QObject(parent), m_window(window), m_status(new QLabel(bar))
{
    qRegisterMetaType<TeamOutcome>();
    qRegisterMetaType<TeamSettings>();
    m_settings.dataDir = dataDir;
    m_settings.indexFile = indexFile;
    m_settings.server = TeamSync::configuredServer(indexFile);
    m_status->setObjectName(QStringLiteral("teamStatus"));
    bar->addPermanentWidget(m_status);
    m_status->setVisible(isSet());
    m_worker = new TeamSync;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &TeamSync::finished, this, &TeamCommands::finished);
    m_thread.start();
    m_period.setInterval(Qvx2::TeamSyncPeriodMs);
    connect(&m_period, &QTimer::timeout, this, &TeamCommands::syncSoon);
    if (isSet())
        readKeyring(); // then the first sync
}

TeamCommands::~TeamCommands()
{
    m_thread.quit();
    m_thread.wait();
}

TeamSettings TeamCommands::settings() const
{
    return m_settings;
}

QString TeamCommands::keyringKey() const
{
    return TeamServer::withoutPassword(TeamServer::withDefaults(m_settings.server));
}

void TeamCommands::readKeyring()
{
    auto *job = new QKeychain::ReadPasswordJob(KeyringService, this);
    job->setKey(keyringKey());
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        if (job->error() == QKeychain::NoError)
            m_settings.password = job->textData();
        syncSoon();
    });
    job->start();
}

void TeamCommands::keep(const QString &password)
{
    auto *job = new QKeychain::WritePasswordJob(KeyringService, this);
    job->setKey(keyringKey());
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        if (job->error() != QKeychain::NoError)
            m_status->setToolTip(tr("Le mot de passe n'a pas pu etre garde dans le trousseau (%1) : il ne "
                                    "sert que pour cette session.")
                                     .arg(job->errorString()));
    });
    job->start();
}

void TeamCommands::syncSoon()
{
    if (!isSet())
        return;
    if (m_running) {
        m_again = true;
        return;
    }
    m_running = true;
    QMetaObject::invokeMethod(m_worker, "sync", Qt::QueuedConnection, Q_ARG(TeamSettings, m_settings));
}

void TeamCommands::finished(const TeamOutcome &outcome)
{
    m_running = false;
    m_last = outcome;
    m_last.rows.reset();
    retranslate();
    if (outcome.rows) {
        m_rows = outcome.rows;
        emit synced();
    }
    // Every few minutes while the server answers; a server that does not is tried at the next save.
    if (outcome.result)
        m_period.start();
    else
        m_period.stop();
    if (outcome.result && m_keep && !m_settings.password.isEmpty()) {
        keep(m_settings.password);
        m_keep = false;
    }
    if (outcome.passwordNeeded && !m_asked) {
        m_asked = true;
        if (askPassword(outcome.result.reason))
            m_again = true;
    }
    if (m_again) {
        m_again = false;
        syncSoon();
    }
}

bool TeamCommands::askPassword(const QString &why)
{
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("teamPassword"));
    dialog.setWindowTitle(tr("Mot de passe du serveur d'equipe"));
    QFormLayout form(&dialog);
    QLabel text(tr("%1\n\nServeur : %2").arg(why, keyringKey()));
    text.setWordWrap(true);
    QLineEdit password;
    password.setObjectName(QStringLiteral("teamPasswordEdit"));
    password.setEchoMode(QLineEdit::Password);
    QCheckBox keep(tr("Garder le mot de passe dans le trousseau du bureau"));
    keep.setObjectName(QStringLiteral("teamKeep"));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form.addRow(&text);
    form.addRow(tr("Mot de passe :"), &password);
    form.addRow(&keep);
    form.addRow(&buttons);
    connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || password.text().isEmpty())
        return false;
    m_settings.password = password.text();
    m_keep = keep.isChecked();
    return true;
}

QString TeamCommands::statusText() const
{
    if (m_last.when.isValid())
        return TeamSync::status(m_last);
    // Before the first sync: what waits to be sent, if anything.
    TeamOutcome waiting;
    waiting.pending = TeamSync::pendingCount(m_settings);
    if (waiting.pending > 0)
        return TeamSync::status(waiting);
    return tr("Equipe");
}

void TeamCommands::retranslate()
{
    m_status->setVisible(isSet());
    if (isSet())
        m_status->setText(statusText());
}

void TeamCommands::showDialog()
{
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("teamDialog"));
    dialog.setWindowTitle(tr("Archive d'equipe"));
    QFormLayout form(&dialog);
    QLabel help(tr("Le serveur PostgreSQL de l'equipe : une chaine de connexion libpq (host=... dbname=... "
                   "user=...) ou service=NOM. Vide : pas d'archive d'equipe. Le mot de passe n'est jamais "
                   "ecrit dans les fichiers du programme."));
    help.setWordWrap(true);
    QLineEdit server(m_settings.server);
    server.setObjectName(QStringLiteral("teamServer"));
    server.setMinimumWidth(480);
    QLabel state(m_last.result.reason.isEmpty() ? TeamSync::lastError(m_settings.indexFile)
                                                : m_last.result.reason);
    state.setObjectName(QStringLiteral("teamState"));
    state.setWordWrap(true);
    state.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *test = buttons.addButton(tr("Tester la connexion"), QDialogButtonBox::ActionRole);
    test->setObjectName(QStringLiteral("teamTest"));
    form.addRow(&help);
    form.addRow(tr("Serveur :"), &server);
    form.addRow(tr("Derniere erreur :"), &state);
    form.addRow(&buttons);
    connect(&buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(&buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QString passwordOf; // the server whose password the test asked
    connect(test, &QPushButton::clicked, &dialog, [&] {
        TeamServer probe(server.text());
        Result r;
        {
            BusyCursor busy;
            r = probe.open(m_settings.password);
        }
        if (!r && (probe.failure() == TeamServer::Failure::PasswordNeeded ||
                   probe.failure() == TeamServer::Failure::PasswordRefused)) {
            if (askPassword(r.reason)) {
                BusyCursor busy;
                r = probe.open(m_settings.password);
                passwordOf = server.text().trimmed();
            }
        }
        if (!r) {
            state.setText(r.reason);
            return;
        }
        state.setText(tr("Connexion reussie : role %1, schema version %2%3")
                          .arg(probe.user())
                          .arg(probe.schemaVersion())
                          .arg(TeamSync::readOnlyNote(probe.readOnly())));
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString chosen = server.text().trimmed();
    if (chosen != m_settings.server) {
        m_settings.server = chosen;
        if (passwordOf != chosen) // a password given for this server in the dialog's test is kept
            m_settings.password.clear();
        m_rows.reset();
        m_last = TeamOutcome();
        m_asked = false;
        TeamSync::configureServer(m_settings.indexFile, chosen);
        m_period.stop();
    }
    m_asked = false;
    retranslate();
    syncSoon();
}

QString TeamCommands::fetch(const QString &revision)
{
    QString path;
    Result r;
    {
        BusyCursor busy;
        r = TeamSync::fetch(m_settings, revision, &path);
    }
    if (r)
        return path;
    QMessageBox::warning(m_window, tr("Archive d'equipe"), r.reason);
    return QString();
}
