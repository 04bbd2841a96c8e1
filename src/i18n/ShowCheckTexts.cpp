#include "i18n/ShowCheckTexts.h"

#include "i18n/Lingua.h"
#include "i18n/Messages.h"

#include <iterator>

namespace {
constexpr int kLanguages = 7;

// In the order of MessageLanguage: Italiano, English, Français, Deutsch, Russian, Bulgarian,
// Brazilian Portuguese.
struct Texts {
    Ct id;
    const char* text[kLanguages];
};

// clang-format off
const Texts kTexts[] = {
    {Ct::KindCommand, {"comando", "command", "commande", "Befehl", "команда", "команда", "comando"}},
    {Ct::KindAudio, {"audio", "audio", "audio", "Audio", "аудио", "аудио", "áudio"}},
    {Ct::KindVideo, {"video", "video", "vidéo", "Video", "видео", "видео", "vídeo"}},
    {Ct::KindMidi, {"MIDI", "MIDI", "MIDI", "MIDI", "MIDI", "MIDI", "MIDI"}},
    {Ct::KindPicture, {"immagine", "picture", "image", "Bild", "изображение", "изображение", "imagem"}},
    {Ct::KindUnknown, {
        "non è un cue che Scenolux conosce", "not a cue Scenolux knows",
        "pas un cue que Scenolux connaît", "kein Cue, den Scenolux kennt",
        "не реплика, известная Scenolux", "не е реплика, позната на Scenolux",
        "não é uma deixa que o Scenolux conheça"}},
    {Ct::Missing, {
        "file mancante", "file missing", "fichier manquant", "Datei fehlt", "файл отсутствует",
        "файлът липсва", "arquivo ausente"}},
    {Ct::CaseOnly, {
        "trovato solo ignorando maiuscole e minuscole: %1",
        "found only by ignoring capitals: %1",
        "trouvé seulement en ignorant les majuscules : %1",
        "nur ohne Beachtung der Groß-/Kleinschreibung gefunden: %1",
        "найден только без учёта регистра букв: %1",
        "намерен само без отчитане на главни и малки букви: %1",
        "encontrado só ignorando maiúsculas e minúsculas: %1"}},
    {Ct::Outside, {
        "fuori dalla cartella dello spettacolo: non viaggerà con lo spettacolo",
        "outside the show's folder: it will not travel with the show",
        "hors du dossier du spectacle : il ne voyagera pas avec le spectacle",
        "außerhalb des Ordners der Vorstellung: sie reist nicht mit der Vorstellung mit",
        "вне папки спектакля: не переедет вместе со спектаклем",
        "извън папката на представлението: няма да пътува с него",
        "fora da pasta do espetáculo: não vai junto com o espetáculo"}},
    {Ct::Empty, {
        "non decodificabile: il file è vuoto", "cannot be decoded: the file is empty",
        "impossible à décoder : le fichier est vide", "nicht dekodierbar: die Datei ist leer",
        "не декодируется: файл пуст", "не може да се декодира: файлът е празен",
        "não pode ser decodificado: o arquivo está vazio"}},
    {Ct::NoDecoder, {
        "non decodificabile: su questo computer manca il decodificatore (%1)",
        "cannot be decoded: this machine has no decoder for it (%1)",
        "impossible à décoder : aucun décodeur sur cette machine (%1)",
        "nicht dekodierbar: auf diesem Rechner fehlt der Decoder (%1)",
        "не декодируется: на этом компьютере нет декодера (%1)",
        "не може да се декодира: на този компютър няма декодер (%1)",
        "não pode ser decodificado: esta máquina não tem decodificador (%1)"}},
    {Ct::Damaged, {
        "non decodificabile: danneggiato o non è un file multimediale (%1)",
        "cannot be decoded: damaged or not a medium (%1)",
        "impossible à décoder : endommagé ou pas un fichier multimédia (%1)",
        "nicht dekodierbar: beschädigt oder keine Mediendatei (%1)",
        "не декодируется: повреждён или не мультимедийный файл (%1)",
        "не може да се декодира: повреден е или не е мултимедиен файл (%1)",
        "não pode ser decodificado: danificado ou não é mídia (%1)"}},
    {Ct::NoSound, {
        "nel file non c'è suono", "there is no sound in it", "il ne contient aucun son",
        "sie enthält keinen Ton", "в нём нет звука", "в него няма звук", "não há som nele"}},
    {Ct::NoPicture, {
        "nel file non c'è immagine", "there is no picture in it", "il ne contient aucune image",
        "sie enthält kein Bild", "в нём нет изображения", "в него няма изображение",
        "não há imagem nele"}},
    {Ct::UnknownCommand, {
        "un comando che Scenolux non conosce", "a command word Scenolux does not know",
        "une commande que Scenolux ne connaît pas", "ein Befehl, den Scenolux nicht kennt",
        "команда, которую Scenolux не знает", "команда, която Scenolux не познава",
        "um comando que o Scenolux não conhece"}},
    {Ct::NotANumber, {
        "«%1» non è un numero: vale %2", "“%1” is not a number: it acts as %2",
        "« %1 » n'est pas un nombre : il vaut %2", "„%1“ ist keine Zahl: wirkt als %2",
        "«%1» — не число: действует как %2", "„%1“ не е число: действа като %2",
        "“%1” não é um número: vale %2"}},
    {Ct::NoNumber, {
        "manca il numero: vale 0", "no number: it acts as 0", "pas de nombre : il vaut 0",
        "keine Zahl: wirkt als 0", "нет числа: действует как 0", "няма число: действа като 0",
        "sem número: vale 0"}},
    {Ct::NumberAbove, {
        "%1 è oltre %2: vale %2", "%1 is above %2: it acts as %2", "%1 dépasse %2 : il vaut %2",
        "%1 ist größer als %2: wirkt als %2", "%1 больше %2: действует как %2",
        "%1 е над %2: действа като %2", "%1 passa de %2: vale %2"}},
    {Ct::NumberBelow, {
        "%1 è sotto lo zero: vale 0", "%1 is below 0: it acts as 0", "%1 est négatif : il vaut 0",
        "%1 ist kleiner als 0: wirkt als 0", "%1 меньше 0: действует как 0",
        "%1 е под 0: действа като 0", "%1 é menor que 0: vale 0"}},
    {Ct::Length, {"durata %1", "length %1", "durée %1", "Länge %1", "длительность %1",
        "продължителност %1", "duração %1"}},
    {Ct::Sound, {"audio %1 can. %2 Hz", "sound %1 ch %2 Hz", "son %1 can. %2 Hz",
        "Ton %1 Kan. %2 Hz", "звук %1 кан. %2 Гц", "звук %1 кан. %2 Hz", "som %1 can. %2 Hz"}},
    {Ct::Picture, {"immagine %1×%2", "picture %1×%2", "image %1×%2", "Bild %1×%2",
        "изображение %1×%2", "изображение %1×%2", "imagem %1×%2"}},
    {Ct::FrameRate, {"%1 fps", "%1 fps", "%1 i/s", "%1 fps", "%1 кадр/с", "%1 кадъра/с", "%1 qps"}},
    {Ct::Line, {"riga %1", "line %1", "ligne %1", "Zeile %1", "строка %1", "ред %1", "linha %1"}},
    {Ct::Summary, {
        "%1 cue controllati: %2 con problemi.", "%1 cues checked: %2 with problems.",
        "%1 cues vérifiés : %2 avec des problèmes.", "%1 Cues geprüft: %2 mit Problemen.",
        "Проверено реплик: %1, с проблемами: %2.", "Проверени реплики: %1, с проблеми: %2.",
        "%1 deixas verificadas: %2 com problemas."}},
    {Ct::AllGood, {
        "%1 cue controllati: nessun problema.", "%1 cues checked: nothing wrong.",
        "%1 cues vérifiés : aucun problème.", "%1 Cues geprüft: keine Probleme.",
        "Проверено реплик: %1, проблем нет.", "Проверени реплики: %1, няма проблеми.",
        "%1 deixas verificadas: nenhum problema."}},
    {Ct::Cancelled, {
        "Controllo annullato.", "Check cancelled.", "Vérification annulée.", "Prüfung abgebrochen.",
        "Проверка отменена.", "Проверката е отменена.", "Verificação cancelada."}},
    {Ct::ScriptDamaged, {
        "Il copione è danneggiato (%1): è stato controllato solo ciò che si è potuto leggere.",
        "The script is damaged (%1): only what could be read was checked.",
        "Le script est endommagé (%1) : seul ce qui a pu être lu a été vérifié.",
        "Das Skript ist beschädigt (%1): Nur der lesbare Teil wurde geprüft.",
        "Сценарий повреждён (%1): проверено только то, что удалось прочитать.",
        "Сценарият е повреден (%1): проверено е само това, което можа да се прочете.",
        "O roteiro está danificado (%1): só o que pôde ser lido foi verificado."}},
    {Ct::CutShort, {"troncato", "cut short", "tronqué", "abgeschnitten", "обрезан", "прекъснат",
        "cortado"}},
    {Ct::NotText, {"non è testo", "it is not text", "ce n'est pas du texte", "kein Text",
        "это не текст", "не е текст", "não é texto"}},
    {Ct::MenuCheck, {
        "Controlla lo spettacolo...", "Check the show...", "Vérifier le spectacle...",
        "Vorstellung prüfen...", "Проверить спектакль...", "Проверка на представлението...",
        "Verificar o espetáculo..."}},
    {Ct::MenuPack, {
        "Raccogli lo spettacolo in una cartella...", "Pack the show into a folder...",
        "Rassembler le spectacle dans un dossier...", "Vorstellung in einen Ordner packen...",
        "Собрать спектакль в папку...", "Събиране на представлението в папка...",
        "Reunir o espetáculo numa pasta..."}},
    {Ct::WindowTitle, {
        "Controllo dello spettacolo", "Show check", "Vérification du spectacle",
        "Prüfung der Vorstellung", "Проверка спектакля", "Проверка на представлението",
        "Verificação do espetáculo"}},
    {Ct::ColumnLine, {"Riga", "Line", "Ligne", "Zeile", "Строка", "Ред", "Linha"}},
    {Ct::ColumnCue, {"Cue", "Cue", "Cue", "Cue", "Реплика", "Реплика", "Deixa"}},
    {Ct::ColumnKind, {"Tipo", "Kind", "Type", "Art", "Тип", "Вид", "Tipo"}},
    {Ct::ColumnFile, {"File", "File", "Fichier", "Datei", "Файл", "Файл", "Arquivo"}},
    {Ct::ColumnDetails, {"Dettagli", "Details", "Détails", "Details", "Подробности",
        "Подробности", "Detalhes"}},
    {Ct::Progress, {
        "Controllo dei file: %1 di %2", "Checking files: %1 of %2",
        "Vérification des fichiers : %1 sur %2", "Dateien werden geprüft: %1 von %2",
        "Проверка файлов: %1 из %2", "Проверка на файловете: %1 от %2",
        "Verificando arquivos: %1 de %2"}},
    {Ct::CheckAgain, {"Controlla di nuovo", "Check again", "Vérifier à nouveau", "Erneut prüfen",
        "Проверить снова", "Провери отново", "Verificar novamente"}},
    {Ct::Close, {"Chiudi", "Close", "Fermer", "Schließen", "Закрыть", "Затвори", "Fechar"}},
    {Ct::PackChoose, {
        "Il copione raccolto: il suo nome, in una cartella vuota",
        "The packed script: its name, in an empty folder",
        "Le script rassemblé : son nom, dans un dossier vide",
        "Das gepackte Skript: sein Name, in einem leeren Ordner",
        "Собранный сценарий: его имя, в пустой папке",
        "Събраният сценарий: името му, в празна папка",
        "O roteiro reunido: seu nome, numa pasta vazia"}},
    {Ct::PackSaveFirst, {
        "Salvare il copione prima di raccoglierlo.", "Save the script before packing it.",
        "Enregistrez le script avant de le rassembler.",
        "Speichern Sie das Skript, bevor Sie es packen.",
        "Сохраните сценарий, прежде чем собирать его.", "Запазете сценария, преди да го съберете.",
        "Salve o roteiro antes de reuni-lo."}},
    {Ct::PackNotEmpty, {
        "La cartella %1 non è vuota: scegliere una cartella vuota per lo spettacolo raccolto. Non è stato scritto nulla.",
        "The folder %1 is not empty: choose an empty folder for the packed show. Nothing was written.",
        "Le dossier %1 n'est pas vide : choisissez un dossier vide pour le spectacle rassemblé. Rien n'a été écrit.",
        "Der Ordner %1 ist nicht leer: Wählen Sie einen leeren Ordner für die gepackte Vorstellung. Es wurde nichts geschrieben.",
        "Папка %1 не пуста: выберите пустую папку для собранного спектакля. Ничего не записано.",
        "Папката %1 не е празна: изберете празна папка за събраното представление. Нищо не е записано.",
        "A pasta %1 não está vazia: escolha uma pasta vazia para o espetáculo reunido. Nada foi gravado."}},
    {Ct::PackFailed, {
        "Lo spettacolo non è stato raccolto: non si è potuto scrivere %1: %2\n\nIn %3 non è rimasto nulla; lo spettacolo originale non è stato toccato.",
        "The show was not packed: %1 could not be written: %2\n\nNothing was left in %3; the original show is untouched.",
        "Le spectacle n'a pas été rassemblé : impossible d'écrire %1 : %2\n\nRien n'est resté dans %3 ; le spectacle d'origine est intact.",
        "Die Vorstellung wurde nicht gepackt: %1 konnte nicht geschrieben werden: %2\n\nIn %3 blieb nichts zurück; die ursprüngliche Vorstellung ist unverändert.",
        "Спектакль не собран: не удалось записать %1: %2\n\nВ %3 ничего не осталось; исходный спектакль не тронут.",
        "Представлението не е събрано: %1 не може да бъде записан: %2\n\nВ %3 не е останало нищо; оригиналното представление е непокътнато.",
        "O espetáculo não foi reunido: não foi possível gravar %1: %2\n\nNada ficou em %3; o espetáculo original está intacto."}},
    {Ct::PackDone, {
        "Lo spettacolo è stato raccolto in %1: il copione e %2 file multimediali.",
        "The show was packed into %1: the script and %2 media files.",
        "Le spectacle a été rassemblé dans %1 : le script et %2 fichiers multimédias.",
        "Die Vorstellung wurde in %1 gepackt: das Skript und %2 Mediendateien.",
        "Спектакль собран в %1: сценарий и мультимедийных файлов: %2.",
        "Представлението е събрано в %1: сценарият и мултимедийни файлове: %2.",
        "O espetáculo foi reunido em %1: o roteiro e %2 arquivos de mídia."}},
    {Ct::PackMissing, {
        "File mancanti, non raccolti:\n%1", "Missing files, not packed:\n%1",
        "Fichiers manquants, non rassemblés :\n%1", "Fehlende Dateien, nicht gepackt:\n%1",
        "Отсутствующие файлы, не собраны:\n%1", "Липсващи файлове, не са събрани:\n%1",
        "Arquivos ausentes, não reunidos:\n%1"}},
    {Ct::PackDamaged, {
        "Il copione %1 è danneggiato (%2): non viene raccolto, perché la copia non sarebbe uguale all'originale.",
        "The script %1 is damaged (%2): it is not packed, as the copy could not be the same as the original.",
        "Le script %1 est endommagé (%2) : il n'est pas rassemblé, la copie ne pourrait pas être identique à l'original.",
        "Das Skript %1 ist beschädigt (%2): Es wird nicht gepackt, da die Kopie nicht dem Original gleichen könnte.",
        "Сценарий %1 повреждён (%2): он не собран, так как копия не совпала бы с оригиналом.",
        "Сценарият %1 е повреден (%2): не е събран, защото копието не би било същото като оригинала.",
        "O roteiro %1 está danificado (%2): não foi reunido, pois a cópia não seria igual ao original."}},
    {Ct::Usage, {
        "Uso: scenolux --check COPIONE | --pack COPIONE CARTELLA",
        "Usage: scenolux --check SCRIPT | --pack SCRIPT FOLDER",
        "Usage : scenolux --check SCRIPT | --pack SCRIPT DOSSIER",
        "Aufruf: scenolux --check SKRIPT | --pack SKRIPT ORDNER",
        "Использование: scenolux --check СЦЕНАРИЙ | --pack СЦЕНАРИЙ ПАПКА",
        "Употреба: scenolux --check СЦЕНАРИЙ | --pack СЦЕНАРИЙ ПАПКА",
        "Uso: scenolux --check ROTEIRO | --pack ROTEIRO PASTA"}},
};
// clang-format on

static_assert(std::size(kTexts) == size_t(Ct::Count), "one row per text");
} // namespace

QString ShowCheckText(Ct id) {
    const Texts& row = kTexts[int(id)];
    return QString::fromUtf8(row.text[int(LanguageOfFile(NomeLingua))]);
}
