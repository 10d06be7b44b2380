<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Aiuto - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili in questo momento</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Prendi un numero dalla linea che è aperta per te: il primo</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>giocatore prende da una colonna, il secondo da una riga.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>La linea che passa per il tuo numero si apre all&apos;avversario.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Quando la linea aperta è vuota la partita finisce: vince chi</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>ha più punti, e con tre partite vinte si vince l&apos;incontro.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Gli sviluppatori di Blinzor</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>fuori dal tabellone</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>presa</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>la scelta del computer</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>aperta per il giocatore di turno</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>chiusa</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Giocatore 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Giocatore 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>I tuoi punti:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>I miei punti:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Prima scegli la dimensione del tabellone: 5x5, 8x8 o 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Tempo scaduto: un punto in meno. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Punteggio del giocatore %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Partite vinte dal giocatore %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Orologio del turno</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>5x5</source>
        <translation>5x5</translation>
    </message>
    <message>
        <source>8x8</source>
        <translation>8x8</translation>
    </message>
    <message>
        <source>10x10</source>
        <translation>10x10</translation>
    </message>
    <message>
        <source>Board of 5 by 5 cells</source>
        <translation>Tabellone di 5 per 5 caselle</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Tabellone di 8 per 8 caselle</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Tabellone di 10 per 10 caselle</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Nuovo Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Umani contro Orchi</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Tu contro me</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aiuto...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Ha vinto il giocatore 1!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Ha vinto il giocatore 2!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Ho vinto!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Il giocatore 1 è
IL VINCITORE!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Il giocatore 2 è
IL VINCITORE!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Tu sei
IL VINCITORE!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Io sono
IL VINCITORE!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Facile:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Difficile:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Dio:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Satana:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 ha preso la riga %2, colonna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 ha preso la riga %2, colonna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 hai preso la riga %2, colonna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 ho preso la riga %2, colonna %3: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Vuoi davvero uscire da Blinzor?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Scelta coraggiosa. Inutile, ma coraggiosa.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Ho già cominciato a scrivere il mio discorso della vittoria.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Buona fortuna. Ti servirà fino all&apos;ultima briciola.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>I miei circuiti si stanno scaldando. E i tuoi?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Non preoccuparti, ci andrò piano con te. Probabilmente.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>È tutto il giorno che aspetto questo momento.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Mossa audace. Vediamo se il tabellone è d&apos;accordo.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Forse è meglio sgranchirsi le dita, prima.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Per me va bene. Tanto io non mi stanco mai.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Quando vuoi. Io sono nato pronto.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Prometto di vincere con garbo.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Ricorda, è solo un gioco. Per te.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Eccellente. I miei numeri casuali stanno già sorridendo.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Davvero? Troppo tardi, ho già accettato.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Interessante. Cercherò di non ridere.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Due parole dal tuo avversario</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>La tua scelta:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Dio</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satana</translation>
    </message>
</context>
</TS>
