<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Справка — Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>О &amp;системе...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Бери число из линии, которая открыта для тебя:</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>первый игрок берёт из столбца, второй — из строки.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>Линия через взятое число открывается сопернику.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Открытая линия пуста — партия окончена: побеждает</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>тот, у кого больше очков, а три победы приносят матч.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Разработчики Blinzor</translation>
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
        <translation>нет на поле</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>взята</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>выбор компьютера</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>открыта для игрока, чей ход</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>закрыта</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Игрок 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Игрок 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Твои очки:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Мои очки:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Сначала выбери размер поля: 5x5, 8x8 или 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Время вышло: минус одно очко. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Строка %1, столбец %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Очки игрока %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Партии, выигранные игроком %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Часы хода</translation>
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
        <translation>Поле 5 на 5 клеток</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Поле 8 на 8 клеток</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Поле 10 на 10 клеток</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Новый Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Люди против орков</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Ты против меня</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Игрок 1 победил!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Игрок 2 победил!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Победа за тобой!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Победа за мной!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Игрок 1 —
ПОБЕДИТЕЛЬ!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Игрок 2 —
ПОБЕДИТЕЛЬ!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Ты —
ПОБЕДИТЕЛЬ!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Я —
ПОБЕДИТЕЛЬ!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Лёгкий:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Сложный:</translation>
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
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ты</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Я</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 берёт %4: строка %2, столбец %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 берёт %4: строка %2, столбец %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 берёшь %4: строка %2, столбец %3. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 беру %4: строка %2, столбец %3. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Ты правда хочешь выйти из Blinzor?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Смелый выбор. Бессмысленный, но смелый.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Я уже начал писать свою победную речь.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Удачи. Тебе пригодится вся, до последней капли.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Мои схемы уже разогреваются. А твои?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Не волнуйся, я буду с тобой помягче. Наверное.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Я весь день этого ждал.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Смелый ход. Посмотрим, согласится ли с ним поле.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Может, сначала разомнёшь пальцы?</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Меня устраивает. Я всё равно никогда не устаю.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Начинаем, когда скажешь. Я родился готовым.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Обещаю выиграть вежливо.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Помни, это всего лишь игра. Для тебя.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Отлично. Мои случайные числа уже улыбаются.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Точно? Поздно, я уже согласился.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Интересно. Постараюсь не смеяться.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Пара слов от соперника</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Твой выбор:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
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
