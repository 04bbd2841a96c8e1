#include "i18n/Messages.h"

#include "i18n/Lingua.h"
#include "platform/PlatformTexts.h"

#include <QFileInfo>

namespace {
constexpr int kLanguages = 7;

// In the order of MessageLanguage: Italiano, English, Français, Deutsch, Russian, Bulgarian,
// Brazilian Portuguese.
struct Texts {
    Msg id;
    const char* text[kLanguages];
};

// clang-format off
const Texts kTexts[] = {
    {Msg::Cancel, {"Annulla", "Cancel", "Annuler", "Abbrechen", "Отмена", "Отказ", "Cancelar"}},
    {Msg::General, {"Generale", "General", "Général", "Allgemein", "Общие", "Общи", "Geral"}},
    {Msg::ScriptNotOpened, {
        "Impossibile aprire il copione %1: %2",
        "The script %1 could not be opened: %2",
        "Impossible d'ouvrir le script %1 : %2",
        "Das Skript %1 konnte nicht geöffnet werden: %2",
        "Не удалось открыть сценарий %1: %2",
        "Сценарият %1 не може да бъде отворен: %2",
        "Não foi possível abrir o roteiro %1: %2"}},
    {Msg::FileNotOpened, {
        "Impossibile aprire il file\n%1\n\n%2",
        "The file could not be opened:\n%1\n\n%2",
        "Impossible d'ouvrir le fichier :\n%1\n\n%2",
        "Die Datei konnte nicht geöffnet werden:\n%1\n\n%2",
        "Не удалось открыть файл:\n%1\n\n%2",
        "Файлът не може да бъде отворен:\n%1\n\n%2",
        "Não foi possível abrir o arquivo:\n%1\n\n%2"}},
    {Msg::FileNotSaved, {
        "Impossibile salvare il file\n%1\n\n%2",
        "The file could not be saved:\n%1\n\n%2",
        "Impossible d'enregistrer le fichier :\n%1\n\n%2",
        "Die Datei konnte nicht gespeichert werden:\n%1\n\n%2",
        "Не удалось сохранить файл:\n%1\n\n%2",
        "Файлът не може да бъде запазен:\n%1\n\n%2",
        "Não foi possível salvar o arquivo:\n%1\n\n%2"}},
    {Msg::IsFolder, {
        "%1 è una cartella, non un file.",
        "%1 is a folder, not a file.",
        "%1 est un dossier, pas un fichier.",
        "%1 ist ein Ordner, keine Datei.",
        "%1 — это папка, а не файл.",
        "%1 е папка, а не файл.",
        "%1 é uma pasta, não um arquivo."}},
    {Msg::NotFound, {
        "Il file non esiste.",
        "The file does not exist.",
        "Le fichier n'existe pas.",
        "Die Datei existiert nicht.",
        "Файл не существует.",
        "Файлът не съществува.",
        "O arquivo não existe."}},
    {Msg::NoReadPermission, {
        "Non si hanno i permessi per leggerlo.",
        "You have no permission to read it.",
        "Vous n'avez pas le droit de le lire.",
        "Sie haben keine Berechtigung, sie zu lesen.",
        "Нет прав на чтение.",
        "Нямате права за четене.",
        "Você não tem permissão para lê-lo."}},
    {Msg::NoWritePermission, {
        "Non si hanno i permessi per scrivere in quel punto.",
        "You have no permission to write there.",
        "Vous n'avez pas le droit d'écrire à cet endroit.",
        "Sie haben keine Berechtigung, dort zu schreiben.",
        "Нет прав на запись в это место.",
        "Нямате права за запис на това място.",
        "Você não tem permissão para gravar nesse local."}},
    {Msg::NotReadable, {
        "Il file non può essere letto.",
        "The file cannot be read.",
        "Le fichier ne peut pas être lu.",
        "Die Datei kann nicht gelesen werden.",
        "Файл не удаётся прочитать.",
        "Файлът не може да бъде прочетен.",
        "O arquivo não pode ser lido."}},
    {Msg::NotWritable, {
        "Il file non può essere scritto (disco pieno o supporto rimosso?).",
        "The file cannot be written (disk full or medium removed?).",
        "Le fichier ne peut pas être écrit (disque plein ou support retiré ?).",
        "Die Datei kann nicht geschrieben werden (Datenträger voll oder entfernt?).",
        "Файл не удаётся записать (диск заполнен или носитель извлечён?).",
        "Файлът не може да бъде записан (дискът е пълен или носителят е изваден?).",
        "O arquivo não pode ser gravado (disco cheio ou mídia removida?)."}},
    {Msg::LanguageRefused, {
        "%1 non è nella cartella delle lingue del programma.\n\nCopiare il file in %2 e sceglierlo da lì. La lingua non è cambiata.",
        "%1 is not in the program's language folder.\n\nCopy the file into %2 and choose it there. The language has not changed.",
        "%1 n'est pas dans le dossier des langues du programme.\n\nCopiez le fichier dans %2 et choisissez-le là. La langue n'a pas changé.",
        "%1 liegt nicht im Sprachordner des Programms.\n\nKopieren Sie die Datei nach %2 und wählen Sie sie dort aus. Die Sprache wurde nicht geändert.",
        "%1 находится не в папке языков программы.\n\nСкопируйте файл в %2 и выберите его там. Язык не изменён.",
        "%1 не е в папката с езици на програмата.\n\nКопирайте файла в %2 и го изберете оттам. Езикът не е променен.",
        "%1 não está na pasta de idiomas do programa.\n\nCopie o arquivo para %2 e escolha-o lá. O idioma não foi alterado."}},
    {Msg::LanguageNotUsable, {
        "%1 non è un file di lingua utilizzabile: la riga %2 è vuota o manca. La lingua non è cambiata.",
        "%1 is not a usable language file: line %2 is empty or missing. The language has not changed.",
        "%1 n'est pas un fichier de langue utilisable : la ligne %2 est vide ou manquante. La langue n'a pas changé.",
        "%1 ist keine verwendbare Sprachdatei: Zeile %2 ist leer oder fehlt. Die Sprache wurde nicht geändert.",
        "%1 не является пригодным языковым файлом: строка %2 пуста или отсутствует. Язык не изменён.",
        "%1 не е използваем езиков файл: ред %2 е празен или липсва. Езикът не е променен.",
        "%1 não é um arquivo de idioma utilizável: a linha %2 está vazia ou falta. O idioma não foi alterado."}},
    {Msg::MediumCannotPlay, {
        "Il file non può essere riprodotto.",
        "The medium cannot be played.",
        "Le fichier ne peut pas être lu.",
        "Die Datei kann nicht abgespielt werden.",
        "Файл не удаётся воспроизвести.",
        "Файлът не може да бъде възпроизведен.",
        "A mídia não pode ser reproduzida."}},
    {Msg::BackgroundOpen, {
        "Apri l'audio di sottofondo", "Open background audio", "Ouvrir l'audio de fond",
        "Hintergrundaudio öffnen", "Открыть фоновый звук", "Отваряне на фоновия звук",
        "Abrir áudio de fundo"}},
    {Msg::BackgroundPlay, {
        "Riproduci / pausa", "Play / pause", "Lecture / pause", "Abspielen / Pause",
        "Пуск / пауза", "Старт / пауза", "Reproduzir / pausar"}},
    {Msg::BackgroundStop, {"Stop", "Stop", "Arrêt", "Stopp", "Стоп", "Стоп", "Parar"}},
    {Msg::BackgroundTitle, {
        "Audio di sottofondo", "Background audio", "Audio de fond", "Hintergrundaudio",
        "Фоновый звук", "Фонов звук", "Áudio de fundo"}},
    {Msg::AudioFiles, {
        "File audio", "Audio files", "Fichiers audio", "Audiodateien", "Аудиофайлы",
        "Аудиофайлове", "Arquivos de áudio"}},
    {Msg::AllFiles, {
        "Tutti i file", "All files", "Tous les fichiers", "Alle Dateien", "Все файлы",
        "Всички файлове", "Todos os arquivos"}},
    {Msg::MciDone, {
        "Il comando è stato eseguito.", "The command was carried out.", "La commande a été exécutée.",
        "Der Befehl wurde ausgeführt.", "Команда выполнена.", "Командата е изпълнена.",
        "O comando foi executado."}},
    {Msg::MciUnrecognized, {
        "Il dispositivo audio non conosce questo comando.",
        "The audio device does not know this command.",
        "Le périphérique audio ne connaît pas cette commande.",
        "Das Audiogerät kennt diesen Befehl nicht.",
        "Аудиоустройство не знает этой команды.",
        "Аудиоустройството не познава тази команда.",
        "O dispositivo de áudio não conhece este comando."}},
    {Msg::MciNotOpen, {
        "Nessun file audio è aperto con quel nome.",
        "No audio file is open under that name.",
        "Aucun fichier audio n'est ouvert sous ce nom.",
        "Unter diesem Namen ist keine Audiodatei geöffnet.",
        "Под этим именем не открыт ни один аудиофайл.",
        "Няма отворен аудиофайл с това име.",
        "Nenhum arquivo de áudio está aberto com esse nome."}},
    {Msg::MciMissingParameter, {
        "Al comando audio manca un valore.",
        "The audio command is missing a value.",
        "Il manque une valeur à la commande audio.",
        "Dem Audiobefehl fehlt ein Wert.",
        "В аудиокоманде не хватает значения.",
        "В аудиокомандата липсва стойност.",
        "Falta um valor no comando de áudio."}},
    {Msg::MciFileNotFound, {
        "Il file audio non si trova.",
        "The audio file cannot be found.",
        "Le fichier audio est introuvable.",
        "Die Audiodatei wurde nicht gefunden.",
        "Аудиофайл не найден.",
        "Аудиофайлът не е намерен.",
        "O arquivo de áudio não foi encontrado."}},
    {Msg::MciOutOfRange, {
        "Quella posizione è fuori dal file audio.",
        "That position is outside the audio file.",
        "Cette position est en dehors du fichier audio.",
        "Diese Position liegt außerhalb der Audiodatei.",
        "Эта позиция за пределами аудиофайла.",
        "Тази позиция е извън аудиофайла.",
        "Essa posição está fora do arquivo de áudio."}},
    {Msg::MciDuplicateAlias, {
        "Un file audio è già aperto con quel nome.",
        "An audio file is already open under that name.",
        "Un fichier audio est déjà ouvert sous ce nom.",
        "Unter diesem Namen ist bereits eine Audiodatei geöffnet.",
        "Под этим именем уже открыт аудиофайл.",
        "Вече има отворен аудиофайл с това име.",
        "Já há um arquivo de áudio aberto com esse nome."}},
    {Msg::MciCannotPlay, {
        "Nessun decodificatore ne legge il suono.",
        "No decoder takes its sound.",
        "Aucun décodeur ne lit son contenu sonore.",
        "Kein Decoder kann den Ton lesen.",
        "Ни один декодер не может прочитать звук.",
        "Нито един декодер не може да прочете звука.",
        "Nenhum decodificador lê o seu som."}},
    {Msg::MciDeviceFailed, {
        "Il dispositivo audio non ha risposto.",
        "The audio device did not respond.",
        "Le périphérique audio n'a pas répondu.",
        "Das Audiogerät hat nicht geantwortet.",
        "Аудиоустройство не ответило.",
        "Аудиоустройството не отговори.",
        "O dispositivo de áudio não respondeu."}},
    {Msg::MciSoundServerGone, {
        "Il server audio si è fermato: i lettori sono stati fermati.",
        "The sound server stopped: every player was stopped.",
        "Le serveur de son s'est arrêté : les lecteurs ont été arrêtés.",
        "Der Soundserver wurde beendet: Alle Player wurden angehalten.",
        "Звуковой сервер остановился: все плееры остановлены.",
        "Звуковият сървър спря: всички плейъри са спрени.",
        "O servidor de som parou: todos os players foram parados."}},
    {Msg::MciStreamBroken, {
        "il file si è interrotto durante la riproduzione: è danneggiato o è stato sostituito",
        "the file broke off while playing: it is damaged or was replaced",
        "le fichier s'est interrompu pendant la lecture : il est endommagé ou a été remplacé",
        "die Datei brach während der Wiedergabe ab: Sie ist beschädigt oder wurde ersetzt",
        "файл оборвался во время воспроизведения: он повреждён или был заменён",
        "файлът прекъсна по време на възпроизвеждане: повреден е или е бил заменен",
        "o arquivo parou durante a reprodução: está danificado ou foi substituído"}},
    {Msg::MciOther, {
        "Errore del dispositivo audio %1.", "Audio device error %1.",
        "Erreur du périphérique audio %1.", "Fehler %1 des Audiogeräts.",
        "Ошибка аудиоустройства %1.", "Грешка на аудиоустройството %1.",
        "Erro do dispositivo de áudio %1."}},
    {Msg::NoSoundSettings, {
        "Nessun programma per le impostazioni audio è installato (pavucontrol, GNOME, KDE o Xfce).",
        "No sound settings program is installed (pavucontrol, GNOME, KDE or Xfce settings).",
        "Aucun programme de réglage du son n'est installé (pavucontrol, GNOME, KDE ou Xfce).",
        "Kein Programm für die Klangeinstellungen ist installiert (pavucontrol, GNOME, KDE oder Xfce).",
        "Не установлена программа настройки звука (pavucontrol, GNOME, KDE или Xfce).",
        "Няма инсталирана програма за настройки на звука (pavucontrol, GNOME, KDE или Xfce).",
        "Nenhum programa de configurações de som está instalado (pavucontrol, GNOME, KDE ou Xfce)."}},
    {Msg::NoDisplaySettings, {
        "Nessun programma per le impostazioni dello schermo è installato (GNOME, KDE, Xfce o arandr).",
        "No display settings program is installed (GNOME, KDE or Xfce settings, arandr).",
        "Aucun programme de réglage de l'écran n'est installé (GNOME, KDE, Xfce ou arandr).",
        "Kein Programm für die Bildschirmeinstellungen ist installiert (GNOME, KDE, Xfce oder arandr).",
        "Не установлена программа настройки экрана (GNOME, KDE, Xfce или arandr).",
        "Няма инсталирана програма за настройки на екрана (GNOME, KDE, Xfce или arandr).",
        "Nenhum programa de configurações de tela está instalado (GNOME, KDE, Xfce ou arandr)."}},
    {Msg::NoWebSite, {
        "Questa copia di Scenolux non ha un sito web da aprire.",
        "This copy of Scenolux has no web site to open.",
        "Cette copie de Scenolux n'a pas de site web à ouvrir.",
        "Diese Scenolux-Kopie hat keine Webseite zum Öffnen.",
        "У этой копии Scenolux нет веб-сайта, который можно открыть.",
        "Това копие на Scenolux няма уебсайт за отваряне.",
        "Esta cópia do Scenolux não tem um site para abrir."}},
    {Msg::RecoveryOffer, {
        "L'ultima volta Scenolux non si è chiuso normalmente. Una copia di recupero contiene le modifiche non salvate di %1 (copia del %2).\n\nAprire la copia, conservarla per dopo o eliminarla?",
        "Scenolux did not close normally last time. A recovery copy holds the unsaved changes to %1 (copy made %2).\n\nOpen the copy, keep it for later, or discard it?",
        "Scenolux ne s'est pas fermé normalement la dernière fois. Une copie de récupération contient les modifications non enregistrées apportées à %1 (copie du %2).\n\nOuvrir la copie, la garder pour plus tard ou la supprimer ?",
        "Scenolux wurde beim letzten Mal nicht normal beendet. Eine Wiederherstellungskopie enthält die nicht gespeicherten Änderungen an %1 (Kopie vom %2).\n\nDie Kopie öffnen, für später aufheben oder verwerfen?",
        "В прошлый раз Scenolux завершился некорректно. Резервная копия содержит несохранённые изменения в %1 (копия от %2).\n\nОткрыть копию, оставить её на потом или удалить?",
        "Последния път Scenolux не беше затворен нормално. Възстановително копие съдържа незапазените промени в %1 (копие от %2).\n\nДа се отвори ли копието, да се запази ли за по-късно или да се изтрие?",
        "Da última vez o Scenolux não foi fechado normalmente. Uma cópia de recuperação contém as alterações não salvas de %1 (cópia de %2).\n\nAbrir a cópia, guardá-la para depois ou descartá-la?"}},
    {Msg::RecoveryUntitled, {
        "un nuovo copione senza nome", "a new, untitled script", "un nouveau script sans nom",
        "einem neuen, unbenannten Skript", "новом безымянном сценарии", "нов сценарий без име",
        "um novo roteiro sem nome"}},
    {Msg::RecoveryNewer, {
        "Attenzione: %1 è stato modificato dopo questa copia (file modificato il %2); la copia potrebbe essere più vecchia del file.",
        "Careful: %1 was changed after this copy was made (file changed %2); the copy may be older than the file.",
        "Attention : %1 a été modifié après cette copie (fichier modifié le %2) ; la copie est peut-être plus ancienne que le fichier.",
        "Achtung: %1 wurde nach dieser Kopie geändert (Datei geändert am %2); die Kopie ist möglicherweise älter als die Datei.",
        "Внимание: %1 изменён после создания этой копии (файл изменён %2); копия может быть старше файла.",
        "Внимание: %1 е променен след създаването на това копие (файлът е променен на %2); копието може да е по-старо от файла.",
        "Atenção: %1 foi alterado depois desta cópia (arquivo alterado em %2); a cópia pode ser mais antiga que o arquivo."}},
    {Msg::RecoveryReplaces, {
        "Aprire la copia sostituisce %1, appena aperto e invariato sul disco.",
        "Opening the copy takes the place of %1, which has just been opened and is unchanged on disk.",
        "Ouvrir la copie remplace %1, qui vient d'être ouvert et reste inchangé sur le disque.",
        "Das Öffnen der Kopie ersetzt %1, das gerade geöffnet wurde und auf dem Datenträger unverändert bleibt.",
        "Открытая копия заменит %1: он только что открыт и на диске не изменён.",
        "Отварянето на копието заменя %1, който току-що е отворен и е непроменен на диска.",
        "Abrir a cópia substitui %1, que acabou de ser aberto e está inalterado no disco."}},
    {Msg::RecoveryOpen, {
        "Apri la copia", "Open the copy", "Ouvrir la copie", "Kopie öffnen", "Открыть копию",
        "Отвори копието", "Abrir a cópia"}},
    {Msg::RecoveryKeep, {
        "Conserva per dopo", "Keep for later", "Garder pour plus tard", "Für später aufheben",
        "Оставить на потом", "Запази за по-късно", "Guardar para depois"}},
    {Msg::RecoveryDiscard, {
        "Elimina", "Discard", "Supprimer", "Verwerfen", "Удалить", "Изтрий", "Descartar"}},
    {Msg::RecoveryDamaged, {
        "La copia di recupero %1 non può essere usata: %2\n\nNon è stato eliminato nulla: il file è conservato come %3.",
        "The recovery copy %1 cannot be used: %2\n\nNothing has been deleted: the file is kept as %3.",
        "La copie de récupération %1 est inutilisable : %2\n\nRien n'a été supprimé : le fichier est conservé sous le nom %3.",
        "Die Wiederherstellungskopie %1 kann nicht verwendet werden: %2\n\nEs wurde nichts gelöscht: Die Datei bleibt als %3 erhalten.",
        "Резервную копию %1 невозможно использовать: %2\n\nНичего не удалено: файл сохранён как %3.",
        "Възстановителното копие %1 не може да бъде използвано: %2\n\nНищо не е изтрито: файлът е запазен като %3.",
        "A cópia de recuperação %1 não pode ser usada: %2\n\nNada foi excluído: o arquivo foi mantido como %3."}},
    {Msg::RecoveryIncomplete, {
        "È incompleta o danneggiata.", "It is incomplete or damaged.",
        "Elle est incomplète ou endommagée.", "Sie ist unvollständig oder beschädigt.",
        "Она неполная или повреждена.", "То е непълно или повредено.",
        "Ela está incompleta ou danificada."}},
    {Msg::ShowModeMenu, {
        "Modalità spettacolo", "Show mode", "Mode spectacle", "Vorstellungsmodus",
        "Режим спектакля", "Режим на представление", "Modo espetáculo"}},
    {Msg::ShowModeTitle, {
        "SPETTACOLO", "SHOW", "SPECTACLE", "VORSTELLUNG", "СПЕКТАКЛЬ", "ПРЕДСТАВЛЕНИЕ",
        "ESPETÁCULO"}},
    {Msg::ShowStandby, {
        "In attesa: %1", "Standby: %1", "En attente : %1", "Bereit: %1", "Наготове: %1",
        "В готовност: %1", "Em espera: %1"}},
    {Msg::ShowNoStandby, {
        "Nessun cue dopo il cursore", "No cue after the caret", "Aucun cue après le curseur",
        "Kein Cue nach der Schreibmarke", "После курсора нет реплик", "След курсора няма реплики",
        "Nenhuma deixa após o cursor"}},
    {Msg::ShowKeys, {
        "GO: Spazio · Indietro: Pag↑ · Panico: Esc",
        "GO: Space · Back: Page Up · Panic: Esc",
        "GO : Espace · Retour : Page↑ · Panique : Échap",
        "GO: Leertaste · Zurück: Bild↑ · Panik: Esc",
        "GO: Пробел · Назад: PgUp · Паника: Esc",
        "GO: Интервал · Назад: PgUp · Паника: Esc",
        "GO: Espaço · Voltar: PgUp · Pânico: Esc"}},
    {Msg::RemoteMenu, {
        "Controllo remoto (OSC)...", "Remote control (OSC)...", "Télécommande (OSC)...",
        "Fernsteuerung (OSC)...", "Дистанционное управление (OSC)...",
        "Дистанционно управление (OSC)...", "Controle remoto (OSC)..."}},
    {Msg::RemoteTitle, {
        "Controllo remoto via OSC", "Remote control over OSC", "Télécommande par OSC",
        "Fernsteuerung über OSC", "Дистанционное управление по OSC",
        "Дистанционно управление чрез OSC", "Controle remoto via OSC"}},
    {Msg::RemoteOn, {
        "Ricevi i messaggi OSC", "Receive OSC messages", "Recevoir les messages OSC",
        "OSC-Nachrichten empfangen", "Принимать сообщения OSC", "Приемане на OSC съобщения",
        "Receber mensagens OSC"}},
    {Msg::RemotePort, {
        "Porta UDP:", "UDP port:", "Port UDP :", "UDP-Port:", "Порт UDP:", "UDP порт:",
        "Porta UDP:"}},
    {Msg::RemoteLocal, {
        "Solo da questo computer", "Only from this machine", "Seulement depuis cet ordinateur",
        "Nur von diesem Rechner", "Только с этого компьютера", "Само от този компютър",
        "Somente deste computador"}},
    {Msg::RemoteAll, {
        "Da tutte le interfacce di rete", "From every network interface",
        "Depuis toutes les interfaces réseau", "Von allen Netzwerkschnittstellen",
        "Со всех сетевых интерфейсов", "От всички мрежови интерфейси",
        "De todas as interfaces de rede"}},
    {Msg::RemoteFailed, {
        "Il controllo remoto non può ascoltare sulla porta %1: %2",
        "The remote control cannot listen on port %1: %2",
        "La télécommande ne peut pas écouter le port %1 : %2",
        "Die Fernsteuerung kann nicht auf Port %1 hören: %2",
        "Дистанционное управление не может слушать порт %1: %2",
        "Дистанционното управление не може да слуша на порт %1: %2",
        "O controle remoto não pode escutar na porta %1: %2"}},
    {Msg::ShowCueFailed, {
        "NON ESEGUITO: [[%1]] non è né un file né un comando",
        "CANNOT RUN: [[%1]] is neither a file nor a command",
        "IMPOSSIBLE : [[%1]] n'est ni un fichier ni une commande",
        "NICHT AUSGEFÜHRT: [[%1]] ist weder eine Datei noch ein Befehl",
        "НЕ ВЫПОЛНЕНО: [[%1]] — не файл и не команда",
        "НЕ Е ИЗПЪЛНЕНО: [[%1]] не е нито файл, нито команда",
        "NÃO EXECUTADO: [[%1]] não é arquivo nem comando"}},
    {Msg::ExitStopShow, {
        "Fermare lo spettacolo e uscire?",
        "Stop the show and exit?",
        "Arrêter le spectacle et quitter ?",
        "Die Vorstellung beenden und das Programm schließen?",
        "Остановить спектакль и выйти?",
        "Да се спре ли представлението и да се излезе?",
        "Parar o espetáculo e sair?"}},
    {Msg::SettingsDamaged, {
        "Il file delle impostazioni %1 non poteva essere letto: è stato messo da parte come %2. Il programma parte con le impostazioni predefinite.",
        "The settings file %1 could not be read: it has been set aside as %2. The program starts with its default settings.",
        "Le fichier de paramètres %1 ne pouvait pas être lu : il a été mis de côté sous le nom %2. Le programme démarre avec les paramètres par défaut.",
        "Die Einstellungsdatei %1 konnte nicht gelesen werden und wurde als %2 beiseitegelegt. Das Programm startet mit den Standardeinstellungen.",
        "Не удалось прочитать файл настроек %1: он сохранён как %2. Программа запускается с настройками по умолчанию.",
        "Файлът с настройки %1 не можа да бъде прочетен и е запазен като %2. Програмата стартира с настройките по подразбиране.",
        "O arquivo de configurações %1 não pôde ser lido e foi guardado como %2. O programa inicia com as configurações padrão."}},
    {Msg::LanguageFallback, {
        "Il file della lingua %1 manca o è danneggiato: il programma usa %2. Scegliere un'altra lingua da Opzioni > Lingua.",
        "The language file %1 is missing or damaged: the program uses %2. Choose another language under Options > Language.",
        "Le fichier de langue %1 est absent ou endommagé : le programme utilise %2. Choisissez une autre langue dans Options > Langue.",
        "Die Sprachdatei %1 fehlt oder ist beschädigt: Das Programm verwendet %2. Wählen Sie unter Optionen > Sprache eine andere Sprache.",
        "Языковой файл %1 отсутствует или повреждён: программа использует %2. Выберите другой язык в меню Настройки > Язык.",
        "Езиковият файл %1 липсва или е повреден: програмата използва %2. Изберете друг език от Настройки > Език.",
        "O arquivo de idioma %1 está ausente ou danificado: o programa usa %2. Escolha outro idioma em Opções > Idioma."}},
    {Msg::LockFile, {
        "File di blocco: %1",
        "Lock file: %1",
        "Fichier de verrou : %1",
        "Sperrdatei: %1",
        "Файл блокировки: %1",
        "Заключващ файл: %1",
        "Arquivo de bloqueio: %1"}},
    {Msg::LockHeldBy, {
        "File di blocco: %1\nTenuto dal processo %2 (%3).",
        "Lock file: %1\nHeld by process %2 (%3).",
        "Fichier de verrou : %1\nDétenu par le processus %2 (%3).",
        "Sperrdatei: %1\nGehalten von Prozess %2 (%3).",
        "Файл блокировки: %1\nУдерживается процессом %2 (%3).",
        "Заключващ файл: %1\nДържан от процес %2 (%3).",
        "Arquivo de bloqueio: %1\nMantido pelo processo %2 (%3)."}},
};
// clang-format on

static_assert(std::size(kTexts) == size_t(Msg::Count), "one row per message");
} // namespace

MessageLanguage LanguageOfFile(const QString& fileName) {
    const QString name = QFileInfo(fileName).completeBaseName();
    struct Known {
        const char* name;
        MessageLanguage language;
    };
    static const Known kKnown[] = {
        {"Italiano", MessageLanguage::Italiano},  {"Français", MessageLanguage::Francais},
        {"French", MessageLanguage::Francais},    {"Deutsch", MessageLanguage::Deutsch},
        {"Russian", MessageLanguage::Russian},    {"Bulgarian", MessageLanguage::Bulgarian},
        {"Brazilian", MessageLanguage::Brazilian}};
    for (const Known& k : kKnown)
        if (name.compare(QString::fromUtf8(k.name), Qt::CaseInsensitive) == 0) return k.language;
    return MessageLanguage::English;
}

QString QtLanguageCode(MessageLanguage language) {
    static const char* const kCodes[kLanguages] = {"it", "en", "fr", "de", "ru", "bg", "pt_BR"};
    return QLatin1String(kCodes[int(language)]);
}

QString MessageText(Msg id) {
    const Texts& row = kTexts[int(id)];
    return QString::fromUtf8(row.text[int(LanguageOfFile(NomeLingua))]);
}

namespace {
Msg messageOf(PlatformText id) {
    switch (id) {
    case PlatformText::MediumCannotPlay:
        return Msg::MediumCannotPlay;
    case PlatformText::BackgroundOpen:
        return Msg::BackgroundOpen;
    case PlatformText::BackgroundPlay:
        return Msg::BackgroundPlay;
    case PlatformText::BackgroundStop:
        return Msg::BackgroundStop;
    case PlatformText::BackgroundTitle:
        return Msg::BackgroundTitle;
    case PlatformText::AudioFiles:
        return Msg::AudioFiles;
    case PlatformText::AllFiles:
        return Msg::AllFiles;
    case PlatformText::MciDone:
        return Msg::MciDone;
    case PlatformText::MciUnrecognized:
        return Msg::MciUnrecognized;
    case PlatformText::MciNotOpen:
        return Msg::MciNotOpen;
    case PlatformText::MciMissingParameter:
        return Msg::MciMissingParameter;
    case PlatformText::MciFileNotFound:
        return Msg::MciFileNotFound;
    case PlatformText::MciOutOfRange:
        return Msg::MciOutOfRange;
    case PlatformText::MciDuplicateAlias:
        return Msg::MciDuplicateAlias;
    case PlatformText::MciCannotPlay:
        return Msg::MciCannotPlay;
    case PlatformText::MciDeviceFailed:
        return Msg::MciDeviceFailed;
    case PlatformText::MciSoundServerGone:
        return Msg::MciSoundServerGone;
    case PlatformText::MciStreamBroken:
        return Msg::MciStreamBroken;
    case PlatformText::MciOther:
        return Msg::MciOther;
    case PlatformText::IsFolder:
        return Msg::IsFolder;
    case PlatformText::NotFound:
        return Msg::NotFound;
    case PlatformText::NoReadPermission:
        return Msg::NoReadPermission;
    case PlatformText::NoWritePermission:
        return Msg::NoWritePermission;
    case PlatformText::NotReadable:
        return Msg::NotReadable;
    case PlatformText::NotWritable:
        return Msg::NotWritable;
    }
    return Msg::NotReadable;
}

QString platformText(PlatformText id) {
    return MessageText(messageOf(id));
}

// The stand-ins below this layer say their words in the active language from the start: the
// lookup is installed while the program's statics are set up, before main runs.
[[maybe_unused]] const bool platformTextsInstalled = (SetPlatformTexts(&platformText), true);
} // namespace
