<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>ArchiveModel</name>
    <message>
        <source>document illisible</source>
        <translation>document illisible</translation>
    </message>
    <message>
        <source>%1 (telechargement)</source>
        <translation>%1 (telechargement)</translation>
    </message>
    <message>
        <source>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</source>
        <translation>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</translation>
    </message>
    <message>
        <source>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</source>
        <translation>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</translation>
    </message>
    <message>
        <source>Envoye par %1 depuis %2 le %3</source>
        <translation>Envoye par %1 depuis %2 le %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Poste</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Transformateur</translation>
    </message>
    <message>
        <source>Code site</source>
        <translation>Code site</translation>
    </message>
    <message>
        <source>Gamme</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <source>Essais reussis</source>
        <translation>Essais reussis</translation>
    </message>
    <message>
        <source>Rapport moyen</source>
        <translation>Rapport moyen</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Ecart</translation>
    </message>
    <message>
        <source>Envoye par</source>
        <translation>Envoye par</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Filtrer (toutes les colonnes)</source>
        <translation>Filtrer (toutes les colonnes)</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</source>
        <translation>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</translation>
    </message>
    <message>
        <source>Choisissez exactement deux documents a comparer (%1 choisi(s)).</source>
        <translation>Choisissez exactement deux documents a comparer (%1 choisi(s)).</translation>
    </message>
    <message>
        <source>Ce poste</source>
        <translation>Ce poste</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Equipe</translation>
    </message>
</context>
<context>
    <name>CliDocuments</name>
    <message>
        <source>Le dossier %1 ne peut pas etre cree.</source>
        <translation>Le dossier %1 ne peut pas etre cree.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1 (%2).</source>
        <translation>Impossible d&apos;ecrire %1 (%2).</translation>
    </message>
    <message>
        <source>Index : %1 / %2</source>
        <translation>Index : %1 / %2</translation>
    </message>
    <message>
        <source>document illisible</source>
        <translation>document illisible</translation>
    </message>
    <message>
        <source>Aucun document du transformateur %1 du poste %2.</source>
        <translation>Aucun document du transformateur %1 du poste %2.</translation>
    </message>
</context>
<context>
    <name>CliInstrument</name>
    <message>
        <source>Aucun adaptateur serie n&apos;est branche.</source>
        <translation>Aucun adaptateur serie n&apos;est branche.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>Le port %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</source>
        <translation>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas sur %1.</source>
        <translation>L&apos;appareil ne repond pas sur %1.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu.</source>
        <translation>Aucun QUARVEN 2 n&apos;a repondu.</translation>
    </message>
    <message>
        <source>non essaye : pas un adaptateur USB</source>
        <translation>non essaye : pas un adaptateur USB</translation>
    </message>
    <message>
        <source>QUARVEN 2</source>
        <translation>QUARVEN 2</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1.</source>
        <translation>L&apos;appareil ne connait pas le parametre %1.</translation>
    </message>
    <message>
        <source>La valeur %1 n&apos;est pas un nombre entier.</source>
        <translation>La valeur %1 n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>%1 = %2, enregistre dans l&apos;appareil.</source>
        <translation>%1 = %2, enregistre dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>Les enregistrements de l&apos;appareil sont effaces.</source>
        <translation>Les enregistrements de l&apos;appareil sont effaces.</translation>
    </message>
    <message>
        <source>pas un parametre de l&apos;appareil</source>
        <translation>pas un parametre de l&apos;appareil</translation>
    </message>
    <message>
        <source>ecrit</source>
        <translation>ecrit</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</translation>
    </message>
    <message>
        <source>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</source>
        <translation>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Enregistrement %1 / %2</translation>
    </message>
    <message>
        <source>Appareil sur %1 : telechargement de ses enregistrements.</source>
        <translation>Appareil sur %1 : telechargement de ses enregistrements.</translation>
    </message>
    <message>
        <source>En attente d&apos;un appareil…</source>
        <translation>En attente d&apos;un appareil…</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>Le firmware de l&apos;appareil est mis a jour.</source>
        <translation>Le firmware de l&apos;appareil est mis a jour.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</source>
        <translation>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</translation>
    </message>
    <message>
        <source>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</source>
        <translation>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</translation>
    </message>
    <message>
        <source>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</source>
        <translation>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</translation>
    </message>
    <message>
        <source>efface les enregistrements de l&apos;appareil (refuse sans --yes)</source>
        <translation>efface les enregistrements de l&apos;appareil (refuse sans --yes)</translation>
    </message>
    <message>
        <source>applique un fichier de patch, un resultat par ligne</source>
        <translation>applique un fichier de patch, un resultat par ligne</translation>
    </message>
    <message>
        <source>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</source>
        <translation>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</translation>
    </message>
    <message>
        <source>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</source>
        <translation>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</translation>
    </message>
    <message>
        <source>met a jour le firmware de l&apos;appareil (refuse sans --yes)</source>
        <translation>met a jour le firmware de l&apos;appareil (refuse sans --yes)</translation>
    </message>
    <message>
        <source>exporte chaque document comme la fenetre, un fichier par document</source>
        <translation>exporte chaque document comme la fenetre, un fichier par document</translation>
    </message>
    <message>
        <source>les rapports d&apos;un transformateur par date</source>
        <translation>les rapports d&apos;un transformateur par date</translation>
    </message>
    <message>
        <source>Le QUARVEN 2 et ses archives depuis un script.</source>
        <translation>Le QUARVEN 2 et ses archives depuis un script.</translation>
    </message>
    <message>
        <source>Commandes (COMMAND --help pour chacune) :</source>
        <translation>Commandes (COMMAND --help pour chacune) :</translation>
    </message>
    <message>
        <source>Codes de sortie :</source>
        <translation>Codes de sortie :</translation>
    </message>
    <message>
        <source>Le port de l&apos;appareil, sans recherche.</source>
        <translation>Le port de l&apos;appareil, sans recherche.</translation>
    </message>
    <message>
        <source>Le dossier des donnees (config.xml, Data/).</source>
        <translation>Le dossier des donnees (config.xml, Data/).</translation>
    </message>
    <message>
        <source>Un document JSON sur la sortie standard.</source>
        <translation>Un document JSON sur la sortie standard.</translation>
    </message>
    <message>
        <source>La langue des messages : fr, en, ng, sv ou ru.</source>
        <translation>La langue des messages : fr, en, ng, sv ou ru.</translation>
    </message>
    <message>
        <source>La commande et ses arguments.</source>
        <translation>La commande et ses arguments.</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (fr, en, ng, sv ou ru).</source>
        <translation>Langue inconnue : %1 (fr, en, ng, sv ou ru).</translation>
    </message>
    <message>
        <source>Quelle commande ? --help les donne.</source>
        <translation>Quelle commande ? --help les donne.</translation>
    </message>
    <message>
        <source>Commande inconnue : %1. --help les donne.</source>
        <translation>Commande inconnue : %1. --help les donne.</translation>
    </message>
    <message>
        <source>Confirme l&apos;operation.</source>
        <translation>Confirme l&apos;operation.</translation>
    </message>
    <message>
        <source>Le dossier des fichiers ecrits.</source>
        <translation>Le dossier des fichiers ecrits.</translation>
    </message>
    <message>
        <source>Les lignes qui contiennent ce texte.</source>
        <translation>Les lignes qui contiennent ce texte.</translation>
    </message>
    <message>
        <source>Usage : %1 %2</source>
        <translation>Usage : %1 %2</translation>
    </message>
    <message>
        <source>%1 est refuse sans --yes.</source>
        <translation>%1 est refuse sans --yes.</translation>
    </message>
    <message>
        <source>Format inconnu : %1 (pdf, csv, png ou svg).</source>
        <translation>Format inconnu : %1 (pdf, csv, png ou svg).</translation>
    </message>
    <message>
        <source>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</source>
        <translation>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</translation>
    </message>
    <message>
        <source>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</source>
        <translation>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</translation>
    </message>
    <message>
        <source>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</source>
        <translation>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</translation>
    </message>
    <message>
        <source>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</source>
        <translation>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</translation>
    </message>
    <message>
        <source>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</source>
        <translation>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</translation>
    </message>
    <message>
        <source>local : ce poste ; team : l&apos;equipe.</source>
        <translation>local : ce poste ; team : l&apos;equipe.</translation>
    </message>
</context>
<context>
    <name>CliTeam</name>
    <message>
        <source>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</source>
        <translation>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</translation>
    </message>
    <message>
        <source>Envoyes : %1, recus : %2, a envoyer : %3</source>
        <translation>Envoyes : %1, recus : %2, a envoyer : %3</translation>
    </message>
    <message>
        <source>Le schema n&apos;a pas ete installe : %1</source>
        <translation>Le schema n&apos;a pas ete installe : %1</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</source>
        <translation>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</translation>
    </message>
    <message>
        <source>Serveur : %1</source>
        <translation>Serveur : %1</translation>
    </message>
    <message>
        <source>Connexion : oui, role %1, schema version %2%3</source>
        <translation>Connexion : oui, role %1, schema version %2%3</translation>
    </message>
    <message>
        <source>Connexion : non (%1)</source>
        <translation>Connexion : non (%1)</translation>
    </message>
    <message>
        <source>A envoyer : %1</source>
        <translation>A envoyer : %1</translation>
    </message>
    <message>
        <source>Derniere synchronisation : %1</source>
        <translation>Derniere synchronisation : %1</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</source>
        <translation>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Comparer : %1 et %2</source>
        <translation>Comparer : %1 et %2</translation>
    </message>
    <message>
        <source>Essai</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>%1, transformateur %2</source>
        <translation>%1, transformateur %2</translation>
    </message>
    <message>
        <source>—— trait plein : %1      - - - pointilles : %2</source>
        <translation>—— trait plein : %1      - - - pointilles : %2</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</source>
        <translation>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</source>
        <translation>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>HT.A</source>
        <translation>HT.A</translation>
    </message>
    <message>
        <source>HT.B</source>
        <translation>HT.B</translation>
    </message>
    <message>
        <source>HT.C</source>
        <translation>HT.C</translation>
    </message>
    <message>
        <source>bt.a</source>
        <translation>bt.a</translation>
    </message>
    <message>
        <source>bt.b</source>
        <translation>bt.b</translation>
    </message>
    <message>
        <source>bt.c</source>
        <translation>bt.c</translation>
    </message>
    <message>
        <source>Echantillon</source>
        <translation>Echantillon</translation>
    </message>
    <message>
        <source>Valeur (unite de l&apos;appareil)</source>
        <translation>Valeur (unite de l&apos;appareil)</translation>
    </message>
    <message>
        <source>%1 — point %2 : %3</source>
        <translation>%1 — point %2 : %3</translation>
    </message>
</context>
<context>
    <name>DialogTelech</name>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Mise a jour firmware</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Commande</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Envoi</translation>
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
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Mise a jour de l&apos;appareil en cours...</source>
        <translation>Mise a jour de l&apos;appareil en cours...</translation>
    </message>
    <message>
        <source>Mise a jour reussie.</source>
        <translation>Mise a jour reussie.</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega File - Attention</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Veuillez remplir les champs avant d&apos;enregistrer.</source>
        <translation>Veuillez remplir les champs avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Champs vides : %1</source>
        <translation>Champs vides : %1</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Enregistrer %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</source>
        <translation>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</source>
        <translation>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</translation>
    </message>
    <message>
        <source>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</source>
        <translation>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre faite.</source>
        <translation>L&apos;impression n&apos;a pas pu etre faite.</translation>
    </message>
    <message>
        <source>Exporter PDF</source>
        <translation>Exporter PDF</translation>
    </message>
    <message>
        <source>Rapport PDF (*.pdf)</source>
        <translation>Rapport PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Exporter image</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Image SVG (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega File - Attention</translation>
    </message>
    <message>
        <source>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</source>
        <translation>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</translation>
    </message>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Mise a jour firmware</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</source>
        <translation>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 est vide.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</source>
        <translation>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</source>
        <translation>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</translation>
    </message>
    <message>
        <source>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</source>
        <translation>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</translation>
    </message>
    <message>
        <source>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</source>
        <translation>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</source>
        <translation>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</translation>
    </message>
</context>
<context>
    <name>InstrumentLink</name>
    <message>
        <source>pas de reponse</source>
        <translation>pas de reponse</translation>
    </message>
    <message>
        <source>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</source>
        <translation>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</translation>
    </message>
    <message>
        <source>le port n&apos;existe plus (%1)</source>
        <translation>le port n&apos;existe plus (%1)</translation>
    </message>
    <message>
        <source>port deja ouvert (%1)</source>
        <translation>port deja ouvert (%1)</translation>
    </message>
    <message>
        <source>ouverture impossible (%1)</source>
        <translation>ouverture impossible (%1)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Aide introuvable.</source>
        <translation>Aide introuvable.</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</source>
        <translation>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Recherche de l&apos;appareil…</source>
        <translation>Recherche de l&apos;appareil…</translation>
    </message>
    <message>
        <source>Connecte (%1)</source>
        <translation>Connecte (%1)</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas</source>
        <translation>L&apos;appareil ne repond pas</translation>
    </message>
    <message>
        <source>Deconnecte</source>
        <translation>Deconnecte</translation>
    </message>
    <message>
        <source>Liaison perdue (%1)</source>
        <translation>Liaison perdue (%1)</translation>
    </message>
    <message>
        <source>Aucun adaptateur serie USB n&apos;est branche.</source>
        <translation>Aucun adaptateur serie USB n&apos;est branche.</translation>
    </message>
    <message>
        <source>Un adaptateur branche sera essaye des son arrivee.</source>
        <translation>Un adaptateur branche sera essaye des son arrivee.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</source>
        <translation>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Nouvel essai toutes les %1 s.</source>
        <translation>Nouvel essai toutes les %1 s.</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Releve d&apos;information</source>
        <translation>Releve d&apos;information</translation>
    </message>
    <message>
        <source>Nom du releveur :</source>
        <translation>Nom du releveur :</translation>
    </message>
    <message>
        <source>Nom du poste :</source>
        <translation>Nom du poste :</translation>
    </message>
    <message>
        <source>N du transformateur :</source>
        <translation>N du transformateur :</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Code GDO :</source>
        <translation>Code GDO :</translation>
    </message>
    <message>
        <source>Fabricant :</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Puissance :</source>
        <translation>Puissance :</translation>
    </message>
    <message>
        <source>Tension HT :</source>
        <translation>Tension HT :</translation>
    </message>
    <message>
        <source>Tension bt :</source>
        <translation>Tension bt :</translation>
    </message>
    <message>
        <source>Presence fusibles :</source>
        <translation>Presence fusibles :</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Resultats des tests</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.A (prim.) Circuit ouvert</source>
        <translation>Neutre (sec.) / HT.A (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.B (prim.) Circuit ouvert</source>
        <translation>Neutre (sec.) / HT.B (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.C (prim.) Circuit ouvert</source>
        <translation>Neutre (sec.) / HT.C (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.A (prim.) Circuit ouvert</source>
        <translation>Terre (chassis) / HT.A (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.B (prim.) Circuit ouvert</source>
        <translation>Terre (chassis) / HT.B (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.C (prim.) Circuit ouvert</source>
        <translation>Terre (chassis) / HT.C (prim.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.A (sec.) Continuite</source>
        <translation>Neutre (sec.) / BT.A (sec.) Continuite</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.B (sec.) Continuite</source>
        <translation>Neutre (sec.) / BT.B (sec.) Continuite</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.C (sec.) Continuite</source>
        <translation>Neutre (sec.) / BT.C (sec.) Continuite</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.A (sec.) Circuit ouvert</source>
        <translation>Terre (chassis) / BT.A (sec.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.B (sec.) Circuit ouvert</source>
        <translation>Terre (chassis) / BT.B (sec.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.C (sec.) Circuit ouvert</source>
        <translation>Terre (chassis) / BT.C (sec.) Circuit ouvert</translation>
    </message>
    <message>
        <source>Terre (chassis) / Neutre (sec.) Circuit ouvert</source>
        <translation>Terre (chassis) / Neutre (sec.) Circuit ouvert</translation>
    </message>
    <message>
        <source>HT.A (prim.) Coherence courbe</source>
        <translation>HT.A (prim.) Coherence courbe</translation>
    </message>
    <message>
        <source>HT.B (prim.) Coherence courbe</source>
        <translation>HT.B (prim.) Coherence courbe</translation>
    </message>
    <message>
        <source>HT.C (prim.) Coherence courbe</source>
        <translation>HT.C (prim.) Coherence courbe</translation>
    </message>
    <message>
        <source>BT.A (sec.) Coherence courbe</source>
        <translation>BT.A (sec.) Coherence courbe</translation>
    </message>
    <message>
        <source>BT.B (sec.) Coherence courbe</source>
        <translation>BT.B (sec.) Coherence courbe</translation>
    </message>
    <message>
        <source>BT.C (sec.) Coherence courbe</source>
        <translation>BT.C (sec.) Coherence courbe</translation>
    </message>
    <message>
        <source>Courbes HT</source>
        <translation>Courbes HT</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Gamme Mesure :</source>
        <translation>Gamme Mesure :</translation>
    </message>
    <message>
        <source>RATIO:</source>
        <translation>RATIO:</translation>
    </message>
    <message>
        <source>HT.A / BT.A :</source>
        <translation>HT.A / BT.A :</translation>
    </message>
    <message>
        <source>HT.B / BT.B :</source>
        <translation>HT.B / BT.B :</translation>
    </message>
    <message>
        <source>HT.C / BT.C :</source>
        <translation>HT.C / BT.C :</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Enregistrement incomplet : la liaison a ete interrompue avant la fin.</source>
        <translation>Enregistrement incomplet : la liaison a ete interrompue avant la fin.</translation>
    </message>
    <message>
        <source>Enregistrement incomplet</source>
        <translation>Enregistrement incomplet</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Documents recents</source>
        <translation>&amp;Documents recents</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Telecharger</source>
        <translation>&amp;Telecharger</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>De&amp;bug</translation>
    </message>
    <message>
        <source>ouvrir &amp;fichier debug</source>
        <translation>ouvrir &amp;fichier debug</translation>
    </message>
    <message>
        <source>Info &amp;UC</source>
        <translation>Info &amp;UC</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Se connecter</source>
        <translation>&amp;Se connecter</translation>
    </message>
    <message>
        <source>&amp;Temps de Coupure du QVX2</source>
        <translation>&amp;Temps de Coupure du QVX2</translation>
    </message>
    <message>
        <source>&amp;Choix de la gamme au demarrage</source>
        <translation>&amp;Choix de la gamme au demarrage</translation>
    </message>
    <message>
        <source>Choix &amp;du type de batterie</source>
        <translation>Choix &amp;du type de batterie</translation>
    </message>
    <message>
        <source>&amp;Patch VOLTANE</source>
        <translation>&amp;Patch VOLTANE</translation>
    </message>
    <message>
        <source>P&amp;atch DIREVE</source>
        <translation>P&amp;atch DIREVE</translation>
    </message>
    <message>
        <source>&amp;Mise a jour firmware</source>
        <translation>&amp;Mise a jour firmware</translation>
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
        <translation>&amp;A propos de ORVA-SA</translation>
    </message>
    <message>
        <source>Exporter &amp;PDF…</source>
        <translation>Exporter &amp;PDF…</translation>
    </message>
    <message>
        <source>Exporter &amp;CSV…</source>
        <translation>Exporter &amp;CSV…</translation>
    </message>
    <message>
        <source>E&amp;xporter image…</source>
        <translation>E&amp;xporter image…</translation>
    </message>
    <message>
        <source>dans la tolerance</source>
        <translation>dans la tolerance</translation>
    </message>
    <message>
        <source>hors tolerance</source>
        <translation>hors tolerance</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>CORRECT</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>DEFAUT</translation>
    </message>
    <message>
        <source>sans verdict</source>
        <translation>sans verdict</translation>
    </message>
    <message>
        <source>Rapport nominal</source>
        <translation>Rapport nominal</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>Tolerance (%)</translation>
    </message>
    <message>
        <source>Te&amp;lecharger tout</source>
        <translation>Te&amp;lecharger tout</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>&amp;Archives</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</translation>
    </message>
    <message>
        <source>Rapport nominal %1 (%2 / %3), tolerance %4</source>
        <translation>Rapport nominal %1 (%2 / %3), tolerance %4</translation>
    </message>
    <message>
        <source>Archive d&apos;&amp;equipe...</source>
        <translation>Archive d&apos;&amp;equipe...</translation>
    </message>
</context>
<context>
    <name>ParameterOperations</name>
    <message>
        <source>L&apos;appareil a pris la valeur %1 au lieu de %2.</source>
        <translation>L&apos;appareil a pris la valeur %1 au lieu de %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</source>
        <translation>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;application car elle est deja lancee.</source>
        <translation>Impossible de lancer l&apos;application car elle est deja lancee.</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Pile seche 9V :</source>
        <translation>Pile seche 9V :</translation>
    </message>
    <message>
        <source>Pile rechargeable :</source>
        <translation>Pile rechargeable :</translation>
    </message>
</context>
<context>
    <name>RecentDocuments</name>
    <message>
        <source>Documents recents</source>
        <translation>Documents recents</translation>
    </message>
    <message>
        <source>Le document %1 n&apos;existe plus. Il est retire de la liste.</source>
        <translation>Le document %1 n&apos;existe plus. Il est retire de la liste.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>L&apos;appareil ne reponds pas. Verifier la liaison.</source>
        <translation>L&apos;appareil ne reponds pas. Verifier la liaison.</translation>
    </message>
    <message>
        <source>Effacement des enregistrements</source>
        <translation>Effacement des enregistrements</translation>
    </message>
    <message>
        <source>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</source>
        <translation>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</source>
        <translation>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</translation>
    </message>
    <message>
        <source>Telechargement des enregistrements…</source>
        <translation>Telechargement des enregistrements…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Telecharger tout</source>
        <translation>Telecharger tout</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Enregistrement %1 / %2</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</translation>
    </message>
    <message>
        <source>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</source>
        <translation>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</translation>
    </message>
    <message>
        <source>Info UC</source>
        <translation>Info UC</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, firmware %2</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>RecordOperations</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu (%2).</source>
        <translation>Le fichier %1 n&apos;a pas pu etre lu (%2).</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Rapport d&apos;essai QUARVEN 2</source>
        <translation>Rapport d&apos;essai QUARVEN 2</translation>
    </message>
    <message>
        <source>non connu</source>
        <translation>non connu</translation>
    </message>
    <message>
        <source>Appareil : %1     Logiciel : %2 (version %3)</source>
        <translation>Appareil : %1     Logiciel : %2 (version %3)</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Resultats des tests</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</translation>
    </message>
    <message>
        <source>Rapport mesure</source>
        <translation>Rapport mesure</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Ecart</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Tolerance %1</translation>
    </message>
    <message>
        <source>non disponible</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>Exporte le %1</source>
        <translation>Exporte le %1</translation>
    </message>
    <message>
        <source>Signature :</source>
        <translation>Signature :</translation>
    </message>
    <message>
        <source>page 1 / 1</source>
        <translation>page 1 / 1</translation>
    </message>
    <message>
        <source>mesure non enregistree</source>
        <translation>mesure non enregistree</translation>
    </message>
    <message>
        <source>%1 : %2 / %3</source>
        <translation>%1 : %2 / %3</translation>
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
        <translation>Une autre commande attend deja la reponse de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Aucun appareil n&apos;est connecte.</source>
        <translation>Aucun appareil n&apos;est connecte.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</source>
        <translation>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas. Verifier la liaison.</source>
        <translation>L&apos;appareil ne repond pas. Verifier la liaison.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue.</source>
        <translation>La liaison avec l&apos;appareil a ete perdue.</translation>
    </message>
    <message>
        <source>L&apos;appareil a repondu autre chose que ce qui etait demande.</source>
        <translation>L&apos;appareil a repondu autre chose que ce qui etait demande.</translation>
    </message>
    <message>
        <source>Le fichier a ete refuse.</source>
        <translation>Le fichier a ete refuse.</translation>
    </message>
    <message>
        <source>L&apos;enregistrement n&apos;est pas arrive en entier.</source>
        <translation>L&apos;enregistrement n&apos;est pas arrive en entier.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas ce qui a ete demande.</source>
        <translation>L&apos;appareil ne connait pas ce qui a ete demande.</translation>
    </message>
    <message>
        <source>Annule.</source>
        <translation>Annule.</translation>
    </message>
    <message>
        <source>Le serveur de l&apos;equipe ne repond pas.</source>
        <translation>Le serveur de l&apos;equipe ne repond pas.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>interrogation impossible</source>
        <translation>interrogation impossible</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</source>
        <translation>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>P_AL_FALIM_TEMPS</source>
        <translation>P_AL_FALIM_TEMPS</translation>
    </message>
    <message>
        <source>Temps de coupure (en s)</source>
        <translation>Temps de coupure (en s)</translation>
    </message>
    <message>
        <source>P_DEMAR_GAMME</source>
        <translation>P_DEMAR_GAMME</translation>
    </message>
    <message>
        <source>Choix de la gamme au demarrage :</source>
        <translation>Choix de la gamme au demarrage :</translation>
    </message>
    <message>
        <source>P_AL_FALIM_SEUIL</source>
        <translation>P_AL_FALIM_SEUIL</translation>
    </message>
    <message>
        <source>Choix du type de batterie</source>
        <translation>Choix du type de batterie</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</source>
        <translation>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</translation>
    </message>
    <message>
        <source>seuil de pile :</source>
        <translation>seuil de pile :</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Ouvrir_fichier_patch</source>
        <translation>Ouvrir_fichier_patch</translation>
    </message>
    <message>
        <source>%1 = %2 : %3</source>
        <translation>%1 = %2 : %3</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</source>
        <translation>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</translation>
    </message>
    <message>
        <source>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</source>
        <translation>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</translation>
    </message>
</context>
<context>
    <name>TeamCommands</name>
    <message>
        <source>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</source>
        <translation>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</translation>
    </message>
    <message>
        <source>Mot de passe du serveur d&apos;equipe</source>
        <translation>Mot de passe du serveur d&apos;equipe</translation>
    </message>
    <message>
        <source>%1

Serveur : %2</source>
        <translation>%1

Serveur : %2</translation>
    </message>
    <message>
        <source>Garder le mot de passe dans le trousseau du bureau</source>
        <translation>Garder le mot de passe dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>Mot de passe :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Equipe</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe</source>
        <translation>Archive d&apos;equipe</translation>
    </message>
    <message>
        <source>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</source>
        <translation>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</translation>
    </message>
    <message>
        <source>Tester la connexion</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Serveur :</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Derniere erreur :</source>
        <translation>Derniere erreur :</translation>
    </message>
    <message>
        <source>Connexion reussie : role %1, schema version %2%3</source>
        <translation>Connexion reussie : role %1, schema version %2%3</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</source>
        <translation>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</translation>
    </message>
</context>
<context>
    <name>TeamServer</name>
    <message>
        <source>connexion coupee</source>
        <translation>connexion coupee</translation>
    </message>
    <message>
        <source>le serveur demande un mot de passe</source>
        <translation>le serveur demande un mot de passe</translation>
    </message>
    <message>
        <source>mot de passe refuse</source>
        <translation>mot de passe refuse</translation>
    </message>
    <message>
        <source>le certificat du serveur n&apos;est pas verifie : %1</source>
        <translation>le certificat du serveur n&apos;est pas verifie : %1</translation>
    </message>
    <message>
        <source>le serveur refuse : %1</source>
        <translation>le serveur refuse : %1</translation>
    </message>
    <message>
        <source>serveur injoignable : %1</source>
        <translation>serveur injoignable : %1</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</source>
        <translation>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas ce document</source>
        <translation>le serveur n&apos;a pas ce document</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</source>
        <translation>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</translation>
    </message>
    <message>
        <source>schema du serveur plus recent (version %1) : lecture seule</source>
        <translation>schema du serveur plus recent (version %1) : lecture seule</translation>
    </message>
    <message>
        <source>Le document recu ne correspond pas a sa revision.</source>
        <translation>Le document recu ne correspond pas a sa revision.</translation>
    </message>
    <message>
        <source>Le document envoye par %1 ne se lit pas comme un document de mesure.</source>
        <translation>Le document envoye par %1 ne se lit pas comme un document de mesure.</translation>
    </message>
    <message>
        <source>%1 (%2 versions)</source>
        <translation>%1 (%2 versions)</translation>
    </message>
    <message>
        <source>Equipe : hors ligne (%1)</source>
        <translation>Equipe : hors ligne (%1)</translation>
    </message>
    <message>
        <source>Equipe : %1</source>
        <translation>Equipe : %1</translation>
    </message>
    <message numerus="yes">
        <source>Equipe : %n documents a envoyer</source>
        <translation>
            <numerusform>Equipe : %n document a envoyer</numerusform>
            <numerusform>Equipe : %n documents a envoyer</numerusform>
        </translation>
    </message>
    <message>
        <source>Equipe : a jour (%1)</source>
        <translation>Equipe : a jour (%1)</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (lecture seule)</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Tendance : %1, transformateur %2</source>
        <translation>Tendance : %1, transformateur %2</translation>
    </message>
    <message>
        <source>HT.A / bt.a</source>
        <translation>HT.A / bt.a</translation>
    </message>
    <message>
        <source>HT.B / bt.b</source>
        <translation>HT.B / bt.b</translation>
    </message>
    <message>
        <source>HT.C / bt.c</source>
        <translation>HT.C / bt.c</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Rapport nominal %1</source>
        <translation>Rapport nominal %1</translation>
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
        <translation>son element racine est %1 et non OrvaQuardane</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</source>
        <translation>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : %2.</source>
        <translation>Le fichier %1 n&apos;est pas un document de mesure : %2.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>A propos de ORVA-SA</source>
        <translation>A propos de ORVA-SA</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version Binaire : <byte value="xd"/>
</source>
        <translation>Version Binaire : <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</source>
        <translation>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</source>
        <translation>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</source>
        <translation>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</source>
        <translation>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</source>
        <translation>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</source>
        <translation>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</source>
        <translation>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</source>
        <translation>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version PC : <byte value="xd"/>
</source>
        <translation>Version PC : <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: version francaise <byte value="xd"/>
</source>
        <translation>Version 301: version francaise <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: version internationale <byte value="xd"/>
</source>
        <translation>Version 302: version internationale <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303: maj version internationale<byte value="xd"/>
</source>
        <translation>Version 303: maj version internationale<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 401: affiche le ratio<byte value="xd"/>
</source>
        <translation>Version 401: affiche le ratio<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</source>
        <translation>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 501: patch pour circuit ouvert<byte value="xd"/>
</source>
        <translation>Version 501: patch pour circuit ouvert<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>recup_cutoff</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Selectionner le temps avant extinction du QVX2</source>
        <translation>Selectionner le temps avant extinction du QVX2</translation>
    </message>
    <message>
        <source>Temps de coupure en secondes</source>
        <translation>Temps de coupure en secondes</translation>
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
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>recup_enreg</name>
    <message>
        <source>Recuperation des donnees</source>
        <translation>Recuperation des donnees</translation>
    </message>
    <message>
        <source>Selectionner l&apos;enregistrement a telecharger</source>
        <translation>Selectionner l&apos;enregistrement a telecharger</translation>
    </message>
    <message>
        <source>Dernier
enregistrement</source>
        <translation>Dernier
enregistrement</translation>
    </message>
    <message>
        <source>Enregistrement
n-1</source>
        <translation>Enregistrement
n-1</translation>
    </message>
    <message>
        <source>Enregistrement
n-2</source>
        <translation>Enregistrement
n-2</translation>
    </message>
    <message>
        <source>Enregistrement
n-3</source>
        <translation>Enregistrement
n-3</translation>
    </message>
    <message>
        <source>Enregistrement
n-4</source>
        <translation>Enregistrement
n-4</translation>
    </message>
    <message>
        <source>Enregistrement
n-5</source>
        <translation>Enregistrement
n-5</translation>
    </message>
    <message>
        <source>Enregistrement
n-6</source>
        <translation>Enregistrement
n-6</translation>
    </message>
    <message>
        <source>Enregistrement
n-7</source>
        <translation>Enregistrement
n-7</translation>
    </message>
    <message>
        <source>Enregistrement
n-8</source>
        <translation>Enregistrement
n-8</translation>
    </message>
    <message>
        <source>Enregistrement
n-9</source>
        <translation>Enregistrement
n-9</translation>
    </message>
    <message>
        <source>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</source>
        <translation>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</translation>
    </message>
</context>
<context>
    <name>recup_gamme</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Selectionner le choix de la gamme au demarrage du QVX2</source>
        <translation>Selectionner le choix de la gamme au demarrage du QVX2</translation>
    </message>
    <message>
        <source>Gamme 20-33 kV</source>
        <translation>Gamme 20-33 kV</translation>
    </message>
    <message>
        <source>Gamme 10-19 kV</source>
        <translation>Gamme 10-19 kV</translation>
    </message>
    <message>
        <source> Gamme-5-9 kV</source>
        <translation> Gamme-5-9 kV</translation>
    </message>
    <message>
        <source>  Derniere Gamme utilisee</source>
        <translation>  Derniere Gamme utilisee</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Envoyer</translation>
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
        <translation>Sauve fichier</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1_%2</source>
        <translation>%1_%2</translation>
    </message>
    <message>
        <source>Enregistrer le fichier </source>
        <translation>Enregistrer le fichier </translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Ferme la fenetre Debug ; le programme continue.</source>
        <translation>Ferme la fenetre Debug ; le programme continue.</translation>
    </message>
</context>
<context>
    <name>recup_pile</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Choix du type de pile de l&apos;appareil</source>
        <translation>Choix du type de pile de l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>xmlreader</name>
    <message>
        <source>sa structure est refusee (%1)</source>
        <translation>sa structure est refusee (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</source>
        <translation>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</translation>
    </message>
    <message>
        <source>il depasse la taille admise (%1 Mo)</source>
        <translation>il depasse la taille admise (%1 Mo)</translation>
    </message>
    <message>
        <source>il ne peut pas etre lu (%1)</source>
        <translation>il ne peut pas etre lu (%1)</translation>
    </message>
</context>
</TS>
