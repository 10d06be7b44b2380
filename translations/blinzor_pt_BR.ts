<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Ajuda - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Pegue um número da fileira aberta para você: o primeiro</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>jogador pega de uma coluna, o segundo de uma linha.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>A fileira que passa pelo seu número se abre ao adversário.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Quando a fileira aberta fica vazia, a partida acaba: vence</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>quem fizer mais pontos, e três vitórias ganham o confronto.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Os desenvolvedores do Blinzor</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>fora do tabuleiro</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>já pega</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>a escolha do computador</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>aberta para o jogador da vez</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>fechada</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Jogador 1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Jogador 2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Seus pontos:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Meus pontos:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Escolha primeiro o tamanho do tabuleiro: 5x5, 8x8 ou 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Acabou o tempo: menos um ponto. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Pontos do jogador %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Partidas vencidas pelo jogador %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Relógio da vez</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
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
        <translation>Tabuleiro de 5 por 5 casas</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Tabuleiro de 8 por 8 casas</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Tabuleiro de 10 por 10 casas</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Novo Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Humanos contra Orcs</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Você contra mim</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ajuda...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>O jogador 1 venceu!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>O jogador 2 venceu!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Eu venci!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>O jogador 1 é o
VENCEDOR!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>O jogador 2 é o
VENCEDOR!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Você é o
VENCEDOR!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Eu sou o
VENCEDOR!</translation>
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
        <translation>Deus:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Satanás:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Eu</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 pegou a linha %2, coluna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 pegou a linha %2, coluna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 pegou a linha %2, coluna %3: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 peguei a linha %2, coluna %3: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Quer mesmo sair do Blinzor?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Escolha corajosa. Inútil, mas corajosa.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Já comecei a escrever meu discurso de vitória.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Boa sorte. Você vai precisar de cada gotinha dela.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Meus circuitos estão esquentando. E os seus?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Não se preocupe, vou pegar leve com você. Provavelmente.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Passei o dia inteiro esperando por isso.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Jogada ousada. Vamos ver se o tabuleiro concorda.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Talvez seja bom alongar os dedos antes.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Por mim, tudo bem. Eu nunca me canso mesmo.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Quando você quiser. Eu já nasci pronto.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Prometo vencer com educação.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Lembre-se: é só um jogo. Para você.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Excelente. Meus números aleatórios já estão sorrindo.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Tem certeza? Tarde demais, já aceitei.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Interessante. Vou tentar não rir.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Uma palavrinha do seu adversário</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Sua escolha:</translation>
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
        <translation>Deus</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satanás</translation>
    </message>
</context>
</TS>
