<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>ArchiveModel</name>
    <message>
        <source>document illisible</source>
        <translation>unreadable document</translation>
    </message>
    <message>
        <source>%1 (telechargement)</source>
        <translation>%1 (download)</translation>
    </message>
    <message>
        <source>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</source>
        <translation>Date of the download: the instrument does not date its records.</translation>
    </message>
    <message>
        <source>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</source>
        <translation>Two or more revisions of this record have been sent: a reviewer picks the reference one.</translation>
    </message>
    <message>
        <source>Envoye par %1 depuis %2 le %3</source>
        <translation>Sent by %1 from %2 on %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Poste</source>
        <translation>Substation</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <source>Code site</source>
        <translation>Site code</translation>
    </message>
    <message>
        <source>Gamme</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Essais reussis</source>
        <translation>Tests passed</translation>
    </message>
    <message>
        <source>Rapport moyen</source>
        <translation>Mean ratio</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Envoye par</source>
        <translation>Sent by</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Filtrer (toutes les colonnes)</source>
        <translation>Filter (all columns)</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</source>
        <translation>Choose documents of one transformer (same substation and same number).</translation>
    </message>
    <message>
        <source>Choisissez exactement deux documents a comparer (%1 choisi(s)).</source>
        <translation>Select exactly two documents to compare (%1 selected).</translation>
    </message>
    <message>
        <source>Ce poste</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
</context>
<context>
    <name>CliDocuments</name>
    <message>
        <source>Le dossier %1 ne peut pas etre cree.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1 (%2).</source>
        <translation>Could not write %1 (%2).</translation>
    </message>
    <message>
        <source>Index : %1 / %2</source>
        <translation>Index: %1 / %2</translation>
    </message>
    <message>
        <source>document illisible</source>
        <translation>unreadable document</translation>
    </message>
    <message>
        <source>Aucun document du transformateur %1 du poste %2.</source>
        <translation>No document of transformer %1 of substation %2.</translation>
    </message>
</context>
<context>
    <name>CliInstrument</name>
    <message>
        <source>Aucun adaptateur serie n&apos;est branche.</source>
        <translation>No serial adapter is plugged in.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>The port %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</source>
        <translation>The port is held by the QUARVEN 2 window: disconnect or close the window, then try again.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas sur %1.</source>
        <translation>The instrument does not answer on %1.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu.</source>
        <translation>No QUARVEN 2 answered.</translation>
    </message>
    <message>
        <source>non essaye : pas un adaptateur USB</source>
        <translation>not tried: not a USB adapter</translation>
    </message>
    <message>
        <source>QUARVEN 2</source>
        <translation>QUARVEN 2</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1.</source>
        <translation>The instrument does not know the parameter %1.</translation>
    </message>
    <message>
        <source>La valeur %1 n&apos;est pas un nombre entier.</source>
        <translation>The value %1 is not a whole number.</translation>
    </message>
    <message>
        <source>%1 = %2, enregistre dans l&apos;appareil.</source>
        <translation>%1 = %2, saved in the instrument.</translation>
    </message>
    <message>
        <source>Les enregistrements de l&apos;appareil sont effaces.</source>
        <translation>The instrument&apos;s records are erased.</translation>
    </message>
    <message>
        <source>pas un parametre de l&apos;appareil</source>
        <translation>not a parameter of the instrument</translation>
    </message>
    <message>
        <source>ecrit</source>
        <translation>written</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>The file %1 names no parameter of the instrument: nothing was written.</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Saved: %1. Already there, not replaced: %2. Failed: %3.</translation>
    </message>
    <message>
        <source>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</source>
        <translation>Choose a record from 1 (the newest) to %1, or all.</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Record %1 / %2</translation>
    </message>
    <message>
        <source>Appareil sur %1 : telechargement de ses enregistrements.</source>
        <translation>Instrument on %1: downloading its records.</translation>
    </message>
    <message>
        <source>En attente d&apos;un appareil…</source>
        <translation>Waiting for an instrument…</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>Le firmware de l&apos;appareil est mis a jour.</source>
        <translation>The instrument&apos;s firmware is updated.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</source>
        <translation>the serial ports, the adapter of each, and which one answers as a QUARVEN 2</translation>
    </message>
    <message>
        <source>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</source>
        <translation>the instrument&apos;s information lines (serial number, firmware)</translation>
    </message>
    <message>
        <source>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</source>
        <translation>the parameters; a write is checked by its echo and saved in the instrument</translation>
    </message>
    <message>
        <source>efface les enregistrements de l&apos;appareil (refuse sans --yes)</source>
        <translation>erases the instrument&apos;s records (refused without --yes)</translation>
    </message>
    <message>
        <source>applique un fichier de patch, un resultat par ligne</source>
        <translation>applies a patch file, one result per line</translation>
    </message>
    <message>
        <source>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</source>
        <translation>saves documents into DIR/Data/ as Download all does (N: 1 the newest to 10)</translation>
    </message>
    <message>
        <source>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</source>
        <translation>waits for an instrument and downloads its records each time one is plugged in, until SIGINT or SIGTERM</translation>
    </message>
    <message>
        <source>met a jour le firmware de l&apos;appareil (refuse sans --yes)</source>
        <translation>updates the instrument&apos;s firmware (refused without --yes)</translation>
    </message>
    <message>
        <source>exporte chaque document comme la fenetre, un fichier par document</source>
        <translation>exports each document as the window does, one file per document</translation>
    </message>
    <message>
        <source>les rapports d&apos;un transformateur par date</source>
        <translation>the ratios of one transformer by date</translation>
    </message>
    <message>
        <source>Le QUARVEN 2 et ses archives depuis un script.</source>
        <translation>The QUARVEN 2 and its archive from a script.</translation>
    </message>
    <message>
        <source>Commandes (COMMAND --help pour chacune) :</source>
        <translation>Commands (COMMAND --help for each):</translation>
    </message>
    <message>
        <source>Codes de sortie :</source>
        <translation>Exit codes:</translation>
    </message>
    <message>
        <source>Le port de l&apos;appareil, sans recherche.</source>
        <translation>The instrument&apos;s port, with no search.</translation>
    </message>
    <message>
        <source>Le dossier des donnees (config.xml, Data/).</source>
        <translation>The data folder (config.xml, Data/).</translation>
    </message>
    <message>
        <source>Un document JSON sur la sortie standard.</source>
        <translation>One JSON document on standard output.</translation>
    </message>
    <message>
        <source>La langue des messages : fr, en, ng, sv ou ru.</source>
        <translation>The language of the messages: fr, en, ng, sv or ru.</translation>
    </message>
    <message>
        <source>La commande et ses arguments.</source>
        <translation>The command and its arguments.</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (fr, en, ng, sv ou ru).</source>
        <translation>Unknown language: %1 (fr, en, ng, sv or ru).</translation>
    </message>
    <message>
        <source>Quelle commande ? --help les donne.</source>
        <translation>Which command? --help lists them.</translation>
    </message>
    <message>
        <source>Commande inconnue : %1. --help les donne.</source>
        <translation>Unknown command: %1. --help lists them.</translation>
    </message>
    <message>
        <source>Confirme l&apos;operation.</source>
        <translation>Confirms the operation.</translation>
    </message>
    <message>
        <source>Le dossier des fichiers ecrits.</source>
        <translation>The folder of the files written.</translation>
    </message>
    <message>
        <source>Les lignes qui contiennent ce texte.</source>
        <translation>The rows that hold this text.</translation>
    </message>
    <message>
        <source>Usage : %1 %2</source>
        <translation>Usage: %1 %2</translation>
    </message>
    <message>
        <source>%1 est refuse sans --yes.</source>
        <translation>%1 is refused without --yes.</translation>
    </message>
    <message>
        <source>Format inconnu : %1 (pdf, csv, png ou svg).</source>
        <translation>Unknown format: %1 (pdf, csv, png or svg).</translation>
    </message>
    <message>
        <source>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</source>
        <translation>the rows of the archive index, updated first; team: the team&apos;s</translation>
    </message>
    <message>
        <source>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</source>
        <translation>sends the team server the documents of Data/ it does not have, then receives the team&apos;s</translation>
    </message>
    <message>
        <source>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</source>
        <translation>installs the schema (administrator), shows the connection status, or sets a reviewer&apos;s mark</translation>
    </message>
    <message>
        <source>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</source>
        <translation>  0  done
  1  wrong command line, or missing confirmation
  2  the search found no instrument, or the port does not open
  3  the instrument does not answer on the port, or the link is lost
  4  a refused file
  5  partly done (some records or lines failed, some documents are still to send)
  6  the team server does not answer, refuses the connection, or is read-only</translation>
    </message>
    <message>
        <source>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</source>
        <translation>The team server: a libpq connection string or service=NAME.</translation>
    </message>
    <message>
        <source>local : ce poste ; team : l&apos;equipe.</source>
        <translation>local: this computer; team: the team.</translation>
    </message>
</context>
<context>
    <name>CliTeam</name>
    <message>
        <source>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</source>
        <translation>No team server: --server CONNINFO, or the Team archive dialog of the window.</translation>
    </message>
    <message>
        <source>Envoyes : %1, recus : %2, a envoyer : %3</source>
        <translation>Sent: %1, received: %2, to send: %3</translation>
    </message>
    <message>
        <source>Le schema n&apos;a pas ete installe : %1</source>
        <translation>The schema was not installed: %1</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</source>
        <translation>Team archive ready (schema version %1). For a technician: CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</translation>
    </message>
    <message>
        <source>Serveur : %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Connexion : oui, role %1, schema version %2%3</source>
        <translation>Connection: yes, role %1, schema version %2%3</translation>
    </message>
    <message>
        <source>Connexion : non (%1)</source>
        <translation>Connection: no (%1)</translation>
    </message>
    <message>
        <source>A envoyer : %1</source>
        <translation>To send: %1</translation>
    </message>
    <message>
        <source>Derniere synchronisation : %1</source>
        <translation>Last synchronisation: %1</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</source>
        <translation>Unknown revision: %1 (quarvex2-cli sync first).</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Comparer : %1 et %2</source>
        <translation>Compare: %1 and %2</translation>
    </message>
    <message>
        <source>Essai</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>%1, transformateur %2</source>
        <translation>%1, transformer %2</translation>
    </message>
    <message>
        <source>—— trait plein : %1      - - - pointilles : %2</source>
        <translation>—— solid: %1      - - - dashed: %2</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</source>
        <translation>The configuration file %1 cannot be read. It has been kept as %2 and the default configuration is in use.</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</source>
        <translation>The configuration file %1 could not be written: the chosen language and the learnt lists will not be kept.</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>HT.A</source>
        <translation>HV.A</translation>
    </message>
    <message>
        <source>HT.B</source>
        <translation>HV.B</translation>
    </message>
    <message>
        <source>HT.C</source>
        <translation>HV.C</translation>
    </message>
    <message>
        <source>bt.a</source>
        <translation>lv.a</translation>
    </message>
    <message>
        <source>bt.b</source>
        <translation>lv.b</translation>
    </message>
    <message>
        <source>bt.c</source>
        <translation>lv.c</translation>
    </message>
    <message>
        <source>Echantillon</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Valeur (unite de l&apos;appareil)</source>
        <translation>Value (instrument units)</translation>
    </message>
    <message>
        <source>%1 — point %2 : %3</source>
        <translation>%1 — sample %2: %3</translation>
    </message>
</context>
<context>
    <name>DialogTelech</name>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Commande</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Lancer</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Mise a jour de l&apos;appareil en cours...</source>
        <translation>Updating the instrument...</translation>
    </message>
    <message>
        <source>Mise a jour reussie.</source>
        <translation>Update successful.</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega file - Warning</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Veuillez remplir les champs avant d&apos;enregistrer.</source>
        <translation>Please fill in the fields before saving.</translation>
    </message>
    <message>
        <source>Champs vides : %1</source>
        <translation>Empty fields: %1</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Save %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Could not save the file %1.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</source>
        <translation>The file %1 is not a measurement document: it was not opened.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</source>
        <translation>The record shown is incomplete: it cannot be saved. Do you want to discard it?</translation>
    </message>
    <message>
        <source>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</source>
        <translation>The data have not been saved. Do you want to save them?</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre faite.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>Exporter PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Rapport PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Image SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega file - Warning</translation>
    </message>
    <message>
        <source>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</source>
        <translation>Update the instrument&apos;s firmware with this file?

%1
%2 bytes, modified %3</translation>
    </message>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Firmware update</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</source>
        <translation>The file %1 is too large (%2 bytes): the instrument accepts at most %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 est vide.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</source>
        <translation>Cannot read %1:
%2.
The file does not exist or is already in use by another program</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</source>
        <translation>The instrument did not enter update mode (bootloader): no answer to %1.
Nothing else was sent to it.</translation>
    </message>
    <message>
        <source>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</source>
        <translation>Page %1 could not be written: step %2 got no answer after %3 attempts.
The instrument stays in update mode: start the update again.</translation>
    </message>
    <message>
        <source>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</source>
        <translation>All pages were written, but the instrument did not confirm its restart.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</source>
        <translation>The connection to the instrument was lost during the update.
Reconnect the instrument, then start the update again.</translation>
    </message>
</context>
<context>
    <name>InstrumentLink</name>
    <message>
        <source>pas de reponse</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</source>
        <translation>access denied or port busy (%1). On Linux, the account must belong to the dialout group: sudo usermod -a -G dialout $USER, then log out and log in again.</translation>
    </message>
    <message>
        <source>le port n&apos;existe plus (%1)</source>
        <translation>the port no longer exists (%1)</translation>
    </message>
    <message>
        <source>port deja ouvert (%1)</source>
        <translation>port already open (%1)</translation>
    </message>
    <message>
        <source>ouverture impossible (%1)</source>
        <translation>cannot be opened (%1)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Aide introuvable.</source>
        <translation>Help not found.</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</source>
        <translation>No program on this computer opens PDF files. The guide is here:
%1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Recherche de l&apos;appareil…</source>
        <translation>Looking for the instrument…</translation>
    </message>
    <message>
        <source>Connecte (%1)</source>
        <translation>Connected (%1)</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas</source>
        <translation>The instrument does not respond</translation>
    </message>
    <message>
        <source>Deconnecte</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Liaison perdue (%1)</source>
        <translation>Link lost (%1)</translation>
    </message>
    <message>
        <source>Aucun adaptateur serie USB n&apos;est branche.</source>
        <translation>No USB serial adapter is plugged in.</translation>
    </message>
    <message>
        <source>Un adaptateur branche sera essaye des son arrivee.</source>
        <translation>An adapter will be tried as soon as it is plugged in.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</source>
        <translation>No QUARVEN 2 answered. Ports tried:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nouvel essai toutes les %1 s.</source>
        <translation>Trying again every %1 s.</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Connection</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Releve d&apos;information</source>
        <translation>Survey details</translation>
    </message>
    <message>
        <source>Nom du releveur :</source>
        <translation>Tested by:</translation>
    </message>
    <message>
        <source>Nom du poste :</source>
        <translation>Substation name:</translation>
    </message>
    <message>
        <source>N du transformateur :</source>
        <translation>Transformer no.:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Code GDO :</source>
        <translation>GDO code:</translation>
    </message>
    <message>
        <source>Fabricant :</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Puissance :</source>
        <translation>Power rating:</translation>
    </message>
    <message>
        <source>Tension HT :</source>
        <translation>HV voltage:</translation>
    </message>
    <message>
        <source>Tension bt :</source>
        <translation>LV voltage:</translation>
    </message>
    <message>
        <source>Presence fusibles :</source>
        <translation>Fuses fitted:</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Test results</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.A (prim.) Circuit ouvert</source>
        <translation>Neutral (sec.) / HV.A (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.B (prim.) Circuit ouvert</source>
        <translation>Neutral (sec.) / HV.B (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.C (prim.) Circuit ouvert</source>
        <translation>Neutral (sec.) / HV.C (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.A (prim.) Circuit ouvert</source>
        <translation>Earth (tank) / HV.A (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.B (prim.) Circuit ouvert</source>
        <translation>Earth (tank) / HV.B (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.C (prim.) Circuit ouvert</source>
        <translation>Earth (tank) / HV.C (prim.) Open circuit</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.A (sec.) Continuite</source>
        <translation>Neutral (sec.) / LV.A (sec.) Continuity</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.B (sec.) Continuite</source>
        <translation>Neutral (sec.) / LV.B (sec.) Continuity</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.C (sec.) Continuite</source>
        <translation>Neutral (sec.) / LV.C (sec.) Continuity</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.A (sec.) Circuit ouvert</source>
        <translation>Earth (tank) / LV.A (sec.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.B (sec.) Circuit ouvert</source>
        <translation>Earth (tank) / LV.B (sec.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.C (sec.) Circuit ouvert</source>
        <translation>Earth (tank) / LV.C (sec.) Open circuit</translation>
    </message>
    <message>
        <source>Terre (chassis) / Neutre (sec.) Circuit ouvert</source>
        <translation>Earth (tank) / Neutral (sec.) Open circuit</translation>
    </message>
    <message>
        <source>HT.A (prim.) Coherence courbe</source>
        <translation>HV.A (prim.) Curve consistency</translation>
    </message>
    <message>
        <source>HT.B (prim.) Coherence courbe</source>
        <translation>HV.B (prim.) Curve consistency</translation>
    </message>
    <message>
        <source>HT.C (prim.) Coherence courbe</source>
        <translation>HV.C (prim.) Curve consistency</translation>
    </message>
    <message>
        <source>BT.A (sec.) Coherence courbe</source>
        <translation>LV.A (sec.) Curve consistency</translation>
    </message>
    <message>
        <source>BT.B (sec.) Coherence courbe</source>
        <translation>LV.B (sec.) Curve consistency</translation>
    </message>
    <message>
        <source>BT.C (sec.) Coherence courbe</source>
        <translation>LV.C (sec.) Curve consistency</translation>
    </message>
    <message>
        <source>Courbes HT</source>
        <translation>HV curves</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Gamme Mesure :</source>
        <translation>Measuring range:</translation>
    </message>
    <message>
        <source>RATIO:</source>
        <translation>RATIO:</translation>
    </message>
    <message>
        <source>HT.A / BT.A :</source>
        <translation>HV.A / LV.A:</translation>
    </message>
    <message>
        <source>HT.B / BT.B :</source>
        <translation>HV.B / LV.B:</translation>
    </message>
    <message>
        <source>HT.C / BT.C :</source>
        <translation>HV.C / LV.C:</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Enregistrement incomplet : la liaison a ete interrompue avant la fin.</source>
        <translation>Incomplete record: the link was cut before the end.</translation>
    </message>
    <message>
        <source>Enregistrement incomplet</source>
        <translation>Incomplete record</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Documents recents</source>
        <translation>&amp;Recent documents</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Telecharger</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>D&amp;ebug</translation>
    </message>
    <message>
        <source>ouvrir &amp;fichier debug</source>
        <translation>Open debug &amp;file</translation>
    </message>
    <message>
        <source>Info &amp;UC</source>
        <translation>&amp;Instrument info</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Se connecter</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Temps de Coupure du QVX2</source>
        <translation>&amp;QVX2 cut-off time</translation>
    </message>
    <message>
        <source>&amp;Choix de la gamme au demarrage</source>
        <translation>&amp;Start-up range</translation>
    </message>
    <message>
        <source>Choix &amp;du type de batterie</source>
        <translation>&amp;Battery type</translation>
    </message>
    <message>
        <source>&amp;Patch VOLTANE</source>
        <translation>&amp;VOLTANE patch</translation>
    </message>
    <message>
        <source>P&amp;atch DIREVE</source>
        <translation>&amp;DIREVE patch</translation>
    </message>
    <message>
        <source>&amp;Mise a jour firmware</source>
        <translation>&amp;Firmware update</translation>
    </message>
    <message>
        <source>&amp;русский</source>
        <translation>&amp;русский</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Documentation</translation>
    </message>
    <message>
        <source>&amp;A propos de ORVA-SA</source>
        <translation>&amp;About ORVA-SA</translation>
    </message>
    <message>
        <source>Exporter &amp;PDF…</source>
        <translation>E&amp;xport PDF…</translation>
    </message>
    <message>
        <source>Exporter &amp;CSV…</source>
        <translation>Export &amp;CSV…</translation>
    </message>
    <message>
        <source>E&amp;xporter image…</source>
        <translation>Expor&amp;t image…</translation>
    </message>
    <message>
        <source>dans la tolerance</source>
        <translation>within tolerance</translation>
    </message>
    <message>
        <source>hors tolerance</source>
        <translation>outside tolerance</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>PASSED</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>FAILED</translation>
    </message>
    <message>
        <source>sans verdict</source>
        <translation>no verdict</translation>
    </message>
    <message>
        <source>Rapport nominal</source>
        <translation>Rated ratio</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>Tolerance (%)</translation>
    </message>
    <message>
        <source>Te&amp;lecharger tout</source>
        <translation>Download &amp;all</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>Arc&amp;hive</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>The range %1 does not include the HV voltage %2: the deviations are not assessed.</translation>
    </message>
    <message>
        <source>Rapport nominal %1 (%2 / %3), tolerance %4</source>
        <translation>Rated ratio %1 (%2 / %3), tolerance %4</translation>
    </message>
    <message>
        <source>Archive d&apos;&amp;equipe...</source>
        <translation>&amp;Team archive...</translation>
    </message>
</context>
<context>
    <name>ParameterOperations</name>
    <message>
        <source>L&apos;appareil a pris la valeur %1 au lieu de %2.</source>
        <translation>The instrument took the value %1 instead of %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</source>
        <translation>The file %1 could not be read: nothing was sent to the instrument.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;application car elle est deja lancee.</source>
        <translation>The application cannot be started because it is already running.</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Pile seche 9V :</source>
        <translation>9V dry battery:</translation>
    </message>
    <message>
        <source>Pile rechargeable :</source>
        <translation>Rechargeable battery:</translation>
    </message>
</context>
<context>
    <name>RecentDocuments</name>
    <message>
        <source>Documents recents</source>
        <translation>Recent documents</translation>
    </message>
    <message>
        <source>Le document %1 n&apos;existe plus. Il est retire de la liste.</source>
        <translation>The document %1 no longer exists. It is removed from the list.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>L&apos;appareil ne reponds pas. Verifier la liaison.</source>
        <translation>The instrument is not responding. Check the connection.</translation>
    </message>
    <message>
        <source>Effacement des enregistrements</source>
        <translation>Erase records</translation>
    </message>
    <message>
        <source>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</source>
        <translation>Are you sure you want to delete all records stored in the QUARVEN2?</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</source>
        <translation>The instrument did not confirm the erasure.</translation>
    </message>
    <message>
        <source>Telechargement des enregistrements…</source>
        <translation>Downloading the records…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Telecharger tout</source>
        <translation>Download all</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Record %1 / %2</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Saved: %1. Already there, not replaced: %2. Failed: %3.</translation>
    </message>
    <message>
        <source>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</source>
        <translation>Stopped: the following records were not asked for.</translation>
    </message>
    <message>
        <source>Info UC</source>
        <translation>Instrument info</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, firmware %2</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>RecordOperations</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu (%2).</source>
        <translation>The file %1 could not be read (%2).</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Rapport d&apos;essai QUARVEN 2</source>
        <translation>QUARVEN 2 test report</translation>
    </message>
    <message>
        <source>non connu</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Appareil : %1     Logiciel : %2 (version %3)</source>
        <translation>Instrument: %1     Software: %2 (version %3)</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Test results</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>The range %1 does not include the HV voltage %2: the deviations are not assessed.</translation>
    </message>
    <message>
        <source>Rapport mesure</source>
        <translation>Measured ratio</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Tolerance %1</translation>
    </message>
    <message>
        <source>non disponible</source>
        <translation>not available</translation>
    </message>
    <message>
        <source>Exporte le %1</source>
        <translation>Exported on %1</translation>
    </message>
    <message>
        <source>Signature :</source>
        <translation>Signature:</translation>
    </message>
    <message>
        <source>page 1 / 1</source>
        <translation>page 1 / 1</translation>
    </message>
    <message>
        <source>mesure non enregistree</source>
        <translation>measurement not saved</translation>
    </message>
    <message>
        <source>%1 : %2 / %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
    <message>
        <source>%1 / %2 %3</source>
        <translation>%1 / %2 %3</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Une autre commande attend deja la reponse de l&apos;appareil.</source>
        <translation>Another command is already waiting for the instrument&apos;s answer.</translation>
    </message>
    <message>
        <source>Aucun appareil n&apos;est connecte.</source>
        <translation>No instrument is connected.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</source>
        <translation>The instrument did not give the expected answer in time.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas. Verifier la liaison.</source>
        <translation>The instrument is not responding. Check the connection.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue.</source>
        <translation>The connection to the instrument was lost.</translation>
    </message>
    <message>
        <source>L&apos;appareil a repondu autre chose que ce qui etait demande.</source>
        <translation>The instrument answered something other than what was asked.</translation>
    </message>
    <message>
        <source>Le fichier a ete refuse.</source>
        <translation>The file was refused.</translation>
    </message>
    <message>
        <source>L&apos;enregistrement n&apos;est pas arrive en entier.</source>
        <translation>The record did not arrive whole.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas ce qui a ete demande.</source>
        <translation>The instrument does not know what was asked for.</translation>
    </message>
    <message>
        <source>Annule.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Le serveur de l&apos;equipe ne repond pas.</source>
        <translation>The team&apos;s server does not answer.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>interrogation impossible</source>
        <translation>Query failed</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</source>
        <translation>%1: the value was not saved in the instrument.</translation>
    </message>
    <message>
        <source>P_AL_FALIM_TEMPS</source>
        <translation>P_AL_FALIM_TEMPS</translation>
    </message>
    <message>
        <source>Temps de coupure (en s)</source>
        <translation>Cut-off time (s)</translation>
    </message>
    <message>
        <source>P_DEMAR_GAMME</source>
        <translation>P_DEMAR_GAMME</translation>
    </message>
    <message>
        <source>Choix de la gamme au demarrage :</source>
        <translation>Start-up range:</translation>
    </message>
    <message>
        <source>P_AL_FALIM_SEUIL</source>
        <translation>P_AL_FALIM_SEUIL</translation>
    </message>
    <message>
        <source>Choix du type de batterie</source>
        <translation>Battery type</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</source>
        <translation>The instrument does not know the parameter %1: the battery threshold has not been changed.</translation>
    </message>
    <message>
        <source>seuil de pile :</source>
        <translation>Battery threshold:</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Ouvrir_fichier_patch</source>
        <translation>Open patch file</translation>
    </message>
    <message>
        <source>%1 = %2 : %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>The file %1 names no parameter of the instrument: nothing was written.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</source>
        <translation>The instrument confirmed no write from the file %1: nothing was written.</translation>
    </message>
    <message>
        <source>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</source>
        <translation>These lines of the file %1 were not written:</translation>
    </message>
</context>
<context>
    <name>TeamCommands</name>
    <message>
        <source>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</source>
        <translation>The password could not be kept in the keyring (%1): it is used for this session only.</translation>
    </message>
    <message>
        <source>Mot de passe du serveur d&apos;equipe</source>
        <translation>Team server password</translation>
    </message>
    <message>
        <source>%1

Serveur : %2</source>
        <translation>%1

Server: %2</translation>
    </message>
    <message>
        <source>Garder le mot de passe dans le trousseau du bureau</source>
        <translation>Keep the password in the desktop keyring</translation>
    </message>
    <message>
        <source>Mot de passe :</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe</source>
        <translation>Team archive</translation>
    </message>
    <message>
        <source>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</source>
        <translation>The team&apos;s PostgreSQL server: a libpq connection string (host=... dbname=... user=...) or service=NAME. Empty: no team archive. The password is never written in the program&apos;s files.</translation>
    </message>
    <message>
        <source>Tester la connexion</source>
        <translation>Test the connection</translation>
    </message>
    <message>
        <source>Serveur :</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Derniere erreur :</source>
        <translation>Last error:</translation>
    </message>
    <message>
        <source>Connexion reussie : role %1, schema version %2%3</source>
        <translation>Connection succeeded: role %1, schema version %2%3</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</source>
        <translation>The server&apos;s schema (version %1) is newer than this program (version %2): it is not changed.</translation>
    </message>
</context>
<context>
    <name>TeamServer</name>
    <message>
        <source>connexion coupee</source>
        <translation>connection cut</translation>
    </message>
    <message>
        <source>le serveur demande un mot de passe</source>
        <translation>the server asks for a password</translation>
    </message>
    <message>
        <source>mot de passe refuse</source>
        <translation>password refused</translation>
    </message>
    <message>
        <source>le certificat du serveur n&apos;est pas verifie : %1</source>
        <translation>the server&apos;s certificate could not be verified: %1</translation>
    </message>
    <message>
        <source>le serveur refuse : %1</source>
        <translation>the server refuses: %1</translation>
    </message>
    <message>
        <source>serveur injoignable : %1</source>
        <translation>server unreachable: %1</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</source>
        <translation>the server has no team archive: the administrator runs &quot;quarvex2-cli team setup&quot;</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas ce document</source>
        <translation>the server does not have this document</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</source>
        <translation>The local copy of the team archive could not be written.</translation>
    </message>
    <message>
        <source>schema du serveur plus recent (version %1) : lecture seule</source>
        <translation>newer server schema (version %1): read-only</translation>
    </message>
    <message>
        <source>Le document recu ne correspond pas a sa revision.</source>
        <translation>The document received does not match its revision.</translation>
    </message>
    <message>
        <source>Le document envoye par %1 ne se lit pas comme un document de mesure.</source>
        <translation>The document sent by %1 does not read as a measurement document.</translation>
    </message>
    <message>
        <source>%1 (%2 versions)</source>
        <translation>%1 (%2 versions)</translation>
    </message>
    <message>
        <source>Equipe : hors ligne (%1)</source>
        <translation>Team: offline (%1)</translation>
    </message>
    <message>
        <source>Equipe : %1</source>
        <translation>Team: %1</translation>
    </message>
    <message numerus="yes">
        <source>Equipe : %n documents a envoyer</source>
        <translation>
            <numerusform>Team: %n document to send</numerusform>
            <numerusform>Team: %n documents to send</numerusform>
        </translation>
    </message>
    <message>
        <source>Equipe : a jour (%1)</source>
        <translation>Team: up to date (%1)</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (read-only)</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Tendance : %1, transformateur %2</source>
        <translation>Trend: %1, transformer %2</translation>
    </message>
    <message>
        <source>HT.A / bt.a</source>
        <translation>HV.A / lv.a</translation>
    </message>
    <message>
        <source>HT.B / bt.b</source>
        <translation>HV.B / lv.b</translation>
    </message>
    <message>
        <source>HT.C / bt.c</source>
        <translation>HV.C / lv.c</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Rapport nominal %1</source>
        <translation>Rated ratio %1</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Tolerance %1</translation>
    </message>
</context>
<context>
    <name>XmlMesure</name>
    <message>
        <source>son element racine est %1 et non OrvaQuardane</source>
        <translation>its root element is %1, not OrvaQuardane</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</source>
        <translation>The file %1 could not be written (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : %2.</source>
        <translation>The file %1 is not a measurement document: %2.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>A propos de ORVA-SA</source>
        <translation>About ORVA-SA</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version Binaire : <byte value="xd"/>
</source>
        <translation>Firmware versions: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 200: base version of the VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</source>
        <translation>Version 300: 10 stored records, several languages. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</source>
        <translation>Version 301: command to set the QVX2 power cut-off time from 2 to 10 minutes. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</source>
        <translation>Version 302: command to choose the start-up range. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</source>
        <translation>Version 303 returns the right result even with no record after Test_clear <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</source>
        <translation>Version 304 UK mode, current range saved <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</source>
        <translation>Version 305 fourth range 1-5 kV added <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</source>
        <translation>Version 306 saved curves numbered <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</source>
        <translation>Version 400-403 turns ratio calculation and layout <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version PC : <byte value="xd"/>
</source>
        <translation>PC software versions: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 300: base version of the VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: version francaise <byte value="xd"/>
</source>
        <translation>Version 301: French version <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: version internationale <byte value="xd"/>
</source>
        <translation>Version 302: international version <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303: maj version internationale<byte value="xd"/>
</source>
        <translation>Version 303: international version update<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 401: affiche le ratio<byte value="xd"/>
</source>
        <translation>Version 401: shows the turns ratio<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</source>
        <translation>Version 500: user interface improvements<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 501: patch pour circuit ouvert<byte value="xd"/>
</source>
        <translation>Version 501: open-circuit patch<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>recup_cutoff</name>
    <message>
        <source>Dialog</source>
        <translation>Cut-off time</translation>
    </message>
    <message>
        <source>Selectionner le temps avant extinction du QVX2</source>
        <translation>Select the time before the QVX2 switches itself off</translation>
    </message>
    <message>
        <source>Temps de coupure en secondes</source>
        <translation>Cut-off time</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source> 4 minutes</source>
        <translation> 4 minutes</translation>
    </message>
    <message>
        <source> 8  minutes</source>
        <translation> 8  minutes</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>recup_enreg</name>
    <message>
        <source>Recuperation des donnees</source>
        <translation>Data download</translation>
    </message>
    <message>
        <source>Selectionner l&apos;enregistrement a telecharger</source>
        <translation>Select the record to download</translation>
    </message>
    <message>
        <source>Dernier
enregistrement</source>
        <translation>Last
record</translation>
    </message>
    <message>
        <source>Enregistrement
n-1</source>
        <translation>Record
n-1</translation>
    </message>
    <message>
        <source>Enregistrement
n-2</source>
        <translation>Record
n-2</translation>
    </message>
    <message>
        <source>Enregistrement
n-3</source>
        <translation>Record
n-3</translation>
    </message>
    <message>
        <source>Enregistrement
n-4</source>
        <translation>Record
n-4</translation>
    </message>
    <message>
        <source>Enregistrement
n-5</source>
        <translation>Record
n-5</translation>
    </message>
    <message>
        <source>Enregistrement
n-6</source>
        <translation>Record
n-6</translation>
    </message>
    <message>
        <source>Enregistrement
n-7</source>
        <translation>Record
n-7</translation>
    </message>
    <message>
        <source>Enregistrement
n-8</source>
        <translation>Record
n-8</translation>
    </message>
    <message>
        <source>Enregistrement
n-9</source>
        <translation>Record
n-9</translation>
    </message>
    <message>
        <source>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</source>
        <translation>ERASE ALL RECORDS IN QUARVEN2</translation>
    </message>
</context>
<context>
    <name>recup_gamme</name>
    <message>
        <source>Dialog</source>
        <translation>Start-up range</translation>
    </message>
    <message>
        <source>Selectionner le choix de la gamme au demarrage du QVX2</source>
        <translation>Select the range the QVX2 starts in</translation>
    </message>
    <message>
        <source>Gamme 20-33 kV</source>
        <translation>Range 20-33 kV</translation>
    </message>
    <message>
        <source>Gamme 10-19 kV</source>
        <translation>Range 10-19 kV</translation>
    </message>
    <message>
        <source> Gamme-5-9 kV</source>
        <translation> Range 5-9 kV</translation>
    </message>
    <message>
        <source>  Derniere Gamme utilisee</source>
        <translation>  Last range used</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>recup_info</name>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Sauve fichier</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1_%2</source>
        <translation>%1_%2</translation>
    </message>
    <message>
        <source>Enregistrer le fichier </source>
        <translation>Save the file </translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Could not save the file %1.</translation>
    </message>
    <message>
        <source>Ferme la fenetre Debug ; le programme continue.</source>
        <translation>Closes the Debug window; the program keeps running.</translation>
    </message>
</context>
<context>
    <name>recup_pile</name>
    <message>
        <source>Dialog</source>
        <translation>Battery type</translation>
    </message>
    <message>
        <source>Choix du type de pile de l&apos;appareil</source>
        <translation>Select the instrument&apos;s battery type</translation>
    </message>
</context>
<context>
    <name>xmlreader</name>
    <message>
        <source>sa structure est refusee (%1)</source>
        <translation>its structure is refused (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</source>
        <translation>it is not valid XML (line %1, column %2: %3)</translation>
    </message>
    <message>
        <source>il depasse la taille admise (%1 Mo)</source>
        <translation>it is larger than allowed (%1 MB)</translation>
    </message>
    <message>
        <source>il ne peut pas etre lu (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
</context>
</TS>
