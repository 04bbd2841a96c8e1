#include "i18n/Messages.h"

#include "i18n/Lingua.h"
#include "platform/PlatformTexts.h"
#include "platform/QtTranslations.h"

#include <QFileInfo>

namespace {
constexpr int kLanguages = 7;

// In the order of MessageLanguage: Italiano, English, Français, Deutsch, Russian, Bulgarian,
// Brazilian Portuguese.
template <typename Id> struct Row {
    Id id;
    const char* text[kLanguages];
};
using Texts = Row<Msg>;
using PlatformTexts = Row<PlatformText>;

// A row's place is its id: a row moved or left out would show another message's text.
template <typename Id, size_t N> constexpr bool InIdOrder(const Row<Id> (&rows)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (size_t(rows[i].id) != i) return false;
    return N == size_t(Id::Count);
}

// clang-format off
constexpr Texts kTexts[] = {
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
    {Msg::NoHelpViewer, {
        "Nessun browser è installato per mostrare la guida. La guida è il file %1",
        "No web browser is installed to show the help. The help is the file %1",
        "Aucun navigateur web n'est installé pour afficher l'aide. L'aide est le fichier %1",
        "Kein Webbrowser ist installiert, um die Hilfe zu zeigen. Die Hilfe ist die Datei %1",
        "Не установлен веб-браузер для показа справки. Справка находится в файле %1",
        "Няма инсталиран уеб браузър за показване на помощта. Помощта е във файла %1",
        "Nenhum navegador está instalado para mostrar a ajuda. A ajuda é o arquivo %1"}},
    {Msg::MenuAudio, {"&Audio", "&Audio", "&Audio", "&Audio", "&Аудио", "&Аудио", "Á&udio"}},
    {Msg::MenuVideo, {"&Video", "&Video", "&Vidéo", "&Video", "&Видео", "&Видео", "&Vídeo"}},
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
    {Msg::CheckKindCommand, {"comando", "command", "commande", "Befehl", "команда", "команда", "comando"}},
    {Msg::CheckKindAudio, {"audio", "audio", "audio", "Audio", "аудио", "аудио", "áudio"}},
    {Msg::CheckKindVideo, {"video", "video", "vidéo", "Video", "видео", "видео", "vídeo"}},
    {Msg::CheckKindMidi, {"MIDI", "MIDI", "MIDI", "MIDI", "MIDI", "MIDI", "MIDI"}},
    {Msg::CheckKindPicture, {"immagine", "picture", "image", "Bild", "изображение", "изображение", "imagem"}},
    {Msg::CheckKindUnknown, {
        "non è un cue che Scenolux conosce", "not a cue Scenolux knows",
        "pas un cue que Scenolux connaît", "kein Cue, den Scenolux kennt",
        "не реплика, известная Scenolux", "не е реплика, позната на Scenolux",
        "não é uma deixa que o Scenolux conheça"}},
    {Msg::CheckMissing, {
        "file mancante", "file missing", "fichier manquant", "Datei fehlt", "файл отсутствует",
        "файлът липсва", "arquivo ausente"}},
    {Msg::CheckCaseOnly, {
        "trovato solo ignorando maiuscole e minuscole: %1",
        "found only by ignoring capitals: %1",
        "trouvé seulement en ignorant les majuscules : %1",
        "nur ohne Beachtung der Groß-/Kleinschreibung gefunden: %1",
        "найден только без учёта регистра букв: %1",
        "намерен само без отчитане на главни и малки букви: %1",
        "encontrado só ignorando maiúsculas e minúsculas: %1"}},
    {Msg::CheckOutside, {
        "fuori dalla cartella dello spettacolo: non viaggerà con lo spettacolo",
        "outside the show's folder: it will not travel with the show",
        "hors du dossier du spectacle : il ne voyagera pas avec le spectacle",
        "außerhalb des Ordners der Vorstellung: sie reist nicht mit der Vorstellung mit",
        "вне папки спектакля: не переедет вместе со спектаклем",
        "извън папката на представлението: няма да пътува с него",
        "fora da pasta do espetáculo: não vai junto com o espetáculo"}},
    {Msg::CheckEmpty, {
        "non decodificabile: il file è vuoto", "cannot be decoded: the file is empty",
        "impossible à décoder : le fichier est vide", "nicht dekodierbar: die Datei ist leer",
        "не декодируется: файл пуст", "не може да се декодира: файлът е празен",
        "não pode ser decodificado: o arquivo está vazio"}},
    {Msg::CheckNoDecoder, {
        "non decodificabile: su questo computer manca il decodificatore (%1)",
        "cannot be decoded: this machine has no decoder for it (%1)",
        "impossible à décoder : aucun décodeur sur cette machine (%1)",
        "nicht dekodierbar: auf diesem Rechner fehlt der Decoder (%1)",
        "не декодируется: на этом компьютере нет декодера (%1)",
        "не може да се декодира: на този компютър няма декодер (%1)",
        "não pode ser decodificado: esta máquina não tem decodificador (%1)"}},
    {Msg::CheckDamaged, {
        "non decodificabile: danneggiato o non è un file multimediale (%1)",
        "cannot be decoded: damaged or not a medium (%1)",
        "impossible à décoder : endommagé ou pas un fichier multimédia (%1)",
        "nicht dekodierbar: beschädigt oder keine Mediendatei (%1)",
        "не декодируется: повреждён или не мультимедийный файл (%1)",
        "не може да се декодира: повреден е или не е мултимедиен файл (%1)",
        "não pode ser decodificado: danificado ou não é mídia (%1)"}},
    {Msg::CheckNoSound, {
        "nel file non c'è suono", "there is no sound in it", "il ne contient aucun son",
        "sie enthält keinen Ton", "в нём нет звука", "в него няма звук", "não há som nele"}},
    {Msg::CheckNoPicture, {
        "nel file non c'è immagine", "there is no picture in it", "il ne contient aucune image",
        "sie enthält kein Bild", "в нём нет изображения", "в него няма изображение",
        "não há imagem nele"}},
    {Msg::CheckUnknownCommand, {
        "un comando che Scenolux non conosce", "a command word Scenolux does not know",
        "une commande que Scenolux ne connaît pas", "ein Befehl, den Scenolux nicht kennt",
        "команда, которую Scenolux не знает", "команда, която Scenolux не познава",
        "um comando que o Scenolux não conhece"}},
    {Msg::CheckNotANumber, {
        "«%1» non è un numero: vale %2", "“%1” is not a number: it acts as %2",
        "« %1 » n'est pas un nombre : il vaut %2", "„%1“ ist keine Zahl: wirkt als %2",
        "«%1» — не число: действует как %2", "„%1“ не е число: действа като %2",
        "“%1” não é um número: vale %2"}},
    {Msg::CheckNoNumber, {
        "manca il numero: vale 0", "no number: it acts as 0", "pas de nombre : il vaut 0",
        "keine Zahl: wirkt als 0", "нет числа: действует как 0", "няма число: действа като 0",
        "sem número: vale 0"}},
    {Msg::CheckNumberAbove, {
        "%1 è oltre %2: vale %2", "%1 is above %2: it acts as %2", "%1 dépasse %2 : il vaut %2",
        "%1 ist größer als %2: wirkt als %2", "%1 больше %2: действует как %2",
        "%1 е над %2: действа като %2", "%1 passa de %2: vale %2"}},
    {Msg::CheckNumberBelow, {
        "%1 è sotto lo zero: vale 0", "%1 is below 0: it acts as 0", "%1 est négatif : il vaut 0",
        "%1 ist kleiner als 0: wirkt als 0", "%1 меньше 0: действует как 0",
        "%1 е под 0: действа като 0", "%1 é menor que 0: vale 0"}},
    {Msg::CheckLength, {"durata %1", "length %1", "durée %1", "Länge %1", "длительность %1",
        "продължителност %1", "duração %1"}},
    {Msg::CheckSound, {"audio %1 can. %2 Hz", "sound %1 ch %2 Hz", "son %1 can. %2 Hz",
        "Ton %1 Kan. %2 Hz", "звук %1 кан. %2 Гц", "звук %1 кан. %2 Hz", "som %1 can. %2 Hz"}},
    {Msg::CheckPicture, {"immagine %1×%2", "picture %1×%2", "image %1×%2", "Bild %1×%2",
        "изображение %1×%2", "изображение %1×%2", "imagem %1×%2"}},
    {Msg::CheckFrameRate, {"%1 fps", "%1 fps", "%1 i/s", "%1 fps", "%1 кадр/с", "%1 кадъра/с", "%1 qps"}},
    {Msg::CheckLine, {"riga %1", "line %1", "ligne %1", "Zeile %1", "строка %1", "ред %1", "linha %1"}},
    {Msg::CheckSummary, {
        "%1 cue controllati: %2 con problemi.", "%1 cues checked: %2 with problems.",
        "%1 cues vérifiés : %2 avec des problèmes.", "%1 Cues geprüft: %2 mit Problemen.",
        "Проверено реплик: %1, с проблемами: %2.", "Проверени реплики: %1, с проблеми: %2.",
        "%1 deixas verificadas: %2 com problemas."}},
    {Msg::CheckAllGood, {
        "%1 cue controllati: nessun problema.", "%1 cues checked: nothing wrong.",
        "%1 cues vérifiés : aucun problème.", "%1 Cues geprüft: keine Probleme.",
        "Проверено реплик: %1, проблем нет.", "Проверени реплики: %1, няма проблеми.",
        "%1 deixas verificadas: nenhum problema."}},
    {Msg::CheckCancelled, {
        "Controllo annullato.", "Check cancelled.", "Vérification annulée.", "Prüfung abgebrochen.",
        "Проверка отменена.", "Проверката е отменена.", "Verificação cancelada."}},
    {Msg::CheckScriptDamaged, {
        "Il copione è danneggiato (%1): è stato controllato solo ciò che si è potuto leggere.",
        "The script is damaged (%1): only what could be read was checked.",
        "Le script est endommagé (%1) : seul ce qui a pu être lu a été vérifié.",
        "Das Skript ist beschädigt (%1): Nur der lesbare Teil wurde geprüft.",
        "Сценарий повреждён (%1): проверено только то, что удалось прочитать.",
        "Сценарият е повреден (%1): проверено е само това, което можа да се прочете.",
        "O roteiro está danificado (%1): só o que pôde ser lido foi verificado."}},
    {Msg::CheckCutShort, {"troncato", "cut short", "tronqué", "abgeschnitten", "обрезан", "прекъснат",
        "cortado"}},
    {Msg::CheckNotText, {"non è testo", "it is not text", "ce n'est pas du texte", "kein Text",
        "это не текст", "не е текст", "não é texto"}},
    {Msg::CheckMenu, {
        "Controlla lo spettacolo...", "Check the show...", "Vérifier le spectacle...",
        "Vorstellung prüfen...", "Проверить спектакль...", "Проверка на представлението...",
        "Verificar o espetáculo..."}},
    {Msg::PackMenu, {
        "Raccogli lo spettacolo in una cartella...", "Pack the show into a folder...",
        "Rassembler le spectacle dans un dossier...", "Vorstellung in einen Ordner packen...",
        "Собрать спектакль в папку...", "Събиране на представлението в папка...",
        "Reunir o espetáculo numa pasta..."}},
    {Msg::CheckWindowTitle, {
        "Controllo dello spettacolo", "Show check", "Vérification du spectacle",
        "Prüfung der Vorstellung", "Проверка спектакля", "Проверка на представлението",
        "Verificação do espetáculo"}},
    {Msg::CheckColumnLine, {"Riga", "Line", "Ligne", "Zeile", "Строка", "Ред", "Linha"}},
    {Msg::CheckColumnCue, {"Cue", "Cue", "Cue", "Cue", "Реплика", "Реплика", "Deixa"}},
    {Msg::CheckColumnKind, {"Tipo", "Kind", "Type", "Art", "Тип", "Вид", "Tipo"}},
    {Msg::CheckColumnFile, {"File", "File", "Fichier", "Datei", "Файл", "Файл", "Arquivo"}},
    {Msg::CheckColumnDetails, {"Dettagli", "Details", "Détails", "Details", "Подробности",
        "Подробности", "Detalhes"}},
    {Msg::CheckProgress, {
        "Controllo dei file: %1 di %2", "Checking files: %1 of %2",
        "Vérification des fichiers : %1 sur %2", "Dateien werden geprüft: %1 von %2",
        "Проверка файлов: %1 из %2", "Проверка на файловете: %1 от %2",
        "Verificando arquivos: %1 de %2"}},
    {Msg::CheckCheckAgain, {"Controlla di nuovo", "Check again", "Vérifier à nouveau", "Erneut prüfen",
        "Проверить снова", "Провери отново", "Verificar novamente"}},
    {Msg::CheckClose, {"Chiudi", "Close", "Fermer", "Schließen", "Закрыть", "Затвори", "Fechar"}},
    {Msg::PackChoose, {
        "Il copione raccolto: il suo nome, in una cartella vuota",
        "The packed script: its name, in an empty folder",
        "Le script rassemblé : son nom, dans un dossier vide",
        "Das gepackte Skript: sein Name, in einem leeren Ordner",
        "Собранный сценарий: его имя, в пустой папке",
        "Събраният сценарий: името му, в празна папка",
        "O roteiro reunido: seu nome, numa pasta vazia"}},
    {Msg::PackSaveFirst, {
        "Salvare il copione prima di raccoglierlo.", "Save the script before packing it.",
        "Enregistrez le script avant de le rassembler.",
        "Speichern Sie das Skript, bevor Sie es packen.",
        "Сохраните сценарий, прежде чем собирать его.", "Запазете сценария, преди да го съберете.",
        "Salve o roteiro antes de reuni-lo."}},
    {Msg::PackNotEmpty, {
        "La cartella %1 non è vuota: scegliere una cartella vuota per lo spettacolo raccolto. Non è stato scritto nulla.",
        "The folder %1 is not empty: choose an empty folder for the packed show. Nothing was written.",
        "Le dossier %1 n'est pas vide : choisissez un dossier vide pour le spectacle rassemblé. Rien n'a été écrit.",
        "Der Ordner %1 ist nicht leer: Wählen Sie einen leeren Ordner für die gepackte Vorstellung. Es wurde nichts geschrieben.",
        "Папка %1 не пуста: выберите пустую папку для собранного спектакля. Ничего не записано.",
        "Папката %1 не е празна: изберете празна папка за събраното представление. Нищо не е записано.",
        "A pasta %1 não está vazia: escolha uma pasta vazia para o espetáculo reunido. Nada foi gravado."}},
    {Msg::PackFailed, {
        "Lo spettacolo non è stato raccolto: non si è potuto scrivere %1: %2\n\nIn %3 non è rimasto nulla; lo spettacolo originale non è stato toccato.",
        "The show was not packed: %1 could not be written: %2\n\nNothing was left in %3; the original show is untouched.",
        "Le spectacle n'a pas été rassemblé : impossible d'écrire %1 : %2\n\nRien n'est resté dans %3 ; le spectacle d'origine est intact.",
        "Die Vorstellung wurde nicht gepackt: %1 konnte nicht geschrieben werden: %2\n\nIn %3 blieb nichts zurück; die ursprüngliche Vorstellung ist unverändert.",
        "Спектакль не собран: не удалось записать %1: %2\n\nВ %3 ничего не осталось; исходный спектакль не тронут.",
        "Представлението не е събрано: %1 не може да бъде записан: %2\n\nВ %3 не е останало нищо; оригиналното представление е непокътнато.",
        "O espetáculo não foi reunido: não foi possível gravar %1: %2\n\nNada ficou em %3; o espetáculo original está intacto."}},
    {Msg::PackDone, {
        "Lo spettacolo è stato raccolto in %1: il copione e %2 file multimediali.",
        "The show was packed into %1: the script and %2 media files.",
        "Le spectacle a été rassemblé dans %1 : le script et %2 fichiers multimédias.",
        "Die Vorstellung wurde in %1 gepackt: das Skript und %2 Mediendateien.",
        "Спектакль собран в %1: сценарий и мультимедийных файлов: %2.",
        "Представлението е събрано в %1: сценарият и мултимедийни файлове: %2.",
        "O espetáculo foi reunido em %1: o roteiro e %2 arquivos de mídia."}},
    {Msg::PackMissing, {
        "File mancanti, non raccolti:\n%1", "Missing files, not packed:\n%1",
        "Fichiers manquants, non rassemblés :\n%1", "Fehlende Dateien, nicht gepackt:\n%1",
        "Отсутствующие файлы, не собраны:\n%1", "Липсващи файлове, не са събрани:\n%1",
        "Arquivos ausentes, não reunidos:\n%1"}},
    {Msg::PackDamaged, {
        "Il copione %1 è danneggiato (%2): non viene raccolto, perché la copia non sarebbe uguale all'originale.",
        "The script %1 is damaged (%2): it is not packed, as the copy could not be the same as the original.",
        "Le script %1 est endommagé (%2) : il n'est pas rassemblé, la copie ne pourrait pas être identique à l'original.",
        "Das Skript %1 ist beschädigt (%2): Es wird nicht gepackt, da die Kopie nicht dem Original gleichen könnte.",
        "Сценарий %1 повреждён (%2): он не собран, так как копия не совпала бы с оригиналом.",
        "Сценарият %1 е повреден (%2): не е събран, защото копието не би било същото като оригинала.",
        "O roteiro %1 está danificado (%2): não foi reunido, pois a cópia não seria igual ao original."}},
    {Msg::CheckUsage, {
        "Uso: scenolux --check COPIONE | --pack COPIONE CARTELLA",
        "Usage: scenolux --check SCRIPT | --pack SCRIPT FOLDER",
        "Usage : scenolux --check SCRIPT | --pack SCRIPT DOSSIER",
        "Aufruf: scenolux --check SKRIPT | --pack SKRIPT ORDNER",
        "Использование: scenolux --check СЦЕНАРИЙ | --pack СЦЕНАРИЙ ПАПКА",
        "Употреба: scenolux --check СЦЕНАРИЙ | --pack СЦЕНАРИЙ ПАПКА",
        "Uso: scenolux --check ROTEIRO | --pack ROTEIRO PASTA"}},
    {Msg::GoProtectionMenu, {
        "Protezione dal doppio GO...",
        "Protection from a double GO...",
        "Protection contre le double GO...",
        "Schutz vor doppeltem GO...",
        "Защита от двойного GO...",
        "Защита от двойно GO...",
        "Proteção contra GO duplo..."}},
    {Msg::GoProtectionTitle, {
        "Protezione dal doppio GO",
        "Protection from a double GO",
        "Protection contre le double GO",
        "Schutz vor doppeltem GO",
        "Защита от двойного GO",
        "Защита от двойно GO",
        "Proteção contra GO duplo"}},
    {Msg::GoProtectionLabel, {
        "Tempo minimo tra due GO:",
        "Least time between two GOs:",
        "Temps minimum entre deux GO :",
        "Mindestzeit zwischen zwei GOs:",
        "Наименьшее время между двумя GO:",
        "Най-малко време между две GO:",
        "Tempo mínimo entre dois GOs:"}},
    {Msg::GoProtectionOff, {
        "disattivata",
        "off",
        "désactivée",
        "aus",
        "выключена",
        "изключена",
        "desligada"}},
    {Msg::MidiMenu, {
        "Controllo MIDI...",
        "MIDI control...",
        "Contrôle MIDI...",
        "MIDI-Steuerung...",
        "Управление по MIDI...",
        "Управление чрез MIDI...",
        "Controle MIDI..."}},
    {Msg::MidiTitle, {
        "Controllo MIDI",
        "MIDI control",
        "Contrôle MIDI",
        "MIDI-Steuerung",
        "Управление по MIDI",
        "Управление чрез MIDI",
        "Controle MIDI"}},
    {Msg::MidiOn, {
        "Ricevi i messaggi MIDI",
        "Receive MIDI messages",
        "Recevoir les messages MIDI",
        "MIDI-Nachrichten empfangen",
        "Принимать сообщения MIDI",
        "Приемане на MIDI съобщения",
        "Receber mensagens MIDI"}},
    {Msg::MidiPort, {
        "Porta d'ingresso:",
        "Input port:",
        "Port d'entrée :",
        "Eingang:",
        "Входной порт:",
        "Входен порт:",
        "Porta de entrada:"}},
    {Msg::MidiAllPorts, {
        "Tutte le porte",
        "All ports",
        "Tous les ports",
        "Alle Eingänge",
        "Все порты",
        "Всички портове",
        "Todas as portas"}},
    {Msg::MidiChannel, {
        "Canale:",
        "Channel:",
        "Canal :",
        "Kanal:",
        "Канал:",
        "Канал:",
        "Canal:"}},
    {Msg::MidiAnyChannel, {
        "Tutti",
        "Any",
        "Tous",
        "Alle",
        "Любой",
        "Всеки",
        "Qualquer"}},
    {Msg::MidiDeviceId, {
        "ID dispositivo MIDI Show Control:",
        "MIDI Show Control device ID:",
        "ID de périphérique MIDI Show Control :",
        "MIDI-Show-Control-Geräte-ID:",
        "ID устройства MIDI Show Control:",
        "ID на устройство MIDI Show Control:",
        "ID do dispositivo MIDI Show Control:"}},
    {Msg::MidiLearn, {
        "Impara",
        "Learn",
        "Apprendre",
        "Lernen",
        "Запомнить",
        "Запомни",
        "Aprender"}},
    {Msg::MidiLearnWaiting, {
        "Invia ora...",
        "Send it now...",
        "Envoyez-le...",
        "Jetzt senden...",
        "Отправьте...",
        "Изпратете...",
        "Envie agora..."}},
    {Msg::MidiNotSet, {
        "(nessuno)",
        "(none)",
        "(aucun)",
        "(keines)",
        "(нет)",
        "(няма)",
        "(nenhum)"}},
    {Msg::MidiActionGo, {
        "GO",
        "GO",
        "GO",
        "GO",
        "GO",
        "GO",
        "GO"}},
    {Msg::MidiActionBack, {
        "Indietro",
        "Back",
        "Retour",
        "Zurück",
        "Назад",
        "Назад",
        "Voltar"}},
    {Msg::MidiActionPanic, {
        "Panico",
        "Panic",
        "Panique",
        "Panik",
        "Паника",
        "Паника",
        "Pânico"}},
    {Msg::MidiActionShowMode, {
        "Modalità spettacolo sì/no",
        "Show mode on/off",
        "Mode spectacle oui/non",
        "Vorstellungsmodus an/aus",
        "Режим спектакля вкл./выкл.",
        "Режим спектакъл вкл./изкл.",
        "Modo espetáculo liga/desliga"}},
    {Msg::MidiActionCue, {
        "Esegui il cue N (dal primo)",
        "Run cue N (from the first)",
        "Lancer le cue N (à partir du premier)",
        "Cue N ausführen (ab dem ersten)",
        "Выполнить реплику N (с первой)",
        "Изпълни реплика N (от първата)",
        "Executar a deixa N (a partir da primeira)"}},
    {Msg::MidiConnected, {
        "MIDI collegato",
        "MIDI connected",
        "MIDI connecté",
        "MIDI verbunden",
        "MIDI подключён",
        "MIDI свързан",
        "MIDI conectado"}},
    {Msg::MidiDisconnected, {
        "MIDI NON COLLEGATO",
        "MIDI NOT CONNECTED",
        "MIDI NON CONNECTÉ",
        "MIDI NICHT VERBUNDEN",
        "MIDI НЕ ПОДКЛЮЧЁН",
        "MIDI НЕ Е СВЪРЗАН",
        "MIDI NÃO CONECTADO"}},
    {Msg::WebMenu, {"Telecomando nel browser...", "Remote in the browser...", "Télécommande dans le navigateur...", "Fernbedienung im Browser...", "Пульт в браузере...", "Дистанционно в браузъра...", "Controle remoto no navegador..."}},
    {Msg::WebTitle, {"Telecomando nel browser", "Remote in the browser", "Télécommande dans le navigateur", "Fernbedienung im Browser", "Пульт в браузере", "Дистанционно в браузъра", "Controle remoto no navegador"}},
    {Msg::WebOn, {"Servi la pagina del telecomando", "Serve the remote page", "Servir la page de télécommande", "Die Fernbedienungsseite anbieten", "Открыть страницу пульта", "Предоставяне на страницата", "Servir a página do controle"}},
    {Msg::WebPort, {"Porta TCP:", "TCP port:", "Port TCP :", "TCP-Port:", "Порт TCP:", "TCP порт:", "Porta TCP:"}},
    {Msg::WebCode, {"Codice di accesso", "Pass code", "Code d'accès", "Zugangscode", "Код доступа", "Код за достъп", "Código de acesso"}},
    {Msg::WebRenew, {"Nuovo codice", "New code", "Nouveau code", "Neuer Code", "Новый код", "Нов код", "Novo código"}},
    {Msg::WebAddress, {"Indirizzo (inquadra il codice QR):", "Address (scan the QR code):", "Adresse (scannez le code QR) :", "Adresse (QR-Code scannen):", "Адрес (отсканируйте QR-код):", "Адрес (сканирайте QR кода):", "Endereço (leia o código QR):"}},
    {Msg::WebGo, {"GO", "GO", "GO", "GO", "GO", "GO", "GO"}},
    {Msg::WebBack, {"Indietro", "Back", "Retour", "Zurück", "Назад", "Назад", "Voltar"}},
    {Msg::WebPanic, {"Panico", "Panic", "Panique", "Panik", "Паника", "Паника", "Pânico"}},
    {Msg::WebShowMode, {"Modalità spettacolo", "Show mode", "Mode spectacle", "Vorstellungsmodus", "Режим спектакля", "Режим представление", "Modo espetáculo"}},
    {Msg::WebStandby, {"In attesa", "Standby", "En attente", "Bereit", "Ожидание", "Готовност", "Em espera"}},
    {Msg::WebLast, {"Ultimo cue", "Last cue", "Dernier top", "Letzter Cue", "Последняя реплика", "Последна реплика", "Última deixa"}},
    {Msg::WebVolume, {"Volume generale", "Master volume", "Volume général", "Gesamtlautstärke", "Общая громкость", "Обща сила на звука", "Volume geral"}},
    {Msg::WebOffline, {"Collegamento perso: riprovo…", "Connection lost: reconnecting…", "Connexion perdue : nouvelle tentative…", "Verbindung verloren: neuer Versuch…", "Связь потеряна: переподключение…", "Връзката е загубена: повторен опит…", "Conexão perdida: reconectando…"}},
    {Msg::WebWrongCode, {"Codice errato", "Wrong pass code", "Code erroné", "Falscher Code", "Неверный код", "Грешен код", "Código errado"}},
    {Msg::WebEnter, {"Entra", "Enter", "Entrer", "Öffnen", "Войти", "Вход", "Entrar"}},
    {Msg::WebPlaying, {"in riproduzione", "playing", "en lecture", "spielt", "воспроизводится", "възпроизвежда се", "tocando"}},
    {Msg::WebPaused, {"in pausa", "paused", "en pause", "angehalten", "пауза", "пауза", "em pausa"}},
    {Msg::WebStopped, {"fermo", "stopped", "arrêté", "gestoppt", "остановлено", "спряно", "parado"}},
    {Msg::WebLanguage, {"it", "en", "fr", "de", "ru", "bg", "pt"}},
    {Msg::WebFailed, {
        "La pagina del telecomando non può usare la porta %1: %2",
        "The remote page cannot be served on port %1: %2",
        "La page de télécommande ne peut pas utiliser le port %1 : %2",
        "Die Fernbedienungsseite kann Port %1 nicht nutzen: %2",
        "Страница пульта не может использовать порт %1: %2",
        "Страницата не може да използва порт %1: %2",
        "A página do controle não pode usar a porta %1: %2"}},
};

// The words of the stand-ins below this layer, in the order of PlatformText.
constexpr PlatformTexts kPlatformTexts[] = {
    {PlatformText::MediumCannotPlay, {
        "Il file non può essere riprodotto.",
        "The medium cannot be played.",
        "Le fichier ne peut pas être lu.",
        "Die Datei kann nicht abgespielt werden.",
        "Файл не удаётся воспроизвести.",
        "Файлът не може да бъде възпроизведен.",
        "A mídia não pode ser reproduzida."}},
    {PlatformText::BackgroundOpen, {
        "Apri l'audio di sottofondo", "Open background audio", "Ouvrir l'audio de fond",
        "Hintergrundaudio öffnen", "Открыть фоновый звук", "Отваряне на фоновия звук",
        "Abrir áudio de fundo"}},
    {PlatformText::BackgroundPlay, {
        "Riproduci / pausa", "Play / pause", "Lecture / pause", "Abspielen / Pause",
        "Пуск / пауза", "Старт / пауза", "Reproduzir / pausar"}},
    {PlatformText::BackgroundStop, {"Stop", "Stop", "Arrêt", "Stopp", "Стоп", "Стоп", "Parar"}},
    {PlatformText::BackgroundTitle, {
        "Audio di sottofondo", "Background audio", "Audio de fond", "Hintergrundaudio",
        "Фоновый звук", "Фонов звук", "Áudio de fundo"}},
    {PlatformText::AudioFiles, {
        "File audio", "Audio files", "Fichiers audio", "Audiodateien", "Аудиофайлы",
        "Аудиофайлове", "Arquivos de áudio"}},
    {PlatformText::AllFiles, {
        "Tutti i file", "All files", "Tous les fichiers", "Alle Dateien", "Все файлы",
        "Всички файлове", "Todos os arquivos"}},
    {PlatformText::MciDone, {
        "Il comando è stato eseguito.", "The command was carried out.", "La commande a été exécutée.",
        "Der Befehl wurde ausgeführt.", "Команда выполнена.", "Командата е изпълнена.",
        "O comando foi executado."}},
    {PlatformText::MciUnrecognized, {
        "Il dispositivo audio non conosce questo comando.",
        "The audio device does not know this command.",
        "Le périphérique audio ne connaît pas cette commande.",
        "Das Audiogerät kennt diesen Befehl nicht.",
        "Аудиоустройство не знает этой команды.",
        "Аудиоустройството не познава тази команда.",
        "O dispositivo de áudio não conhece este comando."}},
    {PlatformText::MciNotOpen, {
        "Nessun file audio è aperto con quel nome.",
        "No audio file is open under that name.",
        "Aucun fichier audio n'est ouvert sous ce nom.",
        "Unter diesem Namen ist keine Audiodatei geöffnet.",
        "Под этим именем не открыт ни один аудиофайл.",
        "Няма отворен аудиофайл с това име.",
        "Nenhum arquivo de áudio está aberto com esse nome."}},
    {PlatformText::MciMissingParameter, {
        "Al comando audio manca un valore.",
        "The audio command is missing a value.",
        "Il manque une valeur à la commande audio.",
        "Dem Audiobefehl fehlt ein Wert.",
        "В аудиокоманде не хватает значения.",
        "В аудиокомандата липсва стойност.",
        "Falta um valor no comando de áudio."}},
    {PlatformText::MciFileNotFound, {
        "Il file audio non si trova.",
        "The audio file cannot be found.",
        "Le fichier audio est introuvable.",
        "Die Audiodatei wurde nicht gefunden.",
        "Аудиофайл не найден.",
        "Аудиофайлът не е намерен.",
        "O arquivo de áudio não foi encontrado."}},
    {PlatformText::MciOutOfRange, {
        "Quella posizione è fuori dal file audio.",
        "That position is outside the audio file.",
        "Cette position est en dehors du fichier audio.",
        "Diese Position liegt außerhalb der Audiodatei.",
        "Эта позиция за пределами аудиофайла.",
        "Тази позиция е извън аудиофайла.",
        "Essa posição está fora do arquivo de áudio."}},
    {PlatformText::MciDuplicateAlias, {
        "Un file audio è già aperto con quel nome.",
        "An audio file is already open under that name.",
        "Un fichier audio est déjà ouvert sous ce nom.",
        "Unter diesem Namen ist bereits eine Audiodatei geöffnet.",
        "Под этим именем уже открыт аудиофайл.",
        "Вече има отворен аудиофайл с това име.",
        "Já há um arquivo de áudio aberto com esse nome."}},
    {PlatformText::MciCannotPlay, {
        "Nessun decodificatore ne legge il suono.",
        "No decoder takes its sound.",
        "Aucun décodeur ne lit son contenu sonore.",
        "Kein Decoder kann den Ton lesen.",
        "Ни один декодер не может прочитать звук.",
        "Нито един декодер не може да прочете звука.",
        "Nenhum decodificador lê o seu som."}},
    {PlatformText::MciDeviceFailed, {
        "Il dispositivo audio non ha risposto.",
        "The audio device did not respond.",
        "Le périphérique audio n'a pas répondu.",
        "Das Audiogerät hat nicht geantwortet.",
        "Аудиоустройство не ответило.",
        "Аудиоустройството не отговори.",
        "O dispositivo de áudio não respondeu."}},
    {PlatformText::MciSoundServerGone, {
        "Il server audio si è fermato: i lettori sono stati fermati.",
        "The sound server stopped: every player was stopped.",
        "Le serveur de son s'est arrêté : les lecteurs ont été arrêtés.",
        "Der Soundserver wurde beendet: Alle Player wurden angehalten.",
        "Звуковой сервер остановился: все плееры остановлены.",
        "Звуковият сървър спря: всички плейъри са спрени.",
        "O servidor de som parou: todos os players foram parados."}},
    {PlatformText::MciStreamBroken, {
        "il file si è interrotto durante la riproduzione: è danneggiato o è stato sostituito",
        "the file broke off while playing: it is damaged or was replaced",
        "le fichier s'est interrompu pendant la lecture : il est endommagé ou a été remplacé",
        "die Datei brach während der Wiedergabe ab: Sie ist beschädigt oder wurde ersetzt",
        "файл оборвался во время воспроизведения: он повреждён или был заменён",
        "файлът прекъсна по време на възпроизвеждане: повреден е или е бил заменен",
        "o arquivo parou durante a reprodução: está danificado ou foi substituído"}},
    {PlatformText::MciOther, {
        "Errore del dispositivo audio %1.", "Audio device error %1.",
        "Erreur du périphérique audio %1.", "Fehler %1 des Audiogeräts.",
        "Ошибка аудиоустройства %1.", "Грешка на аудиоустройството %1.",
        "Erro do dispositivo de áudio %1."}},
    {PlatformText::IsFolder, {
        "%1 è una cartella, non un file.",
        "%1 is a folder, not a file.",
        "%1 est un dossier, pas un fichier.",
        "%1 ist ein Ordner, keine Datei.",
        "%1 — это папка, а не файл.",
        "%1 е папка, а не файл.",
        "%1 é uma pasta, não um arquivo."}},
    {PlatformText::NotFound, {
        "Il file non esiste.",
        "The file does not exist.",
        "Le fichier n'existe pas.",
        "Die Datei existiert nicht.",
        "Файл не существует.",
        "Файлът не съществува.",
        "O arquivo não existe."}},
    {PlatformText::NoReadPermission, {
        "Non si hanno i permessi per leggerlo.",
        "You have no permission to read it.",
        "Vous n'avez pas le droit de le lire.",
        "Sie haben keine Berechtigung, sie zu lesen.",
        "Нет прав на чтение.",
        "Нямате права за четене.",
        "Você não tem permissão para lê-lo."}},
    {PlatformText::NoWritePermission, {
        "Non si hanno i permessi per scrivere in quel punto.",
        "You have no permission to write there.",
        "Vous n'avez pas le droit d'écrire à cet endroit.",
        "Sie haben keine Berechtigung, dort zu schreiben.",
        "Нет прав на запись в это место.",
        "Нямате права за запис на това място.",
        "Você não tem permissão para gravar nesse local."}},
    {PlatformText::NotReadable, {
        "Il file non può essere letto.",
        "The file cannot be read.",
        "Le fichier ne peut pas être lu.",
        "Die Datei kann nicht gelesen werden.",
        "Файл не удаётся прочитать.",
        "Файлът не може да бъде прочетен.",
        "O arquivo não pode ser lido."}},
    {PlatformText::NotWritable, {
        "Il file non può essere scritto (disco pieno o supporto rimosso?).",
        "The file cannot be written (disk full or medium removed?).",
        "Le fichier ne peut pas être écrit (disque plein ou support retiré ?).",
        "Die Datei kann nicht geschrieben werden (Datenträger voll oder entfernt?).",
        "Файл не удаётся записать (диск заполнен или носитель извлечён?).",
        "Файлът не може да бъде записан (дискът е пълен или носителят е изваден?).",
        "O arquivo não pode ser gravado (disco cheio ou mídia removida?)."}},
};
// clang-format on

static_assert(InIdOrder(kTexts), "one row per message, in the order of Msg");
static_assert(InIdOrder(kPlatformTexts), "one row per text, in the order of PlatformText");
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
    return QString::fromUtf8(kTexts[int(id)].text[int(LanguageOfFile(NomeLingua))]);
}

QString MessageText(PlatformText id) {
    return QString::fromUtf8(kPlatformTexts[int(id)].text[int(LanguageOfFile(NomeLingua))]);
}

void UseQtTextsOfLanguage() {
    UseQtTranslations(QtLanguageCode(LanguageOfFile(NomeLingua)));
}

namespace {
QString platformText(PlatformText id) {
    return MessageText(id);
}

// The stand-ins below this layer say their words in the active language from the start: the
// lookup is installed while the program's statics are set up, before main runs.
[[maybe_unused]] const bool platformTextsInstalled = (SetPlatformTexts(&platformText), true);
} // namespace
