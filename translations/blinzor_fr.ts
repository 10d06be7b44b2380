<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Aide - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
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
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Prends un nombre dans la rangée qui t&apos;est ouverte&#xa0;:</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>le premier joueur prend en colonne, le second en ligne.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>La rangée de ton nombre s&apos;ouvre alors à ton adversaire.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Quand la rangée ouverte est vide, la partie finit&#xa0;: le</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>meilleur score l&apos;emporte, et trois victoires font le match.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Les développeurs de Blinzor</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>hors du plateau</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>prise</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>le choix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>ouverte au joueur dont c&apos;est le tour</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>fermée</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Joueur 1&#xa0;:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Joueur 2&#xa0;:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Ton score&#xa0;:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Mon score&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Choisis d&apos;abord une taille de plateau&#xa0;: 5x5, 8x8 ou 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Temps écoulé&#xa0;: un point en moins. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Score du joueur %1</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Parties gagnées par le joueur %1</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Chrono du tour</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
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
        <translation>Plateau de 5 cases sur 5</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>Plateau de 8 cases sur 8</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>Plateau de 10 cases sur 10</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Nouveau Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>Humains contre Orcs</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Toi contre moi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Le joueur 1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Le joueur 2 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Tu as gagné&#xa0;!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>J&apos;ai gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Le joueur 1 est
VAINQUEUR&#xa0;!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Le joueur 2 est
VAINQUEUR&#xa0;!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Tu es
VAINQUEUR&#xa0;!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Je suis
VAINQUEUR&#xa0;!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Facile&#xa0;:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Difficile&#xa0;:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Dieu&#xa0;:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Satan&#xa0;:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Toi</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Moi</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 a pris la ligne %2, colonne %3&#xa0;: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 a pris la ligne %2, colonne %3&#xa0;: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1, tu as pris la ligne %2, colonne %3&#xa0;: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1, j&apos;ai pris la ligne %2, colonne %3&#xa0;: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Veux-tu vraiment quitter Blinzor&#xa0;?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Choix courageux. Inutile, mais courageux.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>J&apos;ai déjà commencé à écrire mon discours de victoire.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Bonne chance. Tu en auras besoin, jusqu&apos;à la dernière miette.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Mes circuits chauffent. Et les tiens&#xa0;?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Ne t&apos;inquiète pas, je vais y aller doucement. Probablement.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>J&apos;attends ce moment depuis ce matin.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Audacieux. Voyons si le plateau est d&apos;accord.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Tu devrais peut-être d&apos;abord t&apos;échauffer les doigts.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Ça me va. De toute façon, je ne suis jamais fatigué.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Quand tu veux. Moi, je suis né prêt.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Je promets de gagner poliment.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>N&apos;oublie pas, ce n&apos;est qu&apos;un jeu. Pour toi.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Excellent. Mes nombres aléatoires sourient déjà.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Vraiment&#xa0;? Trop tard, j&apos;ai accepté.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>Intéressant. J&apos;essaierai de ne pas rire.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Un mot de ton adversaire</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Ton choix&#xa0;:</translation>
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
        <translation>Dieu</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Satan</translation>
    </message>
</context>
</TS>
