<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Довідка — Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Про &amp;систему...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Відомості про систему зараз недоступні</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Бери число з лінії, яка відкрита для тебе:</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>перший гравець бере зі стовпчика, другий — з рядка.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>Лінія через взяте число відкривається супернику.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Відкрита лінія порожня — партію закінчено: перемагає</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>той, у кого більше очок, а три перемоги дають матч.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Розробники Blinzor</translation>
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
        <translation>немає на полі</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>взята</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>вибір комп’ютера</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>відкрита для гравця, чий хід</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>закрита</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Вітаємо</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Гравець 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Гравець 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Твої очки:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Мої очки:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Спершу вибери розмір поля: 5x5, 8x8 або 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Час вийшов: мінус одне очко. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Рядок %1, стовпчик %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Очки гравця %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Партії, виграні гравцем %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Годинник ходу</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
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
        <translation>Поле 5 на 5 клітинок</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Поле 8 на 8 клітинок</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Поле 10 на 10 клітинок</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Новий Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Люди проти орків</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Ти проти мене</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Довідка...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Гравець 1 переміг!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Гравець 2 переміг!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Перемога за тобою!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Перемога за мною!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Гравець 1 —
ПЕРЕМОЖЕЦЬ!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Гравець 2 —
ПЕРЕМОЖЕЦЬ!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Ти —
ПЕРЕМОЖЕЦЬ!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Я —
ПЕРЕМОЖЕЦЬ!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Легкий:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Складний:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Бог:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Сатана:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Гравець 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Гравець 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ти</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Я</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 бере %4: рядок %2, стовпчик %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 бере %4: рядок %2, стовпчик %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 береш %4: рядок %2, стовпчик %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 беру %4: рядок %2, стовпчик %3. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Ти справді хочеш вийти з Blinzor?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Сміливий вибір. Безглуздий, але сміливий.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Я вже почав писати свою переможну промову.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Щасти. Тобі знадобиться все везіння, яке є.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Мої схеми вже розігріваються. А твої?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Не хвилюйся, я буду з тобою м’яким. Мабуть.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Я цілий день на це чекав.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Сміливий хід. Подивимося, чи погодиться з ним поле.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Може, спершу розімнеш пальці?</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Мене влаштовує. Я все одно ніколи не втомлююся.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Починаємо, щойно скажеш. Я народився готовим.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Обіцяю виграти ввічливо.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Пам’ятай, це лише гра. Для тебе.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Чудово. Мої випадкові числа вже усміхаються.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Точно? Запізно, я вже погодився.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Цікаво. Спробую не сміятися.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Кілька слів від суперника</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Твій вибір:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Бог</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Сатана</translation>
    </message>
</context>
</TS>
