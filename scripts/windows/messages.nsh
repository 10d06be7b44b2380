; What the installer and its uninstaller say in their own words, in every language that
; blinzor.nsi loads: NSIS picks the one of Windows' display language, English otherwise. A
; message missing in one language stops makensis (blinzor.nsi makes its warnings errors).
; $INSTDIR and $(^Name) are filled in when the message is shown.

; The two kinds of install, on the page that chooses between them.
LangString ForEveryone ${LANG_ENGLISH} "For everyone"
LangString ForEveryone ${LANG_GERMAN} "Für alle"
LangString ForEveryone ${LANG_FRENCH} "Pour tout le monde"
LangString ForEveryone ${LANG_SPANISH} "Para todos"
LangString ForEveryone ${LANG_ITALIAN} "Per tutti"
LangString ForEveryone ${LANG_PORTUGUESEBR} "Para todos"
LangString ForEveryone ${LANG_POLISH} "Dla wszystkich"
LangString ForEveryone ${LANG_RUSSIAN} "Для всех"
LangString ForEveryone ${LANG_UKRAINIAN} "Для всіх"
LangString ForEveryone ${LANG_DUTCH} "Voor iedereen"
LangString ForEveryone ${LANG_TURKISH} "Herkes için"

LangString OnlyForMe ${LANG_ENGLISH} "Only for me"
LangString OnlyForMe ${LANG_GERMAN} "Nur für mich"
LangString OnlyForMe ${LANG_FRENCH} "Pour moi seulement"
LangString OnlyForMe ${LANG_SPANISH} "Solo para mí"
LangString OnlyForMe ${LANG_ITALIAN} "Solo per me"
LangString OnlyForMe ${LANG_PORTUGUESEBR} "Só para mim"
LangString OnlyForMe ${LANG_POLISH} "Tylko dla mnie"
LangString OnlyForMe ${LANG_RUSSIAN} "Только для меня"
LangString OnlyForMe ${LANG_UKRAINIAN} "Лише для мене"
LangString OnlyForMe ${LANG_DUTCH} "Alleen voor mij"
LangString OnlyForMe ${LANG_TURKISH} "Yalnızca benim için"

; /AllUsers from a player who is not an administrator.
LangString AllUsersNotPossible ${LANG_ENGLISH} "Your user account does not have sufficient \
    privileges to install $(^Name) for all users of this computer."
LangString AllUsersNotPossible ${LANG_GERMAN} "Ihr Benutzerkonto hat nicht die nötigen Rechte, \
    um $(^Name) für alle Benutzer dieses Computers zu installieren."
LangString AllUsersNotPossible ${LANG_FRENCH} "Votre compte d’utilisateur n’a pas les droits \
    suffisants pour installer $(^Name) pour tous les utilisateurs de cet ordinateur."
LangString AllUsersNotPossible ${LANG_SPANISH} "Su cuenta de usuario no tiene permisos \
    suficientes para instalar $(^Name) para todos los usuarios de este equipo."
LangString AllUsersNotPossible ${LANG_ITALIAN} "L’account utente in uso non dispone dei \
    privilegi necessari per installare $(^Name) per tutti gli utenti di questo computer."
LangString AllUsersNotPossible ${LANG_PORTUGUESEBR} "Sua conta de usuário não tem permissões \
    suficientes para instalar o $(^Name) para todos os usuários deste computador."
LangString AllUsersNotPossible ${LANG_POLISH} "Twoje konto użytkownika nie ma wystarczających \
    uprawnień, aby zainstalować $(^Name) dla wszystkich użytkowników tego komputera."
LangString AllUsersNotPossible ${LANG_RUSSIAN} "У вашей учётной записи недостаточно прав, \
    чтобы установить $(^Name) для всех пользователей этого компьютера."
LangString AllUsersNotPossible ${LANG_UKRAINIAN} "Вашому обліковому запису бракує прав, \
    щоб установити $(^Name) для всіх користувачів цього комп’ютера."
LangString AllUsersNotPossible ${LANG_DUTCH} "Uw gebruikersaccount heeft onvoldoende rechten \
    om $(^Name) voor alle gebruikers van deze computer te installeren."
LangString AllUsersNotPossible ${LANG_TURKISH} "Kullanıcı hesabınızın $(^Name) uygulamasını \
    bu bilgisayarın tüm kullanıcıları için kuracak yetkisi yok."

; A folder that takes no files: the message box, then the line in the installer's details.
LangString FolderNotWritable ${LANG_ENGLISH} "Blinzor cannot be installed in $INSTDIR: the \
    folder cannot be written. Choose another folder."
LangString FolderNotWritable ${LANG_GERMAN} "Blinzor kann nicht in $INSTDIR installiert \
    werden: In den Ordner kann nicht geschrieben werden. Wählen Sie einen anderen Ordner."
LangString FolderNotWritable ${LANG_FRENCH} "Blinzor ne peut pas être installé dans \
    $INSTDIR : impossible d’écrire dans ce dossier. Choisissez un autre dossier."
LangString FolderNotWritable ${LANG_SPANISH} "Blinzor no se puede instalar en $INSTDIR: no se \
    puede escribir en la carpeta. Elija otra carpeta."
LangString FolderNotWritable ${LANG_ITALIAN} "Impossibile installare Blinzor in $INSTDIR: la \
    cartella non è scrivibile. Scegliere un’altra cartella."
LangString FolderNotWritable ${LANG_PORTUGUESEBR} "Não é possível instalar o Blinzor em \
    $INSTDIR: não é possível gravar na pasta. Escolha outra pasta."
LangString FolderNotWritable ${LANG_POLISH} "Nie można zainstalować programu Blinzor w \
    $INSTDIR: nie można zapisywać w tym folderze. Wybierz inny folder."
LangString FolderNotWritable ${LANG_RUSSIAN} "Невозможно установить Blinzor в $INSTDIR: \
    запись в эту папку невозможна. Выберите другую папку."
LangString FolderNotWritable ${LANG_UKRAINIAN} "Неможливо встановити Blinzor у $INSTDIR: до \
    цієї теки неможливо записувати. Виберіть іншу теку."
LangString FolderNotWritable ${LANG_DUTCH} "Blinzor kan niet in $INSTDIR worden \
    geïnstalleerd: er kan niet naar de map worden geschreven. Kies een andere map."
LangString FolderNotWritable ${LANG_TURKISH} "Blinzor $INSTDIR konumuna kurulamıyor: \
    klasöre yazılamıyor. Başka bir klasör seçin."

LangString FolderNotWritableDetail ${LANG_ENGLISH} "The folder cannot be written."
LangString FolderNotWritableDetail ${LANG_GERMAN} "In den Ordner kann nicht geschrieben werden."
LangString FolderNotWritableDetail ${LANG_FRENCH} "Impossible d’écrire dans le dossier."
LangString FolderNotWritableDetail ${LANG_SPANISH} "No se puede escribir en la carpeta."
LangString FolderNotWritableDetail ${LANG_ITALIAN} "La cartella non è scrivibile."
LangString FolderNotWritableDetail ${LANG_PORTUGUESEBR} "Não é possível gravar na pasta."
LangString FolderNotWritableDetail ${LANG_POLISH} "Nie można zapisywać w folderze."
LangString FolderNotWritableDetail ${LANG_RUSSIAN} "Запись в папку невозможна."
LangString FolderNotWritableDetail ${LANG_UKRAINIAN} "До теки неможливо записувати."
LangString FolderNotWritableDetail ${LANG_DUTCH} "Er kan niet naar de map worden geschreven."
LangString FolderNotWritableDetail ${LANG_TURKISH} "Klasöre yazılamıyor."

; The uninstaller's list of files is missing or damaged: the line in its details, then the
; message box.
LangString ListDamagedDetail ${LANG_ENGLISH} "No file was removed: the list of Blinzor's \
    files is missing or damaged."
LangString ListDamagedDetail ${LANG_GERMAN} "Es wurde keine Datei entfernt: Die Liste der \
    Dateien von Blinzor fehlt oder ist beschädigt."
LangString ListDamagedDetail ${LANG_FRENCH} "Aucun fichier n’a été supprimé : la liste des \
    fichiers de Blinzor est absente ou endommagée."
LangString ListDamagedDetail ${LANG_SPANISH} "No se eliminó ningún archivo: falta la lista de \
    archivos de Blinzor o está dañada."
LangString ListDamagedDetail ${LANG_ITALIAN} "Nessun file è stato rimosso: l’elenco dei file \
    di Blinzor manca o è danneggiato."
LangString ListDamagedDetail ${LANG_PORTUGUESEBR} "Nenhum arquivo foi removido: a lista de \
    arquivos do Blinzor está faltando ou danificada."
LangString ListDamagedDetail ${LANG_POLISH} "Nie usunięto żadnego pliku: brak listy plików \
    programu Blinzor lub jest ona uszkodzona."
LangString ListDamagedDetail ${LANG_RUSSIAN} "Ни один файл не удалён: список файлов Blinzor \
    отсутствует или повреждён."
LangString ListDamagedDetail ${LANG_UKRAINIAN} "Жодного файлу не вилучено: список файлів \
    Blinzor відсутній або пошкоджений."
LangString ListDamagedDetail ${LANG_DUTCH} "Er is geen bestand verwijderd: de lijst met \
    bestanden van Blinzor ontbreekt of is beschadigd."
LangString ListDamagedDetail ${LANG_TURKISH} "Hiçbir dosya kaldırılmadı: Blinzor'un dosya \
    listesi eksik ya da bozuk."

LangString ListDamaged ${LANG_ENGLISH} "The list of Blinzor's files in $INSTDIR is missing \
    or damaged, so no file was removed: Blinzor is only taken off the list of programs \
    and the Start menu. Delete from the folder what you no longer want."
LangString ListDamaged ${LANG_GERMAN} "Die Liste der Dateien von Blinzor in $INSTDIR fehlt \
    oder ist beschädigt, daher wurde keine Datei entfernt: Blinzor wird nur aus der Liste \
    der Programme und dem Startmenü genommen. Löschen Sie aus dem Ordner, was Sie nicht mehr \
    brauchen."
LangString ListDamaged ${LANG_FRENCH} "La liste des fichiers de Blinzor dans $INSTDIR est \
    absente ou endommagée, aucun fichier n’a donc été supprimé : Blinzor est seulement \
    retiré de la liste des programmes et du menu Démarrer. Supprimez du dossier ce dont \
    vous n’avez plus besoin."
LangString ListDamaged ${LANG_SPANISH} "Falta la lista de archivos de Blinzor en $INSTDIR o \
    está dañada, así que no se eliminó ningún archivo: Blinzor solo se quita de la lista de \
    programas y del menú Inicio. Borre de la carpeta lo que ya no necesite."
LangString ListDamaged ${LANG_ITALIAN} "L’elenco dei file di Blinzor in $INSTDIR manca o è \
    danneggiato, quindi nessun file è stato rimosso: Blinzor viene solo tolto dall’elenco \
    dei programmi e dal menu Start. Eliminare dalla cartella ciò che non serve più."
LangString ListDamaged ${LANG_PORTUGUESEBR} "A lista de arquivos do Blinzor em $INSTDIR está \
    faltando ou danificada, por isso nenhum arquivo foi removido: o Blinzor só é retirado \
    da lista de programas e do menu Iniciar. Apague da pasta o que você não quiser mais."
LangString ListDamaged ${LANG_POLISH} "Brak listy plików programu Blinzor w $INSTDIR lub jest \
    ona uszkodzona, więc nie usunięto żadnego pliku: Blinzor zostaje tylko usunięty z listy \
    programów i z menu Start. Usuń z folderu to, czego już nie potrzebujesz."
LangString ListDamaged ${LANG_RUSSIAN} "Список файлов Blinzor в $INSTDIR отсутствует или \
    повреждён, поэтому ни один файл не удалён: Blinzor лишь убран из списка программ и из \
    меню «Пуск». Удалите из папки то, что вам больше не нужно."
LangString ListDamaged ${LANG_UKRAINIAN} "Список файлів Blinzor у $INSTDIR відсутній або \
    пошкоджений, тому жодного файлу не вилучено: Blinzor лише прибрано зі списку програм і \
    з меню «Пуск». Видаліть із теки те, що вам більше не потрібно."
LangString ListDamaged ${LANG_DUTCH} "De lijst met bestanden van Blinzor in $INSTDIR ontbreekt \
    of is beschadigd, dus er is geen bestand verwijderd: Blinzor wordt alleen uit de lijst \
    met programma's en het menu Start gehaald. Verwijder uit de map wat u niet meer wilt."
LangString ListDamaged ${LANG_TURKISH} "$INSTDIR içindeki Blinzor dosya listesi eksik ya da \
    bozuk olduğundan hiçbir dosya kaldırılmadı: Blinzor yalnızca program listesinden ve \
    Başlat menüsünden çıkarıldı. Artık istemediklerinizi klasörden silin."

; The Start-menu entry's description, as the Linux menu entry's comment has it.
LangString ShortcutDescription ${LANG_ENGLISH} "Take numbers from the open row or column and \
    outscore your opponent"
LangString ShortcutDescription ${LANG_GERMAN} "Zahlen aus der offenen Reihe oder Spalte \
    nehmen und mehr Punkte als der Gegner sammeln"
LangString ShortcutDescription ${LANG_FRENCH} "Prends des chiffres dans la ligne ou la \
    colonne ouverte et marque plus de points que ton adversaire"
LangString ShortcutDescription ${LANG_SPANISH} "Toma números de la fila o la columna abierta \
    y supera la puntuación de tu rival"
LangString ShortcutDescription ${LANG_ITALIAN} "Prendi i numeri dalla riga o dalla colonna \
    aperta e supera il punteggio dell’avversario"
LangString ShortcutDescription ${LANG_PORTUGUESEBR} "Pegue números da linha ou da coluna \
    aberta e faça mais pontos que seu adversário"
LangString ShortcutDescription ${LANG_POLISH} "Zabieraj liczby z otwartego wiersza lub \
    kolumny i zdobądź więcej punktów niż przeciwnik"
LangString ShortcutDescription ${LANG_RUSSIAN} "Забирай числа из открытой строки или \
    столбца и набери больше очков, чем соперник"
LangString ShortcutDescription ${LANG_UKRAINIAN} "Забирай числа з відкритого рядка чи \
    стовпчика й набери більше очок, ніж суперник"
LangString ShortcutDescription ${LANG_DUTCH} "Neem getallen uit de open rij of kolom en \
    scoor meer dan je tegenstander"
LangString ShortcutDescription ${LANG_TURKISH} "Açık satırdan ya da sütundan sayı al, \
    rakibinden daha çok puan topla"
