<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>Translittération :</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>Traduction (%1) :</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Caché : appuyez sur R pour dévoiler</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>Image du verset ; glissez-la dans votre cœur</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>Traduction et translittération</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>Verset</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>État de la lecture</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>de %1 à %2 s</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (mot %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (mots %2 à %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1, conforme : vous avez dit tout le verset, dans l'ordre (note %2 sur 100).</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1, partielle : une partie manque, est ajoutée ou dite autrement (note %2 sur 100).</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1, différente : cela ressemble à un autre verset, ou à aucune récitation (note %2 sur 100).</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>On dirait %1 (%2), et non %3.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Omis : %1.</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>Omis, dans le temps du récitant : %1.</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>Dit autrement : %1.</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>Dit autrement, dans le temps du récitant : %1.</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>Ajouté, dans le temps de votre enregistrement : %1.</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz’</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Ḥizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;Choisissez une sourate :&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sourate</translation>
    </message>
    <message>
        <source> or</source>
        <translation> ou</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>Type de passage</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>Mémoriser par page, juz, hizb ou quart du mushaf de Médine</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>Numéro du passage</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>Jouer le passage</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>Jouer le passage choisi, à travers ses sourates</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>Tabarakallah ! Vous connaissez cette sourate ? Glissez-moi dans votre cœur !</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>Glissez cette sourate dans votre cœur</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>Au nom d'Allah, le Tout Miséricordieux, le Très Miséricordieux</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · votre récitation</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · le récitant</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>Préférences de Varnel</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>Jouer le son d'essai</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>Arrêter le son d'essai</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>Aucun microphone trouvé</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>Celui du système</translation>
    </message>
    <message>
        <source>Sound Settings</source>
        <translation>Réglages du son</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>Choisissez un périphérique audio</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>Enregistrer ma récitation depuis</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>Le périphérique audio est utilisé maintenant, mais le choix n'a pas pu être enregistré dans "config.ini" pour la prochaine fois :</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · passage %1 sur %2</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>Verset %L1 sur %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · verset %L1 sur %L2 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>Sourate %1, verset %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Vos réglages d'exercice n'ont pas pu être enregistrés :</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>Guide de Varnel</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>Varnel vous aide à apprendre des sourates par cœur : vous voyez chaque verset, l'entendez réciter aussi souvent que vous voulez, et gardez trace de ce que vous savez dans votre &lt;b&gt;cœur&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>Au démarrage, Varnel demande votre &lt;b&gt;profil&lt;/b&gt;. Tapez votre nom et appuyez sur &lt;i&gt;Créer un nouveau profil&lt;/i&gt;, ou choisissez votre nom dans la liste et appuyez sur &lt;i&gt;Charger le profil choisi&lt;/i&gt;. Votre cœur et le verset où vous étiez sont gardés dans votre profil ; Varnel l'enregistre quand vous partez, et Fichier &amp;gt; Enregistrer le profil l'enregistre tout de suite.</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>La première fois, Varnel demande quel &lt;b&gt;périphérique audio&lt;/b&gt; utiliser. Appuyez sur &lt;i&gt;Jouer le son d'essai&lt;/i&gt; pour le vérifier, puis sur &lt;i&gt;OK&lt;/i&gt;. Vous pourrez le changer plus tard dans Fichier &amp;gt; Préférences.</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>Choisissez une sourate dans &lt;b&gt;Choisir une sourate&lt;/b&gt; en haut. La récitation commence aussitôt, verset par verset.</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>Voir le verset</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>Le milieu de la fenêtre montre le texte arabe du verset récité. Le panneau en dessous montre sa traduction et, si vous le souhaitez, sa translittération : le menu &lt;b&gt;Affichage&lt;/b&gt; montre ou cache chacune. Le menu &lt;b&gt;Langue&lt;/b&gt; choisit la langue de la traduction quand des paquets de traduction sont installés. Le curseur sous le panneau montre à quel verset de la sourate vous êtes.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;Jouer le verset&lt;/b&gt; (Espace) joue le verset courant ; &lt;b&gt;Arrêter&lt;/b&gt; (Espace à nouveau) l'arrête.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;Verset précédent&lt;/b&gt; (flèche gauche) et &lt;b&gt;Verset suivant&lt;/b&gt; (flèche droite) parcourent la sourate.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;Répéter&lt;/b&gt; : combien de fois chaque verset est récité avant le suivant.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;Pause (s)&lt;/b&gt; : un silence après chaque récitation d'un verset, le temps de le répéter à voix haute. 0 veut dire sans pause.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;Plage de versets&lt;/b&gt; : cochez la case, puis réglez &lt;b&gt;DE&lt;/b&gt; et &lt;b&gt;À&lt;/b&gt; pour travailler une partie de sourate.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;Boucler la sourate&lt;/b&gt; : recommencer au premier verset après le dernier.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;Empiler les versets&lt;/b&gt; : l'exercice d'empilement. Varnel récite le premier verset, puis les deux premiers, puis les trois premiers, et ainsi de suite jusqu'à réciter toute la plage d'un trait. Appuyez sur Jouer le verset pour commencer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;Progression de la sourate&lt;/b&gt; montre où vous en êtes dans la sourate (ou l'exercice).</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>Mode verset unique : apprendre un verset par parties</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>Cochez &lt;b&gt;Mode verset unique&lt;/b&gt; pour travailler un long verset partie par partie. Une rangée de commandes apparaît :</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>Le curseur montre où en est la récitation. Faites-le glisser pour sauter.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>Le bouton &lt;b&gt;début&lt;/b&gt; (une barre avec une flèche verte) prend la position du curseur comme début de la partie ; le bouton &lt;b&gt;fin&lt;/b&gt; la prend comme fin. Vous pouvez aussi taper le début et la fin en millisecondes.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>Le bouton &lt;b&gt;rejouer&lt;/b&gt; (Espace) joue la partie encore et encore, avec votre pause entre deux ; le bouton &lt;b&gt;arrêt&lt;/b&gt; (Espace) l'arrête.</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>Les boutons fléchés (flèches gauche et droite) passent au verset précédent et suivant ; la partie redevient le verset entier.</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>Votre cœur</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>Pour ajouter le verset affiché, faites glisser l'image du verset sur le cœur.</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>Pour ajouter une sourate entière, faites glisser l'image du cœur à côté du choix de sourate sur le cœur.</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>Chaque sourate montre un cœur qui se remplit à mesure que vous l'apprenez. La barre rouge en haut montre combien de versets de toutes les sourates installées sont dans votre cœur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;Replier les sourates terminées&lt;/b&gt; replie les sourates que vous savez entièrement.</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>Double-cliquez sur un verset de votre cœur pour y aller et réciter à partir de là.</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>Cliquez droit sur un verset ou une sourate et choisissez &lt;i&gt;Retirer&lt;/i&gt; pour l'ôter de votre cœur.</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>Entraînement : vous tester</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>Affichage &amp;gt; Entraînement &amp;gt; &lt;b&gt;Cacher le verset&lt;/b&gt; (H) couvre l'image du verset, et &lt;b&gt;Cacher la traduction&lt;/b&gt; couvre sa traduction. Chaque nouveau verset recommence caché.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;Teste-moi&lt;/b&gt;, à côté de l'unité de pause : le verset est caché pendant chaque pause tandis que vous le récitez de mémoire, et réapparaît à la fin de la pause. Réglez une pause pour qu'il ait le temps d'agir.</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>Des pauses à la mesure du verset</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;Pause en&lt;/b&gt; choisit comment les pauses se mesurent : en &lt;i&gt;secondes&lt;/i&gt; (la case Pause), ou en &lt;i&gt;&amp;times; durée du verset&lt;/i&gt;, un multiple de 0.5 à 3.0 du verset tout juste entendu (ou de la partie, en Mode verset unique). Un long verset reçoit alors une longue pause, un court une courte. Un changement de répétition, de pause ou de vitesse pendant la récitation s'applique dès la répétition ou le verset suivant.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>La case &lt;b&gt;Vitesse&lt;/b&gt; (ou Affichage &amp;gt; Entraînement &amp;gt; Plus lent et Plus rapide, les touches [ et ]) joue la récitation de 0.5&amp;times; à 1.5&amp;times; en gardant sa hauteur. Positions, plages et repères du verset unique restent dans le temps propre de l'enregistrement.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl+molette, Ctrl+plus et Ctrl+moins agrandissent ou réduisent l'image du verset ; Ctrl+0 (Affichage &amp;gt; Ajuster à la largeur) l'ajuste à la largeur. La ligne de texte reste en vue, et le zoom est gardé pour la prochaine fois.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>Affichage &amp;gt; &lt;b&gt;Lecture de nuit&lt;/b&gt; : une page sombre au texte clair et le verset à l'encre claire.</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>Révision : garder ce que vous savez</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>Choisissez un élément et appuyez sur &lt;b&gt;Réviser maintenant&lt;/b&gt; : Varnel le joue une fois, chaque verset une fois, sans répétition ni pause.</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>Puis notez à quel point vous le saviez : &lt;b&gt;À revoir&lt;/b&gt; (1) si vous l'aviez oublié, &lt;b&gt;Difficile&lt;/b&gt; (2), &lt;b&gt;Bien&lt;/b&gt; (3) ou &lt;b&gt;Facile&lt;/b&gt; (4). Le panneau dit quand cet élément revient ; une sourate bien sue revient de plus en plus tard, une oubliée bientôt.</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>Les sourates dues aujourd'hui portent une petite marque orange dans votre cœur. Le calendrier montre vos révisions des douze dernières semaines.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;Espace&lt;/b&gt; joue et arrête, sauf sur un bouton ou une case à cocher qui a le focus (qu'Espace actionne) et dans un champ où vous tapez du texte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;Gauche&lt;/b&gt; et &lt;b&gt;Droite&lt;/b&gt; vont au verset précédent et suivant, sauf dans les champs de nombre et de texte, sur les curseurs et dans le cœur, qui s'en servent eux-mêmes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+Espace&lt;/b&gt;, &lt;b&gt;Ctrl+Gauche&lt;/b&gt;, &lt;b&gt;Ctrl+Droite&lt;/b&gt; et les touches multimédia marchent partout.</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; cache le verset, &lt;b&gt;R&lt;/b&gt; le dévoile, &lt;b&gt;[&lt;/b&gt; et &lt;b&gt;]&lt;/b&gt; changent la vitesse, &lt;b&gt;1&lt;/b&gt; à &lt;b&gt;4&lt;/b&gt; notent une révision.</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab passe d'une commande à l'autre ; chaque commande s'atteint et s'utilise sans souris.</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>Récitants</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>Quand plusieurs récitations d'un paquet de sourates sont installées, Récitant &amp;gt; Configurer le récitant choisit, pour chaque paquet, quelle récitation vous entendez. Une récitation choisie là s'entend pour toutes les sourates de son paquet, même là où un autre paquet couvre les mêmes sourates.</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>Paquets de sourates</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>Varnel lit le texte, les images et les récitations du Coran dans les paquets de sourates du dossier &lt;tt&gt;quran&lt;/tt&gt;. Sans eux, il n'y a rien à choisir dans le choix de sourate.</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>Varnel vous aide à mémoriser des sourates du Coran à l'oreille et à l'œil : il montre chaque verset comme une image de son texte arabe avec sa traduction et sa translittération, et joue la récitation verset par verset avec répétitions, pauses, plages, boucles, l'exercice d'empilement et l'exercice du verset unique.</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>Varnel ne contient aucun texte du Coran à part une table des 114 sourates. Les images, récitations et textes viennent dans des &lt;b&gt;paquets de sourates&lt;/b&gt; (fichiers finissant par &lt;tt&gt;.dat&lt;/tt&gt;) dans le dossier &lt;tt&gt;quran&lt;/tt&gt; du dossier de travail de Varnel ; d'autres récitations vont dans &lt;tt&gt;quran/extra&lt;/tt&gt;, d'autres traductions dans &lt;tt&gt;quran/lang&lt;/tt&gt;. Le paquet Debian &lt;b&gt;varnel-data&lt;/b&gt; apporte les paquets de démonstration (Al-Fatiha et Juz' Amma avec neuf traductions), lus là où ils sont installés ; faites des paquets de vos propres enregistrements avec &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;Sources.&lt;/b&gt; Le texte arabe, les traductions et la translittération du contenu de démonstration viennent du paquet quran-json (CC-BY-4.0), qui prend le texte arabe du projet Tanzil ; ses récitations sont une voix de synthèse faite avec espeak-ng, non une récitation humaine. L'arabe est dessiné avec la police Amiri Quran de Khaled Hosny (SIL Open Font License).</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>Il semble que vous n'ayez téléchargé que le programme principal&lt;br&gt;et qu'aucun paquet de sourates ne soit installé !&lt;br&gt;&lt;br&gt;Les paquets de sourates (fichiers finissant par &lt;tt&gt;.dat&lt;/tt&gt;) vont dans ce dossier :&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;Pour en obtenir :&lt;br&gt;&amp;bull; installez le paquet &lt;b&gt;varnel-data&lt;/b&gt; (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;) : Al-Fatiha et Juz' Amma avec des traductions, lus là où ils sont installés ;&lt;br&gt;&amp;bull; ou faites des paquets de vos propres enregistrements avec &lt;tt&gt;varnel-pack import&lt;/tt&gt; (voir &lt;tt&gt;man varnel-pack&lt;/tt&gt;), puis relancez Varnel.</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>Aide de Varnel</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>La fenêtre et ses panneaux</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>Le verset occupe le milieu de la fenêtre : son image, et sous elle le panneau de la traduction. Juste en dessous se trouvent les boutons qui lisent, arrêtent et passent d'un verset à l'autre, le curseur des versets et une ligne qui dit où vous en êtes.</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>À côté du verset se tiennent les panneaux. &lt;b&gt;Cœur&lt;/b&gt;, &lt;b&gt;Révision&lt;/b&gt; et &lt;b&gt;Ma récitation&lt;/b&gt; partagent une même place en onglets ; &lt;b&gt;Réglages de la récitation&lt;/b&gt; réunit la répétition, la pause, la plage, la boucle, l'empilement et les aides. Faites glisser un panneau par son titre pour le déplacer ou le détacher, et fermez ce dont vous n'avez pas besoin : le menu &lt;b&gt;Affichage&lt;/b&gt; montre de nouveau chaque panneau, et Affichage &amp;gt; Réinitialiser la disposition rétablit l'agencement d'origine. Varnel se souvient de la fenêtre et de ses panneaux sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>Le panneau &lt;b&gt;Cœur&lt;/b&gt; est votre cœur : les versets que vous savez.</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>Chaque sourate de votre cœur (par parties de 20 versets pour les sourates de plus de 40) revient en révision le lendemain du jour où vous l'avez apprise. Le panneau &lt;b&gt;Révision&lt;/b&gt; à côté du cœur liste ce qui est dû aujourd'hui, le plus en retard d'abord, avec le jour de la dernière révision et vos chances de vous en souvenir aujourd'hui. Affichage &amp;gt; Panneau de révision le montre ou le cache.</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>Passages : pages, juz et hizb</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>À côté du choix de la sourate, choisissez Page, Juz, Hizb ou Quart du mushaf de Médine et son numéro, puis appuyez sur &lt;b&gt;Lire le passage&lt;/b&gt; (ou Entrée) : chaque exercice lit le passage à travers ses sourates. &lt;b&gt;Fois&lt;/b&gt; le lit autant de fois. Affichage &amp;gt; Pratique &amp;gt; Ajouter le passage au cœur met tous ses versets dans votre cœur, et les cases sous la barre du cœur se remplissent juz par juz. Le panneau Révision peut réviser par sourates ou par pages.</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>Réciter et se réécouter</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>Dans le panneau &lt;b&gt;Ma récitation&lt;/b&gt;, Enregistrer (Affichage &amp;gt; Pratique &amp;gt; Enregistrer ma récitation, Ctrl+R) vous enregistre récitant le verset affiché ; Écouter la mienne vous la fait réentendre ; Comparer avec le récitateur lit le récitateur puis vous, avec les deux formes d'onde ; Supprimer efface vos enregistrements après confirmation.</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>Fichier &amp;gt; Importer des enregistrements fait d'un dossier de vos propres enregistrements une récitation que vous pouvez choisir ; Récitateur &amp;gt; Paquets installés liste chaque paquet et chaque récitation, où ils se trouvent et lequel est choisi, et supprime une récitation que vous avez importée.</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>Le reste des menus</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>Fichier &amp;gt; Nouveau/Charger un profil change d'apprenant ; Fichier &amp;gt; Quitter ferme Varnel et enregistre votre profil.</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>Affichage &amp;gt; Afficher la translittération et Masquer la traduction montrent ou cachent chaque texte ; Zoom avant et Zoom arrière agrandissent ou réduisent l'image du verset.</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>Là où la hauteur des deux voix peut être suivie, une ligne sur chaque forme d'onde trace sa mélodie, la vôtre sur le temps du récitant, pour que vous suiviez celle du récitant.</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>Vérifier (Affichage &amp;gt; Entraînement &amp;gt; Vérifier ma récitation) compare votre enregistrement du verset affiché avec celui du récitant, et chaque prise est vérifiée aussitôt : le verdict (conforme, partielle ou différente) s'écrit sous les formes d'onde dès qu'il est prêt, et ce que vous avez omis, ajouté ou dit autrement y est marqué. Si vos paquets contiennent un verset qui diffère de celui-ci d'un mot ou deux et que votre enregistrement lui ressemble, le verdict le nomme. Cela vérifie les mots et leur ordre, non le tajwid.</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>Avec Affichage &amp;gt; Entraînement &amp;gt; &lt;b&gt;Caler la partie sur les mots&lt;/b&gt; (activé au départ), les boutons début et fin prennent le début et la fin du mot où se tient le curseur, de sorte qu'une partie ne commence ni ne finit au milieu d'un mot.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;Dévoiler&lt;/b&gt; (R) découvre l'image un mot à la fois, depuis la droite, où commence une ligne arabe (un cinquième à la fois quand le paquet ne donne pas les mots du verset). Un clic sur l'image couverte la découvre entièrement.</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>Écouter l'omis joue alors le récitant disant juste ce que la vérification a trouvé omis ou dit autrement, une partie à chaque appui. Quand le paquet donne les mots du verset, le verdict les nomme (« Omis : ... (mot 4) ») et ils sont encadrés sur l'image.</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>Une nouvelle prise garde celle qu'elle remplace comme prise précédente : Supprimer &amp;gt; &lt;b&gt;Rétablir ma prise précédente&lt;/b&gt; la rétablit (et garde la plus récente comme précédente), si bien qu'une prise moins bonne ne fait jamais perdre une bonne.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>Affichage &amp;gt; &lt;b&gt;Marquer le mot entendu&lt;/b&gt; (activé au départ) : pendant que le récitant joue, le mot prononcé est teinté et souligné sur l'image. Un clic sur un mot joue le verset à partir de ce mot. Les paquets faits par varnel-demo et par Importer des enregistrements donnent les mots de chaque verset. Les touches 1 à 9 font de même pour les neuf premiers mots quand l'image a le focus.</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>Affichage &amp;gt; Langue de l'interface choisit la langue des mots de Varnel : la fenêtre, ses panneaux et ses dialogues la parlent aussitôt, et à chaque démarrage ensuite. Aide &amp;gt; À propos dit de quel Varnel il s'agit.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure. Construit sur Qt, OpenAL Soft, libsndfile et SoundTouch.</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>Sourates mémorisées par cœur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>Vous avez enregistré ce verset</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>À réviser</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>Vous avez enregistré ce verset, et sa dernière vérification concordait avec le récitant</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>enregistré, vérifié : conforme</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>Mon cœur</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>Progression : </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>Versets mémorisés</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>Progression par juz</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>Replier les sourates terminées</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>%1 des %2 versets des sourates installées ; %3 de plus de sourates non installées</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>%1 des %2 versets des sourates installées</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>Cœur de %1</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>Vos enregistrements, un fichier par verset nommé SSSAAA (001001.mp3 est 1:1 ; MP3, Ogg, FLAC ou WAV), deviennent une récitation à choisir. Sans texte arabe, ils rejoignent vos paquets, qui montrent les images et les textes ; avec un texte (un fichier Tanzil « sourate|verset|texte » par ligne, ou le dossier du paquet quran-json), ils deviennent des paquets de sourates à part entière.</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>Dossier des enregistrements :</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>Texte arabe :</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Traduction :</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>Translittération :</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>Texte arabe (facultatif)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>Traduction (facultatif)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>Translittération (facultatif)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Parcourir : %1</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>Nom de la récitation :</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>Nom de la récitation</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>facultatif : un nom la garde à côté de vos paquets</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>Réencoder les enregistrements en Ogg Vorbis</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progression de l'import</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>Choisissez d'abord le dossier de vos enregistrements.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>Le nom d'une récitation est un seul mot, sans / ni espace, et ni « default » ni « lang » : « %1 » ne peut pas en être un.</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>Aucun enregistrement nommé SSSAAA (001001.mp3 est 1:1) dans %1.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>L'import a été annulé ; rien n'en a été gardé.</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>Les enregistrements n'ont pas pu être importés :</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>Vos enregistrements sont importés et prêts à jouer.</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>Ces paquets étaient déjà là et restent tels quels.</translation>
    </message>
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sourates</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Récitation</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>Supprimer la récitation...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>installé pour tous</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (choisie)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>Aucun gestionnaire de fichiers n'a pu ouvrir le dossier. Il se trouve ici :&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>Supprimer la récitation « %1 » et tous ses paquets ?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>Certains fichiers de %1 n'ont pas pu être supprimés.</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>Progression par juz</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>Juz %L1 : %L2 versets sur %L3 (%L4 %)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>. %L1 juz sur 30 commencés, %L2 versets sur %L3 en tout.</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>Le registre de révision</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>Votre cœur est gardé ; la révision de ses sourates recommence.</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>Le registre de révision par page</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>Votre cœur est gardé ; la révision de ses pages recommence.</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>Vos réglages d'entraînement</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>Cacher et Teste-moi commencent désactivés.</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>ce n'est pas un fichier de réglages d'entraînement</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>Vos réglages de lecture</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>Répétition, pause, boucle, empilement et vitesse reprennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>ce n'est pas un fichier de réglages de lecture</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>Des registres de révision ont été trouvés sans profil. Le nouveau profil commence avec un cœur vide ; les registres tels qu'ils étaient sont gardés sous :</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>Des registres de révision ont été trouvés sans profil, et la place manque pour les mettre de côté. Ils sont laissés tels quels, et vos révisions ne sont pas enregistrées par-dessus :</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>La récitation par défaut</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 ne peut être vérifié : %2.</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>Votre prise précédente, qui était conforme, est gardée : rétablissez-la avec Supprimer &gt; Rétablir ma prise précédente.</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>Tout le reste fonctionne comme avant.</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>Choisissez ou créez d'abord un profil : vos enregistrements sont gardés avec lui.</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>Récitez chaque verset dans la pause qui le suit ; appuyez sur Arrêter l'enregistrement (Ctrl+R) pour finir.</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>Rien n'a été entendu : aucun enregistrement de %1 n'a été gardé.</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>Votre récitation de %1 n'a pas pu être gardée :</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>Votre récitation de %1 est gardée (%2 s).</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>Vous n'avez pas encore enregistré %1 : appuyez sur Enregistrer (Ctrl+R).</translation>
    </message>
    <message>
        <source>Checking your recitation of %1...</source>
        <translation>Vérification de votre récitation de %1...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>La marque de vérification de %1 n'a pu être conservée : %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>Le récitant : %1, de %2.</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>Vous n'avez encore enregistré aucun verset de cette leçon : appuyez sur Enregistrer (Ctrl+R).</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>Vous n'avez pas de prise précédente de %1.</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>Votre prise précédente de %1 est rétablie ; celle qu'elle remplace est gardée comme précédente.</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>Vous n'avez pas d'enregistrement de %1.</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>Supprimer votre enregistrement de %1 ?</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>Vous n'avez aucun enregistrement.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>Supprimer votre enregistrement (%L1) ?</numerusform>
            <numerusform>Supprimer vos %L1 enregistrements ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l'enregistrement</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>En attente de la pause</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>Enregistrement de %1... il s'arrête après quelques secondes de silence.</translation>
    </message>
    <message>
        <source>Your recording of %1 cannot be played:</source>
        <translation>Votre enregistrement de %1 ne peut pas être lu :</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>Le paquet de sourates %1 est endommagé et ne peut pas être lu.&lt;br&gt;&lt;br&gt;Une copie saine le remplace si elle est installée ; sinon ses sourates sont laissées de côté jusqu'à ce que le fichier soit remplacé.</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>Impossible d'écrire « recite.ini » : %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>« %1 » n'est pas un nom de dossier de récitation.</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz’</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Ḥizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
    <message>
        <source>%1 %L2</source>
        <translation>%1 %L2</translation>
    </message>
</context>
<context>
    <name>PassageControls</name>
    <message>
        <source>There is no %1 %2: the mushaf has %3 of them, numbered from 1.</source>
        <translation>Il n'y a pas de %1 %2 : le mushaf en compte %3, numérotés à partir de 1.</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>%1 a besoin des paquets de ces sourates, qui ne sont pas installés :&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Vos réglages d'exercice n'ont pas pu être enregistrés :</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>Vos réglages d'entraînement n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Caché : appuyez sur R pour dévoiler</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>Veuillez choisir un profil existant, ou en créer un nouveau !</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>Ce nom d'utilisateur existe déjà : un profil nommé %1 est déjà gardé.</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>Voulez-vous le charger ?</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation>Créer un nouveau profil</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>Charger le profil choisi</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>le fichier de profil ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>ce fichier n'est pas un profil Varnel</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>le fichier de profil est tronqué</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>le fichier de profil est abîmé (son nombre de versets est négatif)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>le fichier de profil est tronqué (il contient moins de versets qu'il n'en annonce)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>le fichier de profil est abîmé (%1 entrées du cœur ne sont pas des versets)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>le fichier de profil ne dit pas à quel verset vous étiez</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>Nom d'utilisateur invalide !</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>Ce nom est trop long. Un nom d'utilisateur peut contenir au plus %1 lettres latines, ou %2 lettres arabes (qui prennent deux places chacune) ; raccourcissez-le, s'il vous plaît.</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>« %1 » ne peut pas être un nom d'utilisateur.</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>Un nom d'utilisateur ne peut pas contenir les caractères / \ ou :.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Un nom d'utilisateur ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>Un nom d'utilisateur ne peut pas commencer par un point.</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>Un nom d'utilisateur ne peut pas contenir « %1 », la terminaison des fichiers de profil.</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>le profil n'est pas un fichier lisible</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>Charger ou créer un profil</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nouveau nom d'utilisateur</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>%1 a été ouvert par Varnel sur l'ordinateur %2, qui l'a peut-être encore ouvert.&lt;br&gt;&lt;br&gt;L'ouvrir quand même ?</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>%1 n'a pas pu être verrouillé pour cette fenêtre : %2.&lt;br&gt;&lt;br&gt;Il s'ouvre quand même, mais une autre fenêtre de Varnel pourrait l'ouvrir aussi.</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 est ouvert dans une autre fenêtre de Varnel.&lt;br&gt;&lt;br&gt;Fermez-le là-bas, ou choisissez un autre profil.</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>Le profil de %1 n'a pas pu être lu en entier : %2.</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>Les versets du cœur qui ont pu être lus sont gardés.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Le fichier tel qu'il était est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>Votre registre de révision tel qu'il était est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>La place manque pour mettre de côté votre registre de révision %1 : il est laissé tel quel, et vos révisions ne sont pas enregistrées par-dessus.</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>Vous commencez au premier verset de la sourate 114.</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>Votre profil n'a pas pu être enregistré, votre cœur n'est donc pas encore gardé :&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Vérifiez que le dossier « profiles » à côté de Varnel est accessible en écriture, puis utilisez de nouveau Fichier &amp;gt; Enregistrer le profil.</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>Détacher</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Détache le panneau de la fenêtre et l'y rattache</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Ferme le panneau</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Défiler vers la droite</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
    <message>
        <source>My Recitation</source>
        <translation>Ma récitation</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>Enregistrer ma récitation</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>Enregistrez votre récitation du verset affiché (Ctrl+R) ; avec Teste-moi et une pause, chaque verset dans la pause qui le suit</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Écouter la mienne</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>Écouter ma récitation</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>Écouter votre enregistrement du verset affiché</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>Comparer avec le récitant</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>Écouter le récitant puis vous-même, pour chaque verset enregistré de la leçon</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>Supprimer mes enregistrements</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>Supprimer vos enregistrements</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>Vérifier ma récitation</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>Compare votre enregistrement du verset affiché avec celui du récitant : ce que vous avez omis ou ajouté, ou un autre verset. Une vérification des mots et de leur ordre, non du tajwid.</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>Écouter l'omis</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>Écouter la partie omise</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>Écouter le récitant dire ce que votre dernière vérification a trouvé omis ; appuyez de nouveau pour la partie suivante</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Niveau d'enregistrement</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>Résultat de la vérification</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 n'a pas pu être déplacé vers %2 : %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 n'est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1 dépasse %2 Mo, plus qu'un enregistrement d'un verset.</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>L'enregistrement %1 n'a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>Aucun apprenant n'est choisi, il n'y a donc nulle part où garder l'enregistrement.</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>Calendrier des révisions</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Série : 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>Série : %L1 jour</numerusform>
            <numerusform>Série : %L1 jours</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>1 révision en %L1 semaines</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L1 révision en %L2 semaines</numerusform>
            <numerusform>%L1 révisions en %L2 semaines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;Révision&lt;/b&gt; par</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Sourates</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>Unité de révision</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>Réviser des sourates entières (les longues par parties) ou des pages du mushaf</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Prochaine révision</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Prochaine révision : %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>À revoir aujourd'hui</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Sourate</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>Dernière révision</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>Chance de rappel aujourd'hui</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>Réviser maintenant</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>Joue l'élément choisi : chaque verset une fois, sans pause. Puis notez votre maîtrise.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>Demain : %L1 · Cette semaine : %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>%L1 verset en tout</numerusform>
            <numerusform>Les %L1 versets</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>Versets %L1 à %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>Pas encore révisé</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>%L1 à revoir aujourd'hui
%2</numerusform>
            <numerusform>%L1 à revoir aujourd'hui
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>Préférences du récitant</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>Module Varn</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>Récitant</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>Récitation de %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Recitation Settings</source>
        <translation>Réglages de la récitation</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>Réglages des versets</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>Réglages de lecture</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>Plage de versets</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>Progression de la sourate</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>Aides à l'entraînement</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Répéter :</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>Le nombre de répétitions de chaque verset</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> Pause (s) :</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>Pause (secondes)</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>Boucler la sourate</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>Jouer toute la sourate en boucle</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>Empiler les versets</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;Récitez le verset 1 un certain nombre de fois&lt;br&gt;&amp;nbsp;puis les versets 1 à 2&lt;br&gt;&amp;nbsp;puis les versets 1 à 3&lt;br&gt;&amp;nbsp;et ainsi de suite, un bloc qui grandit, jusqu'au dernier verset</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>Mode verset unique</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>Découper le verset en parties pour mémoriser plus facilement</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>Jouer une plage de versets</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>Activer pour jouer une plage de versets de la sourate</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;DE :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>Du verset</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>Commencer la récitation à ce verset</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;À :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>Au verset</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>Finir la récitation à ce verset</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>Progression de la sourate</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× durée du verset</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>Unité de pause</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>Pause de quelques secondes, ou d'un multiple de la durée du verset</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>Facteur de pause</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>Chaque pause dure autant de fois le verset (ou la partie) entendu</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>Pause en :</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> Vitesse :</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>Vitesse de lecture ; la hauteur reste la même ([ plus lent, ] plus rapide)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> Fois :</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>sans fin</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>Lire la sourate ou le passage ce nombre de fois, puis s'arrêter ; sans fin : une fois, ou sans arrêt avec la boucle</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>Teste-moi</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>Pendant chaque pause le verset est caché tandis que vous le récitez de mémoire ; il revient à la fin de la pause (réglez une pause)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>%1 %2 n'a pas pu être lu : %3.</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Il est gardé sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · partie de %1 à %2 s</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>Commencer la partie ici (position du curseur)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>Début de la partie au curseur</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>Début de la partie, en millisecondes</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>Début de la partie</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>Finir la partie ici (position du curseur)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>Fin de la partie au curseur</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>Fin de la partie, en millisecondes</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>Jouer la partie en boucle (Espace ou Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>Jouer la partie en boucle</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>Arrêt (Espace ou Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>Verset précédent (Gauche ou Ctrl+Gauche)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>Verset précédent</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>Verset suivant (Droite ou Ctrl+Droite)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>Verset suivant</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>Position de la récitation ; glissez pour sauter</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>Position dans le verset</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>Le périphérique de sortie audio a cessé de fonctionner, la lecture s'est donc arrêtée.&lt;br&gt;&lt;br&gt;Pour y remédier : rebranchez le périphérique, ou choisissez-en un autre dans Fichier &amp;gt; Préférences, puis appuyez sur Jouer.</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>Varnel n'a trouvé aucun périphérique de sortie audio sur cet ordinateur, il ne peut donc pas jouer les récitations.&lt;br&gt;&lt;br&gt;Tout le reste fonctionne : vous pouvez lire les versets, leurs traductions et translittérations, et tenir votre cœur à jour.&lt;br&gt;&lt;br&gt;Pour entendre les récitations, branchez des haut-parleurs ou un casque, puis choisissez le périphérique dans Fichier &amp;gt; Préférences ou relancez Varnel.</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> Choisissez une autre entrée dans les Préférences.</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>Le microphone a été perdu pendant l'enregistrement ; ce qui a été entendu avant est gardé.</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>L'enregistrement « %1 » est trop grand pour être joué : %2 Mo, alors qu'au plus %3 Mo peuvent être joués.</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>Erreur de lecture de la durée</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>Choisissez une plage valide</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>Erreur de positionnement</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>Choisissez un périphérique audio valide</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>Pour y remédier : %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Erreur audio</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>Le canal a été pris par un son plus récent.</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>Le son ou le canal n'existe plus : il a été arrêté, achevé et remplacé, ou libéré.</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>L'enregistrement n'a pas pu être lu : ses données sont abîmées ou dans un format impossible à décoder.</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>Cet ordinateur n'a aucun périphérique de sortie audio.</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>Le périphérique de sortie audio n'a pas pu démarrer. Il est peut-être occupé ou débranché.</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>Une valeur donnée au système audio était hors limites.</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>Le système audio ne tourne pas.</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>Le système audio tourne déjà.</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>Le périphérique de sortie audio a échoué pendant la lecture.</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>Le son n'a pas pu être encodé.</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>L'enregistrement ne peut pas être joué : il annonce plus de 8 canaux, une fréquence au-dessus de 384 kHz, ou ne contient aucun son.</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>Aucun microphone trouvé : il n'y a pas de périphérique d'entrée pour enregistrer.</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>Le microphone n'a pas pu être ouvert : un autre programme l'utilise peut-être.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>L'enregistrement est plus long qu'un verset ne peut l'être (plus de dix minutes).</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>L'enregistrement contient plus d'échantillons que celui d'un verset (dix minutes en stéréo à 96 kHz) : il est trop volumineux pour être décodé.</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>libsndfile, qui lit et écrit les enregistrements, ne peut pas être chargée : installez le paquet libsndfile1.</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · partie de %1 à %2 s</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>Pile %L1-%L2, passe %L3 · verset %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · pile %L1–%L2, passe %L3 · verset %L4 sur %L5 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>Aucun paquet de sourates installé</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · enregistré</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · pause %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · répétition %L1 sur %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · répétition %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>Le texte %1 a besoin de la police %2, qui n'est pas installée : installez le paquet %3.</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play Aya</source>
        <translation>Jouer le verset</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Verset précédent</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Verset suivant</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>Joue le verset courant (Espace, Ctrl+Espace ou la touche Lecture)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>Arrête le verset courant (Espace, Ctrl+Espace ou la touche Arrêt)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>Jouer le verset précédent de cette sourate (Gauche, Ctrl+Gauche ou la touche Précédent)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>Jouer le verset suivant de cette sourate (Droite, Ctrl+Droite ou la touche Suivant)</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>Faites glisser ce passage vers votre cœur</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>C'est le dernier verset de la sourate.</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>C'est le premier verset de la sourate.</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>ERREUR : l'écran est trop petit ! Passez à une résolution de 800x600 ou plus</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>L'image du verset %1 est trop grande pour être affichée : %2 Mo, alors qu'au plus %3 Mo sont affichés.</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>Votre révision n'a pas pu être enregistrée :</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>Votre unité de révision n'a pas pu être enregistrée :</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>Formes d'onde du récitant et de votre récitation</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>Récitant : %1 s ; vous : %2 s</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>Récitant</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>&amp;Cacher la traduction</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>&amp;Afficher la traduction</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>&amp;Cacher la translittération</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>&amp;Afficher la translittération</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>&amp;Récitant</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>&amp;Enregistrer le profil</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>&amp;Nouveau/charger un profil</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>&amp;Importer des enregistrements...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>&amp;Cœur</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>Panneau de &amp;révision</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>Réglages de la &amp;récitation</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>&amp;Ma récitation</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>Réinitialiser la &amp;disposition</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>Lecture de &amp;nuit</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Mark the &amp;Heard Word</source>
        <translation>Marquer le mot &amp;entendu</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>Cacher le verset</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>Cacher la traduction</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Dévoiler</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Snap the Part to Words</source>
        <translation>Caler la partie sur les mots</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>Ajouter le passage au cœur</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>Enregistrer ma récitation</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Écouter la mienne</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>Comparer avec le récitant</translation>
    </message>
    <message>
        <source>Check My Recitation</source>
        <translation>Vérifier ma récitation</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>&amp;Langue de l'interface</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>Rétablir ma prise précédente</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>Supprimer mon enregistrement de ce verset...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>Supprimer tous mes enregistrements...</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>&amp;Configurer le récitant</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>Paquets &amp;installés...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>Réglages de la récitation</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>Ma récitation</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>%1 contenait plus que des réglages ne peuvent contenir (une valeur endommagée) : ce qui n'a pu être lu est laissé de côté, et tous les autres réglages sont conservés.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Le fichier tel qu'il était est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>Vos réglages n'ont pas pu être enregistrés dans %1 :</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>Ils restent tels quels jusqu'à la fermeture de Varnel.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>Varnel ne peut pas utiliser le dossier « %1 » pour ses fichiers.</translation>
    </message>
</context>
</TS>