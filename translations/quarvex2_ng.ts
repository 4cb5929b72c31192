<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="fr_FR">
<context>
    <name>ArchiveModel</name>
    <message>
        <source>document illisible</source>
        <translation>uleselig dokument</translation>
    </message>
    <message>
        <source>%1 (telechargement)</source>
        <translation>%1 (nedlasting)</translation>
    </message>
    <message>
        <source>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</source>
        <translation>Dato for nedlastingen: instrumentet daterer ikke målingene sine.</translation>
    </message>
    <message>
        <source>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</source>
        <translation>To eller flere revisjoner av denne målingen er sendt: en gransker velger hvilken som er referansen.</translation>
    </message>
    <message>
        <source>Envoye par %1 depuis %2 le %3</source>
        <translation>Sendt av %1 fra %2 den %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Poste</source>
        <translation>Nettstasjon</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Transformator</translation>
    </message>
    <message>
        <source>Code site</source>
        <translation>Stedskode</translation>
    </message>
    <message>
        <source>Gamme</source>
        <translation>Område</translation>
    </message>
    <message>
        <source>Essais reussis</source>
        <translation>Beståtte tester</translation>
    </message>
    <message>
        <source>Rapport moyen</source>
        <translation>Gjennomsnittlig omsetning</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Avvik</translation>
    </message>
    <message>
        <source>Envoye par</source>
        <translation>Sendt av</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archives</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Filtrer (toutes les colonnes)</source>
        <translation>Filtrer (alle kolonner)</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Sammenlign</translation>
    </message>
    <message>
        <source>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</source>
        <translation>Velg dokumenter for én transformator (samme nettstasjon og samme nummer).</translation>
    </message>
    <message>
        <source>Choisissez exactement deux documents a comparer (%1 choisi(s)).</source>
        <translation>Velg nøyaktig to dokumenter å sammenligne (%1 valgt).</translation>
    </message>
    <message>
        <source>Ce poste</source>
        <translation>Denne datamaskinen</translation>
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
        <translation>Mappen %1 kan ikke opprettes.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1 (%2).</source>
        <translation>Kunne ikke skrive %1 (%2).</translation>
    </message>
    <message>
        <source>Index : %1 / %2</source>
        <translation>Indeks: %1 / %2</translation>
    </message>
    <message>
        <source>document illisible</source>
        <translation>uleselig dokument</translation>
    </message>
    <message>
        <source>Aucun document du transformateur %1 du poste %2.</source>
        <translation>Ingen dokumenter for transformator %1 i nettstasjon %2.</translation>
    </message>
</context>
<context>
    <name>CliInstrument</name>
    <message>
        <source>Aucun adaptateur serie n&apos;est branche.</source>
        <translation>Ingen seriell adapter er koblet til.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>Porten %1 finnes ikke.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</source>
        <translation>Porten holdes av QUARVEN 2-vinduet: koble fra eller lukk vinduet, og prøv igjen.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas sur %1.</source>
        <translation>Instrumentet svarer ikke på %1.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu.</source>
        <translation>Ingen QUARVEN 2 svarte.</translation>
    </message>
    <message>
        <source>non essaye : pas un adaptateur USB</source>
        <translation>ikke prøvd: ikke en USB-adapter</translation>
    </message>
    <message>
        <source>QUARVEN 2</source>
        <translation>QUARVEN 2</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1.</source>
        <translation>Instrumentet kjenner ikke parameteren %1.</translation>
    </message>
    <message>
        <source>La valeur %1 n&apos;est pas un nombre entier.</source>
        <translation>Verdien %1 er ikke et heltall.</translation>
    </message>
    <message>
        <source>%1 = %2, enregistre dans l&apos;appareil.</source>
        <translation>%1 = %2, lagret i instrumentet.</translation>
    </message>
    <message>
        <source>Les enregistrements de l&apos;appareil sont effaces.</source>
        <translation>Instrumentets målinger er slettet.</translation>
    </message>
    <message>
        <source>pas un parametre de l&apos;appareil</source>
        <translation>ikke en parameter i instrumentet</translation>
    </message>
    <message>
        <source>ecrit</source>
        <translation>skrevet</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Filen %1 nevner ingen parameter i instrumentet: ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Lagret: %1. Fantes allerede, ikke erstattet: %2. Mislyktes: %3.</translation>
    </message>
    <message>
        <source>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</source>
        <translation>Velg en måling fra 1 (den nyeste) til %1, eller all.</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Måling %1 / %2</translation>
    </message>
    <message>
        <source>Appareil sur %1 : telechargement de ses enregistrements.</source>
        <translation>Instrument på %1: laster ned målingene.</translation>
    </message>
    <message>
        <source>En attente d&apos;un appareil…</source>
        <translation>Venter på et instrument…</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Side %1 / %2</translation>
    </message>
    <message>
        <source>Le firmware de l&apos;appareil est mis a jour.</source>
        <translation>Instrumentets fastvare er oppdatert.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</source>
        <translation>serieportene, adapteren på hver og hvilken som svarer som QUARVEN 2</translation>
    </message>
    <message>
        <source>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</source>
        <translation>instrumentets informasjonslinjer (serienummer, fastvare)</translation>
    </message>
    <message>
        <source>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</source>
        <translation>parameterne; en skriving kontrolleres med ekkoet og lagres i instrumentet</translation>
    </message>
    <message>
        <source>efface les enregistrements de l&apos;appareil (refuse sans --yes)</source>
        <translation>sletter instrumentets målinger (avvises uten --yes)</translation>
    </message>
    <message>
        <source>applique un fichier de patch, un resultat par ligne</source>
        <translation>bruker en patchfil, ett resultat per linje</translation>
    </message>
    <message>
        <source>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</source>
        <translation>lagrer dokumenter i DIR/Data/ slik Last ned alle gjør (N: 1 den nyeste til 10)</translation>
    </message>
    <message>
        <source>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</source>
        <translation>venter på et instrument og laster ned målingene hver gang et kobles til, til SIGINT eller SIGTERM</translation>
    </message>
    <message>
        <source>met a jour le firmware de l&apos;appareil (refuse sans --yes)</source>
        <translation>oppdaterer instrumentets fastvare (avvises uten --yes)</translation>
    </message>
    <message>
        <source>exporte chaque document comme la fenetre, un fichier par document</source>
        <translation>eksporterer hvert dokument slik vinduet gjør, én fil per dokument</translation>
    </message>
    <message>
        <source>les rapports d&apos;un transformateur par date</source>
        <translation>omsetningsforholdene for én transformator etter dato</translation>
    </message>
    <message>
        <source>Le QUARVEN 2 et ses archives depuis un script.</source>
        <translation>QUARVEN 2 og arkivet fra et skript.</translation>
    </message>
    <message>
        <source>Commandes (COMMAND --help pour chacune) :</source>
        <translation>Kommandoer (COMMAND --help for hver):</translation>
    </message>
    <message>
        <source>Codes de sortie :</source>
        <translation>Avslutningskoder:</translation>
    </message>
    <message>
        <source>Le port de l&apos;appareil, sans recherche.</source>
        <translation>Instrumentets port, uten søk.</translation>
    </message>
    <message>
        <source>Le dossier des donnees (config.xml, Data/).</source>
        <translation>Datamappen (config.xml, Data/).</translation>
    </message>
    <message>
        <source>Un document JSON sur la sortie standard.</source>
        <translation>Ett JSON-dokument på standard utdata.</translation>
    </message>
    <message>
        <source>La langue des messages : fr, en, ng, sv ou ru.</source>
        <translation>Språket i meldingene: fr, en, ng, sv eller ru.</translation>
    </message>
    <message>
        <source>La commande et ses arguments.</source>
        <translation>Kommandoen og argumentene.</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (fr, en, ng, sv ou ru).</source>
        <translation>Ukjent språk: %1 (fr, en, ng, sv eller ru).</translation>
    </message>
    <message>
        <source>Quelle commande ? --help les donne.</source>
        <translation>Hvilken kommando? --help viser dem.</translation>
    </message>
    <message>
        <source>Commande inconnue : %1. --help les donne.</source>
        <translation>Ukjent kommando: %1. --help viser dem.</translation>
    </message>
    <message>
        <source>Confirme l&apos;operation.</source>
        <translation>Bekrefter operasjonen.</translation>
    </message>
    <message>
        <source>Le dossier des fichiers ecrits.</source>
        <translation>Mappen for filene som skrives.</translation>
    </message>
    <message>
        <source>Les lignes qui contiennent ce texte.</source>
        <translation>Radene som inneholder denne teksten.</translation>
    </message>
    <message>
        <source>Usage : %1 %2</source>
        <translation>Bruk: %1 %2</translation>
    </message>
    <message>
        <source>%1 est refuse sans --yes.</source>
        <translation>%1 avvises uten --yes.</translation>
    </message>
    <message>
        <source>Format inconnu : %1 (pdf, csv, png ou svg).</source>
        <translation>Ukjent format: %1 (pdf, csv, png eller svg).</translation>
    </message>
    <message>
        <source>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</source>
        <translation>radene i arkivindeksen, som oppdateres først; team: teamets</translation>
    </message>
    <message>
        <source>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</source>
        <translation>sender teamserveren de dokumentene i Data/ som den ikke har, og mottar deretter teamets</translation>
    </message>
    <message>
        <source>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</source>
        <translation>installerer skjemaet (administrator), viser tilkoblingsstatusen eller setter en granskers markering</translation>
    </message>
    <message>
        <source>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</source>
        <translation>  0  fullført
  1  feil kommandolinje, eller manglende bekreftelse
  2  søket fant ikke noe instrument, eller porten kan ikke åpnes
  3  instrumentet svarer ikke på porten, eller forbindelsen er brutt
  4  en fil ble avvist
  5  delvis fullført (noen målinger eller linjer mislyktes, noen dokumenter gjenstår å sende)
  6  teamserveren svarer ikke, avviser tilkoblingen eller er skrivebeskyttet</translation>
    </message>
    <message>
        <source>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</source>
        <translation>Teamserveren: en libpq-tilkoblingsstreng eller service=NAVN.</translation>
    </message>
    <message>
        <source>local : ce poste ; team : l&apos;equipe.</source>
        <translation>local: denne datamaskinen; team: teamet.</translation>
    </message>
</context>
<context>
    <name>CliTeam</name>
    <message>
        <source>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</source>
        <translation>Ingen teamserver: --server CONNINFO, eller dialogen Teamarkiv i vinduet.</translation>
    </message>
    <message>
        <source>Envoyes : %1, recus : %2, a envoyer : %3</source>
        <translation>Sendt: %1, mottatt: %2, skal sendes: %3</translation>
    </message>
    <message>
        <source>Le schema n&apos;a pas ete installe : %1</source>
        <translation>Skjemaet ble ikke installert: %1</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</source>
        <translation>Teamarkivet er klart (skjemaversjon %1). For en tekniker: CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</translation>
    </message>
    <message>
        <source>Serveur : %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Connexion : oui, role %1, schema version %2%3</source>
        <translation>Tilkobling: ja, rolle %1, skjemaversjon %2%3</translation>
    </message>
    <message>
        <source>Connexion : non (%1)</source>
        <translation>Tilkobling: nei (%1)</translation>
    </message>
    <message>
        <source>A envoyer : %1</source>
        <translation>Skal sendes: %1</translation>
    </message>
    <message>
        <source>Derniere synchronisation : %1</source>
        <translation>Siste synkronisering: %1</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>aldri</translation>
    </message>
    <message>
        <source>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</source>
        <translation>Ukjent revisjon: %1 (quarvex2-cli sync først).</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Comparer : %1 et %2</source>
        <translation>Sammenlign: %1 og %2</translation>
    </message>
    <message>
        <source>Essai</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>%1, transformateur %2</source>
        <translation>%1, transformator %2</translation>
    </message>
    <message>
        <source>—— trait plein : %1      - - - pointilles : %2</source>
        <translation>—— heltrukken: %1      - - - stiplet: %2</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</source>
        <translation>Konfigurasjonsfilen %1 kan ikke leses. Den er tatt vare på som %2, og standardkonfigurasjonen brukes.</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</source>
        <translation>Konfigurasjonsfilen %1 kunne ikke skrives: valgt språk og lærte lister blir ikke tatt vare på.</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>HT.A</source>
        <translation>HS.A</translation>
    </message>
    <message>
        <source>HT.B</source>
        <translation>HS.B</translation>
    </message>
    <message>
        <source>HT.C</source>
        <translation>HS.C</translation>
    </message>
    <message>
        <source>bt.a</source>
        <translation>ls.a</translation>
    </message>
    <message>
        <source>bt.b</source>
        <translation>ls.b</translation>
    </message>
    <message>
        <source>bt.c</source>
        <translation>ls.c</translation>
    </message>
    <message>
        <source>Echantillon</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Valeur (unite de l&apos;appareil)</source>
        <translation>Verdi (instrumentets enhet)</translation>
    </message>
    <message>
        <source>%1 — point %2 : %3</source>
        <translation>%1 — punkt %2: %3</translation>
    </message>
</context>
<context>
    <name>DialogTelech</name>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Fastvareoppdatering</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Commande</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
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
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Mise a jour de l&apos;appareil en cours...</source>
        <translation>Oppdaterer instrumentet...</translation>
    </message>
    <message>
        <source>Mise a jour reussie.</source>
        <translation>Oppdateringen er fullført.</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega-fil - Advarsel</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Side %1 / %2</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Veuillez remplir les champs avant d&apos;enregistrer.</source>
        <translation>Fyll ut feltene før du lagrer.</translation>
    </message>
    <message>
        <source>Champs vides : %1</source>
        <translation>Tomme felt: %1</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Lagre %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Kunne ikke lagre filen %1.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</source>
        <translation>Filen %1 er ikke et måledokument: den ble ikke åpnet.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</source>
        <translation>Målingen som vises er ufullstendig: den kan ikke lagres. Vil du forkaste den?</translation>
    </message>
    <message>
        <source>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</source>
        <translation>Dataene er ikke lagret. Vil du lagre dem?</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre faite.</source>
        <translation>Rapporten kunne ikke skrives ut.</translation>
    </message>
    <message>
        <source>Exporter PDF</source>
        <translation>Eksporter PDF</translation>
    </message>
    <message>
        <source>Rapport PDF (*.pdf)</source>
        <translation>PDF-rapport (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Eksporter CSV</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV-tabell (*.csv)</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Eksporter bilde</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG-bilde (*.png)</translation>
    </message>
    <message>
        <source>Image SVG (*.svg)</source>
        <translation>SVG-bilde (*.svg)</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Ouvrir</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega-fil - Advarsel</translation>
    </message>
    <message>
        <source>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</source>
        <translation>Oppdatere instrumentets fastvare med denne filen?

%1
%2 byte, endret %3</translation>
    </message>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Fastvareoppdatering</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</source>
        <translation>Filen %1 er for stor (%2 byte): instrumentet tar imot høyst %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 est vide.</source>
        <translation>Filen %1 er tom.</translation>
    </message>
    <message>
        <source>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</source>
        <translation>Kan ikke lese %1:
%2.
Filen finnes ikke eller er allerede i bruk av et annet program</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</source>
        <translation>Instrumentet gikk ikke over i oppdateringsmodus (bootloader): ikke svar på %1.
Ingenting annet ble sendt til det.</translation>
    </message>
    <message>
        <source>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</source>
        <translation>Side %1 kunne ikke skrives: trinn %2 fikk ikke svar etter %3 forsøk.
Instrumentet blir værende i oppdateringsmodus: start oppdateringen på nytt.</translation>
    </message>
    <message>
        <source>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</source>
        <translation>Alle sidene ble skrevet, men instrumentet bekreftet ikke omstarten.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</source>
        <translation>Forbindelsen med instrumentet ble brutt under oppdateringen.
Koble til instrumentet igjen og start oppdateringen på nytt.</translation>
    </message>
</context>
<context>
    <name>InstrumentLink</name>
    <message>
        <source>pas de reponse</source>
        <translation>ikke svar</translation>
    </message>
    <message>
        <source>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</source>
        <translation>tilgang nektet eller porten er opptatt (%1). På Linux må kontoen være medlem av gruppen dialout: sudo usermod -a -G dialout $USER, logg deretter ut og inn igjen.</translation>
    </message>
    <message>
        <source>le port n&apos;existe plus (%1)</source>
        <translation>porten finnes ikke lenger (%1)</translation>
    </message>
    <message>
        <source>port deja ouvert (%1)</source>
        <translation>porten er allerede åpen (%1)</translation>
    </message>
    <message>
        <source>ouverture impossible (%1)</source>
        <translation>kan ikke åpnes (%1)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>Erreur</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Aide introuvable.</source>
        <translation>Fant ikke hjelpefilen.</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</source>
        <translation>Ingen program på denne datamaskinen åpner PDF-filer. Veiledningen ligger her:
%1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Recherche de l&apos;appareil…</source>
        <translation>Søker etter instrumentet…</translation>
    </message>
    <message>
        <source>Connecte (%1)</source>
        <translation>Tilkoblet (%1)</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas</source>
        <translation>Instrumentet svarer ikke</translation>
    </message>
    <message>
        <source>Deconnecte</source>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>Liaison perdue (%1)</source>
        <translation>Forbindelsen brutt (%1)</translation>
    </message>
    <message>
        <source>Aucun adaptateur serie USB n&apos;est branche.</source>
        <translation>Ingen seriell USB-adapter er koblet til.</translation>
    </message>
    <message>
        <source>Un adaptateur branche sera essaye des son arrivee.</source>
        <translation>En adapter prøves så snart den kobles til.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</source>
        <translation>Ingen QUARVEN 2 svarte. Porter som ble prøvd:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nouvel essai toutes les %1 s.</source>
        <translation>Nytt forsøk hvert %1. sekund.</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Tilkobling</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Releve d&apos;information</source>
        <translation>Opplysninger om målingen</translation>
    </message>
    <message>
        <source>Nom du releveur :</source>
        <translation>Kontrollert av:</translation>
    </message>
    <message>
        <source>Nom du poste :</source>
        <translation>Navn på nettstasjon:</translation>
    </message>
    <message>
        <source>N du transformateur :</source>
        <translation>Transformatornr.:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Code GDO :</source>
        <translation>GDO-kode:</translation>
    </message>
    <message>
        <source>Fabricant :</source>
        <translation>Produsent:</translation>
    </message>
    <message>
        <source>Puissance :</source>
        <translation>Merkeytelse:</translation>
    </message>
    <message>
        <source>Tension HT :</source>
        <translation>Høyspenning:</translation>
    </message>
    <message>
        <source>Tension bt :</source>
        <translation>Lavspenning:</translation>
    </message>
    <message>
        <source>Presence fusibles :</source>
        <translation>Sikringer montert:</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Testresultater</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.A (prim.) Circuit ouvert</source>
        <translation>Nøytral (sek.) / HS.A (prim.) Brudd</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.B (prim.) Circuit ouvert</source>
        <translation>Nøytral (sek.) / HS.B (prim.) Brudd</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.C (prim.) Circuit ouvert</source>
        <translation>Nøytral (sek.) / HS.C (prim.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.A (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.A (prim.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.B (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.B (prim.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.C (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.C (prim.) Brudd</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.A (sec.) Continuite</source>
        <translation>Nøytral (sek.) / LS.A (sek.) Gjennomgang</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.B (sec.) Continuite</source>
        <translation>Nøytral (sek.) / LS.B (sek.) Gjennomgang</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.C (sec.) Continuite</source>
        <translation>Nøytral (sek.) / LS.C (sek.) Gjennomgang</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.A (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.A (sek.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.B (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.B (sek.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.C (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.C (sek.) Brudd</translation>
    </message>
    <message>
        <source>Terre (chassis) / Neutre (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / Nøytral (sek.) Brudd</translation>
    </message>
    <message>
        <source>HT.A (prim.) Coherence courbe</source>
        <translation>HS.A (prim.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>HT.B (prim.) Coherence courbe</source>
        <translation>HS.B (prim.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>HT.C (prim.) Coherence courbe</source>
        <translation>HS.C (prim.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>BT.A (sec.) Coherence courbe</source>
        <translation>LS.A (sek.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>BT.B (sec.) Coherence courbe</source>
        <translation>LS.B (sek.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>BT.C (sec.) Coherence courbe</source>
        <translation>LS.C (sek.) Kurvekonsistens</translation>
    </message>
    <message>
        <source>Courbes HT</source>
        <translation>HS-kurver</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Gamme Mesure :</source>
        <translation>Måleområde:</translation>
    </message>
    <message>
        <source>RATIO:</source>
        <translation>OMS.FORHOLD:</translation>
    </message>
    <message>
        <source>HT.A / BT.A :</source>
        <translation>HS.A / LS.A:</translation>
    </message>
    <message>
        <source>HT.B / BT.B :</source>
        <translation>HS.B / LS.B:</translation>
    </message>
    <message>
        <source>HT.C / BT.C :</source>
        <translation>HS.C / LS.C:</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Enregistrement incomplet : la liaison a ete interrompue avant la fin.</source>
        <translation>Ufullstendig måling: forbindelsen ble brutt før slutten.</translation>
    </message>
    <message>
        <source>Enregistrement incomplet</source>
        <translation>Ufullstendig måling</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Documents recents</source>
        <translation>&amp;Nylige dokumenter</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfigurasjon</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Telecharger</source>
        <translation>&amp;Last ned</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>L&amp;agre</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>&amp;Feilsøking</translation>
    </message>
    <message>
        <source>ouvrir &amp;fichier debug</source>
        <translation>Å&amp;pne feilsøkingsfil</translation>
    </message>
    <message>
        <source>Info &amp;UC</source>
        <translation>&amp;Instrumentinfo</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>A&amp;vslutt</translation>
    </message>
    <message>
        <source>&amp;Se connecter</source>
        <translation>&amp;Koble til</translation>
    </message>
    <message>
        <source>&amp;Temps de Coupure du QVX2</source>
        <translation>&amp;Utkoblingstid for QVX2</translation>
    </message>
    <message>
        <source>&amp;Choix de la gamme au demarrage</source>
        <translation>&amp;Måleområde ved oppstart</translation>
    </message>
    <message>
        <source>Choix &amp;du type de batterie</source>
        <translation>&amp;Batteritype</translation>
    </message>
    <message>
        <source>&amp;Patch VOLTANE</source>
        <translation>&amp;VOLTANE-patch</translation>
    </message>
    <message>
        <source>P&amp;atch DIREVE</source>
        <translation>&amp;DIREVE-patch</translation>
    </message>
    <message>
        <source>&amp;Mise a jour firmware</source>
        <translation>&amp;Fastvareoppdatering</translation>
    </message>
    <message>
        <source>&amp;русский</source>
        <translation>&amp;русский</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Dokumentasjon</translation>
    </message>
    <message>
        <source>&amp;A propos de ORVA-SA</source>
        <translation>&amp;Om ORVA-SA</translation>
    </message>
    <message>
        <source>Exporter &amp;PDF…</source>
        <translation>&amp;Eksporter PDF…</translation>
    </message>
    <message>
        <source>Exporter &amp;CSV…</source>
        <translation>Eksporter &amp;CSV…</translation>
    </message>
    <message>
        <source>E&amp;xporter image…</source>
        <translation>Eksporter &amp;bilde…</translation>
    </message>
    <message>
        <source>dans la tolerance</source>
        <translation>innenfor toleransen</translation>
    </message>
    <message>
        <source>hors tolerance</source>
        <translation>utenfor toleransen</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>BESTÅTT</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>FEIL</translation>
    </message>
    <message>
        <source>sans verdict</source>
        <translation>ingen vurdering</translation>
    </message>
    <message>
        <source>Rapport nominal</source>
        <translation>Merkeomsetning</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>Toleranse (%)</translation>
    </message>
    <message>
        <source>Te&amp;lecharger tout</source>
        <translation>Las&amp;t ned alle</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>A&amp;rkiv</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Området %1 omfatter ikke HS-spenningen %2: avvikene vurderes ikke.</translation>
    </message>
    <message>
        <source>Rapport nominal %1 (%2 / %3), tolerance %4</source>
        <translation>Merkeomsetning %1 (%2 / %3), toleranse %4</translation>
    </message>
    <message>
        <source>Archive d&apos;&amp;equipe...</source>
        <translation>&amp;Teamarkiv...</translation>
    </message>
</context>
<context>
    <name>ParameterOperations</name>
    <message>
        <source>L&apos;appareil a pris la valeur %1 au lieu de %2.</source>
        <translation>Instrumentet tok verdien %1 i stedet for %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</source>
        <translation>Filen %1 kunne ikke leses: ingenting ble sendt til instrumentet.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Erreur</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;application car elle est deja lancee.</source>
        <translation>Programmet kan ikke startes fordi det allerede kjører.</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Pile seche 9V :</source>
        <translation>9V tørrbatteri:</translation>
    </message>
    <message>
        <source>Pile rechargeable :</source>
        <translation>Oppladbart batteri:</translation>
    </message>
</context>
<context>
    <name>RecentDocuments</name>
    <message>
        <source>Documents recents</source>
        <translation>Nylige dokumenter</translation>
    </message>
    <message>
        <source>Le document %1 n&apos;existe plus. Il est retire de la liste.</source>
        <translation>Dokumentet %1 finnes ikke lenger. Det er fjernet fra listen.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>L&apos;appareil ne reponds pas. Verifier la liaison.</source>
        <translation>Instrumentet svarer ikke. Kontroller forbindelsen.</translation>
    </message>
    <message>
        <source>Effacement des enregistrements</source>
        <translation>Sletting av lagrede målinger</translation>
    </message>
    <message>
        <source>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</source>
        <translation>Er du sikker på at du vil slette alle målingene i QUARVEN2?</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</source>
        <translation>Instrumentet bekreftet ikke slettingen.</translation>
    </message>
    <message>
        <source>Telechargement des enregistrements…</source>
        <translation>Laster ned målingene…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Telecharger tout</source>
        <translation>Last ned alle</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Måling %1 / %2</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Lagret: %1. Fantes allerede, ikke erstattet: %2. Mislyktes: %3.</translation>
    </message>
    <message>
        <source>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</source>
        <translation>Avbrutt: de neste målingene ble ikke hentet.</translation>
    </message>
    <message>
        <source>Info UC</source>
        <translation>Instrumentinfo</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, fastvare %2</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Åpne</translation>
    </message>
</context>
<context>
    <name>RecordOperations</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu (%2).</source>
        <translation>Filen %1 kunne ikke leses (%2).</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Rapport d&apos;essai QUARVEN 2</source>
        <translation>QUARVEN 2 testrapport</translation>
    </message>
    <message>
        <source>non connu</source>
        <translation>ukjent</translation>
    </message>
    <message>
        <source>Appareil : %1     Logiciel : %2 (version %3)</source>
        <translation>Instrument: %1     Programvare: %2 (versjon %3)</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Testresultater</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Området %1 omfatter ikke HS-spenningen %2: avvikene vurderes ikke.</translation>
    </message>
    <message>
        <source>Rapport mesure</source>
        <translation>Målt omsetning</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Avvik</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Toleranse %1</translation>
    </message>
    <message>
        <source>non disponible</source>
        <translation>ikke tilgjengelig</translation>
    </message>
    <message>
        <source>Exporte le %1</source>
        <translation>Eksportert %1</translation>
    </message>
    <message>
        <source>Signature :</source>
        <translation>Signatur:</translation>
    </message>
    <message>
        <source>page 1 / 1</source>
        <translation>side 1 / 1</translation>
    </message>
    <message>
        <source>mesure non enregistree</source>
        <translation>måling ikke lagret</translation>
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
        <translation>En annen kommando venter allerede på svar fra instrumentet.</translation>
    </message>
    <message>
        <source>Aucun appareil n&apos;est connecte.</source>
        <translation>Ingen instrument er tilkoblet.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</source>
        <translation>Instrumentet ga ikke det ventede svaret i tide.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas. Verifier la liaison.</source>
        <translation>Instrumentet svarer ikke. Kontroller forbindelsen.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue.</source>
        <translation>Forbindelsen med instrumentet ble brutt.</translation>
    </message>
    <message>
        <source>L&apos;appareil a repondu autre chose que ce qui etait demande.</source>
        <translation>Instrumentet svarte noe annet enn det som ble bedt om.</translation>
    </message>
    <message>
        <source>Le fichier a ete refuse.</source>
        <translation>Filen ble avvist.</translation>
    </message>
    <message>
        <source>L&apos;enregistrement n&apos;est pas arrive en entier.</source>
        <translation>Målingen kom ikke fram i sin helhet.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas ce qui a ete demande.</source>
        <translation>Instrumentet kjenner ikke det som ble bedt om.</translation>
    </message>
    <message>
        <source>Annule.</source>
        <translation>Avbrutt.</translation>
    </message>
    <message>
        <source>Le serveur de l&apos;equipe ne repond pas.</source>
        <translation>Teamserveren svarer ikke.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>interrogation impossible</source>
        <translation>Avlesning mislyktes</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Lagring</translation>
    </message>
    <message>
        <source>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</source>
        <translation>%1: verdien ble ikke lagret i instrumentet.</translation>
    </message>
    <message>
        <source>P_AL_FALIM_TEMPS</source>
        <translation>P_AL_FALIM_TEMPS</translation>
    </message>
    <message>
        <source>Temps de coupure (en s)</source>
        <translation>Utkoblingstid (s)</translation>
    </message>
    <message>
        <source>P_DEMAR_GAMME</source>
        <translation>P_DEMAR_GAMME</translation>
    </message>
    <message>
        <source>Choix de la gamme au demarrage :</source>
        <translation>Måleområde ved oppstart:</translation>
    </message>
    <message>
        <source>P_AL_FALIM_SEUIL</source>
        <translation>P_AL_FALIM_SEUIL</translation>
    </message>
    <message>
        <source>Choix du type de batterie</source>
        <translation>Batteritype</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</source>
        <translation>Instrumentet kjenner ikke parameteren %1: batteriterskelen er ikke endret.</translation>
    </message>
    <message>
        <source>seuil de pile :</source>
        <translation>Batteriterskel:</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Ouvrir_fichier_patch</source>
        <translation>Åpne patchfil</translation>
    </message>
    <message>
        <source>%1 = %2 : %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Filen %1 nevner ingen parameter i instrumentet: ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</source>
        <translation>Instrumentet bekreftet ingen skriving fra filen %1: ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</source>
        <translation>Disse linjene i filen %1 ble ikke skrevet:</translation>
    </message>
</context>
<context>
    <name>TeamCommands</name>
    <message>
        <source>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</source>
        <translation>Passordet kunne ikke tas vare på i nøkkelringen (%1): det brukes bare i denne økten.</translation>
    </message>
    <message>
        <source>Mot de passe du serveur d&apos;equipe</source>
        <translation>Passord for teamserveren</translation>
    </message>
    <message>
        <source>%1

Serveur : %2</source>
        <translation>%1

Server: %2</translation>
    </message>
    <message>
        <source>Garder le mot de passe dans le trousseau du bureau</source>
        <translation>Ta vare på passordet i skrivebordets nøkkelring</translation>
    </message>
    <message>
        <source>Mot de passe :</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe</source>
        <translation>Teamarkiv</translation>
    </message>
    <message>
        <source>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</source>
        <translation>Teamets PostgreSQL-server: en libpq-tilkoblingsstreng (host=... dbname=... user=...) eller service=NAVN. Tom: ikke noe teamarkiv. Passordet skrives aldri i programmets filer.</translation>
    </message>
    <message>
        <source>Tester la connexion</source>
        <translation>Test tilkoblingen</translation>
    </message>
    <message>
        <source>Serveur :</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Derniere erreur :</source>
        <translation>Siste feil:</translation>
    </message>
    <message>
        <source>Connexion reussie : role %1, schema version %2%3</source>
        <translation>Tilkoblingen lyktes: rolle %1, skjemaversjon %2%3</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</source>
        <translation>Serverens skjema (versjon %1) er nyere enn dette programmet (versjon %2): det endres ikke.</translation>
    </message>
</context>
<context>
    <name>TeamServer</name>
    <message>
        <source>connexion coupee</source>
        <translation>tilkoblingen ble brutt</translation>
    </message>
    <message>
        <source>le serveur demande un mot de passe</source>
        <translation>serveren ber om et passord</translation>
    </message>
    <message>
        <source>mot de passe refuse</source>
        <translation>passordet ble avvist</translation>
    </message>
    <message>
        <source>le certificat du serveur n&apos;est pas verifie : %1</source>
        <translation>serverens sertifikat kunne ikke verifiseres: %1</translation>
    </message>
    <message>
        <source>le serveur refuse : %1</source>
        <translation>serveren avviser: %1</translation>
    </message>
    <message>
        <source>serveur injoignable : %1</source>
        <translation>serveren kan ikke nås: %1</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</source>
        <translation>serveren har ikke noe teamarkiv: administratoren kjører «quarvex2-cli team setup»</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas ce document</source>
        <translation>serveren har ikke dette dokumentet</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</source>
        <translation>Den lokale kopien av teamarkivet kunne ikke skrives.</translation>
    </message>
    <message>
        <source>schema du serveur plus recent (version %1) : lecture seule</source>
        <translation>nyere skjema på serveren (versjon %1): skrivebeskyttet</translation>
    </message>
    <message>
        <source>Le document recu ne correspond pas a sa revision.</source>
        <translation>Det mottatte dokumentet samsvarer ikke med revisjonen sin.</translation>
    </message>
    <message>
        <source>Le document envoye par %1 ne se lit pas comme un document de mesure.</source>
        <translation>Dokumentet som %1 sendte, kan ikke leses som et måledokument.</translation>
    </message>
    <message>
        <source>%1 (%2 versions)</source>
        <translation>%1 (%2 versjoner)</translation>
    </message>
    <message>
        <source>Equipe : hors ligne (%1)</source>
        <translation>Team: frakoblet (%1)</translation>
    </message>
    <message>
        <source>Equipe : %1</source>
        <translation>Team: %1</translation>
    </message>
    <message numerus="yes">
        <source>Equipe : %n documents a envoyer</source>
        <translation>
            <numerusform>Team: %n dokument å sende</numerusform>
            <numerusform>Team: %n dokumenter å sende</numerusform>
        </translation>
    </message>
    <message>
        <source>Equipe : a jour (%1)</source>
        <translation>Team: oppdatert (%1)</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (skrivebeskyttet)</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Tendance : %1, transformateur %2</source>
        <translation>Trend: %1, transformator %2</translation>
    </message>
    <message>
        <source>HT.A / bt.a</source>
        <translation>HS.A / ls.a</translation>
    </message>
    <message>
        <source>HT.B / bt.b</source>
        <translation>HS.B / ls.b</translation>
    </message>
    <message>
        <source>HT.C / bt.c</source>
        <translation>HS.C / ls.c</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Gjennomsnitt</translation>
    </message>
    <message>
        <source>Rapport nominal %1</source>
        <translation>Merkeomsetning %1</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Toleranse %1</translation>
    </message>
</context>
<context>
    <name>XmlMesure</name>
    <message>
        <source>son element racine est %1 et non OrvaQuardane</source>
        <translation>rotelementet er %1, ikke OrvaQuardane</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</source>
        <translation>Filen %1 kunne ikke skrives (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : %2.</source>
        <translation>Filen %1 er ikke et måledokument: %2.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>A propos de ORVA-SA</source>
        <translation>Om ORVA-SA</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Version Binaire : <byte value="xd"/>
</source>
        <translation>Fastvareversjoner: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Versjon 200: grunnversjon av VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</source>
        <translation>Versjon 300: 10 lagrede målinger og flere språk. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</source>
        <translation>Versjon 301: kommando for å sette utkoblingstiden for QVX2 fra 2 til 10 minutter. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</source>
        <translation>Versjon 302: kommando for å velge måleområde ved oppstart. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</source>
        <translation>Versjon 303 gir riktig resultat også uten måling etter Test_clear <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</source>
        <translation>Versjon 304 UK-modus, gjeldende måleområde lagres <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</source>
        <translation>Versjon 305 fjerde måleområde 1-5 kV lagt til <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</source>
        <translation>Versjon 306 nummerering av lagrede kurver <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</source>
        <translation>Versjon 400-403 beregning og visning av omsetningsforholdet <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version PC : <byte value="xd"/>
</source>
        <translation>PC-programversjoner: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Versjon 300: grunnversjon av VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: version francaise <byte value="xd"/>
</source>
        <translation>Versjon 301: fransk versjon <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: version internationale <byte value="xd"/>
</source>
        <translation>Versjon 302: internasjonal versjon <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303: maj version internationale<byte value="xd"/>
</source>
        <translation>Versjon 303: oppdatering av internasjonal versjon<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 401: affiche le ratio<byte value="xd"/>
</source>
        <translation>Versjon 401: viser omsetningsforholdet<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</source>
        <translation>Versjon 500: forbedringer av brukergrensesnittet<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 501: patch pour circuit ouvert<byte value="xd"/>
</source>
        <translation>Versjon 501: patch for brudd<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>recup_cutoff</name>
    <message>
        <source>Dialog</source>
        <translation>Utkoblingstid</translation>
    </message>
    <message>
        <source>Selectionner le temps avant extinction du QVX2</source>
        <translation>Velg tiden før QVX2 slår seg av</translation>
    </message>
    <message>
        <source>Temps de coupure en secondes</source>
        <translation>Utkoblingstid</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutter</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutter</translation>
    </message>
    <message>
        <source> 4 minutes</source>
        <translation> 4 minutter</translation>
    </message>
    <message>
        <source> 8  minutes</source>
        <translation> 8  minutter</translation>
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
        <translation>Nedlasting av data</translation>
    </message>
    <message>
        <source>Selectionner l&apos;enregistrement a telecharger</source>
        <translation>Velg målingen som skal lastes ned</translation>
    </message>
    <message>
        <source>Dernier
enregistrement</source>
        <translation>Siste
måling</translation>
    </message>
    <message>
        <source>Enregistrement
n-1</source>
        <translation>Måling
n-1</translation>
    </message>
    <message>
        <source>Enregistrement
n-2</source>
        <translation>Måling
n-2</translation>
    </message>
    <message>
        <source>Enregistrement
n-3</source>
        <translation>Måling
n-3</translation>
    </message>
    <message>
        <source>Enregistrement
n-4</source>
        <translation>Måling
n-4</translation>
    </message>
    <message>
        <source>Enregistrement
n-5</source>
        <translation>Måling
n-5</translation>
    </message>
    <message>
        <source>Enregistrement
n-6</source>
        <translation>Måling
n-6</translation>
    </message>
    <message>
        <source>Enregistrement
n-7</source>
        <translation>Måling
n-7</translation>
    </message>
    <message>
        <source>Enregistrement
n-8</source>
        <translation>Måling
n-8</translation>
    </message>
    <message>
        <source>Enregistrement
n-9</source>
        <translation>Måling
n-9</translation>
    </message>
    <message>
        <source>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</source>
        <translation>SLETT ALLE MÅLINGER I QUARVEN2</translation>
    </message>
</context>
<context>
    <name>recup_gamme</name>
    <message>
        <source>Dialog</source>
        <translation>Måleområde ved oppstart</translation>
    </message>
    <message>
        <source>Selectionner le choix de la gamme au demarrage du QVX2</source>
        <translation>Velg måleområdet QVX2 starter i</translation>
    </message>
    <message>
        <source>Gamme 20-33 kV</source>
        <translation>Område 20-33 kV</translation>
    </message>
    <message>
        <source>Gamme 10-19 kV</source>
        <translation>Område 10-19 kV</translation>
    </message>
    <message>
        <source> Gamme-5-9 kV</source>
        <translation> Område 5-9 kV</translation>
    </message>
    <message>
        <source>  Derniere Gamme utilisee</source>
        <translation>  Sist brukte område</translation>
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
        <translation>Feilsøking</translation>
    </message>
    <message>
        <source>Sauve fichier</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>%1_%2</source>
        <translation>%1_%2</translation>
    </message>
    <message>
        <source>Enregistrer le fichier </source>
        <translation>Lagre filen </translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Kunne ikke lagre filen %1.</translation>
    </message>
    <message>
        <source>Ferme la fenetre Debug ; le programme continue.</source>
        <translation>Lukker feilsøkingsvinduet; programmet fortsetter.</translation>
    </message>
</context>
<context>
    <name>recup_pile</name>
    <message>
        <source>Dialog</source>
        <translation>Batteritype</translation>
    </message>
    <message>
        <source>Choix du type de pile de l&apos;appareil</source>
        <translation>Velg batteritype for instrumentet</translation>
    </message>
</context>
<context>
    <name>xmlreader</name>
    <message>
        <source>sa structure est refusee (%1)</source>
        <translation>strukturen avvises (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</source>
        <translation>det er ikke gyldig XML (linje %1, kolonne %2: %3)</translation>
    </message>
    <message>
        <source>il depasse la taille admise (%1 Mo)</source>
        <translation>den er større enn tillatt (%1 MB)</translation>
    </message>
    <message>
        <source>il ne peut pas etre lu (%1)</source>
        <translation>den kan ikke leses (%1)</translation>
    </message>
</context>
</TS>
