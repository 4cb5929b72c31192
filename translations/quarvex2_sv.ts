<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="fr_FR">
<context>
    <name>ArchiveModel</name>
    <message>
        <source>document illisible</source>
        <translation>oläsbart dokument</translation>
    </message>
    <message>
        <source>%1 (telechargement)</source>
        <translation>%1 (hämtning)</translation>
    </message>
    <message>
        <source>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</source>
        <translation>Datum för hämtningen: instrumentet daterar inte sina mätningar.</translation>
    </message>
    <message>
        <source>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</source>
        <translation>Två eller fler revisioner av den här mätningen har skickats: en granskare väljer vilken som är referens.</translation>
    </message>
    <message>
        <source>Envoye par %1 depuis %2 le %3</source>
        <translation>Skickad av %1 från %2 den %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Poste</source>
        <translation>Nätstation</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Transformator</translation>
    </message>
    <message>
        <source>Code site</source>
        <translation>Platskod</translation>
    </message>
    <message>
        <source>Gamme</source>
        <translation>Område</translation>
    </message>
    <message>
        <source>Essais reussis</source>
        <translation>Godkända prov</translation>
    </message>
    <message>
        <source>Rapport moyen</source>
        <translation>Medelomsättning</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Avvikelse</translation>
    </message>
    <message>
        <source>Envoye par</source>
        <translation>Skickad av</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archives</source>
        <translation>Mätarkiv</translation>
    </message>
    <message>
        <source>Filtrer (toutes les colonnes)</source>
        <translation>Filtrera (alla kolumner)</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Jämför</translation>
    </message>
    <message>
        <source>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</source>
        <translation>Välj dokument för en transformator (samma nätstation och samma nummer).</translation>
    </message>
    <message>
        <source>Choisissez exactement deux documents a comparer (%1 choisi(s)).</source>
        <translation>Välj exakt två dokument att jämföra (%1 valda).</translation>
    </message>
    <message>
        <source>Ce poste</source>
        <translation>Den här datorn</translation>
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
        <translation>Mappen %1 kan inte skapas.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1 (%2).</source>
        <translation>Det gick inte att skriva %1 (%2).</translation>
    </message>
    <message>
        <source>Index : %1 / %2</source>
        <translation>Index: %1 / %2</translation>
    </message>
    <message>
        <source>document illisible</source>
        <translation>oläsligt dokument</translation>
    </message>
    <message>
        <source>Aucun document du transformateur %1 du poste %2.</source>
        <translation>Inga dokument för transformator %1 i nätstation %2.</translation>
    </message>
</context>
<context>
    <name>CliInstrument</name>
    <message>
        <source>Aucun adaptateur serie n&apos;est branche.</source>
        <translation>Ingen seriell adapter är ansluten.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>Porten %1 finns inte.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</source>
        <translation>Porten hålls av QUARVEN 2-fönstret: koppla från eller stäng fönstret och försök igen.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas sur %1.</source>
        <translation>Instrumentet svarar inte på %1.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu.</source>
        <translation>Ingen QUARVEN 2 svarade.</translation>
    </message>
    <message>
        <source>non essaye : pas un adaptateur USB</source>
        <translation>inte provad: ingen USB-adapter</translation>
    </message>
    <message>
        <source>QUARVEN 2</source>
        <translation>QUARVEN 2</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1.</source>
        <translation>Instrumentet känner inte till parametern %1.</translation>
    </message>
    <message>
        <source>La valeur %1 n&apos;est pas un nombre entier.</source>
        <translation>Värdet %1 är inte ett heltal.</translation>
    </message>
    <message>
        <source>%1 = %2, enregistre dans l&apos;appareil.</source>
        <translation>%1 = %2, sparat i instrumentet.</translation>
    </message>
    <message>
        <source>Les enregistrements de l&apos;appareil sont effaces.</source>
        <translation>Instrumentets mätningar är raderade.</translation>
    </message>
    <message>
        <source>pas un parametre de l&apos;appareil</source>
        <translation>ingen parameter i instrumentet</translation>
    </message>
    <message>
        <source>ecrit</source>
        <translation>skrivet</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Filen %1 anger ingen parameter i instrumentet: ingenting skrevs.</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Sparade: %1. Fanns redan, inte ersatta: %2. Misslyckades: %3.</translation>
    </message>
    <message>
        <source>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</source>
        <translation>Välj en mätning från 1 (den senaste) till %1, eller all.</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Mätning %1 / %2</translation>
    </message>
    <message>
        <source>Appareil sur %1 : telechargement de ses enregistrements.</source>
        <translation>Instrument på %1: hämtar mätningarna.</translation>
    </message>
    <message>
        <source>En attente d&apos;un appareil…</source>
        <translation>Väntar på ett instrument…</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Sida %1 / %2</translation>
    </message>
    <message>
        <source>Le firmware de l&apos;appareil est mis a jour.</source>
        <translation>Instrumentets firmware är uppdaterad.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</source>
        <translation>serieportarna, adaptern för var och en och vilken som svarar som QUARVEN 2</translation>
    </message>
    <message>
        <source>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</source>
        <translation>instrumentets informationsrader (serienummer, firmware)</translation>
    </message>
    <message>
        <source>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</source>
        <translation>parametrarna; en skrivning kontrolleras med ekot och sparas i instrumentet</translation>
    </message>
    <message>
        <source>efface les enregistrements de l&apos;appareil (refuse sans --yes)</source>
        <translation>raderar instrumentets mätningar (vägras utan --yes)</translation>
    </message>
    <message>
        <source>applique un fichier de patch, un resultat par ligne</source>
        <translation>tillämpar en patchfil, ett resultat per rad</translation>
    </message>
    <message>
        <source>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</source>
        <translation>sparar dokument i DIR/Data/ som Hämta alla gör (N: 1 den senaste till 10)</translation>
    </message>
    <message>
        <source>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</source>
        <translation>väntar på ett instrument och hämtar mätningarna varje gång ett ansluts, tills SIGINT eller SIGTERM</translation>
    </message>
    <message>
        <source>met a jour le firmware de l&apos;appareil (refuse sans --yes)</source>
        <translation>uppdaterar instrumentets firmware (vägras utan --yes)</translation>
    </message>
    <message>
        <source>exporte chaque document comme la fenetre, un fichier par document</source>
        <translation>exporterar varje dokument som fönstret gör, en fil per dokument</translation>
    </message>
    <message>
        <source>les rapports d&apos;un transformateur par date</source>
        <translation>omsättningarna för en transformator efter datum</translation>
    </message>
    <message>
        <source>Le QUARVEN 2 et ses archives depuis un script.</source>
        <translation>QUARVEN 2 och dess arkiv från ett skript.</translation>
    </message>
    <message>
        <source>Commandes (COMMAND --help pour chacune) :</source>
        <translation>Kommandon (COMMAND --help för vart och ett):</translation>
    </message>
    <message>
        <source>Codes de sortie :</source>
        <translation>Returkoder:</translation>
    </message>
    <message>
        <source>Le port de l&apos;appareil, sans recherche.</source>
        <translation>Instrumentets port, utan sökning.</translation>
    </message>
    <message>
        <source>Le dossier des donnees (config.xml, Data/).</source>
        <translation>Datamappen (config.xml, Data/).</translation>
    </message>
    <message>
        <source>Un document JSON sur la sortie standard.</source>
        <translation>Ett JSON-dokument på standard ut.</translation>
    </message>
    <message>
        <source>La langue des messages : fr, en, ng, sv ou ru.</source>
        <translation>Meddelandenas språk: fr, en, ng, sv eller ru.</translation>
    </message>
    <message>
        <source>La commande et ses arguments.</source>
        <translation>Kommandot och dess argument.</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (fr, en, ng, sv ou ru).</source>
        <translation>Okänt språk: %1 (fr, en, ng, sv eller ru).</translation>
    </message>
    <message>
        <source>Quelle commande ? --help les donne.</source>
        <translation>Vilket kommando? --help visar dem.</translation>
    </message>
    <message>
        <source>Commande inconnue : %1. --help les donne.</source>
        <translation>Okänt kommando: %1. --help visar dem.</translation>
    </message>
    <message>
        <source>Confirme l&apos;operation.</source>
        <translation>Bekräftar åtgärden.</translation>
    </message>
    <message>
        <source>Le dossier des fichiers ecrits.</source>
        <translation>Mappen för de skrivna filerna.</translation>
    </message>
    <message>
        <source>Les lignes qui contiennent ce texte.</source>
        <translation>Raderna som innehåller den här texten.</translation>
    </message>
    <message>
        <source>Usage : %1 %2</source>
        <translation>Användning: %1 %2</translation>
    </message>
    <message>
        <source>%1 est refuse sans --yes.</source>
        <translation>%1 vägras utan --yes.</translation>
    </message>
    <message>
        <source>Format inconnu : %1 (pdf, csv, png ou svg).</source>
        <translation>Okänt format: %1 (pdf, csv, png eller svg).</translation>
    </message>
    <message>
        <source>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</source>
        <translation>raderna i mätarkivets index, som uppdateras först; team: teamets</translation>
    </message>
    <message>
        <source>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</source>
        <translation>skickar till teamservern de dokument i Data/ som den inte har och tar sedan emot teamets</translation>
    </message>
    <message>
        <source>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</source>
        <translation>installerar schemat (administratör), visar anslutningens status eller sätter en granskares markering</translation>
    </message>
    <message>
        <source>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</source>
        <translation>  0  klart
  1  felaktig kommandorad, eller saknad bekräftelse
  2  sökningen hittade inget instrument, eller porten går inte att öppna
  3  instrumentet svarar inte på porten, eller förbindelsen har brutits
  4  en fil avvisades
  5  delvis klart (några mätningar eller rader misslyckades, några dokument återstår att skicka)
  6  teamservern svarar inte, vägrar anslutningen eller är skrivskyddad</translation>
    </message>
    <message>
        <source>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</source>
        <translation>Teamservern: en libpq-anslutningssträng eller service=NAMN.</translation>
    </message>
    <message>
        <source>local : ce poste ; team : l&apos;equipe.</source>
        <translation>local: den här datorn; team: teamet.</translation>
    </message>
</context>
<context>
    <name>CliTeam</name>
    <message>
        <source>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</source>
        <translation>Ingen teamserver: --server CONNINFO, eller dialogrutan Teamets mätarkiv i fönstret.</translation>
    </message>
    <message>
        <source>Envoyes : %1, recus : %2, a envoyer : %3</source>
        <translation>Skickade: %1, mottagna: %2, att skicka: %3</translation>
    </message>
    <message>
        <source>Le schema n&apos;a pas ete installe : %1</source>
        <translation>Schemat installerades inte: %1</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</source>
        <translation>Teamets mätarkiv är klart (schemaversion %1). För en tekniker: CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</translation>
    </message>
    <message>
        <source>Serveur : %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Connexion : oui, role %1, schema version %2%3</source>
        <translation>Anslutning: ja, roll %1, schemaversion %2%3</translation>
    </message>
    <message>
        <source>Connexion : non (%1)</source>
        <translation>Anslutning: nej (%1)</translation>
    </message>
    <message>
        <source>A envoyer : %1</source>
        <translation>Att skicka: %1</translation>
    </message>
    <message>
        <source>Derniere synchronisation : %1</source>
        <translation>Senaste synkronisering: %1</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>aldrig</translation>
    </message>
    <message>
        <source>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</source>
        <translation>Okänd revision: %1 (quarvex2-cli sync först).</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Comparer : %1 et %2</source>
        <translation>Jämför: %1 och %2</translation>
    </message>
    <message>
        <source>Essai</source>
        <translation>Prov</translation>
    </message>
    <message>
        <source>%1, transformateur %2</source>
        <translation>%1, transformator %2</translation>
    </message>
    <message>
        <source>—— trait plein : %1      - - - pointilles : %2</source>
        <translation>—— heldragen: %1      - - - streckad: %2</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</source>
        <translation>Konfigurationsfilen %1 kan inte läsas. Den har sparats som %2 och standardkonfigurationen används.</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</source>
        <translation>Konfigurationsfilen %1 kunde inte skrivas: valt språk och inlärda listor sparas inte.</translation>
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
        <translation>Värde (instrumentets enhet)</translation>
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
        <translation>Firmwareuppdatering</translation>
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
        <translation>Skicka</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
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
        <translation>Starta</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Mise a jour de l&apos;appareil en cours...</source>
        <translation>Instrumentet uppdateras...</translation>
    </message>
    <message>
        <source>Mise a jour reussie.</source>
        <translation>Uppdateringen lyckades.</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega-fil - Varning</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Sida %1 / %2</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Veuillez remplir les champs avant d&apos;enregistrer.</source>
        <translation>Fyll i fälten innan du sparar.</translation>
    </message>
    <message>
        <source>Champs vides : %1</source>
        <translation>Tomma fält: %1</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Spara %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Det gick inte att spara filen %1.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</source>
        <translation>Filen %1 är inte ett mätdokument: den öppnades inte.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</source>
        <translation>Den visade mätningen är ofullständig: den kan inte sparas. Vill du kassera den?</translation>
    </message>
    <message>
        <source>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</source>
        <translation>Data har inte sparats. Vill du spara dem?</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre faite.</source>
        <translation>Rapporten kunde inte skrivas ut.</translation>
    </message>
    <message>
        <source>Exporter PDF</source>
        <translation>Exportera PDF</translation>
    </message>
    <message>
        <source>Rapport PDF (*.pdf)</source>
        <translation>PDF-rapport (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Exportera CSV</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV-tabell (*.csv)</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Exportera bild</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG-bild (*.png)</translation>
    </message>
    <message>
        <source>Image SVG (*.svg)</source>
        <translation>SVG-bild (*.svg)</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Ouvrir</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>ATmega-fil - Varning</translation>
    </message>
    <message>
        <source>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</source>
        <translation>Uppdatera instrumentets firmware med den här filen?

%1
%2 byte, ändrad %3</translation>
    </message>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Firmwareuppdatering</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</source>
        <translation>Filen %1 är för stor (%2 byte): instrumentet tar emot högst %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 est vide.</source>
        <translation>Filen %1 är tom.</translation>
    </message>
    <message>
        <source>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</source>
        <translation>Kan inte läsa %1:
%2.
Filen finns inte eller används redan av ett annat program</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</source>
        <translation>Instrumentet gick inte över i uppdateringsläge (bootloader): inget svar på %1.
Inget annat har skickats till det.</translation>
    </message>
    <message>
        <source>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</source>
        <translation>Sida %1 kunde inte skrivas: steg %2 fick inget svar efter %3 försök.
Instrumentet är kvar i uppdateringsläge: starta uppdateringen igen.</translation>
    </message>
    <message>
        <source>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</source>
        <translation>Alla sidor har skrivits, men instrumentet bekräftade inte omstarten.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</source>
        <translation>Anslutningen till instrumentet bröts under uppdateringen.
Anslut instrumentet igen och starta sedan om uppdateringen.</translation>
    </message>
</context>
<context>
    <name>InstrumentLink</name>
    <message>
        <source>pas de reponse</source>
        <translation>inget svar</translation>
    </message>
    <message>
        <source>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</source>
        <translation>åtkomst nekad eller porten upptagen (%1). I Linux måste kontot tillhöra gruppen dialout: sudo usermod -a -G dialout $USER, logga sedan ut och in igen.</translation>
    </message>
    <message>
        <source>le port n&apos;existe plus (%1)</source>
        <translation>porten finns inte längre (%1)</translation>
    </message>
    <message>
        <source>port deja ouvert (%1)</source>
        <translation>porten är redan öppen (%1)</translation>
    </message>
    <message>
        <source>ouverture impossible (%1)</source>
        <translation>kan inte öppnas (%1)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>Erreur</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Aide introuvable.</source>
        <translation>Hjälpfilen hittades inte.</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</source>
        <translation>Inget program på den här datorn öppnar PDF-filer. Handboken finns här:
%1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Recherche de l&apos;appareil…</source>
        <translation>Söker efter instrumentet…</translation>
    </message>
    <message>
        <source>Connecte (%1)</source>
        <translation>Ansluten (%1)</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas</source>
        <translation>Instrumentet svarar inte</translation>
    </message>
    <message>
        <source>Deconnecte</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>Liaison perdue (%1)</source>
        <translation>Förbindelsen bruten (%1)</translation>
    </message>
    <message>
        <source>Aucun adaptateur serie USB n&apos;est branche.</source>
        <translation>Ingen seriell USB-adapter är ansluten.</translation>
    </message>
    <message>
        <source>Un adaptateur branche sera essaye des son arrivee.</source>
        <translation>En adapter provas så snart den ansluts.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</source>
        <translation>Ingen QUARVEN 2 svarade. Portar som provades:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nouvel essai toutes les %1 s.</source>
        <translation>Nytt försök var %1:e sekund.</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Anslutning</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Releve d&apos;information</source>
        <translation>Uppgifter om mätningen</translation>
    </message>
    <message>
        <source>Nom du releveur :</source>
        <translation>Kontrollerad av:</translation>
    </message>
    <message>
        <source>Nom du poste :</source>
        <translation>Nätstationens namn:</translation>
    </message>
    <message>
        <source>N du transformateur :</source>
        <translation>Transformatornr:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Code GDO :</source>
        <translation>GDO-kod:</translation>
    </message>
    <message>
        <source>Fabricant :</source>
        <translation>Tillverkare:</translation>
    </message>
    <message>
        <source>Puissance :</source>
        <translation>Märkeffekt:</translation>
    </message>
    <message>
        <source>Tension HT :</source>
        <translation>Högspänning:</translation>
    </message>
    <message>
        <source>Tension bt :</source>
        <translation>Lågspänning:</translation>
    </message>
    <message>
        <source>Presence fusibles :</source>
        <translation>Säkringar monterade:</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Provresultat</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.A (prim.) Circuit ouvert</source>
        <translation>Neutral (sek.) / HS.A (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.B (prim.) Circuit ouvert</source>
        <translation>Neutral (sek.) / HS.B (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.C (prim.) Circuit ouvert</source>
        <translation>Neutral (sek.) / HS.C (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.A (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.A (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.B (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.B (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.C (prim.) Circuit ouvert</source>
        <translation>Jord (tank) / HS.C (prim.) Avbrott</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.A (sec.) Continuite</source>
        <translation>Neutral (sek.) / LS.A (sek.) Genomgång</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.B (sec.) Continuite</source>
        <translation>Neutral (sek.) / LS.B (sek.) Genomgång</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.C (sec.) Continuite</source>
        <translation>Neutral (sek.) / LS.C (sek.) Genomgång</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.A (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.A (sek.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.B (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.B (sek.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.C (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / LS.C (sek.) Avbrott</translation>
    </message>
    <message>
        <source>Terre (chassis) / Neutre (sec.) Circuit ouvert</source>
        <translation>Jord (tank) / Neutral (sek.) Avbrott</translation>
    </message>
    <message>
        <source>HT.A (prim.) Coherence courbe</source>
        <translation>HS.A (prim.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>HT.B (prim.) Coherence courbe</source>
        <translation>HS.B (prim.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>HT.C (prim.) Coherence courbe</source>
        <translation>HS.C (prim.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>BT.A (sec.) Coherence courbe</source>
        <translation>LS.A (sek.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>BT.B (sec.) Coherence courbe</source>
        <translation>LS.B (sek.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>BT.C (sec.) Coherence courbe</source>
        <translation>LS.C (sek.) Kurvkonsistens</translation>
    </message>
    <message>
        <source>Courbes HT</source>
        <translation>HS-kurvor</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Gamme Mesure :</source>
        <translation>Mätområde:</translation>
    </message>
    <message>
        <source>RATIO:</source>
        <translation>OMSÄTTNING:</translation>
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
        <translation>Ofullständig mätning: förbindelsen bröts före slutet.</translation>
    </message>
    <message>
        <source>Enregistrement incomplet</source>
        <translation>Ofullständig mätning</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Documents recents</source>
        <translation>&amp;Senaste dokument</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Telecharger</source>
        <translation>&amp;Hämta</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>S&amp;para</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>&amp;Felsökning</translation>
    </message>
    <message>
        <source>ouvrir &amp;fichier debug</source>
        <translation>Öpp&amp;na felsökningsfil</translation>
    </message>
    <message>
        <source>Info &amp;UC</source>
        <translation>&amp;Instrumentinfo</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Se connecter</source>
        <translation>&amp;Anslut</translation>
    </message>
    <message>
        <source>&amp;Temps de Coupure du QVX2</source>
        <translation>&amp;Frånslagstid för QVX2</translation>
    </message>
    <message>
        <source>&amp;Choix de la gamme au demarrage</source>
        <translation>&amp;Mätområde vid start</translation>
    </message>
    <message>
        <source>Choix &amp;du type de batterie</source>
        <translation>&amp;Batterityp</translation>
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
        <translation>F&amp;irmwareuppdatering</translation>
    </message>
    <message>
        <source>&amp;русский</source>
        <translation>&amp;русский</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Dokumentation</translation>
    </message>
    <message>
        <source>&amp;A propos de ORVA-SA</source>
        <translation>&amp;Om ORVA-SA</translation>
    </message>
    <message>
        <source>Exporter &amp;PDF…</source>
        <translation>&amp;Exportera PDF…</translation>
    </message>
    <message>
        <source>Exporter &amp;CSV…</source>
        <translation>Exportera &amp;CSV…</translation>
    </message>
    <message>
        <source>E&amp;xporter image…</source>
        <translation>Exportera &amp;bild…</translation>
    </message>
    <message>
        <source>dans la tolerance</source>
        <translation>inom toleransen</translation>
    </message>
    <message>
        <source>hors tolerance</source>
        <translation>utanför toleransen</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>GODKÄND</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>UNDERKÄND</translation>
    </message>
    <message>
        <source>sans verdict</source>
        <translation>ingen bedömning</translation>
    </message>
    <message>
        <source>Rapport nominal</source>
        <translation>Märkomsättning</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>Tolerans (%)</translation>
    </message>
    <message>
        <source>Te&amp;lecharger tout</source>
        <translation>H&amp;ämta alla</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>&amp;Mätarkiv</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Området %1 omfattar inte HS-spänningen %2: avvikelserna bedöms inte.</translation>
    </message>
    <message>
        <source>Rapport nominal %1 (%2 / %3), tolerance %4</source>
        <translation>Märkomsättning %1 (%2 / %3), tolerans %4</translation>
    </message>
    <message>
        <source>Archive d&apos;&amp;equipe...</source>
        <translation>&amp;Teamets mätarkiv...</translation>
    </message>
</context>
<context>
    <name>ParameterOperations</name>
    <message>
        <source>L&apos;appareil a pris la valeur %1 au lieu de %2.</source>
        <translation>Instrumentet tog värdet %1 i stället för %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</source>
        <translation>Filen %1 kunde inte läsas: ingenting skickades till instrumentet.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Erreur</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;application car elle est deja lancee.</source>
        <translation>Programmet kan inte startas eftersom det redan körs.</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Annat</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Pile seche 9V :</source>
        <translation>9V torrbatteri:</translation>
    </message>
    <message>
        <source>Pile rechargeable :</source>
        <translation>Laddningsbart batteri:</translation>
    </message>
</context>
<context>
    <name>RecentDocuments</name>
    <message>
        <source>Documents recents</source>
        <translation>Senaste dokument</translation>
    </message>
    <message>
        <source>Le document %1 n&apos;existe plus. Il est retire de la liste.</source>
        <translation>Dokumentet %1 finns inte längre. Det har tagits bort från listan.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>L&apos;appareil ne reponds pas. Verifier la liaison.</source>
        <translation>Instrumentet svarar inte. Kontrollera anslutningen.</translation>
    </message>
    <message>
        <source>Effacement des enregistrements</source>
        <translation>Radering av sparade mätningar</translation>
    </message>
    <message>
        <source>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</source>
        <translation>Är du säker på att du vill radera alla mätningar i QUARVEN2?</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</source>
        <translation>Instrumentet bekräftade inte raderingen.</translation>
    </message>
    <message>
        <source>Telechargement des enregistrements…</source>
        <translation>Hämtar mätningarna…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Telecharger tout</source>
        <translation>Hämta alla</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Mätning %1 / %2</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Sparade: %1. Fanns redan, inte ersatta: %2. Misslyckades: %3.</translation>
    </message>
    <message>
        <source>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</source>
        <translation>Avbrutet: följande mätningar hämtades inte.</translation>
    </message>
    <message>
        <source>Info UC</source>
        <translation>Instrumentinfo</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, firmware %2</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Öppna</translation>
    </message>
</context>
<context>
    <name>RecordOperations</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu (%2).</source>
        <translation>Filen %1 kunde inte läsas (%2).</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Rapport d&apos;essai QUARVEN 2</source>
        <translation>QUARVEN 2 provningsrapport</translation>
    </message>
    <message>
        <source>non connu</source>
        <translation>okänt</translation>
    </message>
    <message>
        <source>Appareil : %1     Logiciel : %2 (version %3)</source>
        <translation>Instrument: %1     Programvara: %2 (version %3)</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Provresultat</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Området %1 omfattar inte HS-spänningen %2: avvikelserna bedöms inte.</translation>
    </message>
    <message>
        <source>Rapport mesure</source>
        <translation>Uppmätt omsättning</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Avvikelse</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Tolerans %1</translation>
    </message>
    <message>
        <source>non disponible</source>
        <translation>inte tillgänglig</translation>
    </message>
    <message>
        <source>Exporte le %1</source>
        <translation>Exporterad %1</translation>
    </message>
    <message>
        <source>Signature :</source>
        <translation>Underskrift:</translation>
    </message>
    <message>
        <source>page 1 / 1</source>
        <translation>sida 1 / 1</translation>
    </message>
    <message>
        <source>mesure non enregistree</source>
        <translation>mätning inte sparad</translation>
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
        <translation>Ett annat kommando väntar redan på instrumentets svar.</translation>
    </message>
    <message>
        <source>Aucun appareil n&apos;est connecte.</source>
        <translation>Inget instrument är anslutet.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</source>
        <translation>Instrumentet gav inte det väntade svaret i tid.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas. Verifier la liaison.</source>
        <translation>Instrumentet svarar inte. Kontrollera anslutningen.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue.</source>
        <translation>Anslutningen till instrumentet bröts.</translation>
    </message>
    <message>
        <source>L&apos;appareil a repondu autre chose que ce qui etait demande.</source>
        <translation>Instrumentet svarade något annat än det som begärdes.</translation>
    </message>
    <message>
        <source>Le fichier a ete refuse.</source>
        <translation>Filen avvisades.</translation>
    </message>
    <message>
        <source>L&apos;enregistrement n&apos;est pas arrive en entier.</source>
        <translation>Mätningen kom inte fram i sin helhet.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas ce qui a ete demande.</source>
        <translation>Instrumentet känner inte till det som begärdes.</translation>
    </message>
    <message>
        <source>Annule.</source>
        <translation>Avbrutet.</translation>
    </message>
    <message>
        <source>Le serveur de l&apos;equipe ne repond pas.</source>
        <translation>Teamservern svarar inte.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>interrogation impossible</source>
        <translation>Avläsningen misslyckades</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Lagring</translation>
    </message>
    <message>
        <source>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</source>
        <translation>%1: värdet sparades inte i instrumentet.</translation>
    </message>
    <message>
        <source>P_AL_FALIM_TEMPS</source>
        <translation>P_AL_FALIM_TEMPS</translation>
    </message>
    <message>
        <source>Temps de coupure (en s)</source>
        <translation>Frånslagstid (s)</translation>
    </message>
    <message>
        <source>P_DEMAR_GAMME</source>
        <translation>P_DEMAR_GAMME</translation>
    </message>
    <message>
        <source>Choix de la gamme au demarrage :</source>
        <translation>Mätområde vid start:</translation>
    </message>
    <message>
        <source>P_AL_FALIM_SEUIL</source>
        <translation>P_AL_FALIM_SEUIL</translation>
    </message>
    <message>
        <source>Choix du type de batterie</source>
        <translation>Batterityp</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</source>
        <translation>Instrumentet känner inte till parametern %1: batterigränsen har inte ändrats.</translation>
    </message>
    <message>
        <source>seuil de pile :</source>
        <translation>Batterigräns:</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Ouvrir_fichier_patch</source>
        <translation>Öppna patchfil</translation>
    </message>
    <message>
        <source>%1 = %2 : %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Filen %1 anger ingen parameter i instrumentet: ingenting skrevs.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</source>
        <translation>Instrumentet bekräftade ingen skrivning från filen %1: ingenting skrevs.</translation>
    </message>
    <message>
        <source>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</source>
        <translation>Dessa rader i filen %1 skrevs inte:</translation>
    </message>
</context>
<context>
    <name>TeamCommands</name>
    <message>
        <source>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</source>
        <translation>Lösenordet kunde inte sparas i nyckelringen (%1): det används bara under den här sessionen.</translation>
    </message>
    <message>
        <source>Mot de passe du serveur d&apos;equipe</source>
        <translation>Lösenord till teamservern</translation>
    </message>
    <message>
        <source>%1

Serveur : %2</source>
        <translation>%1

Server: %2</translation>
    </message>
    <message>
        <source>Garder le mot de passe dans le trousseau du bureau</source>
        <translation>Spara lösenordet i skrivbordets nyckelring</translation>
    </message>
    <message>
        <source>Mot de passe :</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe</source>
        <translation>Teamets mätarkiv</translation>
    </message>
    <message>
        <source>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</source>
        <translation>Teamets PostgreSQL-server: en libpq-anslutningssträng (host=... dbname=... user=...) eller service=NAMN. Tomt: inget mätarkiv för teamet. Lösenordet skrivs aldrig i programmets filer.</translation>
    </message>
    <message>
        <source>Tester la connexion</source>
        <translation>Testa anslutningen</translation>
    </message>
    <message>
        <source>Serveur :</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Derniere erreur :</source>
        <translation>Senaste fel:</translation>
    </message>
    <message>
        <source>Connexion reussie : role %1, schema version %2%3</source>
        <translation>Anslutningen lyckades: roll %1, schemaversion %2%3</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</source>
        <translation>Serverns schema (version %1) är nyare än det här programmet (version %2): det ändras inte.</translation>
    </message>
</context>
<context>
    <name>TeamServer</name>
    <message>
        <source>connexion coupee</source>
        <translation>anslutningen bröts</translation>
    </message>
    <message>
        <source>le serveur demande un mot de passe</source>
        <translation>servern begär ett lösenord</translation>
    </message>
    <message>
        <source>mot de passe refuse</source>
        <translation>lösenordet avvisades</translation>
    </message>
    <message>
        <source>le certificat du serveur n&apos;est pas verifie : %1</source>
        <translation>serverns certifikat kunde inte verifieras: %1</translation>
    </message>
    <message>
        <source>le serveur refuse : %1</source>
        <translation>servern vägrar: %1</translation>
    </message>
    <message>
        <source>serveur injoignable : %1</source>
        <translation>servern kan inte nås: %1</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</source>
        <translation>servern har inget mätarkiv för teamet: administratören kör &quot;quarvex2-cli team setup&quot;</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas ce document</source>
        <translation>servern har inte det här dokumentet</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</source>
        <translation>Den lokala kopian av teamets mätarkiv kunde inte skrivas.</translation>
    </message>
    <message>
        <source>schema du serveur plus recent (version %1) : lecture seule</source>
        <translation>nyare schema på servern (version %1): skrivskyddat</translation>
    </message>
    <message>
        <source>Le document recu ne correspond pas a sa revision.</source>
        <translation>Det mottagna dokumentet stämmer inte med sin revision.</translation>
    </message>
    <message>
        <source>Le document envoye par %1 ne se lit pas comme un document de mesure.</source>
        <translation>Dokumentet som %1 skickade kan inte läsas som ett mätdokument.</translation>
    </message>
    <message>
        <source>%1 (%2 versions)</source>
        <translation>%1 (%2 versioner)</translation>
    </message>
    <message>
        <source>Equipe : hors ligne (%1)</source>
        <translation>Team: ej ansluten (%1)</translation>
    </message>
    <message>
        <source>Equipe : %1</source>
        <translation>Team: %1</translation>
    </message>
    <message numerus="yes">
        <source>Equipe : %n documents a envoyer</source>
        <translation>
            <numerusform>Team: %n dokument att skicka</numerusform>
            <numerusform>Team: %n dokument att skicka</numerusform>
        </translation>
    </message>
    <message>
        <source>Equipe : a jour (%1)</source>
        <translation>Team: uppdaterat (%1)</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (skrivskyddad)</translation>
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
        <translation>Medel</translation>
    </message>
    <message>
        <source>Rapport nominal %1</source>
        <translation>Märkomsättning %1</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Tolerans %1</translation>
    </message>
</context>
<context>
    <name>XmlMesure</name>
    <message>
        <source>son element racine est %1 et non OrvaQuardane</source>
        <translation>rotelementet är %1, inte OrvaQuardane</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</source>
        <translation>Filen %1 kunde inte skrivas (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : %2.</source>
        <translation>Filen %1 är inte ett mätdokument: %2.</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version Binaire : <byte value="xd"/>
</source>
        <translation>Firmwareversioner: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 200: grundversion av VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</source>
        <translation>Version 300: 10 sparade mätningar och flera språk. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</source>
        <translation>Version 301: kommando för att ställa in frånslagstiden för QVX2 från 2 till 10 minuter. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</source>
        <translation>Version 302: kommando för att välja mätområde vid start. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</source>
        <translation>Version 303 ger rätt resultat även utan mätning efter Test_clear <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</source>
        <translation>Version 304 UK-läge, aktuellt mätområde sparas <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</source>
        <translation>Version 305 fjärde mätområde 1-5 kV tillagt <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</source>
        <translation>Version 306 numrering av sparade kurvor <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</source>
        <translation>Version 400-403 beräkning och formatering av omsättningen <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version PC : <byte value="xd"/>
</source>
        <translation>PC-programversioner: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Version 300: grundversion av VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: version francaise <byte value="xd"/>
</source>
        <translation>Version 301: fransk version <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: version internationale <byte value="xd"/>
</source>
        <translation>Version 302: internationell version <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303: maj version internationale<byte value="xd"/>
</source>
        <translation>Version 303: uppdatering av internationell version<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 401: affiche le ratio<byte value="xd"/>
</source>
        <translation>Version 401: visar omsättningen<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</source>
        <translation>Version 500: förbättringar av användargränssnittet<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 501: patch pour circuit ouvert<byte value="xd"/>
</source>
        <translation>Version 501: patch för avbrott<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>recup_cutoff</name>
    <message>
        <source>Dialog</source>
        <translation>Frånslagstid</translation>
    </message>
    <message>
        <source>Selectionner le temps avant extinction du QVX2</source>
        <translation>Välj tiden innan QVX2 stänger av sig</translation>
    </message>
    <message>
        <source>Temps de coupure en secondes</source>
        <translation>Frånslagstid</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuter</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuter</translation>
    </message>
    <message>
        <source> 4 minutes</source>
        <translation> 4 minuter</translation>
    </message>
    <message>
        <source> 8  minutes</source>
        <translation> 8  minuter</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Skicka</translation>
    </message>
</context>
<context>
    <name>recup_enreg</name>
    <message>
        <source>Recuperation des donnees</source>
        <translation>Hämtning av data</translation>
    </message>
    <message>
        <source>Selectionner l&apos;enregistrement a telecharger</source>
        <translation>Välj mätningen som ska hämtas</translation>
    </message>
    <message>
        <source>Dernier
enregistrement</source>
        <translation>Senaste
mätning</translation>
    </message>
    <message>
        <source>Enregistrement
n-1</source>
        <translation>Mätning
n-1</translation>
    </message>
    <message>
        <source>Enregistrement
n-2</source>
        <translation>Mätning
n-2</translation>
    </message>
    <message>
        <source>Enregistrement
n-3</source>
        <translation>Mätning
n-3</translation>
    </message>
    <message>
        <source>Enregistrement
n-4</source>
        <translation>Mätning
n-4</translation>
    </message>
    <message>
        <source>Enregistrement
n-5</source>
        <translation>Mätning
n-5</translation>
    </message>
    <message>
        <source>Enregistrement
n-6</source>
        <translation>Mätning
n-6</translation>
    </message>
    <message>
        <source>Enregistrement
n-7</source>
        <translation>Mätning
n-7</translation>
    </message>
    <message>
        <source>Enregistrement
n-8</source>
        <translation>Mätning
n-8</translation>
    </message>
    <message>
        <source>Enregistrement
n-9</source>
        <translation>Mätning
n-9</translation>
    </message>
    <message>
        <source>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</source>
        <translation>RADERA ALLA MÄTNINGAR I QUARVEN2</translation>
    </message>
</context>
<context>
    <name>recup_gamme</name>
    <message>
        <source>Dialog</source>
        <translation>Mätområde vid start</translation>
    </message>
    <message>
        <source>Selectionner le choix de la gamme au demarrage du QVX2</source>
        <translation>Välj mätområdet som QVX2 startar i</translation>
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
        <translation>  Senast använda område</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Skicka</translation>
    </message>
</context>
<context>
    <name>recup_info</name>
    <message>
        <source>Debug</source>
        <translation>Felsökning</translation>
    </message>
    <message>
        <source>Sauve fichier</source>
        <translation>Spara fil</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>%1_%2</source>
        <translation>%1_%2</translation>
    </message>
    <message>
        <source>Enregistrer le fichier </source>
        <translation>Spara filen </translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Det gick inte att spara filen %1.</translation>
    </message>
    <message>
        <source>Ferme la fenetre Debug ; le programme continue.</source>
        <translation>Stänger felsökningsfönstret; programmet fortsätter.</translation>
    </message>
</context>
<context>
    <name>recup_pile</name>
    <message>
        <source>Dialog</source>
        <translation>Batterityp</translation>
    </message>
    <message>
        <source>Choix du type de pile de l&apos;appareil</source>
        <translation>Välj instrumentets batterityp</translation>
    </message>
</context>
<context>
    <name>xmlreader</name>
    <message>
        <source>sa structure est refusee (%1)</source>
        <translation>strukturen avvisas (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</source>
        <translation>det är inte giltig XML (rad %1, kolumn %2: %3)</translation>
    </message>
    <message>
        <source>il depasse la taille admise (%1 Mo)</source>
        <translation>den är större än tillåtet (%1 MB)</translation>
    </message>
    <message>
        <source>il ne peut pas etre lu (%1)</source>
        <translation>den kan inte läsas (%1)</translation>
    </message>
</context>
</TS>
