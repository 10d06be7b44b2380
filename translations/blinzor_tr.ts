<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>About</name>
    <message>
        <source>Help - Blinzor</source>
        <translation>Yardım - Blinzor</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistem Bilgisi...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Sistem bilgisi şu anda kullanılamıyor</translation>
    </message>
    <message>
        <source>Blinzor</source>
        <extracomment>The game&apos;s name, large at the top of the About box&apos;s slate.</extracomment>
        <translation>Blinzor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>Beside the game&apos;s name; %1 is the version number, such as 3.00.</extracomment>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>Heading of the rules on the About box.</extracomment>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>Take a number from the line that is open to you:</source>
        <extracomment>Rules line 1 of 5: the five lines read as one text. Each line must stay about as long as the English, which fills the slate&apos;s width.</extracomment>
        <translation>Sana açık olan çizgiden bir sayı al: birinci oyuncu</translation>
    </message>
    <message>
        <source>the first player takes from a column, the second from a row.</source>
        <extracomment>Rules line 2 of 5.</extracomment>
        <translation>bir sütundan, ikinci oyuncu bir satırdan alır.</translation>
    </message>
    <message>
        <source>The line through your number opens for your opponent.</source>
        <extracomment>Rules line 3 of 5.</extracomment>
        <translation>Senin sayından geçen çizgi rakibine açılır.</translation>
    </message>
    <message>
        <source>When the open line is empty the game ends: the higher</source>
        <extracomment>Rules line 4 of 5.</extracomment>
        <translation>Açık çizgi boşalınca oyun biter: puanı yüksek olan</translation>
    </message>
    <message>
        <source>score wins it, and three won games win the match.</source>
        <extracomment>Rules line 5 of 5.</extracomment>
        <translation>oyunu kazanır, üç oyun kazanan da maçı kazanır.</translation>
    </message>
    <message>
        <source>The Blinzor developers</source>
        <extracomment>The credit at the foot of the About box&apos;s slate.</extracomment>
        <translation>Blinzor geliştiricileri</translation>
    </message>
</context>
<context>
    <name>CellAccessible</name>
    <message>
        <source>not on the board</source>
        <translation>tahtada değil</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>alındı</translation>
    </message>
    <message>
        <source>the computer&apos;s choice</source>
        <translation>bilgisayarın seçimi</translation>
    </message>
    <message>
        <source>open to the player to move</source>
        <translation>sırası gelen oyuncuya açık</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>açık değil</translation>
    </message>
</context>
<context>
    <name>Dravik</name>
    <message>
        <source>Game Over</source>
        <translation>Oyun Bitti</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Tebrikler</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Player1 score:</source>
        <translation>Oyuncu1:</translation>
    </message>
    <message>
        <source>Player2 score:</source>
        <translation>Oyuncu2:</translation>
    </message>
    <message>
        <source>Your score:</source>
        <translation>Sen:</translation>
    </message>
    <message>
        <source>My score:</source>
        <translation>Ben:</translation>
    </message>
    <message>
        <source>Choose a board size first: 5x5, 8x8 or 10x10.</source>
        <translation>Önce bir tahta boyutu seç: 5x5, 8x8 veya 10x10.</translation>
    </message>
    <message>
        <source>Time ran out: one point off. </source>
        <translation>Süre doldu: bir puan düşüldü. </translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Satır %1, sütun %2</translation>
    </message>
    <message>
        <source>Score of player %1</source>
        <translation>Oyuncu %1 puanı</translation>
    </message>
    <message>
        <source>Games won by player %1</source>
        <translation>Oyuncu %1 tarafından kazanılan oyunlar</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Süre:</translation>
    </message>
    <message>
        <source>Turn clock</source>
        <translation>Hamle saati</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tahta</translation>
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
        <translation>5&apos;e 5 karelik tahta</translation>
    </message>
    <message>
        <source>Board of 8 by 8 cells</source>
        <translation>8&apos;e 8 karelik tahta</translation>
    </message>
    <message>
        <source>Board of 10 by 10 cells</source>
        <translation>10&apos;a 10 karelik tahta</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>New Blinzor</source>
        <translation>Yeni Blinzor</translation>
    </message>
    <message>
        <source>Humans vs Orcs</source>
        <translation>İnsanlar Orklara Karşı</translation>
    </message>
    <message>
        <source>You vs Me</source>
        <translation>Sen Bana Karşı</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Yardım...</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Player1 win!</source>
        <translation>Oyuncu1 kazandı!</translation>
    </message>
    <message>
        <source>Player2 win!</source>
        <translation>Oyuncu2 kazandı!</translation>
    </message>
    <message>
        <source>You  win!</source>
        <translation>Sen kazandın!</translation>
    </message>
    <message>
        <source>I win!</source>
        <translation>Ben kazandım!</translation>
    </message>
    <message>
        <source>Player1 is
WINNER!</source>
        <translation>Maçı Oyuncu1
KAZANDI!</translation>
    </message>
    <message>
        <source>Player2 is
WINNER!</source>
        <translation>Maçı Oyuncu2
KAZANDI!</translation>
    </message>
    <message>
        <source>You are
WINNER!</source>
        <translation>Maçı sen
KAZANDIN!</translation>
    </message>
    <message>
        <source>I am
WINNER!</source>
        <translation>Maçı ben
KAZANDIM!</translation>
    </message>
    <message>
        <source>Easy&apos;s score:</source>
        <translation>Kolay:</translation>
    </message>
    <message>
        <source>Hard&apos;s score:</source>
        <translation>Zor:</translation>
    </message>
    <message>
        <source>God&apos;s score:</source>
        <translation>Tanrı:</translation>
    </message>
    <message>
        <source>Satan&apos;s score:</source>
        <translation>Şeytan:</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Oyuncu1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Oyuncu2</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sen</translation>
    </message>
    <message>
        <source>I</source>
        <translation>Ben</translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player1</comment>
        <translation>%1 satır %2, sütun %3 karesini aldı: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>Player2</comment>
        <translation>%1 satır %2, sütun %3 karesini aldı: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>You</comment>
        <translation>%1 satır %2, sütun %3 karesini aldın: %4. </translation>
    </message>
    <message>
        <source>%1 took row %2, column %3: %4. </source>
        <comment>I</comment>
        <translation>%1 satır %2, sütun %3 karesini aldım: %4. </translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <source>ending-question</source>
        <extracomment>The question before the program ends, answered Yes or No; Yes ends it.</extracomment>
        <translation>Blinzor&apos;dan gerçekten çıkmak istiyor musun?</translation>
    </message>
    <message>
        <source>remark-1</source>
        <extracomment>The computer&apos;s cheeky remarks on the strength just chosen in &quot;Your choice:&quot;; one is shown at random on OK, in a box with an error icon.</extracomment>
        <translation>Cesur seçim. Anlamsız ama cesur.</translation>
    </message>
    <message>
        <source>remark-2</source>
        <translation>Zafer konuşmamı yazmaya çoktan başladım bile.</translation>
    </message>
    <message>
        <source>remark-3</source>
        <translation>Bol şans. Her zerresine ihtiyacın olacak.</translation>
    </message>
    <message>
        <source>remark-4</source>
        <translation>Devrelerim ısınıyor. Seninkiler de ısınıyor mu?</translation>
    </message>
    <message>
        <source>remark-5</source>
        <translation>Merak etme, sana yumuşak davranacağım. Muhtemelen.</translation>
    </message>
    <message>
        <source>remark-6</source>
        <translation>Bütün gün bunu bekledim.</translation>
    </message>
    <message>
        <source>remark-7</source>
        <translation>Cesur hamle. Bakalım tahta da aynı fikirde mi.</translation>
    </message>
    <message>
        <source>remark-8</source>
        <translation>Önce parmaklarını biraz esnetmek isteyebilirsin.</translation>
    </message>
    <message>
        <source>remark-9</source>
        <translation>Bana uyar. Ben zaten hiç yorulmam.</translation>
    </message>
    <message>
        <source>remark-10</source>
        <translation>Sen hazırsan ben de hazırım. Ben hazır doğdum.</translation>
    </message>
    <message>
        <source>remark-11</source>
        <translation>Kibarca kazanacağıma söz veriyorum.</translation>
    </message>
    <message>
        <source>remark-12</source>
        <translation>Unutma, bu sadece bir oyun. Senin için.</translation>
    </message>
    <message>
        <source>remark-13</source>
        <translation>Harika. Rastgele sayılarım şimdiden gülümsüyor.</translation>
    </message>
    <message>
        <source>remark-14</source>
        <translation>Emin misin? Çok geç, ben çoktan kabul ettim.</translation>
    </message>
    <message>
        <source>remark-15</source>
        <translation>İlginç. Gülmemeye çalışacağım.</translation>
    </message>
    <message>
        <source>remark-title</source>
        <extracomment>The title of the box that shows a remark: who the remark comes from.</extracomment>
        <translation>Rakibinden birkaç söz</translation>
    </message>
</context>
<context>
    <name>Vibor</name>
    <message>
        <source>Your choice:</source>
        <translation>Seçimin:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>God</source>
        <translation>Tanrı</translation>
    </message>
    <message>
        <source>Satan</source>
        <translation>Şeytan</translation>
    </message>
</context>
</TS>
