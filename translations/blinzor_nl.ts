<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5x5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10x10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board of 5 by 5 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>God</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
