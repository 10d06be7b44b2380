<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Ayuda - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Toma un número de la línea que tienes abierta: el primer</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>jugador toma de una columna, el segundo de una fila.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>La línea que pasa por tu número se abre para tu rival.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Cuando la línea abierta queda vacía, la partida acaba: gana</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>quien tenga más puntos, y tres victorias ganan el duelo.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Los desarrolladores de Blinzor</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>fuera del tablero</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>tomada</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>la elección del ordenador</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>abierta para el jugador al que le toca</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>cerrada</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Jugador 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Jugador 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Tus puntos:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Mis puntos:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Primero elige un tamaño de tablero: 5x5, 8x8 o 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Se acabó el tiempo: un punto menos. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Puntos del jugador %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Partidas ganadas por el jugador %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Reloj:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Reloj del turno</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
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
        <translation>Tablero de 5 por 5 casillas</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Tablero de 8 por 8 casillas</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Tablero de 10 por 10 casillas</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Nuevo Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Humanos contra Orcos</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Tú contra mí</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>¡Ha ganado el jugador 1!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>¡Ha ganado el jugador 2!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>¡He ganado!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>El jugador 1 es
¡EL GANADOR!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>El jugador 2 es
¡EL GANADOR!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Tú eres
¡EL GANADOR!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Yo soy
¡EL GANADOR!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Fácil:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Difícil:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Dios:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Satanás:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Yo</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 ha tomado la fila %2, columna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 ha tomado la fila %2, columna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 has tomado la fila %2, columna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 he tomado la fila %2, columna %3: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>¿De verdad quieres salir de Blinzor?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Elección valiente. Inútil, pero valiente.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Ya he empezado a escribir mi discurso de victoria.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Buena suerte. La vas a necesitar toda.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Mis circuitos se están calentando. ¿Y los tuyos?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>No te preocupes, no seré muy duro contigo. Probablemente.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Llevo todo el día esperando esto.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Movimiento audaz. A ver si el tablero está de acuerdo.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Quizá quieras estirar los dedos primero.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Por mí, bien. Total, yo nunca me canso.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Cuando quieras. Yo nací listo.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Prometo ganar con educación.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Recuerda, solo es un juego. Para ti.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Excelente. Mis números aleatorios ya están sonriendo.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>¿Seguro? Demasiado tarde, ya he aceptado.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Interesante. Intentaré no reírme.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Unas palabras de tu rival</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Tu elección:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Dios</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satanás</translation>
    </message>
</context>
</TS>
