<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>Sourates mémorisées par cœur</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>Varnel will speak %1 from its next start.</source>
        <translation>Varnel parlera %1 à son prochain démarrage.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
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
</context>
<context>
    <name>QObject</name>
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
        <translation>Microphone</translation>
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
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>Vos enregistrements, un fichier par verset nommé SSSAAA (001001.mp3 est 1:1 ; MP3, Ogg, FLAC ou WAV), deviennent une récitation à choisir. Sans texte arabe, ils rejoignent vos paquets, qui montrent les images et les textes ; avec un texte (un fichier Tanzil « sourate|verset|texte » par ligne, ou le dossier du paquet quran-json), ils deviennent des paquets de sourates à part entière.</translation>
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
        <source>Close</source>
        <translation>Fermer</translation>
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
        <source>Delete My Recording of This Aya...</source>
        <translation>Supprimer mon enregistrement de ce verset...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>Supprimer tous mes enregistrements...</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>Ajouter le passage au cœur</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;Révision&lt;/b&gt; par</translation>
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
        <source>Due today</source>
        <translation>À revoir aujourd'hui</translation>
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
        <source>Load or Create Profile</source>
        <translation>Charger ou créer un profil</translation>
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
        <source>&amp;Review Panel</source>
        <translation>Panneau de &amp;révision</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
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
    <message>
        <source>Playing status</source>
        <translation>État de la lecture</translation>
    </message>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>Commencer la partie ici (position du curseur)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>Début de la partie au curseur</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>Début de la partie</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>Début de la partie, en millisecondes</translation>
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
        <source>Part end</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>Fin de la partie, en millisecondes</translation>
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
        <source>Position in the aya</source>
        <translation>Position dans le verset</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>Position de la récitation ; glissez pour sauter</translation>
    </message>
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
        <source>Repeat:</source>
        <translation>Répéter :</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>Le nombre de répétitions de chaque verset</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
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
        <source>Practice Aids</source>
        <translation>Aides à l'entraînement</translation>
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
        <source>With Loop, play the sura or passage this many times, then stop</source>
        <translation>Avec la boucle, jouer la sourate ou le passage autant de fois, puis s'arrêter</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>Activer pour jouer une plage de versets de la sourate</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>Jouer une plage de versets</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;DE :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>Commencer la récitation à ce verset</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>Du verset</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;À :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>Finir la récitation à ce verset</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>Au verset</translation>
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
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;Recite aya 2 a number of times&lt;br&gt;&amp;nbsp;Recite aya 1 and 2 a number of times&lt;br&gt;&amp;nbsp;and so on ...</source>
        <translation>&amp;nbsp;Réciter le verset 1 plusieurs fois&lt;br&gt;&amp;nbsp;Réciter le verset 2 plusieurs fois&lt;br&gt;&amp;nbsp;Réciter les versets 1 et 2 plusieurs fois&lt;br&gt;&amp;nbsp;et ainsi de suite ...</translation>
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
        <source>Test me</source>
        <translation>Teste-moi</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>Pendant chaque pause le verset est caché tandis que vous le récitez de mémoire ; il revient à la fin de la pause (réglez une pause)</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>Progression de la sourate</translation>
    </message>
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
        <source>Recording level</source>
        <translation>Niveau d'enregistrement</translation>
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
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>&amp;Cacher la traduction</translation>
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
        <source>&amp;Show Translation</source>
        <translation>&amp;Afficher la traduction</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>&amp;Cacher la translittération</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizb</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quart</translation>
    </message>
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
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× durée du verset</translation>
    </message>
    <message>
        <source>Review calendar</source>
        <translation>Calendrier des révisions</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Série : 1 jour</translation>
    </message>
    <message>
        <source>Streak: %1 days</source>
        <translation>Série : %1 jours</translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>1 révision en %1 semaines</translation>
    </message>
    <message>
        <source>%1 reviews in %2 weeks</source>
        <translation>%1 révisions en %2 semaines</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
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
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>Demain : %1 · Cette semaine : %2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>All %1 ayas</source>
        <translation>Les %1 versets</translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>Versets %1 à %2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>Pas encore révisé</translation>
    </message>
    <message>
        <source>%1 due today
%2</source>
        <translation>%1 à revoir aujourd'hui
%2</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Prochaine révision : %1</translation>
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
        <translation> · répétition %1 sur %2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · répétition %1</translation>
    </message>
    <message>
        <source> · your recitation</source>
        <translation> · votre récitation</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · le récitant</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>Verset %1 sur %2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · verset %1 sur %2 (%3:%4)</translation>
    </message>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · partie de %1 à %2 s</translation>
    </message>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>Pile %1-%2, passe %3 · verset %4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · pile %1–%2, passe %3 · verset %4 sur %5 (%6)</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Parcourir : %1</translation>
    </message>
    <message>
        <source>Import Recordings</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>Dossier des enregistrements :</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>Dossier des enregistrements</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>Texte arabe :</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>Texte arabe (facultatif)</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Traduction :</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>Traduction (facultatif)</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>Translittération :</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>Translittération (facultatif)</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>Nom de la récitation :</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>Choisissez d'abord le dossier de vos enregistrements.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces: "%1" cannot be one.</source>
        <translation>Le nom d'une récitation est un seul mot, sans / ni espace : « %1 » ne convient pas.</translation>
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
    <message>
        <source>Installed Packs</source>
        <translation>Paquets installés</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paquet</translation>
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
        <source>Remove the recitation "%1" and all its packs from %2?</source>
        <translation>Supprimer la récitation « %1 » et tous ses paquets de %2 ?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>Certains fichiers de %1 n'ont pas pu être supprimés.</translation>
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
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>Vous n'avez encore enregistré aucun verset de cette leçon : appuyez sur Enregistrer (Ctrl+R).</translation>
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
    <message>
        <source>Delete all %1 of your recordings?</source>
        <translation>Supprimer vos %1 enregistrements ?</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l'enregistrement</translation>
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
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>Le périphérique audio est utilisé maintenant, mais le choix n'a pas pu être enregistré dans "config.ini" pour la prochaine fois :</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Vos réglages d'exercice n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>Vos réglages d'entraînement n'ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>ERREUR : l'écran est trop petit ! Passez à une résolution de 800x600 ou plus</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>Votre révision n'a pas pu être enregistrée :</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>Votre unité de révision n'a pas pu être enregistrée :</translation>
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
    <name>Varn</name>
    <message>
        <source>Interface &amp;Language</source>
        <translation>&amp;Langue de l'interface</translation>
    </message>
</context>
</TS>