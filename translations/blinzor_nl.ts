<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Help - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Neem een getal uit de lijn die voor jou open is: de eerste</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>speler neemt uit een kolom, de tweede uit een rij.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>De lijn door jouw getal gaat open voor je tegenstander.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Is de open lijn leeg, dan is het spel voorbij: de hoogste</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>score wint, en drie gewonnen spellen winnen de wedstrijd.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>De Blinzor-ontwikkelaars</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>niet op het bord</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>genomen</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>de keuze van de computer</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>open voor de speler die aan zet is</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>niet open</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Score speler1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Score speler2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Jouw score:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Mijn score:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Kies eerst een bordgrootte: 5x5, 8x8 of 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>De tijd is om: één punt eraf. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Score van speler %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Gewonnen spellen van speler %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Beurtklok</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
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
        <translation>Bord van 5 bij 5 vakjes</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Bord van 8 bij 8 vakjes</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Bord van 10 bij 10 vakjes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Nieuw Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Mensen tegen orks</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Jij tegen mij</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Help...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Speler1 wint!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Speler2 wint!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Jij wint!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Ik win!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Speler1 is
WINNAAR!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Speler2 is
WINNAAR!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Jij bent
WINNAAR!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Ik ben
WINNAAR!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Score Simpel:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Score Lastig:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Score God:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Score Satan:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Speler1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Speler2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Ik</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 nam rij %2, kolom %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 nam rij %2, kolom %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 nam rij %2, kolom %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 nam rij %2, kolom %3: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Wil je Blinzor echt verlaten?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Dappere keuze. Zinloos, maar dapper.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Ik ben al begonnen aan mijn overwinningsspeech.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Veel succes. Je zult het hard nodig hebben.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Mijn circuits warmen al op. Die van jou ook?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Geen zorgen, ik doe rustig aan met je. Waarschijnlijk.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Hier heb ik de hele dag op gewacht.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Gewaagde zet. Eens kijken of het bord het ermee eens is.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Misschien moet je eerst even je vingers strekken.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Mij best. Ik word toch nooit moe.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Klaar wanneer jij het bent. Ik ben altijd klaar.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Ik beloof dat ik beleefd zal winnen.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Onthoud: het is maar een spel. Voor jou.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Uitstekend. Mijn willekeurige getallen glimlachen al.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Weet je het zeker? Te laat, ik heb al geaccepteerd.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Interessant. Ik zal proberen niet te lachen.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Een woordje van je tegenstander</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Jouw keuze:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Simpel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Lastig</translation>
    </message>
    <message>
        <source>God</source>
        <translation>God</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satan</translation>
    </message>
</context>
</TS>
