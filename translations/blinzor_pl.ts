<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Pomoc – Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>O &amp;systemie...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Weź liczbę z linii, która jest dla ciebie otwarta:</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>pierwszy gracz bierze z kolumny, drugi z wiersza.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>Linia przez twoją liczbę otwiera się dla przeciwnika.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Gdy otwarta linia jest pusta, partia się kończy: wygrywa</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>ten, kto ma więcej punktów, a trzy zwycięstwa dają mecz.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Twórcy Blinzora</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>poza planszą</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>zajęte</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>wybór komputera</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>otwarte dla gracza, który ma ruch</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>zamknięte</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Gracz 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Gracz 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Twój wynik:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Mój wynik:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Najpierw wybierz rozmiar planszy: 5x5, 8x8 lub 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Czas minął: minus jeden punkt. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Wynik gracza %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Partie wygrane przez gracza %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Zegar ruchu</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
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
        <translation>Plansza 5 na 5 pól</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Plansza 8 na 8 pól</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Plansza 10 na 10 pól</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Nowy Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Ludzie kontra orki</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Ty kontra ja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Pomoc...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Gracz 1 wygrywa!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Gracz 2 wygrywa!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Wygrywasz!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Wygrywam!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Gracz 1 jest
ZWYCIĘZCĄ!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Gracz 2 jest
ZWYCIĘZCĄ!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Ty jesteś
ZWYCIĘZCĄ!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Ja jestem
ZWYCIĘZCĄ!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Łatwy:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Trudny:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Bóg:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Szatan:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 bierze %4: wiersz %2, kolumna %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 bierze %4: wiersz %2, kolumna %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 bierzesz %4: wiersz %2, kolumna %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 biorę %4: wiersz %2, kolumna %3. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Naprawdę chcesz wyjść z Blinzora?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Odważny wybór. Bezsensowny, ale odważny.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Już zacząłem pisać swoje przemówienie zwycięzcy.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Powodzenia. Przyda ci się każda jego odrobina.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Moje obwody już się rozgrzewają. A twoje?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Spokojnie, potraktuję cię łagodnie. Chyba.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Czekałem na to cały dzień.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Śmiały ruch. Zobaczmy, czy plansza się z nim zgodzi.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Może najpierw rozgrzej palce?</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Mnie pasuje. I tak nigdy się nie męczę.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Zaczynamy, kiedy chcesz. Urodziłem się gotowy.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Obiecuję wygrać kulturalnie.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Pamiętaj, to tylko gra. Dla ciebie.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Świetnie. Moje liczby losowe już się uśmiechają.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Na pewno? Za późno, już się zgodziłem.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Ciekawe. Postaram się nie śmiać.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Słowo od przeciwnika</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Twój wybór:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Bóg</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Szatan</translation>
    </message>
</context>
</TS>
