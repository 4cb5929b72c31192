<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="fr_FR">
<context>
    <name>ArchiveModel</name>
    <message>
        <source>document illisible</source>
        <translation>нечитаемый документ</translation>
    </message>
    <message>
        <source>%1 (telechargement)</source>
        <translation>%1 (считывание)</translation>
    </message>
    <message>
        <source>Date du telechargement : l&apos;appareil ne date pas ses enregistrements.</source>
        <translation>Дата считывания: прибор не указывает дату в своих записях.</translation>
    </message>
    <message>
        <source>Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit celle de reference.</source>
        <translation>Отправлены две или более редакции этой записи: проверяющий выбирает эталонную.</translation>
    </message>
    <message>
        <source>Envoye par %1 depuis %2 le %3</source>
        <translation>Отправил %1 с компьютера %2, %3</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Poste</source>
        <translation>Подстанция</translation>
    </message>
    <message>
        <source>Transformateur</source>
        <translation>Трансформатор</translation>
    </message>
    <message>
        <source>Code site</source>
        <translation>Код объекта</translation>
    </message>
    <message>
        <source>Gamme</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Essais reussis</source>
        <translation>Пройдено испытаний</translation>
    </message>
    <message>
        <source>Rapport moyen</source>
        <translation>Средний коэффициент</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Envoye par</source>
        <translation>Отправитель</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archives</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Filtrer (toutes les colonnes)</source>
        <translation>Фильтр (все столбцы)</translation>
    </message>
    <message>
        <source>Tendance</source>
        <translation>Тенденция</translation>
    </message>
    <message>
        <source>Comparer</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Choisissez des documents d&apos;un seul transformateur (meme poste et meme numero).</source>
        <translation>Выберите документы одного трансформатора (та же подстанция и тот же номер).</translation>
    </message>
    <message>
        <source>Choisissez exactement deux documents a comparer (%1 choisi(s)).</source>
        <translation>Выберите ровно два документа для сравнения (выбрано: %1).</translation>
    </message>
    <message>
        <source>Ce poste</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Бригада</translation>
    </message>
</context>
<context>
    <name>CliDocuments</name>
    <message>
        <source>Le dossier %1 ne peut pas etre cree.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1 (%2).</source>
        <translation>Не удалось записать %1 (%2).</translation>
    </message>
    <message>
        <source>Index : %1 / %2</source>
        <translation>Индекс: %1 / %2</translation>
    </message>
    <message>
        <source>document illisible</source>
        <translation>нечитаемый документ</translation>
    </message>
    <message>
        <source>Aucun document du transformateur %1 du poste %2.</source>
        <translation>Нет документов трансформатора %1 подстанции %2.</translation>
    </message>
</context>
<context>
    <name>CliInstrument</name>
    <message>
        <source>Aucun adaptateur serie n&apos;est branche.</source>
        <translation>Последовательный адаптер не подключён.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;existe pas.</source>
        <translation>Порт %1 не существует.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis recommencez.</source>
        <translation>Порт занят окном QUARVEN 2: отключите или закройте окно и повторите.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas sur %1.</source>
        <translation>Прибор не отвечает на %1.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu.</source>
        <translation>Ни один QUARVEN 2 не ответил.</translation>
    </message>
    <message>
        <source>non essaye : pas un adaptateur USB</source>
        <translation>не проверялся: не USB-адаптер</translation>
    </message>
    <message>
        <source>QUARVEN 2</source>
        <translation>QUARVEN 2</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1.</source>
        <translation>Прибор не знает параметр %1.</translation>
    </message>
    <message>
        <source>La valeur %1 n&apos;est pas un nombre entier.</source>
        <translation>Значение %1 не является целым числом.</translation>
    </message>
    <message>
        <source>%1 = %2, enregistre dans l&apos;appareil.</source>
        <translation>%1 = %2, сохранено в приборе.</translation>
    </message>
    <message>
        <source>Les enregistrements de l&apos;appareil sont effaces.</source>
        <translation>Записи прибора стёрты.</translation>
    </message>
    <message>
        <source>pas un parametre de l&apos;appareil</source>
        <translation>не параметр прибора</translation>
    </message>
    <message>
        <source>ecrit</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Файл %1 не содержит ни одного параметра прибора: ничего не записано.</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Сохранено: %1. Уже были, не заменены: %2. Ошибок: %3.</translation>
    </message>
    <message>
        <source>Choisissez un enregistrement de 1 (le dernier) a %1, ou all.</source>
        <translation>Выберите запись от 1 (последняя) до %1 или all.</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Запись %1 / %2</translation>
    </message>
    <message>
        <source>Appareil sur %1 : telechargement de ses enregistrements.</source>
        <translation>Прибор на %1: считывание записей.</translation>
    </message>
    <message>
        <source>En attente d&apos;un appareil…</source>
        <translation>Ожидание прибора…</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Страница %1 / %2</translation>
    </message>
    <message>
        <source>Le firmware de l&apos;appareil est mis a jour.</source>
        <translation>Прошивка прибора обновлена.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>les ports serie, l&apos;adaptateur de chacun et celui qui repond en QUARVEN 2</source>
        <translation>последовательные порты, адаптер каждого и тот, что отвечает как QUARVEN 2</translation>
    </message>
    <message>
        <source>les lignes d&apos;information de l&apos;appareil (numero de serie, firmware)</source>
        <translation>информационные строки прибора (серийный номер, прошивка)</translation>
    </message>
    <message>
        <source>les parametres ; une ecriture est verifiee par son echo et enregistree dans l&apos;appareil</source>
        <translation>параметры; запись проверяется по эху и сохраняется в приборе</translation>
    </message>
    <message>
        <source>efface les enregistrements de l&apos;appareil (refuse sans --yes)</source>
        <translation>стирает записи прибора (без --yes не выполняется)</translation>
    </message>
    <message>
        <source>applique un fichier de patch, un resultat par ligne</source>
        <translation>применяет файл патча, по результату на строку</translation>
    </message>
    <message>
        <source>enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)</source>
        <translation>сохраняет документы в DIR/Data/, как «Считать все записи» (N: от 1, последней, до 10)</translation>
    </message>
    <message>
        <source>attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu&apos;a SIGINT ou SIGTERM</source>
        <translation>ждёт прибор и считывает его записи при каждом подключении, до SIGINT или SIGTERM</translation>
    </message>
    <message>
        <source>met a jour le firmware de l&apos;appareil (refuse sans --yes)</source>
        <translation>обновляет прошивку прибора (без --yes не выполняется)</translation>
    </message>
    <message>
        <source>exporte chaque document comme la fenetre, un fichier par document</source>
        <translation>экспортирует каждый документ, как окно программы, по файлу на документ</translation>
    </message>
    <message>
        <source>les rapports d&apos;un transformateur par date</source>
        <translation>коэффициенты трансформации одного трансформатора по датам</translation>
    </message>
    <message>
        <source>Le QUARVEN 2 et ses archives depuis un script.</source>
        <translation>QUARVEN 2 и его архив из сценария.</translation>
    </message>
    <message>
        <source>Commandes (COMMAND --help pour chacune) :</source>
        <translation>Команды (COMMAND --help для каждой):</translation>
    </message>
    <message>
        <source>Codes de sortie :</source>
        <translation>Коды завершения:</translation>
    </message>
    <message>
        <source>Le port de l&apos;appareil, sans recherche.</source>
        <translation>Порт прибора, без поиска.</translation>
    </message>
    <message>
        <source>Le dossier des donnees (config.xml, Data/).</source>
        <translation>Папка данных (config.xml, Data/).</translation>
    </message>
    <message>
        <source>Un document JSON sur la sortie standard.</source>
        <translation>Один документ JSON в стандартный вывод.</translation>
    </message>
    <message>
        <source>La langue des messages : fr, en, ng, sv ou ru.</source>
        <translation>Язык сообщений: fr, en, ng, sv или ru.</translation>
    </message>
    <message>
        <source>La commande et ses arguments.</source>
        <translation>Команда и её аргументы.</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (fr, en, ng, sv ou ru).</source>
        <translation>Неизвестный язык: %1 (fr, en, ng, sv или ru).</translation>
    </message>
    <message>
        <source>Quelle commande ? --help les donne.</source>
        <translation>Какая команда? --help перечисляет их.</translation>
    </message>
    <message>
        <source>Commande inconnue : %1. --help les donne.</source>
        <translation>Неизвестная команда: %1. --help перечисляет их.</translation>
    </message>
    <message>
        <source>Confirme l&apos;operation.</source>
        <translation>Подтверждает операцию.</translation>
    </message>
    <message>
        <source>Le dossier des fichiers ecrits.</source>
        <translation>Папка для записываемых файлов.</translation>
    </message>
    <message>
        <source>Les lignes qui contiennent ce texte.</source>
        <translation>Строки, содержащие этот текст.</translation>
    </message>
    <message>
        <source>Usage : %1 %2</source>
        <translation>Использование: %1 %2</translation>
    </message>
    <message>
        <source>%1 est refuse sans --yes.</source>
        <translation>%1 без --yes не выполняется.</translation>
    </message>
    <message>
        <source>Format inconnu : %1 (pdf, csv, png ou svg).</source>
        <translation>Неизвестный формат: %1 (pdf, csv, png или svg).</translation>
    </message>
    <message>
        <source>les lignes de l&apos;index des archives, mis a jour d&apos;abord ; team : celles de l&apos;equipe</source>
        <translation>строки индекса архива, который сначала обновляется; team: строки бригады</translation>
    </message>
    <message>
        <source>envoie au serveur d&apos;equipe les documents de Data/ qu&apos;il n&apos;a pas, puis recoit ceux de l&apos;equipe</source>
        <translation>отправляет на сервер бригады документы из Data/, которых на нём нет, затем получает документы бригады</translation>
    </message>
    <message>
        <source>installe le schema (administrateur), l&apos;etat de la connexion, ou une marque de relecteur</source>
        <translation>устанавливает схему (администратор), показывает состояние подключения или ставит отметку проверяющего</translation>
    </message>
    <message>
        <source>  0  fait
  1  ligne de commande fausse, ou confirmation manquante
  2  la recherche n&apos;a trouve aucun appareil, ou le port ne s&apos;ouvre pas
  3  l&apos;appareil ne repond pas sur le port, ou la liaison est perdue
  4  un fichier refuse
  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a envoyer)
  6  le serveur d&apos;equipe ne repond pas, refuse la connexion, ou est en lecture seule</source>
        <translation>  0  выполнено
  1  неверная командная строка или нет подтверждения
  2  поиск не нашёл ни одного прибора или порт не открывается
  3  прибор не отвечает на порту или связь потеряна
  4  файл отклонён
  5  выполнено частично (часть записей или строк не удалась, остались неотправленные документы)
  6  сервер бригады не отвечает, отклоняет подключение или доступен только для чтения</translation>
    </message>
    <message>
        <source>Le serveur d&apos;equipe : une chaine de connexion libpq ou service=NOM.</source>
        <translation>Сервер бригады: строка подключения libpq или service=NAME.</translation>
    </message>
    <message>
        <source>local : ce poste ; team : l&apos;equipe.</source>
        <translation>local: этот компьютер; team: бригада.</translation>
    </message>
</context>
<context>
    <name>CliTeam</name>
    <message>
        <source>Aucun serveur d&apos;equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre.</source>
        <translation>Нет сервера бригады: --server CONNINFO или диалог «Архив бригады» в окне программы.</translation>
    </message>
    <message>
        <source>Envoyes : %1, recus : %2, a envoyer : %3</source>
        <translation>Отправлено: %1, получено: %2, к отправке: %3</translation>
    </message>
    <message>
        <source>Le schema n&apos;a pas ete installe : %1</source>
        <translation>Схема не установлена: %1</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</source>
        <translation>Архив бригады готов (версия схемы %1). Для техника: CREATE ROLE tech1 LOGIN; GRANT %2 TO tech1;</translation>
    </message>
    <message>
        <source>Serveur : %1</source>
        <translation>Сервер: %1</translation>
    </message>
    <message>
        <source>Connexion : oui, role %1, schema version %2%3</source>
        <translation>Подключение: да, роль %1, версия схемы %2%3</translation>
    </message>
    <message>
        <source>Connexion : non (%1)</source>
        <translation>Подключение: нет (%1)</translation>
    </message>
    <message>
        <source>A envoyer : %1</source>
        <translation>К отправке: %1</translation>
    </message>
    <message>
        <source>Derniere synchronisation : %1</source>
        <translation>Последняя синхронизация: %1</translation>
    </message>
    <message>
        <source>jamais</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Revision inconnue : %1 (quarvex2-cli sync d&apos;abord).</source>
        <translation>Неизвестная редакция: %1 (сначала quarvex2-cli sync).</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Comparer : %1 et %2</source>
        <translation>Сравнение: %1 и %2</translation>
    </message>
    <message>
        <source>Essai</source>
        <translation>Испытание</translation>
    </message>
    <message>
        <source>%1, transformateur %2</source>
        <translation>%1, трансформатор %2</translation>
    </message>
    <message>
        <source>—— trait plein : %1      - - - pointilles : %2</source>
        <translation>—— сплошная: %1      - - - пунктир: %2</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 et la configuration par defaut est utilisee.</source>
        <translation>Не удаётся прочитать файл конфигурации %1. Он сохранён под именем %2, используется конфигурация по умолчанию.</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 n&apos;a pas pu etre ecrit : la langue choisie et les listes apprises ne seront pas gardees.</source>
        <translation>Не удалось записать файл конфигурации %1: выбранный язык и пополненные списки не сохранятся.</translation>
    </message>
</context>
<context>
    <name>CurvePlot</name>
    <message>
        <source>HT.A</source>
        <translation>ВН.А</translation>
    </message>
    <message>
        <source>HT.B</source>
        <translation>ВН.В</translation>
    </message>
    <message>
        <source>HT.C</source>
        <translation>ВН.С</translation>
    </message>
    <message>
        <source>bt.a</source>
        <translation>нн.а</translation>
    </message>
    <message>
        <source>bt.b</source>
        <translation>нн.в</translation>
    </message>
    <message>
        <source>bt.c</source>
        <translation>нн.с</translation>
    </message>
    <message>
        <source>Echantillon</source>
        <translation>Отсчёт</translation>
    </message>
    <message>
        <source>Valeur (unite de l&apos;appareil)</source>
        <translation>Значение (единицы прибора)</translation>
    </message>
    <message>
        <source>%1 — point %2 : %3</source>
        <translation>%1 — отсчёт %2: %3</translation>
    </message>
</context>
<context>
    <name>DialogTelech</name>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Commande</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Envoi</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
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
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Mise a jour de l&apos;appareil en cours...</source>
        <translation>Идёт обновление прибора...</translation>
    </message>
    <message>
        <source>Mise a jour reussie.</source>
        <translation>Обновление успешно выполнено.</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>Файл ATmega - Внимание</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Страница %1 / %2</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Veuillez remplir les champs avant d&apos;enregistrer.</source>
        <translation>Заполните поля перед сохранением.</translation>
    </message>
    <message>
        <source>Champs vides : %1</source>
        <translation>Пустые поля: %1</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Сохранить %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : il n&apos;a pas ete ouvert.</source>
        <translation>Файл %1 не является документом измерения: он не был открыт.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>L&apos;enregistrement affiche est incomplet : il ne peut pas etre enregistre. Voulez-vous l&apos;abandonner ?</source>
        <translation>Показанная запись неполная: её нельзя сохранить. Отказаться от неё?</translation>
    </message>
    <message>
        <source>Les donnees n&apos;ont pas ete enregistrees. Voulez-vous les enregistrer ?</source>
        <translation>Данные не сохранены. Сохранить их?</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu etre faite.</source>
        <translation>Не удалось напечатать протокол.</translation>
    </message>
    <message>
        <source>Exporter PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Rapport PDF (*.pdf)</source>
        <translation>Протокол PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>Таблица CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporter image</source>
        <translation>Экспорт изображения</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Image SVG (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Ouvrir</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>ATmega File - Attention</source>
        <translation>Файл ATmega - Внимание</translation>
    </message>
    <message>
        <source>Mettre a jour le firmware de l&apos;appareil avec ce fichier ?

%1
%2 octets, modifie le %3</source>
        <translation>Обновить прошивку прибора этим файлом?

%1
%2 байт, изменён %3</translation>
    </message>
    <message>
        <source>Mise a jour firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Le fichier %1 est trop grand (%2 octets) : l&apos;appareil en recoit au plus %3.</source>
        <translation>Файл %1 слишком велик (%2 байт): прибор принимает не более %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 est vide.</source>
        <translation>Файл %1 пуст.</translation>
    </message>
    <message>
        <source>Impossible de lire %1:
%2.
Le fichier n&apos;existe pas ou est deja utilise par un programme</source>
        <translation>Не удаётся прочитать %1:
%2.
Файл не существует или уже используется другой программой</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;est pas passe en mode mise a jour : pas de reponse a %1.
Rien d&apos;autre ne lui a ete envoye.</source>
        <translation>Прибор не перешёл в режим обновления (загрузчик): нет ответа на %1.
Больше ничего в прибор не отправлялось.</translation>
    </message>
    <message>
        <source>La page %1 n&apos;a pas pu etre ecrite : l&apos;etape %2 est restee sans reponse apres %3 essais.
L&apos;appareil reste en mode mise a jour : relancez la mise a jour.</source>
        <translation>Не удалось записать страницу %1: шаг %2 остался без ответа после %3 попыток.
Прибор остаётся в режиме обновления: запустите обновление заново.</translation>
    </message>
    <message>
        <source>Toutes les pages ont ete ecrites, mais l&apos;appareil n&apos;a pas confirme son redemarrage.</source>
        <translation>Все страницы записаны, но прибор не подтвердил перезапуск.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue pendant la mise a jour.
Reconnectez l&apos;appareil puis relancez la mise a jour.</source>
        <translation>Связь с прибором потеряна во время обновления.
Подключите прибор заново и перезапустите обновление.</translation>
    </message>
</context>
<context>
    <name>InstrumentLink</name>
    <message>
        <source>pas de reponse</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout : sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.</source>
        <translation>доступ запрещён или порт занят (%1). В Linux учётная запись должна входить в группу dialout: sudo usermod -a -G dialout $USER, затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>le port n&apos;existe plus (%1)</source>
        <translation>порт больше не существует (%1)</translation>
    </message>
    <message>
        <source>port deja ouvert (%1)</source>
        <translation>порт уже открыт (%1)</translation>
    </message>
    <message>
        <source>ouverture impossible (%1)</source>
        <translation>не удаётся открыть (%1)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Aide introuvable.</source>
        <translation>Файл справки не найден.</translation>
    </message>
    <message>
        <source>Aucun programme de cet ordinateur n&apos;ouvre les fichiers PDF. Le guide se trouve ici :
%1</source>
        <translation>На этом компьютере нет программы для открытия PDF-файлов. Руководство находится здесь:
%1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Recherche de l&apos;appareil…</source>
        <translation>Поиск прибора…</translation>
    </message>
    <message>
        <source>Connecte (%1)</source>
        <translation>Подключено (%1)</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas</source>
        <translation>Прибор не отвечает</translation>
    </message>
    <message>
        <source>Deconnecte</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Liaison perdue (%1)</source>
        <translation>Связь потеряна (%1)</translation>
    </message>
    <message>
        <source>Aucun adaptateur serie USB n&apos;est branche.</source>
        <translation>Адаптер последовательного порта USB не подключён.</translation>
    </message>
    <message>
        <source>Un adaptateur branche sera essaye des son arrivee.</source>
        <translation>Подключённый адаптер будет проверен сразу.</translation>
    </message>
    <message>
        <source>Aucun QUARVEN 2 n&apos;a repondu. Ports essayes :</source>
        <translation>Ни один QUARVEN 2 не ответил. Проверенные порты:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nouvel essai toutes les %1 s.</source>
        <translation>Повторная попытка каждые %1 с.</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Подключение</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Releve d&apos;information</source>
        <translation>Сведения об измерении</translation>
    </message>
    <message>
        <source>Nom du releveur :</source>
        <translation>Проверку выполнил:</translation>
    </message>
    <message>
        <source>Nom du poste :</source>
        <translation>Наименование ТП:</translation>
    </message>
    <message>
        <source>N du transformateur :</source>
        <translation>№ трансформатора:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Code GDO :</source>
        <translation>Код GDO:</translation>
    </message>
    <message>
        <source>Fabricant :</source>
        <translation>Изготовитель:</translation>
    </message>
    <message>
        <source>Puissance :</source>
        <translation>Мощность:</translation>
    </message>
    <message>
        <source>Tension HT :</source>
        <translation>Напряжение ВН:</translation>
    </message>
    <message>
        <source>Tension bt :</source>
        <translation>Напряжение НН:</translation>
    </message>
    <message>
        <source>Presence fusibles :</source>
        <translation>Наличие предохранителей:</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Результаты испытаний</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.A (prim.) Circuit ouvert</source>
        <translation>Нейтраль (втор.) / ВН.А (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.B (prim.) Circuit ouvert</source>
        <translation>Нейтраль (втор.) / ВН.В (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Neutre (sec.) / HT.C (prim.) Circuit ouvert</source>
        <translation>Нейтраль (втор.) / ВН.С (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.A (prim.) Circuit ouvert</source>
        <translation>Земля (корпус) / ВН.А (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.B (prim.) Circuit ouvert</source>
        <translation>Земля (корпус) / ВН.В (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / HT.C (prim.) Circuit ouvert</source>
        <translation>Земля (корпус) / ВН.С (перв.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.A (sec.) Continuite</source>
        <translation>Нейтраль (втор.) / НН.А (втор.) Наличие цепи</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.B (sec.) Continuite</source>
        <translation>Нейтраль (втор.) / НН.В (втор.) Наличие цепи</translation>
    </message>
    <message>
        <source>Neutre (sec.) / BT.C (sec.) Continuite</source>
        <translation>Нейтраль (втор.) / НН.С (втор.) Наличие цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.A (sec.) Circuit ouvert</source>
        <translation>Земля (корпус) / НН.А (втор.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.B (sec.) Circuit ouvert</source>
        <translation>Земля (корпус) / НН.В (втор.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / BT.C (sec.) Circuit ouvert</source>
        <translation>Земля (корпус) / НН.С (втор.) Обрыв цепи</translation>
    </message>
    <message>
        <source>Terre (chassis) / Neutre (sec.) Circuit ouvert</source>
        <translation>Земля (корпус) / Нейтраль (втор.) Обрыв цепи</translation>
    </message>
    <message>
        <source>HT.A (prim.) Coherence courbe</source>
        <translation>ВН.А (перв.) Согласованность кривой</translation>
    </message>
    <message>
        <source>HT.B (prim.) Coherence courbe</source>
        <translation>ВН.В (перв.) Согласованность кривой</translation>
    </message>
    <message>
        <source>HT.C (prim.) Coherence courbe</source>
        <translation>ВН.С (перв.) Согласованность кривой</translation>
    </message>
    <message>
        <source>BT.A (sec.) Coherence courbe</source>
        <translation>НН.А (втор.) Согласованность кривой</translation>
    </message>
    <message>
        <source>BT.B (sec.) Coherence courbe</source>
        <translation>НН.В (втор.) Согласованность кривой</translation>
    </message>
    <message>
        <source>BT.C (sec.) Coherence courbe</source>
        <translation>НН.С (втор.) Согласованность кривой</translation>
    </message>
    <message>
        <source>Courbes HT</source>
        <translation>Кривые ВН</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Gamme Mesure :</source>
        <translation>Диапазон измерений:</translation>
    </message>
    <message>
        <source>RATIO:</source>
        <translation>КОЭФ. ТР.:</translation>
    </message>
    <message>
        <source>HT.A / BT.A :</source>
        <translation>ВН.А / НН.А:</translation>
    </message>
    <message>
        <source>HT.B / BT.B :</source>
        <translation>ВН.В / НН.В:</translation>
    </message>
    <message>
        <source>HT.C / BT.C :</source>
        <translation>ВН.С / НН.С:</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Enregistrement incomplet : la liaison a ete interrompue avant la fin.</source>
        <translation>Неполная запись: связь прервалась до конца передачи.</translation>
    </message>
    <message>
        <source>Enregistrement incomplet</source>
        <translation>Неполная запись</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Documents recents</source>
        <translation>&amp;Недавние документы</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Telecharger</source>
        <translation>&amp;Считать с прибора</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>О&amp;тладка</translation>
    </message>
    <message>
        <source>ouvrir &amp;fichier debug</source>
        <translation>Открыть &amp;файл отладки</translation>
    </message>
    <message>
        <source>Info &amp;UC</source>
        <translation>С&amp;ведения о приборе</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Se connecter</source>
        <translation>&amp;Подключить</translation>
    </message>
    <message>
        <source>&amp;Temps de Coupure du QVX2</source>
        <translation>&amp;Время отключения QVX2</translation>
    </message>
    <message>
        <source>&amp;Choix de la gamme au demarrage</source>
        <translation>&amp;Диапазон при включении</translation>
    </message>
    <message>
        <source>Choix &amp;du type de batterie</source>
        <translation>&amp;Тип батареи</translation>
    </message>
    <message>
        <source>&amp;Patch VOLTANE</source>
        <translation>Патч &amp;VOLTANE</translation>
    </message>
    <message>
        <source>P&amp;atch DIREVE</source>
        <translation>Патч &amp;DIREVE</translation>
    </message>
    <message>
        <source>&amp;Mise a jour firmware</source>
        <translation>&amp;Обновление прошивки</translation>
    </message>
    <message>
        <source>&amp;русский</source>
        <translation>&amp;русский</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Документация</translation>
    </message>
    <message>
        <source>&amp;A propos de ORVA-SA</source>
        <translation>&amp;О компании ORVA-SA</translation>
    </message>
    <message>
        <source>Exporter &amp;PDF…</source>
        <translation>&amp;Экспорт в PDF…</translation>
    </message>
    <message>
        <source>Exporter &amp;CSV…</source>
        <translation>Экспорт в &amp;CSV…</translation>
    </message>
    <message>
        <source>E&amp;xporter image…</source>
        <translation>Экспорт &amp;изображения…</translation>
    </message>
    <message>
        <source>dans la tolerance</source>
        <translation>в пределах допуска</translation>
    </message>
    <message>
        <source>hors tolerance</source>
        <translation>вне допуска</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>НОРМА</translation>
    </message>
    <message>
        <source>DEFAUT</source>
        <translation>НЕ НОРМА</translation>
    </message>
    <message>
        <source>sans verdict</source>
        <translation>нет результата</translation>
    </message>
    <message>
        <source>Rapport nominal</source>
        <translation>Номинальный коэффициент</translation>
    </message>
    <message>
        <source>Tolerance (%)</source>
        <translation>Допуск (%)</translation>
    </message>
    <message>
        <source>Te&amp;lecharger tout</source>
        <translation>Считать все &amp;записи</translation>
    </message>
    <message>
        <source>&amp;Archives</source>
        <translation>&amp;Архив</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Диапазон %1 не включает напряжение ВН %2: отклонения не оцениваются.</translation>
    </message>
    <message>
        <source>Rapport nominal %1 (%2 / %3), tolerance %4</source>
        <translation>Номинальный коэффициент %1 (%2 / %3), допуск %4</translation>
    </message>
    <message>
        <source>Archive d&apos;&amp;equipe...</source>
        <translation>&amp;Архив бригады...</translation>
    </message>
</context>
<context>
    <name>ParameterOperations</name>
    <message>
        <source>L&apos;appareil a pris la valeur %1 au lieu de %2.</source>
        <translation>Прибор принял значение %1 вместо %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu : rien n&apos;a ete envoye a l&apos;appareil.</source>
        <translation>Не удалось прочитать файл %1: в прибор ничего не отправлено.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;application car elle est deja lancee.</source>
        <translation>Невозможно запустить приложение: оно уже запущено.</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Pile seche 9V :</source>
        <translation>Батарейка 9 В:</translation>
    </message>
    <message>
        <source>Pile rechargeable :</source>
        <translation>Аккумулятор:</translation>
    </message>
</context>
<context>
    <name>RecentDocuments</name>
    <message>
        <source>Documents recents</source>
        <translation>Недавние документы</translation>
    </message>
    <message>
        <source>Le document %1 n&apos;existe plus. Il est retire de la liste.</source>
        <translation>Документ %1 больше не существует. Он удалён из списка.</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>L&apos;appareil ne reponds pas. Verifier la liaison.</source>
        <translation>Прибор не отвечает. Проверьте соединение.</translation>
    </message>
    <message>
        <source>Effacement des enregistrements</source>
        <translation>Удаление записей</translation>
    </message>
    <message>
        <source>Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?</source>
        <translation>Удалить все записи из памяти QUARVEN2?</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas confirme l&apos;effacement.</source>
        <translation>Прибор не подтвердил удаление.</translation>
    </message>
    <message>
        <source>Telechargement des enregistrements…</source>
        <translation>Считывание записей…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Telecharger tout</source>
        <translation>Считать все записи</translation>
    </message>
    <message>
        <source>Enregistrement %1 / %2</source>
        <translation>Запись %1 / %2</translation>
    </message>
    <message>
        <source>Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.</source>
        <translation>Сохранено: %1. Уже были, не заменены: %2. Ошибок: %3.</translation>
    </message>
    <message>
        <source>Interrompu : les enregistrements suivants n&apos;ont pas ete demandes.</source>
        <translation>Прервано: следующие записи не запрашивались.</translation>
    </message>
    <message>
        <source>Info UC</source>
        <translation>Сведения о приборе</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, прошивка %2</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>RecordOperations</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre lu (%2).</source>
        <translation>Не удалось прочитать файл %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ReportRenderer</name>
    <message>
        <source>Rapport d&apos;essai QUARVEN 2</source>
        <translation>Протокол испытаний QUARVEN 2</translation>
    </message>
    <message>
        <source>non connu</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Appareil : %1     Logiciel : %2 (version %3)</source>
        <translation>Прибор: %1     Программа: %2 (версия %3)</translation>
    </message>
    <message>
        <source>Resultats des tests</source>
        <translation>Результаты испытаний</translation>
    </message>
    <message>
        <source>La gamme %1 ne contient pas la tension HT %2 : les ecarts ne sont pas evalues.</source>
        <translation>Диапазон %1 не включает напряжение ВН %2: отклонения не оцениваются.</translation>
    </message>
    <message>
        <source>Rapport mesure</source>
        <translation>Измеренный коэффициент</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Допуск %1</translation>
    </message>
    <message>
        <source>non disponible</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>Exporte le %1</source>
        <translation>Экспортировано %1</translation>
    </message>
    <message>
        <source>Signature :</source>
        <translation>Подпись:</translation>
    </message>
    <message>
        <source>page 1 / 1</source>
        <translation>страница 1 / 1</translation>
    </message>
    <message>
        <source>mesure non enregistree</source>
        <translation>измерение не сохранено</translation>
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
        <translation>Другая команда уже ожидает ответа прибора.</translation>
    </message>
    <message>
        <source>Aucun appareil n&apos;est connecte.</source>
        <translation>Прибор не подключён.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a pas donne la reponse attendue a temps.</source>
        <translation>Прибор не дал ожидаемого ответа вовремя.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne repond pas. Verifier la liaison.</source>
        <translation>Прибор не отвечает. Проверьте соединение.</translation>
    </message>
    <message>
        <source>La liaison avec l&apos;appareil a ete perdue.</source>
        <translation>Связь с прибором потеряна.</translation>
    </message>
    <message>
        <source>L&apos;appareil a repondu autre chose que ce qui etait demande.</source>
        <translation>Прибор ответил не то, что было запрошено.</translation>
    </message>
    <message>
        <source>Le fichier a ete refuse.</source>
        <translation>Файл отклонён.</translation>
    </message>
    <message>
        <source>L&apos;enregistrement n&apos;est pas arrive en entier.</source>
        <translation>Запись получена не полностью.</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas ce qui a ete demande.</source>
        <translation>Прибору неизвестно то, что было запрошено.</translation>
    </message>
    <message>
        <source>Annule.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Le serveur de l&apos;equipe ne repond pas.</source>
        <translation>Сервер бригады не отвечает.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>interrogation impossible</source>
        <translation>Не удалось выполнить запрос</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>%1 : la valeur n&apos;a pas ete enregistree dans l&apos;appareil.</source>
        <translation>%1: значение не сохранено в приборе.</translation>
    </message>
    <message>
        <source>P_AL_FALIM_TEMPS</source>
        <translation>P_AL_FALIM_TEMPS</translation>
    </message>
    <message>
        <source>Temps de coupure (en s)</source>
        <translation>Время отключения (с)</translation>
    </message>
    <message>
        <source>P_DEMAR_GAMME</source>
        <translation>P_DEMAR_GAMME</translation>
    </message>
    <message>
        <source>Choix de la gamme au demarrage :</source>
        <translation>Диапазон при включении:</translation>
    </message>
    <message>
        <source>P_AL_FALIM_SEUIL</source>
        <translation>P_AL_FALIM_SEUIL</translation>
    </message>
    <message>
        <source>Choix du type de batterie</source>
        <translation>Тип батареи</translation>
    </message>
    <message>
        <source>L&apos;appareil ne connait pas le parametre %1 : le seuil de pile n&apos;a pas ete modifie.</source>
        <translation>Прибор не знает параметр %1: порог батареи не изменён.</translation>
    </message>
    <message>
        <source>seuil de pile :</source>
        <translation>Порог батареи:</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Патч</translation>
    </message>
    <message>
        <source>Ouvrir_fichier_patch</source>
        <translation>Открытие файла патча</translation>
    </message>
    <message>
        <source>%1 = %2 : %3</source>
        <translation>%1 = %2: %3</translation>
    </message>
    <message>
        <source>Le fichier %1 ne nomme aucun parametre de l&apos;appareil : rien n&apos;a ete ecrit.</source>
        <translation>Файл %1 не содержит ни одного параметра прибора: ничего не записано.</translation>
    </message>
    <message>
        <source>L&apos;appareil n&apos;a confirme aucune ecriture du fichier %1 : rien n&apos;a ete ecrit.</source>
        <translation>Прибор не подтвердил ни одной записи из файла %1: ничего не записано.</translation>
    </message>
    <message>
        <source>Ces lignes du fichier %1 n&apos;ont pas ete ecrites :</source>
        <translation>Эти строки файла %1 не записаны:</translation>
    </message>
</context>
<context>
    <name>TeamCommands</name>
    <message>
        <source>Le mot de passe n&apos;a pas pu etre garde dans le trousseau (%1) : il ne sert que pour cette session.</source>
        <translation>Не удалось сохранить пароль в связке ключей (%1): он действует только в этом сеансе.</translation>
    </message>
    <message>
        <source>Mot de passe du serveur d&apos;equipe</source>
        <translation>Пароль сервера бригады</translation>
    </message>
    <message>
        <source>%1

Serveur : %2</source>
        <translation>%1

Сервер: %2</translation>
    </message>
    <message>
        <source>Garder le mot de passe dans le trousseau du bureau</source>
        <translation>Сохранить пароль в связке ключей рабочего стола</translation>
    </message>
    <message>
        <source>Mot de passe :</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Бригада</translation>
    </message>
    <message>
        <source>Archive d&apos;equipe</source>
        <translation>Архив бригады</translation>
    </message>
    <message>
        <source>Le serveur PostgreSQL de l&apos;equipe : une chaine de connexion libpq (host=... dbname=... user=...) ou service=NOM. Vide : pas d&apos;archive d&apos;equipe. Le mot de passe n&apos;est jamais ecrit dans les fichiers du programme.</source>
        <translation>Сервер PostgreSQL бригады: строка подключения libpq (host=... dbname=... user=...) или service=NAME. Пусто: архива бригады нет. Пароль никогда не записывается в файлы программы.</translation>
    </message>
    <message>
        <source>Tester la connexion</source>
        <translation>Проверить подключение</translation>
    </message>
    <message>
        <source>Serveur :</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Derniere erreur :</source>
        <translation>Последняя ошибка:</translation>
    </message>
    <message>
        <source>Connexion reussie : role %1, schema version %2%3</source>
        <translation>Подключение выполнено: роль %1, версия схемы %2%3</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>Le schema du serveur (version %1) est plus recent que ce programme (version %2) : il n&apos;est pas modifie.</source>
        <translation>Схема сервера (версия %1) новее этой программы (версия %2): она не изменяется.</translation>
    </message>
</context>
<context>
    <name>TeamServer</name>
    <message>
        <source>connexion coupee</source>
        <translation>соединение прервано</translation>
    </message>
    <message>
        <source>le serveur demande un mot de passe</source>
        <translation>сервер запрашивает пароль</translation>
    </message>
    <message>
        <source>mot de passe refuse</source>
        <translation>пароль отклонён</translation>
    </message>
    <message>
        <source>le certificat du serveur n&apos;est pas verifie : %1</source>
        <translation>сертификат сервера не прошёл проверку: %1</translation>
    </message>
    <message>
        <source>le serveur refuse : %1</source>
        <translation>сервер отказывает: %1</translation>
    </message>
    <message>
        <source>serveur injoignable : %1</source>
        <translation>сервер недоступен: %1</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas d&apos;archive d&apos;equipe : l&apos;administrateur lance &quot;quarvex2-cli team setup&quot;</source>
        <translation>на сервере нет архива бригады: администратору нужно запустить «quarvex2-cli team setup»</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas ce document</source>
        <translation>на сервере нет этого документа</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>La copie locale de l&apos;archive d&apos;equipe n&apos;a pas pu etre ecrite.</source>
        <translation>Не удалось записать локальную копию архива бригады.</translation>
    </message>
    <message>
        <source>schema du serveur plus recent (version %1) : lecture seule</source>
        <translation>схема сервера новее (версия %1): только чтение</translation>
    </message>
    <message>
        <source>Le document recu ne correspond pas a sa revision.</source>
        <translation>Полученный документ не соответствует своей редакции.</translation>
    </message>
    <message>
        <source>Le document envoye par %1 ne se lit pas comme un document de mesure.</source>
        <translation>Документ, отправленный пользователем %1, не читается как документ измерения.</translation>
    </message>
    <message>
        <source>%1 (%2 versions)</source>
        <translation>%1 (версий: %2)</translation>
    </message>
    <message>
        <source>Equipe : hors ligne (%1)</source>
        <translation>Бригада: нет связи (%1)</translation>
    </message>
    <message>
        <source>Equipe : %1</source>
        <translation>Бригада: %1</translation>
    </message>
    <message numerus="yes">
        <source>Equipe : %n documents a envoyer</source>
        <translation>
            <numerusform>Бригада: %n документ к отправке</numerusform>
            <numerusform>Бригада: %n документа к отправке</numerusform>
            <numerusform>Бригада: %n документов к отправке</numerusform>
        </translation>
    </message>
    <message>
        <source>Equipe : a jour (%1)</source>
        <translation>Бригада: актуально (%1)</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (только чтение)</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Tendance : %1, transformateur %2</source>
        <translation>Тенденция: %1, трансформатор %2</translation>
    </message>
    <message>
        <source>HT.A / bt.a</source>
        <translation>ВН.А / нн.а</translation>
    </message>
    <message>
        <source>HT.B / bt.b</source>
        <translation>ВН.В / нн.в</translation>
    </message>
    <message>
        <source>HT.C / bt.c</source>
        <translation>ВН.С / нн.с</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Rapport nominal %1</source>
        <translation>Номинальный коэффициент %1</translation>
    </message>
    <message>
        <source>Tolerance %1</source>
        <translation>Допуск %1</translation>
    </message>
</context>
<context>
    <name>XmlMesure</name>
    <message>
        <source>son element racine est %1 et non OrvaQuardane</source>
        <translation>его корневой элемент %1, а не OrvaQuardane</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu etre ecrit (%2).</source>
        <translation>Не удалось записать файл %1 (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un document de mesure : %2.</source>
        <translation>Файл %1 не является документом измерения: %2.</translation>
    </message>
</context>
<context>
    <name>aboutDialog</name>
    <message>
        <source>A propos de ORVA-SA</source>
        <translation>О компании ORVA-SA</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Version Binaire : <byte value="xd"/>
</source>
        <translation>Версии прошивки: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 200: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Версия 200: базовая версия VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: gestion des 10 enregistrements et multilangue. <byte value="xd"/>
</source>
        <translation>Версия 300: хранение 10 записей, несколько языков. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: commande pour passer la coupure de l&apos;alim du QVX2 de 2 a 10 minutes. <byte value="xd"/>
</source>
        <translation>Версия 301: команда установки времени отключения питания QVX2 от 2 до 10 минут. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: commande pour passer choix de la gamme au demarrage. <byte value="xd"/>
</source>
        <translation>Версия 302: команда выбора диапазона при включении. <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303 rend le bon resultat meme si pas d&apos;enregistrement suite a Test_clear <byte value="xd"/>
</source>
        <translation>Версия 303 выдаёт верный результат даже без записи после Test_clear <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 304 mode UK sauvegarde de la gamme en cours <byte value="xd"/>
</source>
        <translation>Версия 304 режим UK, сохранение текущего диапазона <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 305 rajout d&apos;une 4eme gamme 1-5KV <byte value="xd"/>
</source>
        <translation>Версия 305 добавлен 4-й диапазон 1-5 кВ <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 306 numerotation des courbes sauvees <byte value="xd"/>
</source>
        <translation>Версия 306 нумерация сохранённых кривых <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 400-403 calcul et mise en forme du ratio <byte value="xd"/>
</source>
        <translation>Версия 400-403 расчёт и оформление коэффициента трансформации <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version PC : <byte value="xd"/>
</source>
        <translation>Версии программы для ПК: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 300: version de base du VUDUVAZU2 <byte value="xd"/>
</source>
        <translation>Версия 300: базовая версия VUDUVAZU2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 301: version francaise <byte value="xd"/>
</source>
        <translation>Версия 301: французская версия <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 302: version internationale <byte value="xd"/>
</source>
        <translation>Версия 302: международная версия <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 303: maj version internationale<byte value="xd"/>
</source>
        <translation>Версия 303: обновление международной версии<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 401: affiche le ratio<byte value="xd"/>
</source>
        <translation>Версия 401: отображение коэффициента трансформации<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 500: ameliorations de l&apos;interface graphique<byte value="xd"/>
</source>
        <translation>Версия 500: улучшения графического интерфейса<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version 501: patch pour circuit ouvert<byte value="xd"/>
</source>
        <translation>Версия 501: патч для теста обрыва цепи<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>recup_cutoff</name>
    <message>
        <source>Dialog</source>
        <translation>Время отключения</translation>
    </message>
    <message>
        <source>Selectionner le temps avant extinction du QVX2</source>
        <translation>Выберите время до автоотключения QVX2</translation>
    </message>
    <message>
        <source>Temps de coupure en secondes</source>
        <translation>Время отключения</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 минуты</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 минуты</translation>
    </message>
    <message>
        <source> 4 minutes</source>
        <translation> 4 минуты</translation>
    </message>
    <message>
        <source> 8  minutes</source>
        <translation> 8  минут</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>recup_enreg</name>
    <message>
        <source>Recuperation des donnees</source>
        <translation>Считывание данных</translation>
    </message>
    <message>
        <source>Selectionner l&apos;enregistrement a telecharger</source>
        <translation>Выберите запись для считывания</translation>
    </message>
    <message>
        <source>Dernier
enregistrement</source>
        <translation>Последняя
запись</translation>
    </message>
    <message>
        <source>Enregistrement
n-1</source>
        <translation>Запись
n-1</translation>
    </message>
    <message>
        <source>Enregistrement
n-2</source>
        <translation>Запись
n-2</translation>
    </message>
    <message>
        <source>Enregistrement
n-3</source>
        <translation>Запись
n-3</translation>
    </message>
    <message>
        <source>Enregistrement
n-4</source>
        <translation>Запись
n-4</translation>
    </message>
    <message>
        <source>Enregistrement
n-5</source>
        <translation>Запись
n-5</translation>
    </message>
    <message>
        <source>Enregistrement
n-6</source>
        <translation>Запись
n-6</translation>
    </message>
    <message>
        <source>Enregistrement
n-7</source>
        <translation>Запись
n-7</translation>
    </message>
    <message>
        <source>Enregistrement
n-8</source>
        <translation>Запись
n-8</translation>
    </message>
    <message>
        <source>Enregistrement
n-9</source>
        <translation>Запись
n-9</translation>
    </message>
    <message>
        <source>EFFACEMENT DES ENREGISTREMENTS DANS QUARVEN2</source>
        <translation>УДАЛИТЬ ВСЕ ЗАПИСИ В QUARVEN2</translation>
    </message>
</context>
<context>
    <name>recup_gamme</name>
    <message>
        <source>Dialog</source>
        <translation>Диапазон при включении</translation>
    </message>
    <message>
        <source>Selectionner le choix de la gamme au demarrage du QVX2</source>
        <translation>Выберите диапазон, с которым включается QVX2</translation>
    </message>
    <message>
        <source>Gamme 20-33 kV</source>
        <translation>Диапазон 20-33 кВ</translation>
    </message>
    <message>
        <source>Gamme 10-19 kV</source>
        <translation>Диапазон 10-19 кВ</translation>
    </message>
    <message>
        <source> Gamme-5-9 kV</source>
        <translation> Диапазон 5-9 кВ</translation>
    </message>
    <message>
        <source>  Derniere Gamme utilisee</source>
        <translation>  Последний использованный диапазон</translation>
    </message>
    <message>
        <source>Envoyer</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>recup_info</name>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Sauve fichier</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1_%2</source>
        <translation>%1_%2</translation>
    </message>
    <message>
        <source>Enregistrer le fichier </source>
        <translation>Сохранить файл </translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>Ferme la fenetre Debug ; le programme continue.</source>
        <translation>Закрывает окно «Отладка»; программа продолжает работу.</translation>
    </message>
</context>
<context>
    <name>recup_pile</name>
    <message>
        <source>Dialog</source>
        <translation>Тип батареи</translation>
    </message>
    <message>
        <source>Choix du type de pile de l&apos;appareil</source>
        <translation>Выберите тип батареи прибора</translation>
    </message>
</context>
<context>
    <name>xmlreader</name>
    <message>
        <source>sa structure est refusee (%1)</source>
        <translation>его структура отклонена (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du XML valide (ligne %1, colonne %2 : %3)</source>
        <translation>это не корректный XML (строка %1, столбец %2: %3)</translation>
    </message>
    <message>
        <source>il depasse la taille admise (%1 Mo)</source>
        <translation>он больше допустимого размера (%1 МБ)</translation>
    </message>
    <message>
        <source>il ne peut pas etre lu (%1)</source>
        <translation>его нельзя прочитать (%1)</translation>
    </message>
</context>
</TS>
