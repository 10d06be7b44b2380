<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Hilfe - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Nimm eine Zahl aus der Linie, die dir offensteht: Der erste</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>Spieler nimmt aus einer Spalte, der zweite aus einer Reihe.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>Die Linie durch deine Zahl öffnet sich für deinen Gegner.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Ist die offene Linie leer, endet das Spiel: Die höhere</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>Punktzahl gewinnt es, und drei Siege gewinnen das Match.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Die Blinzor-Entwickler</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>nicht auf dem Spielfeld</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>genommen</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>die Wahl des Computers</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>offen für den Spieler am Zug</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>nicht offen</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Spieler1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Spieler2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Meine Punkte:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Wähle zuerst eine Spielfeldgröße: 5x5, 8x8 oder 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Zeit abgelaufen: ein Punkt weniger. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Punkte von Spieler %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Gewonnene Spiele von Spieler %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
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
        <translation>Spielfeld mit 5 mal 5 Feldern</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Spielfeld mit 8 mal 8 Feldern</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Spielfeld mit 10 mal 10 Feldern</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Neues Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Menschen gegen Orks</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Du gegen mich</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Spieler1 gewinnt!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Spieler2 gewinnt!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Du gewinnst!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Ich gewinne!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Spieler1 ist
SIEGER!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Spieler2 ist
SIEGER!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Du bist
SIEGER!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Ich bin
SIEGER!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Leicht:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Schwer:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Gott:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Satan:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Ich</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 hat Reihe %2, Spalte %3 genommen: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 hat Reihe %2, Spalte %3 genommen: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 hast Reihe %2, Spalte %3 genommen: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 habe Reihe %2, Spalte %3 genommen: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Willst du Blinzor wirklich verlassen?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Mutige Wahl. Sinnlos, aber mutig.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Ich schreibe schon an meiner Siegesrede.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Viel Glück. Du wirst jedes bisschen davon brauchen.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Meine Schaltkreise laufen sich schon warm. Deine auch?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Keine Sorge, ich gehe sanft mit dir um. Wahrscheinlich.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Darauf habe ich den ganzen Tag gewartet.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Kühner Zug. Mal sehen, ob das Spielfeld zustimmt.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Vielleicht solltest du erst mal deine Finger lockern.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Mir recht. Ich werde sowieso nie müde.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Bereit, wenn du es bist. Ich bin immer bereit.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Ich verspreche, höflich zu gewinnen.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Denk dran, es ist nur ein Spiel. Für dich.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Ausgezeichnet. Meine Zufallszahlen lächeln schon.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Bist du sicher? Zu spät, ich habe schon angenommen.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Interessant. Ich werde versuchen, nicht zu lachen.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Ein Wort von deinem Gegner</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Deine Wahl:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Gott</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satan</translation>
    </message>
</context>
</TS>
