<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>AyaText</name>
    <message>
        <source>Transliteration:</source>
        <translation>Transliterasi:</translation>
    </message>
    <message>
        <source>%1 Translation:</source>
        <translation>Terjemahan %1:</translation>
    </message>
</context>
<context>
    <name>AyaView</name>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Tersembunyi: tekan R untuk membuka</translation>
    </message>
</context>
<context>
    <name>CentralArea</name>
    <message>
        <source>Aya picture; drag it to your heart</source>
        <translation>Gambar ayat; seret ke hati Anda</translation>
    </message>
    <message>
        <source>Translation and transliteration</source>
        <translation>Terjemahan dan transliterasi</translation>
    </message>
    <message>
        <source>Aya</source>
        <translation>Ayat</translation>
    </message>
    <message>
        <source>Playing status</source>
        <translation>Status pemutaran</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1 to %2 s</source>
        <translation>%1 sampai %2 dtk</translation>
    </message>
    <message>
        <source>%1 (word %2)</source>
        <translation>%1 (kata %2)</translation>
    </message>
    <message>
        <source>%1 (words %2 to %3)</source>
        <translation>%1 (kata %2 sampai %3)</translation>
    </message>
    <message>
        <source>%1, match: you said the whole aya, in order (score %2 of 100).</source>
        <translation>%1, cocok: Anda membaca seluruh ayat, berurutan (nilai %2 dari 100).</translation>
    </message>
    <message>
        <source>%1, partial: a part is missing, added or said differently (score %2 of 100).</source>
        <translation>%1, sebagian: ada bagian yang terlewat, tambahan, atau dibaca berbeda (nilai %2 dari 100).</translation>
    </message>
    <message>
        <source>%1, different: this sounds like another aya, or no recitation (score %2 of 100).</source>
        <translation>%1, berbeda: ini terdengar seperti ayat lain, atau bukan bacaan (nilai %2 dari 100).</translation>
    </message>
    <message>
        <source>This sounds like %1 (%2), not %3.</source>
        <translation>Ini terdengar seperti %1 (%2), bukan %3.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Terlewat: %1.</translation>
    </message>
    <message>
        <source>Left out, in the reciter's time: %1.</source>
        <translation>Terlewat, menurut waktu qari: %1.</translation>
    </message>
    <message>
        <source>Said differently: %1.</source>
        <translation>Diucapkan berbeda: %1.</translation>
    </message>
    <message>
        <source>Said differently, in the reciter's time: %1.</source>
        <translation>Dibaca berbeda, menurut waktu qari: %1.</translation>
    </message>
    <message>
        <source>Added, in your recording's time: %1.</source>
        <translation>Tambahan, menurut waktu rekaman Anda: %1.</translation>
    </message>
</context>
<context>
    <name>ChooserRow</name>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizib</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Rubu'</translation>
    </message>
    <message>
        <source>&lt;b&gt;Choose a sura:&lt;b&gt;</source>
        <translation>&lt;b&gt;Pilih surah:&lt;b&gt;</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source> or</source>
        <translation> atau</translation>
    </message>
    <message>
        <source>Passage kind</source>
        <translation>Jenis bagian</translation>
    </message>
    <message>
        <source>Memorise by page, juz, hizb or quarter of the Madinah mushaf</source>
        <translation>Hafalkan per halaman, juz, hizb atau rubu' mushaf Madinah</translation>
    </message>
    <message>
        <source>Passage number</source>
        <translation>Nomor bagian</translation>
    </message>
    <message>
        <source>Play Passage</source>
        <translation>Putar Bagian</translation>
    </message>
    <message>
        <source>Play the passage chosen, across the suras it holds</source>
        <translation>Putar bagian terpilih, melintasi surah-surah di dalamnya</translation>
    </message>
    <message>
        <source>Tabaarakallah! You know this sura? Drag me to your heart!</source>
        <translation>Tabarakallah! Anda hafal surah ini? Seret saya ke hati Anda!</translation>
    </message>
    <message>
        <source>Drag this sura to your heart</source>
        <translation>Seret surah ini ke hati Anda</translation>
    </message>
    <message>
        <source>In the Name of Allah the Most Beneficent, the Most Merciful</source>
        <translation>Dengan nama Allah Yang Maha Pengasih, Maha Penyayang</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source> · your recitation</source>
        <translation> · bacaan Anda</translation>
    </message>
    <message>
        <source> · the reciter</source>
        <translation> · qari</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Varnel Preferences</source>
        <translation>Preferensi Varnel</translation>
    </message>
    <message>
        <source>Play Test Sound</source>
        <translation>Putar Suara Uji</translation>
    </message>
    <message>
        <source>Stop Test Sound</source>
        <translation>Hentikan Suara Uji</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>Mikrofon tidak ditemukan</translation>
    </message>
    <message>
        <source>The system's default</source>
        <translation>Bawaan sistem</translation>
    </message>
    <message>
        <source>Sound Settings</source>
        <translation>Pengaturan Suara</translation>
    </message>
    <message>
        <source>Choose a sound device</source>
        <translation>Pilih perangkat suara</translation>
    </message>
    <message>
        <source>Sound device</source>
        <translation>Perangkat suara</translation>
    </message>
    <message>
        <source>Record my recitation from</source>
        <translation>Rekam bacaan saya dari</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>The sound device is in use now, but the choice could not be saved in "config.ini" for the next time:</source>
        <translation>Perangkat suara kini dipakai, tetapi pilihan tidak bisa disimpan di "config.ini" untuk lain kali:</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> · pass %1 of %2</source>
        <translation> · putaran %1 dari %2</translation>
    </message>
    <message>
        <source>Aya %1 of %2</source>
        <translation>Ayat %L1 dari %L2</translation>
    </message>
    <message>
        <source> · aya %1 of %2 (%3:%4)</source>
        <translation> · ayat %L1 dari %L2 (%L3:%L4)</translation>
    </message>
</context>
<context>
    <name>DrillControls</name>
    <message>
        <source>Sura %1, aya %2</source>
        <translation>Surah %1, ayat %2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Pengaturan latihan Anda tidak bisa disimpan:</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Varnel user guide</source>
        <translation>Panduan Varnel</translation>
    </message>
    <message>
        <source>Varnel helps you learn suras by heart: you see each aya, hear it recited as often as you like, and keep a record of what you know in your &lt;b&gt;heart&lt;/b&gt;.</source>
        <translation>Varnel membantu Anda menghafal surah: Anda melihat setiap ayat, mendengarnya dibacakan sesering yang Anda mau, dan mencatat apa yang Anda hafal di &lt;b&gt;hati&lt;/b&gt; Anda.</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Memulai</translation>
    </message>
    <message>
        <source>When Varnel starts it asks for your &lt;b&gt;profile&lt;/b&gt;. Type your name and press &lt;i&gt;Create New Profile&lt;/i&gt;, or pick your name from the list and press &lt;i&gt;Load Selected Profile&lt;/i&gt;. Your heart and the aya you were at are kept in your profile; Varnel saves it when you leave, and File &amp;gt; Save Profile saves it at once.</source>
        <translation>Saat Varnel dimulai, ia menanyakan &lt;b&gt;profil&lt;/b&gt; Anda. Ketik nama Anda dan tekan &lt;i&gt;Buat Profil Baru&lt;/i&gt;, atau pilih nama Anda dari daftar dan tekan &lt;i&gt;Muat Profil Terpilih&lt;/i&gt;. Hati Anda dan ayat terakhir Anda disimpan di profil; Varnel menyimpannya saat Anda keluar, dan Berkas &amp;gt; Simpan Profil menyimpannya seketika.</translation>
    </message>
    <message>
        <source>The first time, Varnel asks which &lt;b&gt;sound device&lt;/b&gt; to use. Press &lt;i&gt;Play Test Sound&lt;/i&gt; to check it, then &lt;i&gt;OK&lt;/i&gt;. You can change it later in File &amp;gt; Preferences.</source>
        <translation>Pertama kali, Varnel menanyakan &lt;b&gt;perangkat suara&lt;/b&gt; yang dipakai. Tekan &lt;i&gt;Putar Suara Uji&lt;/i&gt; untuk memeriksanya, lalu &lt;i&gt;OK&lt;/i&gt;. Anda bisa mengubahnya nanti di Berkas &amp;gt; Preferensi.</translation>
    </message>
    <message>
        <source>Choose a sura in &lt;b&gt;Choose a sura&lt;/b&gt; at the top. Recitation starts at once, aya by aya.</source>
        <translation>Pilih surah di &lt;b&gt;Pilih surah&lt;/b&gt; di bagian atas. Bacaan langsung dimulai, ayat demi ayat.</translation>
    </message>
    <message>
        <source>Seeing the aya</source>
        <translation>Melihat ayat</translation>
    </message>
    <message>
        <source>The middle of the window shows the Arabic text of the aya being recited. The panel under it shows its translation and, if you wish, its transliteration: use the &lt;b&gt;View&lt;/b&gt; menu to show or hide each. The &lt;b&gt;Language&lt;/b&gt; menu chooses the language of the translation when translation packs are installed. The slider under the panel shows which aya of the sura you are at.</source>
        <translation>Bagian tengah jendela menampilkan teks Arab ayat yang sedang dibacakan. Panel di bawahnya menampilkan terjemahannya dan, jika Anda mau, transliterasinya: gunakan menu &lt;b&gt;Tampilan&lt;/b&gt; untuk menampilkan atau menyembunyikan masing-masing. Menu &lt;b&gt;Bahasa&lt;/b&gt; memilih bahasa terjemahan bila paket terjemahan terpasang. Penggeser di bawah panel menunjukkan di ayat mana Anda berada.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Memutar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Play Aya&lt;/b&gt; (Space) plays the current aya; &lt;b&gt;Stop Playing&lt;/b&gt; (Space again) stops.</source>
        <translation>&lt;b&gt;Putar Ayat&lt;/b&gt; (Spasi) memutar ayat saat ini; &lt;b&gt;Hentikan&lt;/b&gt; (Spasi lagi) menghentikannya.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Previous Aya&lt;/b&gt; (Left arrow) and &lt;b&gt;Next Aya&lt;/b&gt; (Right arrow) move through the sura.</source>
        <translation>&lt;b&gt;Ayat Sebelumnya&lt;/b&gt; (panah kiri) dan &lt;b&gt;Ayat Berikutnya&lt;/b&gt; (panah kanan) berpindah di dalam surah.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Repeat&lt;/b&gt;: how many times each aya is recited before the next one.</source>
        <translation>&lt;b&gt;Ulang&lt;/b&gt;: berapa kali setiap ayat dibacakan sebelum ayat berikutnya.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause (secs)&lt;/b&gt;: a silence after each recitation of an aya, time for you to repeat it aloud. 0 means no pause.</source>
        <translation>&lt;b&gt;Jeda (detik)&lt;/b&gt;: hening setelah setiap bacaan ayat, waktu bagi Anda untuk mengulanginya dengan suara. 0 berarti tanpa jeda.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aya Range Settings&lt;/b&gt;: tick the box, then set &lt;b&gt;FROM&lt;/b&gt; and &lt;b&gt;TO&lt;/b&gt; to work on part of a sura.</source>
        <translation>&lt;b&gt;Pengaturan Rentang Ayat&lt;/b&gt;: centang kotaknya, lalu atur &lt;b&gt;DARI&lt;/b&gt; dan &lt;b&gt;SAMPAI&lt;/b&gt; untuk berlatih sebagian surah.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loop Sura&lt;/b&gt;: start again at the first aya after the last.</source>
        <translation>&lt;b&gt;Ulangi Surah&lt;/b&gt;: mulai lagi dari ayat pertama setelah ayat terakhir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stack Ayas&lt;/b&gt;: the stack drill. Varnel recites the first aya, then the first two, then the first three, and so on until the whole range is recited in one go. Press Play Aya to begin.</source>
        <translation>&lt;b&gt;Tumpuk Ayat&lt;/b&gt;: latihan tumpuk. Varnel membacakan ayat pertama, lalu dua ayat pertama, lalu tiga ayat pertama, dan seterusnya sampai seluruh rentang dibacakan sekaligus. Tekan Putar Ayat untuk mulai.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sura Playback Progress&lt;/b&gt; shows how far through the sura (or the drill) you are.</source>
        <translation>&lt;b&gt;Kemajuan Pemutaran Surah&lt;/b&gt; menunjukkan sejauh mana Anda dalam surah (atau latihan).</translation>
    </message>
    <message>
        <source>Single Aya Mode: learning one aya in parts</source>
        <translation>Mode Satu Ayat: menghafal satu ayat per bagian</translation>
    </message>
    <message>
        <source>Tick &lt;b&gt;Single Aya Mode&lt;/b&gt; to work on one long aya a part at a time. A row of controls appears:</source>
        <translation>Centang &lt;b&gt;Mode Satu Ayat&lt;/b&gt; untuk berlatih satu ayat panjang sebagian demi sebagian. Sebaris kontrol muncul:</translation>
    </message>
    <message>
        <source>The slider shows where the recitation is. Drag it to jump.</source>
        <translation>Penggeser menunjukkan posisi bacaan. Seret untuk melompat.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;start&lt;/b&gt; button (a bar with a green arrow) takes the slider's position as the start of the part; the &lt;b&gt;end&lt;/b&gt; button takes it as the end. You can also type the start and end in milliseconds.</source>
        <translation>Tombol &lt;b&gt;awal&lt;/b&gt; (garis dengan panah hijau) menjadikan posisi penggeser sebagai awal bagian; tombol &lt;b&gt;akhir&lt;/b&gt; menjadikannya akhir. Anda juga bisa mengetik awal dan akhir dalam milidetik.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;repeat-play&lt;/b&gt; button (Space) plays the part again and again, with your pause between; the &lt;b&gt;stop&lt;/b&gt; button (Space) stops it.</source>
        <translation>Tombol &lt;b&gt;putar ulang&lt;/b&gt; (Spasi) memutar bagian itu berulang-ulang, dengan jeda Anda di antaranya; tombol &lt;b&gt;berhenti&lt;/b&gt; (Spasi) menghentikannya.</translation>
    </message>
    <message>
        <source>The arrow buttons (Left and Right arrows) move to the previous and next aya; the part becomes the whole aya again.</source>
        <translation>Tombol panah (panah kiri dan kanan) berpindah ke ayat sebelumnya dan berikutnya; bagian kembali menjadi seluruh ayat.</translation>
    </message>
    <message>
        <source>Your heart</source>
        <translation>Hati Anda</translation>
    </message>
    <message>
        <source>To add the aya you see, drag the aya picture onto the heart.</source>
        <translation>Untuk menambahkan ayat yang Anda lihat, seret gambar ayat ke hati.</translation>
    </message>
    <message>
        <source>To add a whole sura, drag the heart picture next to the sura chooser onto the heart.</source>
        <translation>Untuk menambahkan seluruh surah, seret gambar hati di samping pemilih surah ke hati.</translation>
    </message>
    <message>
        <source>Each sura shows a heart that fills as you learn more of it. The red bar at the top shows how many ayas of all installed suras are in your heart.</source>
        <translation>Setiap surah menampilkan hati yang terisi seiring hafalan Anda bertambah. Bilah merah di atas menunjukkan berapa ayat dari semua surah terpasang yang ada di hati Anda.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Close Completed Suras&lt;/b&gt; folds the suras you know completely.</source>
        <translation>&lt;b&gt;Lipat Surah yang Selesai&lt;/b&gt; melipat surah yang sudah Anda hafal seluruhnya.</translation>
    </message>
    <message>
        <source>Double-click an aya in your heart to go to it and recite from there.</source>
        <translation>Klik dua kali sebuah ayat di hati Anda untuk menuju ke sana dan membaca dari situ.</translation>
    </message>
    <message>
        <source>Right-click an aya or a sura and choose &lt;i&gt;Remove&lt;/i&gt; to take it out of your heart.</source>
        <translation>Klik kanan sebuah ayat atau surah dan pilih &lt;i&gt;Hapus&lt;/i&gt; untuk mengeluarkannya dari hati Anda.</translation>
    </message>
    <message>
        <source>Practice: testing yourself</source>
        <translation>Latihan: menguji diri</translation>
    </message>
    <message>
        <source>View &amp;gt; Practice &amp;gt; &lt;b&gt;Hide the aya&lt;/b&gt; (H) covers the aya's picture, and &lt;b&gt;Hide the translation&lt;/b&gt; covers its translation. Each new aya starts hidden again.</source>
        <translation>Tampilan &amp;gt; Latihan &amp;gt; &lt;b&gt;Sembunyikan ayat&lt;/b&gt; (H) menutup gambar ayat, dan &lt;b&gt;Sembunyikan terjemahan&lt;/b&gt; menutup terjemahannya. Setiap ayat baru mulai tersembunyi lagi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Test me&lt;/b&gt;, beside Pause in: the aya is hidden during each pause while you recite it from memory, and shown again when the pause ends. Set a pause for it to have a pause to work in.</source>
        <translation>&lt;b&gt;Uji saya&lt;/b&gt;, di samping satuan jeda: ayat disembunyikan selama setiap jeda saat Anda membacanya dari hafalan, dan tampil lagi saat jeda berakhir. Atur jeda agar ada waktu untuk itu.</translation>
    </message>
    <message>
        <source>Pauses that fit the aya</source>
        <translation>Jeda yang sesuai ayat</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pause in&lt;/b&gt; chooses how pauses are measured: in &lt;i&gt;seconds&lt;/i&gt; (the Pause box), or in &lt;i&gt;&amp;times; aya length&lt;/i&gt;, a multiple from 0.5 to 3.0 of the aya just heard (or of the part, in Single Aya Mode). A long aya then gets a long pause, a short one a short pause. A change of repeat, pause or speed while Varnel recites applies from the next repetition or the next aya.</source>
        <translation>&lt;b&gt;Jeda dalam&lt;/b&gt; memilih cara mengukur jeda: dalam &lt;i&gt;detik&lt;/i&gt; (kotak Jeda), atau dalam &lt;i&gt;&amp;times; panjang ayat&lt;/i&gt;, kelipatan 0.5 sampai 3.0 dari ayat yang baru didengar (atau dari bagian, dalam Mode Satu Ayat). Ayat panjang mendapat jeda panjang, ayat pendek jeda pendek. Perubahan ulangan, jeda, atau kecepatan saat Varnel membaca berlaku mulai ulangan atau ayat berikutnya.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Speed&lt;/b&gt; box (or View &amp;gt; Practice &amp;gt; Slower and Faster, the keys [ and ]) plays the recitation from 0.5&amp;times; to 1.5&amp;times; with its pitch kept. Positions, ranges and the single-aya marks stay in the recording's own time.</source>
        <translation>Kotak &lt;b&gt;Kecepatan&lt;/b&gt; (atau Tampilan &amp;gt; Latihan &amp;gt; Lebih lambat dan Lebih cepat, tombol [ dan ]) memutar bacaan dari 0.5&amp;times; sampai 1.5&amp;times; dengan nada tetap. Posisi, rentang, dan tanda satu ayat tetap dalam waktu rekaman itu sendiri.</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Membaca</translation>
    </message>
    <message>
        <source>Ctrl+wheel, Ctrl+plus and Ctrl+minus zoom the aya's picture; Ctrl+0 (View &amp;gt; Fit to Width) fits it to the width. The line of text stays in view, and the zoom is kept for next time.</source>
        <translation>Ctrl+roda, Ctrl+plus dan Ctrl+minus memperbesar dan memperkecil gambar ayat; Ctrl+0 (Tampilan &amp;gt; Sesuaikan Lebar) menyesuaikannya dengan lebar. Baris teks tetap terlihat, dan perbesaran disimpan untuk lain kali.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Night Reading&lt;/b&gt;: a dark page with light text and the aya as light ink.</source>
        <translation>Tampilan &amp;gt; &lt;b&gt;Mode Malam&lt;/b&gt;: halaman gelap dengan teks terang dan ayat bertinta terang.</translation>
    </message>
    <message>
        <source>Review: keeping what you know</source>
        <translation>Murajaah: menjaga hafalan</translation>
    </message>
    <message>
        <source>Choose an item and press &lt;b&gt;Review now&lt;/b&gt;: Varnel plays it once through, each aya once, with no repeat or pause.</source>
        <translation>Pilih satu item dan tekan &lt;b&gt;Murajaah sekarang&lt;/b&gt;: Varnel memutarnya sekali, setiap ayat sekali, tanpa ulangan atau jeda.</translation>
    </message>
    <message>
        <source>Then grade how well you knew it: &lt;b&gt;Again&lt;/b&gt; (1) if you forgot it, &lt;b&gt;Hard&lt;/b&gt; (2), &lt;b&gt;Good&lt;/b&gt; (3) or &lt;b&gt;Easy&lt;/b&gt; (4). The panel says when that item comes back; a well-known sura comes back later and later, a forgotten one soon.</source>
        <translation>Lalu nilai seberapa baik Anda mengingatnya: &lt;b&gt;Lagi&lt;/b&gt; (1) jika lupa, &lt;b&gt;Sulit&lt;/b&gt; (2), &lt;b&gt;Baik&lt;/b&gt; (3) atau &lt;b&gt;Mudah&lt;/b&gt; (4). Panel memberi tahu kapan item itu kembali; surah yang terhafal baik kembali makin lama, yang terlupa segera.</translation>
    </message>
    <message>
        <source>Suras due today have a small orange mark in your heart. The calendar shows your reviews of the last twelve weeks.</source>
        <translation>Surah yang jatuh tempo hari ini punya tanda oranye kecil di hati Anda. Kalender menampilkan murajaah Anda selama dua belas minggu terakhir.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tombol</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; plays and stops, except on a focused button or check box (which Space presses) and in a field where you type text.</source>
        <translation>&lt;b&gt;Spasi&lt;/b&gt; memutar dan menghentikan, kecuali pada tombol atau kotak centang yang terfokus (yang ditekan oleh Spasi) dan di kolom tempat Anda mengetik teks.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; go to the previous and next aya, except in number and text fields, on sliders and in the heart, which use them themselves.</source>
        <translation>&lt;b&gt;Kiri&lt;/b&gt; dan &lt;b&gt;Kanan&lt;/b&gt; menuju ayat sebelumnya dan berikutnya, kecuali di kolom angka dan teks, pada penggeser, dan di hati, yang memakainya sendiri.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Space&lt;/b&gt;, &lt;b&gt;Ctrl+Left&lt;/b&gt;, &lt;b&gt;Ctrl+Right&lt;/b&gt; and the media keys work wherever you are.</source>
        <translation>&lt;b&gt;Ctrl+Spasi&lt;/b&gt;, &lt;b&gt;Ctrl+Kiri&lt;/b&gt;, &lt;b&gt;Ctrl+Kanan&lt;/b&gt; dan tombol media bekerja di mana pun Anda berada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;H&lt;/b&gt; hides the aya, &lt;b&gt;R&lt;/b&gt; reveals it, &lt;b&gt;[&lt;/b&gt; and &lt;b&gt;]&lt;/b&gt; change the speed, &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt; grade a review.</source>
        <translation>&lt;b&gt;H&lt;/b&gt; menyembunyikan ayat, &lt;b&gt;R&lt;/b&gt; membukanya, &lt;b&gt;[&lt;/b&gt; dan &lt;b&gt;]&lt;/b&gt; mengubah kecepatan, &lt;b&gt;1&lt;/b&gt; sampai &lt;b&gt;4&lt;/b&gt; menilai murajaah.</translation>
    </message>
    <message>
        <source>Tab moves between the controls; every control can be reached and used without a mouse.</source>
        <translation>Tab berpindah antar kontrol; setiap kontrol bisa dicapai dan dipakai tanpa tetikus.</translation>
    </message>
    <message>
        <source>Recitors</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>When more than one recitation of a sura pack is installed, Recitor &amp;gt; Config Recitor chooses, for each pack, whose recitation you hear. A recitation you choose there is heard for every sura of its pack, even where another pack covers the same suras.</source>
        <translation>Bila lebih dari satu bacaan untuk satu paket surah terpasang, Qari &amp;gt; Atur Qari memilih, untuk setiap paket, bacaan siapa yang Anda dengar. Bacaan yang Anda pilih di sana terdengar untuk setiap surah dalam paketnya, bahkan bila paket lain mencakup surah yang sama.</translation>
    </message>
    <message>
        <source>Sura packs</source>
        <translation>Paket surah</translation>
    </message>
    <message>
        <source>Varnel reads the Quran's text, pictures and recitations from sura packs in the &lt;tt&gt;quran&lt;/tt&gt; folder. Without them there is nothing to choose in the sura chooser.</source>
        <translation>Varnel membaca teks, gambar, dan bacaan Al-Qur'an dari paket surah di folder &lt;tt&gt;quran&lt;/tt&gt;. Tanpanya tidak ada yang bisa dipilih di pemilih surah.</translation>
    </message>
    <message>
        <source>Varnel helps you memorise suras of the Quran by ear and by sight: it shows each aya as a picture of its Arabic text with its translation and transliteration, and plays the recitation aya by aya with repeats, pauses, ranges, loops, the stack drill and the single-aya drill.</source>
        <translation>Varnel membantu Anda menghafal surah Al-Qur'an lewat pendengaran dan penglihatan: ia menampilkan setiap ayat sebagai gambar teks Arabnya beserta terjemahan dan transliterasinya, dan memutar bacaan ayat demi ayat dengan ulangan, jeda, rentang, pengulangan, latihan tumpuk, dan latihan satu ayat.</translation>
    </message>
    <message>
        <source>Varnel holds no Quran content of its own beyond a table of the 114 suras. The pictures, recitations and texts come in &lt;b&gt;sura packs&lt;/b&gt; (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) in the &lt;tt&gt;quran&lt;/tt&gt; folder of Varnel's working folder; more recitations go into &lt;tt&gt;quran/extra&lt;/tt&gt;, more translations into &lt;tt&gt;quran/lang&lt;/tt&gt;. The Debian package &lt;b&gt;varnel-data&lt;/b&gt; brings the demo packs (Al-Fatiha and Juz' Amma with nine translations), read where they are installed; make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</source>
        <translation>Varnel tidak membawa isi Al-Qur'an selain tabel 114 surah. Gambar, bacaan, dan teks datang dalam &lt;b&gt;paket surah&lt;/b&gt; (berkas berakhiran &lt;tt&gt;.dat&lt;/tt&gt;) di folder &lt;tt&gt;quran&lt;/tt&gt; dalam folder kerja Varnel; bacaan tambahan masuk ke &lt;tt&gt;quran/extra&lt;/tt&gt;, terjemahan tambahan ke &lt;tt&gt;quran/lang&lt;/tt&gt;. Paket Debian &lt;b&gt;varnel-data&lt;/b&gt; membawa paket contoh (Al-Fatihah dan Juz 'Amma dengan sembilan terjemahan), dibaca di tempat terpasangnya; buat paket dari rekaman Anda sendiri dengan &lt;tt&gt;varnel-pack import&lt;/tt&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sources.&lt;/b&gt; The demo content's Arabic text, translations and transliteration come from the quran-json package (CC-BY-4.0), which takes the Arabic text from the Tanzil project; its recitations are synthetic speech made with espeak-ng, no human recitation. The Arabic is drawn with the Amiri Quran font by Khaled Hosny (SIL Open Font License).</source>
        <translation>&lt;b&gt;Sumber.&lt;/b&gt; Teks Arab, terjemahan, dan transliterasi konten contoh berasal dari paket quran-json (CC-BY-4.0), yang mengambil teks Arab dari proyek Tanzil; bacaannya adalah suara sintetis buatan espeak-ng, bukan bacaan manusia. Teks Arab digambar dengan fon Amiri Quran karya Khaled Hosny (SIL Open Font License).</translation>
    </message>
    <message>
        <source>It seems you downloaded only the main program&lt;br&gt;and you don't have any sura packs installed!&lt;br&gt;&lt;br&gt;Sura packs (files ending in &lt;tt&gt;.dat&lt;/tt&gt;) go in this folder:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;To get some:&lt;br&gt;&amp;bull; install the &lt;b&gt;varnel-data&lt;/b&gt; package (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatiha and Juz' Amma with translations, found where they are installed;&lt;br&gt;&amp;bull; or make packs from your own recordings with &lt;tt&gt;varnel-pack import&lt;/tt&gt; (see &lt;tt&gt;man varnel-pack&lt;/tt&gt;), then start Varnel again.</source>
        <translation>Tampaknya Anda hanya mengunduh program utamanya&lt;br&gt;dan belum memasang paket surah apa pun!&lt;br&gt;&lt;br&gt;Paket surah (berkas berakhiran &lt;tt&gt;.dat&lt;/tt&gt;) diletakkan di folder ini:&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;&lt;br&gt;Untuk mendapatkannya:&lt;br&gt;&amp;bull; pasang paket &lt;b&gt;varnel-data&lt;/b&gt; (&lt;tt&gt;sudo apt install varnel-data&lt;/tt&gt;): Al-Fatihah dan Juz 'Amma dengan terjemahan, dibaca di tempat terpasangnya;&lt;br&gt;&amp;bull; atau buat paket dari rekaman Anda sendiri dengan &lt;tt&gt;varnel-pack import&lt;/tt&gt; (lihat &lt;tt&gt;man varnel-pack&lt;/tt&gt;), lalu jalankan Varnel lagi.</translation>
    </message>
    <message>
        <source>Varnel Help</source>
        <translation>Bantuan Varnel</translation>
    </message>
    <message>
        <source>The window and its panels</source>
        <translation>Jendela dan panel-panelnya</translation>
    </message>
    <message>
        <source>The aya fills the middle of the window: its picture, and under it the translation panel. Right under them are the buttons that play, stop and move between ayas, the aya slider and a line that says where you are.</source>
        <translation>Ayat mengisi bagian tengah jendela: gambarnya, dan di bawahnya panel terjemahan. Tepat di bawah keduanya ada tombol untuk memutar, menghentikan, dan berpindah antarayat, penggeser ayat, dan sebaris keterangan posisi Anda.</translation>
    </message>
    <message>
        <source>Beside the aya stand the panels. &lt;b&gt;Heart&lt;/b&gt;, &lt;b&gt;Review&lt;/b&gt; and &lt;b&gt;My Recitation&lt;/b&gt; share one place as tabs; &lt;b&gt;Recitation Settings&lt;/b&gt; holds the repeat, pause, range, loop, stack and practice settings. Drag a panel by its title to move it or to let it float, and close what you do not need: the &lt;b&gt;View&lt;/b&gt; menu shows each panel again, and View &amp;gt; Reset Layout brings back the first arrangement. Varnel remembers the window and its panels on this computer.</source>
        <translation>Di samping ayat ada panel-panel. &lt;b&gt;Hati&lt;/b&gt;, &lt;b&gt;Murajaah&lt;/b&gt;, dan &lt;b&gt;Bacaan Saya&lt;/b&gt; berbagi satu tempat sebagai tab; &lt;b&gt;Pengaturan Bacaan&lt;/b&gt; memuat pengaturan ulangan, jeda, rentang, putar ulang, tumpuk, dan latihan. Seret panel pada judulnya untuk memindahkannya atau melepaskannya, dan tutup yang tidak Anda perlukan: menu &lt;b&gt;Tampilan&lt;/b&gt; menampilkan setiap panel lagi, dan Tampilan &amp;gt; Atur Ulang Tata Letak mengembalikan susunan awal. Varnel mengingat jendela dan panelnya di komputer ini.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Heart&lt;/b&gt; panel is your heart: the ayas you know.</source>
        <translation>Panel &lt;b&gt;Hati&lt;/b&gt; adalah hati Anda: ayat-ayat yang Anda hafal.</translation>
    </message>
    <message>
        <source>Every sura in your heart (a part of 20 ayas, for suras longer than 40) comes up for review the day after you learn it. The &lt;b&gt;Review&lt;/b&gt; panel beside the heart lists what is due today, the most overdue first, with the day of its last review and your chance of recalling it today. View &amp;gt; Review Panel shows or hides it.</source>
        <translation>Setiap surah di hati Anda (bagian 20 ayat, untuk surah lebih dari 40 ayat) muncul untuk murajaah sehari setelah Anda menghafalnya. Panel &lt;b&gt;Murajaah&lt;/b&gt; di samping hati mendaftar yang jatuh tempo hari ini, yang paling terlambat lebih dulu, dengan hari murajaah terakhir dan peluang Anda mengingatnya hari ini. Tampilan &amp;gt; Panel Murajaah menampilkan atau menyembunyikannya.</translation>
    </message>
    <message>
        <source>Passages: pages, juz and hizb</source>
        <translation>Bagian: halaman, juz, dan hizb</translation>
    </message>
    <message>
        <source>Beside the sura chooser, choose Page, Juz, Hizb or Quarter of the Madinah mushaf and its number, then press &lt;b&gt;Play Passage&lt;/b&gt; (or Return): every drill plays the passage across its suras. &lt;b&gt;Times&lt;/b&gt; plays it that many times. View &amp;gt; Practice &amp;gt; Add Passage to Heart puts all its ayas in your heart, and the cells under the heart's bar fill juz by juz. The Review panel can review by suras or by pages.</source>
        <translation>Di samping pemilih surah, pilih Halaman, Juz, Hizb, atau Perempat mushaf Madinah beserta nomornya, lalu tekan &lt;b&gt;Putar Bagian&lt;/b&gt; (atau Return): setiap latihan memutar bagian itu melintasi surah-surahnya. &lt;b&gt;Kali&lt;/b&gt; memutarnya sebanyak itu. Tampilan &amp;gt; Latihan &amp;gt; Tambahkan Bagian ke Hati memasukkan semua ayatnya ke hati Anda, dan kotak di bawah bilah hati terisi juz demi juz. Panel Murajaah dapat murajaah per surah atau per halaman.</translation>
    </message>
    <message>
        <source>Reciting and listening back</source>
        <translation>Membaca dan mendengarkan kembali</translation>
    </message>
    <message>
        <source>In the &lt;b&gt;My Recitation&lt;/b&gt; panel, Record (View &amp;gt; Practice &amp;gt; Record My Recitation, Ctrl+R) records you reciting the aya shown; Play Mine plays it back; Compare with the Reciter plays the reciter and then you, with both waveforms; Delete removes your recordings after asking.</source>
        <translation>Di panel &lt;b&gt;Bacaan Saya&lt;/b&gt;, Rekam (Tampilan &amp;gt; Latihan &amp;gt; Rekam Bacaan Saya, Ctrl+R) merekam Anda membaca ayat yang tampil; Putar Milik Saya memutarnya kembali; Bandingkan dengan Qari memutar qari lalu Anda, dengan kedua gelombang suara; Hapus menghapus rekaman Anda setelah bertanya.</translation>
    </message>
    <message>
        <source>File &amp;gt; Import Recordings turns a folder of your own recordings into a recitation you can choose; Recitor &amp;gt; Installed Packs lists every pack and recitation, where it lives and which is chosen, and removes a recitation you imported.</source>
        <translation>Berkas &amp;gt; Impor Rekaman menjadikan folder rekaman Anda sendiri sebuah bacaan yang dapat dipilih; Qari &amp;gt; Paket Terpasang mendaftar setiap paket dan bacaan, letaknya dan yang dipilih, serta menghapus bacaan yang Anda impor.</translation>
    </message>
    <message>
        <source>More of the menus</source>
        <translation>Menu lainnya</translation>
    </message>
    <message>
        <source>File &amp;gt; New/Load Profile changes the learner; File &amp;gt; Exit ends Varnel and saves your profile.</source>
        <translation>Berkas &amp;gt; Profil Baru/Muat mengganti pelajar; Berkas &amp;gt; Keluar menutup Varnel dan menyimpan profil Anda.</translation>
    </message>
    <message>
        <source>View &amp;gt; Show Transliteration and Hide Translation show or hide each text; Zoom In and Zoom Out make the aya's picture larger or smaller.</source>
        <translation>Tampilan &amp;gt; Tampilkan Transliterasi dan Sembunyikan Terjemahan menampilkan atau menyembunyikan tiap teks; Perbesar dan Perkecil memperbesar atau memperkecil gambar ayat.</translation>
    </message>
    <message>
        <source>Where the pitch of both voices can be followed, a line over each waveform traces its melody, yours on the reciter's time, so that you can follow the reciter's.</source>
        <translation>Jika nada kedua suara dapat diikuti, sebuah garis di atas setiap gelombang menelusuri melodinya, milik Anda pada waktu qari, agar Anda dapat mengikuti melodi qari.</translation>
    </message>
    <message>
        <source>Check (View &amp;gt; Practice &amp;gt; Check My Recitation) compares your recording of the aya shown with the reciter's, and each take is checked at once: the verdict (match, partial or different) is written under the waveforms when it is ready, and what you left out, added or said differently is marked on them. When your packs hold an aya that differs from this one by a word or two and your recording sounds like it, the verdict names it. It checks the words and their order, not tajweed.</source>
        <translation>Periksa (Tampilan &amp;gt; Latihan &amp;gt; Periksa Bacaan Saya) membandingkan rekaman Anda untuk ayat yang ditampilkan dengan bacaan qari, dan setiap rekaman langsung diperiksa: hasilnya (cocok, sebagian, atau berbeda) ditulis di bawah bentuk gelombang begitu siap, dan yang Anda lewatkan, tambahkan, atau baca berbeda ditandai di sana. Jika paket Anda memuat ayat yang berbeda satu atau dua kata dari ayat ini dan rekaman Anda terdengar seperti ayat itu, hasilnya menyebutkannya. Ini memeriksa kata dan urutannya, bukan tajwid.</translation>
    </message>
    <message>
        <source>With View &amp;gt; Practice &amp;gt; &lt;b&gt;Snap the Part to Words&lt;/b&gt; (on at first), the start and end buttons take the start and the end of the word the slider stands in, so that a part never begins or ends inside a word.</source>
        <translation>Dengan Tampilan &amp;gt; Latihan &amp;gt; &lt;b&gt;Tepatkan Bagian ke Kata&lt;/b&gt; (aktif sejak awal), tombol awal dan akhir mengambil awal dan akhir kata tempat penggeser berada, sehingga sebuah bagian tidak pernah mulai atau berakhir di tengah kata.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reveal&lt;/b&gt; (R) uncovers the picture a word at a time, from the right, where an Arabic line begins (a fifth at a time where the pack does not tell the aya's words). A click on the covered picture uncovers all of it.</source>
        <translation>&lt;b&gt;Ungkap&lt;/b&gt; (R) membuka gambar satu kata setiap kali, dari kanan, tempat baris Arab dimulai (seperlima setiap kali bila paket tidak menyebut kata-kata ayat). Klik pada gambar yang tertutup membuka seluruhnya.</translation>
    </message>
    <message>
        <source>Hear Left Out then plays the reciter saying just what the check found you left out or said differently, one part at each press. Where the pack tells the aya's words, the verdict names them ("Left out: ... (word 4)") and they are framed on the picture.</source>
        <translation>Dengar yang Terlewat lalu memutar qari mengucapkan hanya apa yang menurut pemeriksaan Anda lewatkan atau ucapkan berbeda, satu bagian setiap tekan. Bila paket menyebut kata-kata ayat, putusan menamainya ("Terlewat: ... (kata 4)") dan kata itu dibingkai pada gambar.</translation>
    </message>
    <message>
        <source>A new take keeps the one it replaces as your previous take: Delete &amp;gt; &lt;b&gt;Bring Back My Previous Take&lt;/b&gt; brings it back (and keeps the newer one as the previous), so a worse take never loses a good one.</source>
        <translation>Rekaman baru menyimpan rekaman yang digantikannya sebagai rekaman sebelumnya: Hapus &amp;gt; &lt;b&gt;Kembalikan Rekaman Sebelumnya&lt;/b&gt; mengembalikannya (dan menyimpan yang lebih baru sebagai sebelumnya), sehingga rekaman yang lebih buruk tidak pernah menghilangkan yang baik.</translation>
    </message>
    <message>
        <source>View &amp;gt; &lt;b&gt;Mark the Heard Word&lt;/b&gt; (on at first): while the reciter plays, the word being said is tinted and underlined on the picture. A click on a word plays the aya from that word, and so do the keys 1 to 9 for the first nine words when the picture has the focus. Packs made by varnel-demo and by Import Recordings tell each aya's words.</source>
        <translation>Tampilan &amp;gt; &lt;b&gt;Tandai Kata yang Terdengar&lt;/b&gt; (aktif sejak awal): saat qari membaca, kata yang sedang diucapkan diwarnai dan digarisbawahi pada gambar. Klik pada sebuah kata memutar ayat mulai dari kata itu. Paket buatan varnel-demo dan Impor Rekaman menyebut kata-kata setiap ayat. Tombol 1 sampai 9 melakukan hal yang sama untuk sembilan kata pertama bila gambar sedang difokuskan.</translation>
    </message>
    <message>
        <source>View &amp;gt; Interface Language chooses the language of Varnel's own words: the window, its panels and its dialogs speak it at once, and at every start after. Help &amp;gt; About tells which Varnel this is.</source>
        <translation>Tampilan &amp;gt; Bahasa Antarmuka memilih bahasa kata-kata Varnel sendiri: jendela, panel-panelnya, dan dialog-dialognya langsung memakainya, juga setiap kali dibuka sesudahnya. Bantuan &amp;gt; Tentang memberi tahu Varnel versi mana ini.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Built on Qt, OpenAL Soft, libsndfile and SoundTouch.</source>
        <translation>Perangkat lunak bebas di bawah GNU General Public License, versi 3 atau lebih baru. Dibangun dengan Qt, OpenAL Soft, libsndfile, dan SoundTouch.</translation>
    </message>
</context>
<context>
    <name>Heart</name>
    <message>
        <source>Memorized Suras by Heart</source>
        <translation>Surah yang Dihafal di Hati</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>You recorded this aya</source>
        <translation>Anda telah merekam ayat ini</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>terekam</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>Jatuh tempo murajaah</translation>
    </message>
    <message>
        <source>You recorded this aya, and its last check matched the reciter</source>
        <translation>Anda merekam ayat ini, dan pemeriksaan terakhirnya cocok dengan qari</translation>
    </message>
    <message>
        <source>recorded, checked: match</source>
        <translation>direkam, diperiksa: cocok</translation>
    </message>
</context>
<context>
    <name>HeartPanel</name>
    <message>
        <source>My Heart</source>
        <translation>Hatiku</translation>
    </message>
    <message>
        <source>Progress: </source>
        <translation>Kemajuan: </translation>
    </message>
    <message>
        <source>Memorised ayas</source>
        <translation>Ayat yang dihafal</translation>
    </message>
    <message>
        <source>Progress by juz</source>
        <translation>Kemajuan per juz</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hati</translation>
    </message>
    <message>
        <source>Close Completed Suras</source>
        <translation>Lipat Surah yang Selesai</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras; %3 more from suras not installed</source>
        <translation>%1 dari %2 ayat surah yang terpasang; %3 lagi dari surah yang tidak terpasang</translation>
    </message>
    <message>
        <source>%1 of the %2 ayas of the installed suras</source>
        <translation>%1 dari %2 ayat surah yang terpasang</translation>
    </message>
    <message>
        <source>%1's Heart</source>
        <translation>Hati %1</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Recordings</source>
        <translation>Impor Rekaman</translation>
    </message>
    <message>
        <source>Your recordings, one file per aya named SSSAAA (001001.mp3 is 1:1; MP3, Ogg, FLAC or WAV), become a recitation you can choose. Without an Arabic text they join the packs you have, which show the pictures and the texts; with one (a Tanzil file, "sura|aya|text" a line, or the quran-json package's folder) they become sura packs of their own.</source>
        <translation>Rekaman Anda, satu berkas per ayat bernama SSSAAA (001001.mp3 adalah 1:1; MP3, Ogg, FLAC atau WAV), menjadi bacaan yang bisa Anda pilih. Tanpa teks Arab, rekaman bergabung dengan paket yang Anda miliki, yang menampilkan gambar dan teks; dengan teks (berkas Tanzil "surah|ayat|teks" per baris, atau folder paket quran-json) rekaman menjadi paket surah tersendiri.</translation>
    </message>
    <message>
        <source>Recordings folder:</source>
        <translation>Folder rekaman:</translation>
    </message>
    <message>
        <source>Arabic text:</source>
        <translation>Teks Arab:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Terjemahan:</translation>
    </message>
    <message>
        <source>Transliteration:</source>
        <translation>Transliterasi:</translation>
    </message>
    <message>
        <source>Recordings folder</source>
        <translation>Folder rekaman</translation>
    </message>
    <message>
        <source>Arabic text (optional)</source>
        <translation>Teks Arab (opsional)</translation>
    </message>
    <message>
        <source>Translation (optional)</source>
        <translation>Terjemahan (opsional)</translation>
    </message>
    <message>
        <source>Transliteration (optional)</source>
        <translation>Transliterasi (opsional)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Telusuri...</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Telusuri %1</translation>
    </message>
    <message>
        <source>Recitation name:</source>
        <translation>Nama bacaan:</translation>
    </message>
    <message>
        <source>Recitation name</source>
        <translation>Nama bacaan</translation>
    </message>
    <message>
        <source>optional: a name keeps it beside the packs you have</source>
        <translation>opsional: nama menyimpannya di samping paket Anda</translation>
    </message>
    <message>
        <source>Re-encode the recordings as Ogg Vorbis</source>
        <translation>Kodekan ulang rekaman sebagai Ogg Vorbis</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Kemajuan impor</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Choose the folder of your recordings first.</source>
        <translation>Pilih dulu folder rekaman Anda.</translation>
    </message>
    <message>
        <source>A recitation's name is one word, without / or spaces, and neither "default" nor "lang": "%1" cannot be one.</source>
        <translation>Nama bacaan adalah satu kata, tanpa / atau spasi, dan bukan "default" atau "lang": "%1" tidak bisa menjadi nama.</translation>
    </message>
    <message>
        <source>There are no recordings named SSSAAA (001001.mp3 is 1:1) in %1.</source>
        <translation>Tidak ada rekaman bernama SSSAAA (001001.mp3 adalah 1:1) di %1.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>Impor dibatalkan; tidak ada yang disimpan.</translation>
    </message>
    <message>
        <source>The recordings could not be imported:</source>
        <translation>Rekaman tidak bisa diimpor:</translation>
    </message>
    <message>
        <source>Your recordings are imported and ready to play.</source>
        <translation>Rekaman Anda sudah diimpor dan siap diputar.</translation>
    </message>
    <message>
        <source>These packs were there already and are kept as they are.</source>
        <translation>Paket ini sudah ada dan tetap seperti semula.</translation>
    </message>
</context>
<context>
    <name>InstalledPacks</name>
    <message>
        <source>Installed Packs</source>
        <translation>Paket Terpasang</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>Recitation</source>
        <translation>Bacaan</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Paket terpasang</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Buka Folder</translation>
    </message>
    <message>
        <source>Remove Recitation...</source>
        <translation>Hapus Bacaan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>default</source>
        <translation>bawaan</translation>
    </message>
    <message>
        <source>installed for everyone</source>
        <translation>terpasang untuk semua</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>milik Anda</translation>
    </message>
    <message>
        <source> (chosen)</source>
        <translation> (dipilih)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:&lt;br&gt;%1</source>
        <translation>Tidak ada pengelola berkas yang dapat membuka folder itu. Letaknya:&lt;br&gt;%1</translation>
    </message>
    <message>
        <source>Remove the recitation "%1" and all its packs?</source>
        <translation>Hapus bacaan "%1" beserta semua paketnya?</translation>
    </message>
    <message>
        <source>Some files of %1 could not be removed.</source>
        <translation>Beberapa berkas %1 tidak bisa dihapus.</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System Default</source>
        <translation>Bawaan sistem</translation>
    </message>
</context>
<context>
    <name>JuzProgress</name>
    <message>
        <source>Progress by juz</source>
        <translation>Kemajuan per juz</translation>
    </message>
    <message>
        <source>Juz %L1: %L2 of %L3 ayas (%L4%)</source>
        <translation>Juz %L1: %L2 dari %L3 ayat (%L4%)</translation>
    </message>
    <message>
        <source>. %L1 of 30 juz begun, %L2 of %L3 ayas in all.</source>
        <translation>. %L1 dari 30 juz dimulai, %L2 dari %L3 ayat seluruhnya.</translation>
    </message>
</context>
<context>
    <name>LearnerRecord</name>
    <message>
        <source>The review record</source>
        <translation>Catatan murajaah</translation>
    </message>
    <message>
        <source>Your heart is kept; its suras start review again.</source>
        <translation>Hati Anda tetap; murajaah surah-surahnya dimulai lagi.</translation>
    </message>
    <message>
        <source>The review record by page</source>
        <translation>Catatan murajaah per halaman</translation>
    </message>
    <message>
        <source>Your heart is kept; its pages start review again.</source>
        <translation>Hati Anda tetap; murajaah halaman-halamannya dimulai lagi.</translation>
    </message>
    <message>
        <source>Your practice settings</source>
        <translation>Pengaturan latihan Anda</translation>
    </message>
    <message>
        <source>Hiding and Test me start switched off.</source>
        <translation>Sembunyikan dan Uji saya dimulai dalam keadaan mati.</translation>
    </message>
    <message>
        <source>it is not a practice-settings file</source>
        <translation>ini bukan berkas pengaturan latihan</translation>
    </message>
    <message>
        <source>Your drill settings</source>
        <translation>Pengaturan putar Anda</translation>
    </message>
    <message>
        <source>Repeat, pause, loop, stack and speed start from their defaults.</source>
        <translation>Ulang, jeda, pengulangan, tumpuk, dan kecepatan dimulai dari bawaannya.</translation>
    </message>
    <message>
        <source>it is not a drill-settings file</source>
        <translation>ini bukan berkas pengaturan putar</translation>
    </message>
    <message>
        <source>Review records were found without a profile. The new profile starts with an empty heart; the records as they were are kept as:</source>
        <translation>Catatan murajaah ditemukan tanpa profil. Profil baru dimulai dengan hati kosong; catatan itu disimpan apa adanya sebagai:</translation>
    </message>
    <message>
        <source>Review records were found without a profile, and there is no room to keep them aside. They are left as they are, and your reviews are not saved over them:</source>
        <translation>Catatan murajaah ditemukan tanpa profil, dan tidak ada ruang untuk menyimpannya terpisah. Catatan itu dibiarkan apa adanya, dan murajaah Anda tidak disimpan menimpanya:</translation>
    </message>
</context>
<context>
    <name>Mpris</name>
    <message>
        <source>The default recitation</source>
        <translation>Bacaan bawaan</translation>
    </message>
</context>
<context>
    <name>MyRecitation</name>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 tidak dapat diperiksa: %2.</translation>
    </message>
    <message>
        <source>Your previous take, which matched, is kept: bring it back with Delete &gt; Bring Back My Previous Take.</source>
        <translation>Rekaman sebelumnya, yang cocok, tetap disimpan: kembalikan dengan Hapus &gt; Kembalikan Rekaman Sebelumnya.</translation>
    </message>
    <message>
        <source>Everything else works as before.</source>
        <translation>Selebihnya tetap berjalan seperti biasa.</translation>
    </message>
    <message>
        <source>Choose or make a profile first: your recordings are kept with it.</source>
        <translation>Pilih atau buat profil dulu: rekaman Anda disimpan bersamanya.</translation>
    </message>
    <message>
        <source>Recite each aya in the pause after it; press Stop Recording (Ctrl+R) to end.</source>
        <translation>Bacalah tiap ayat pada jeda sesudahnya; tekan Hentikan Rekaman (Ctrl+R) untuk selesai.</translation>
    </message>
    <message>
        <source>Nothing was heard, so no recording of %1 was kept.</source>
        <translation>Tidak terdengar apa pun, jadi rekaman %1 tidak disimpan.</translation>
    </message>
    <message>
        <source>Your recitation of %1 could not be kept:</source>
        <translation>Bacaan Anda untuk %1 tidak bisa disimpan:</translation>
    </message>
    <message>
        <source>Your recitation of %1 is kept (%2 s).</source>
        <translation>Bacaan Anda untuk %1 disimpan (%2 dtk).</translation>
    </message>
    <message>
        <source>You have not recorded %1 yet: press Record (Ctrl+R).</source>
        <translation>Anda belum merekam %1: tekan Rekam (Ctrl+R).</translation>
    </message>
    <message>
        <source>Checking your recitation of %1...</source>
        <translation>Memeriksa bacaan Anda untuk %1...</translation>
    </message>
    <message>
        <source>The check's mark for %1 could not be kept: %2</source>
        <translation>Tanda pemeriksaan untuk %1 tidak dapat disimpan: %2</translation>
    </message>
    <message>
        <source>The reciter: %1, of %2.</source>
        <translation>Qari: %1, dari %2.</translation>
    </message>
    <message>
        <source>You have not recorded any aya of this lesson yet: press Record (Ctrl+R).</source>
        <translation>Anda belum merekam ayat mana pun dari pelajaran ini: tekan Rekam (Ctrl+R).</translation>
    </message>
    <message>
        <source>You have no previous take of %1.</source>
        <translation>Anda tidak punya rekaman sebelumnya untuk %1.</translation>
    </message>
    <message>
        <source>Your previous take of %1 is back; the one it replaced is kept as the previous.</source>
        <translation>Rekaman sebelumnya untuk %1 kembali; yang digantikannya disimpan sebagai rekaman sebelumnya.</translation>
    </message>
    <message>
        <source>You have no recording of %1.</source>
        <translation>Anda tidak punya rekaman %1.</translation>
    </message>
    <message>
        <source>Delete your recording of %1?</source>
        <translation>Hapus rekaman Anda untuk %1?</translation>
    </message>
    <message>
        <source>You have no recordings.</source>
        <translation>Anda tidak punya rekaman.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %1 of your recordings?</source>
        <translation>
            <numerusform>Hapus semua %L1 rekaman Anda?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Hentikan Rekaman</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekam</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Merekam</translation>
    </message>
    <message>
        <source>Waiting for the pause</source>
        <translation>Menunggu jeda</translation>
    </message>
    <message>
        <source>Recording %1... it stops after a few seconds of quiet.</source>
        <translation>Merekam %1... berhenti setelah beberapa detik hening.</translation>
    </message>
    <message>
        <source>Your recording of %1 cannot be played:</source>
        <translation>Rekaman Anda untuk %1 tidak dapat diputar:</translation>
    </message>
</context>
<context>
    <name>PackDialogs</name>
    <message>
        <source>Open Folder</source>
        <translation>Buka Folder</translation>
    </message>
    <message>
        <source>The sura pack %1 is damaged and cannot be read.&lt;br&gt;&lt;br&gt;A healthy copy of it serves in its place where one is installed; otherwise its suras are left out until the file is replaced.</source>
        <translation>Paket surah %1 rusak dan tidak dapat dibaca.&lt;br&gt;&lt;br&gt;Salinan yang sehat menggantikannya bila terpasang; jika tidak, surah-surahnya tidak ditampilkan sampai berkas itu diganti.</translation>
    </message>
</context>
<context>
    <name>PackRegistry</name>
    <message>
        <source>Cannot write "recite.ini": %1</source>
        <translation>Tidak bisa menulis "recite.ini": %1</translation>
    </message>
    <message>
        <source>"%1" is not a recitation's folder name.</source>
        <translation>"%1" bukan nama folder bacaan.</translation>
    </message>
</context>
<context>
    <name>Passage</name>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Juz</source>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Hizb</source>
        <translation>Hizib</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Rubu'</translation>
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
        <translation>Tidak ada %1 %2: mushaf memiliki %3, bernomor mulai 1.</translation>
    </message>
    <message>
        <source>%1 needs the sura packs of these suras, which are not installed:&lt;br&gt;&lt;br&gt;%2</source>
        <translation>%1 memerlukan paket surah berikut, yang belum terpasang:&lt;br&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <source>Your drill settings could not be saved:</source>
        <translation>Pengaturan latihan Anda tidak bisa disimpan:</translation>
    </message>
</context>
<context>
    <name>PracticeAids</name>
    <message>
        <source>Your practice settings could not be saved:</source>
        <translation>Pengaturan alat bantu latihan Anda tidak bisa disimpan:</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Memutar</translation>
    </message>
    <message>
        <source>Hidden: press R to reveal</source>
        <translation>Tersembunyi: tekan R untuk membuka</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>Please select an existing profile, or create a new one!</source>
        <translation>Pilih profil yang ada, atau buat profil baru!</translation>
    </message>
    <message>
        <source>Username already exists: a profile named %1 is kept already.</source>
        <translation>Nama pengguna sudah ada: profil bernama %1 sudah tersimpan.</translation>
    </message>
    <message>
        <source>Do you want to load it?</source>
        <translation>Apakah Anda ingin memuatnya?</translation>
    </message>
    <message>
        <source>Create New Profile</source>
        <translation>Buat Profil Baru</translation>
    </message>
    <message>
        <source>Load Selected Profile</source>
        <translation>Muat Profil Terpilih</translation>
    </message>
    <message>
        <source>the profile file cannot be read: %1</source>
        <translation>berkas profil tidak bisa dibaca: %1</translation>
    </message>
    <message>
        <source>the file is not a Varnel profile</source>
        <translation>berkas ini bukan profil Varnel</translation>
    </message>
    <message>
        <source>the profile file is cut short</source>
        <translation>berkas profil terpotong</translation>
    </message>
    <message>
        <source>the profile file is damaged (its heart count is negative)</source>
        <translation>berkas profil rusak (jumlah ayat hatinya negatif)</translation>
    </message>
    <message>
        <source>the profile file is cut short (it holds fewer ayas than it says)</source>
        <translation>berkas profil terpotong (isinya lebih sedikit ayat daripada yang disebutkan)</translation>
    </message>
    <message>
        <source>the profile file is damaged (%1 entries of the heart are no ayas)</source>
        <translation>berkas profil rusak (%1 entri hati bukan ayat)</translation>
    </message>
    <message>
        <source>the profile file does not say which aya you were at</source>
        <translation>berkas profil tidak menyebutkan ayat terakhir Anda</translation>
    </message>
    <message>
        <source>Invalid Username!</source>
        <translation>Nama pengguna tidak valid!</translation>
    </message>
    <message>
        <source>This name is too long. A user name can hold at most %1 Latin letters, or %2 Arabic letters (they take two places each); please shorten it.</source>
        <translation>Nama ini terlalu panjang. Nama pengguna memuat paling banyak %1 huruf Latin, atau %2 huruf Arab (masing-masing memakan dua tempat); mohon persingkat.</translation>
    </message>
    <message>
        <source>"%1" cannot be a user name.</source>
        <translation>"%1" tidak bisa menjadi nama pengguna.</translation>
    </message>
    <message>
        <source>A user name cannot hold the characters / \ or :.</source>
        <translation>Nama pengguna tidak boleh memuat karakter / \ atau :.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Nama pengguna tidak boleh memuat karakter kendali.</translation>
    </message>
    <message>
        <source>A user name cannot start with a full stop.</source>
        <translation>Nama pengguna tidak boleh diawali titik.</translation>
    </message>
    <message>
        <source>A user name cannot hold "%1", the ending of profile files.</source>
        <translation>Nama pengguna tidak boleh memuat "%1", akhiran berkas profil.</translation>
    </message>
    <message>
        <source>the profile is not a file that can be read</source>
        <translation>profil ini bukan berkas yang dapat dibaca</translation>
    </message>
    <message>
        <source>Load or Create Profile</source>
        <translation>Muat atau Buat Profil</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nama pengguna baru</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Nama Anda</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>ProfileGuard</name>
    <message>
        <source>%1 was opened by Varnel on the computer %2, which may still have it open.&lt;br&gt;&lt;br&gt;Open it anyway?</source>
        <translation>%1 dibuka oleh Varnel di komputer %2, yang mungkin masih membukanya.&lt;br&gt;&lt;br&gt;Tetap buka?</translation>
    </message>
    <message>
        <source>%1 could not be locked for this window: %2.&lt;br&gt;&lt;br&gt;It opens all the same, but another Varnel window could open it too.</source>
        <translation>%1 tidak dapat dikunci untuk jendela ini: %2.&lt;br&gt;&lt;br&gt;Profil tetap dibuka, tetapi jendela Varnel lain juga bisa membukanya.</translation>
    </message>
    <message>
        <source>%1 is open in another Varnel window.&lt;br&gt;&lt;br&gt;Close it there, or choose another profile.</source>
        <translation>%1 sedang terbuka di jendela Varnel lain.&lt;br&gt;&lt;br&gt;Tutup di sana, atau pilih profil lain.</translation>
    </message>
    <message>
        <source>The profile of %1 could not be read in full: %2.</source>
        <translation>Profil %1 tidak bisa dibaca seluruhnya: %2.</translation>
    </message>
    <message>
        <source>The ayas of the heart that could be read are kept.</source>
        <translation>Ayat-ayat hati yang bisa dibaca tetap disimpan.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Berkas aslinya disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>Your review record as it was is kept as %1.</source>
        <translation>Catatan murajaah Anda yang asli disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>There is no room to keep your review record %1 aside: it is left as it is, and your reviews are not saved over it.</source>
        <translation>Tidak ada ruang untuk menyimpan catatan murajaah Anda %1 terpisah: catatan itu dibiarkan apa adanya, dan murajaah Anda tidak disimpan menimpanya.</translation>
    </message>
    <message>
        <source>You start at the first aya of sura 114.</source>
        <translation>Anda mulai dari ayat pertama surah 114.</translation>
    </message>
    <message>
        <source>Your profile could not be saved, so your heart is not stored yet:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Check that the folder "profiles" beside Varnel can be written to, then use File &amp;gt; Save Profile again.</source>
        <translation>Profil Anda tidak bisa disimpan, jadi hati Anda belum tersimpan:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Pastikan folder "profiles" di samping Varnel bisa ditulisi, lalu gunakan Berkas &amp;gt; Simpan Profil lagi.</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Float</source>
        <translation>Lepaskan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Melepaskan panel dari jendela dan memasangnya kembali</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Menutup panel</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Gulir ke Kiri</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Gulir ke Kanan</translation>
    </message>
</context>
<context>
    <name>RecitationPanel</name>
    <message>
        <source>My Recitation</source>
        <translation>Bacaan Saya</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekam</translation>
    </message>
    <message>
        <source>Record my recitation</source>
        <translation>Rekam bacaan saya</translation>
    </message>
    <message>
        <source>Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause after it</source>
        <translation>Rekam bacaan Anda untuk ayat yang tampil (Ctrl+R); dengan Uji saya dan jeda, tiap ayat pada jeda sesudahnya</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Putar Bacaan Saya</translation>
    </message>
    <message>
        <source>Play my recitation</source>
        <translation>Putar bacaan saya</translation>
    </message>
    <message>
        <source>Hear your recording of the aya shown</source>
        <translation>Dengarkan rekaman Anda untuk ayat yang tampil</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Bandingkan</translation>
    </message>
    <message>
        <source>Compare with the reciter</source>
        <translation>Bandingkan dengan qari</translation>
    </message>
    <message>
        <source>Hear the reciter and then yourself, for each aya of the lesson you recorded</source>
        <translation>Dengarkan qari lalu diri Anda, untuk tiap ayat pelajaran yang Anda rekam</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Hapus...</translation>
    </message>
    <message>
        <source>Delete my recordings</source>
        <translation>Hapus rekaman saya</translation>
    </message>
    <message>
        <source>Delete your recordings</source>
        <translation>Hapus rekaman Anda</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message>
        <source>Check my recitation</source>
        <translation>Periksa bacaan saya</translation>
    </message>
    <message>
        <source>Compare your recording of the aya shown with the reciter's: what you left out or added, or another aya. A check of the words and their order, not of tajweed.</source>
        <translation>Membandingkan rekaman Anda untuk ayat yang ditampilkan dengan bacaan qari: apa yang Anda lewatkan atau tambahkan, atau ayat lain. Pemeriksaan kata dan urutannya, bukan tajwid.</translation>
    </message>
    <message>
        <source>Hear Left Out</source>
        <translation>Dengar yang Terlewat</translation>
    </message>
    <message>
        <source>Hear the part left out</source>
        <translation>Dengar bagian yang terlewat</translation>
    </message>
    <message>
        <source>Hear the reciter say what your last check found left out; press again for the next part</source>
        <translation>Dengar qari membaca bagian yang menurut pemeriksaan terakhir Anda terlewat; tekan lagi untuk bagian berikutnya</translation>
    </message>
    <message>
        <source>Recording level</source>
        <translation>Tingkat rekaman</translation>
    </message>
    <message>
        <source>Check result</source>
        <translation>Hasil pemeriksaan</translation>
    </message>
</context>
<context>
    <name>Recordings</name>
    <message>
        <source>%1 could not be moved to %2: %3</source>
        <translation>%1 tidak dapat dipindahkan ke %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 bukan berkas yang dapat dibaca.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, more than a recording of an aya.</source>
        <translation>%1 lebih besar dari %2 MB, melebihi rekaman satu ayat.</translation>
    </message>
    <message>
        <source>The recording %1 could not be deleted: %2</source>
        <translation>Rekaman %1 tidak bisa dihapus: %2</translation>
    </message>
    <message>
        <source>No learner is chosen, so there is nowhere to keep the recording.</source>
        <translation>Belum ada pelajar yang dipilih, jadi tidak ada tempat untuk menyimpan rekaman.</translation>
    </message>
</context>
<context>
    <name>ReviewCalendar</name>
    <message>
        <source>Review calendar</source>
        <translation>Kalender murajaah</translation>
    </message>
    <message>
        <source>Streak: 1 day</source>
        <translation>Beruntun: 1 hari</translation>
    </message>
    <message numerus="yes">
        <source>Streak: %1 days</source>
        <translation>
            <numerusform>Beruntun: %L1 hari</numerusform>
        </translation>
    </message>
    <message>
        <source>1 review in %1 weeks</source>
        <translation>1 murajaah dalam %L1 minggu</translation>
    </message>
    <message numerus="yes">
        <source>%1 reviews in %2 weeks</source>
        <translation>
            <numerusform>%L1 murajaah dalam %L2 minggu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewPanel</name>
    <message>
        <source>Review</source>
        <translation>Murajaah</translation>
    </message>
    <message>
        <source>&lt;b&gt;Review&lt;/b&gt; by</source>
        <translation>&lt;b&gt;Murajaah&lt;/b&gt; per</translation>
    </message>
    <message>
        <source>Suras</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Review unit</source>
        <translation>Satuan murajaah</translation>
    </message>
    <message>
        <source>Review whole suras (long ones in parts), or pages of the mushaf</source>
        <translation>Murajaah surah utuh (yang panjang per bagian), atau halaman mushaf</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Murajaah berikutnya</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Murajaah berikutnya: %1</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Jatuh tempo hari ini</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Sura</source>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Terakhir</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Ingatan</translation>
    </message>
    <message>
        <source>Last review</source>
        <translation>Murajaah terakhir</translation>
    </message>
    <message>
        <source>Chance of recall today</source>
        <translation>Peluang ingat hari ini</translation>
    </message>
    <message>
        <source>Review now</source>
        <translation>Murajaah sekarang</translation>
    </message>
    <message>
        <source>Plays the chosen item: each aya once, no pause. Then grade how well you knew it.</source>
        <translation>Memutar butir terpilih: tiap ayat sekali, tanpa jeda. Lalu nilai seberapa baik hafalan Anda.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Lagi</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sulit</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Baik</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Tomorrow: %1 · This week: %2</source>
        <translation>Besok: %L1 · Minggu ini: %L2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>baru</translation>
    </message>
    <message numerus="yes">
        <source>All %1 ayas</source>
        <translation>
            <numerusform>Semua %L1 ayat</numerusform>
        </translation>
    </message>
    <message>
        <source>Ayas %1 to %2</source>
        <translation>Ayat %L1 sampai %L2</translation>
    </message>
    <message>
        <source>Not reviewed yet</source>
        <translation>Belum dimurajaah</translation>
    </message>
    <message numerus="yes">
        <source>%1 due today
%2</source>
        <translation>
            <numerusform>%L1 jatuh tempo hari ini
%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectRecitor</name>
    <message>
        <source>Recitor Preferences</source>
        <translation>Preferensi Qari</translation>
    </message>
    <message>
        <source>Varn Addon</source>
        <translation>Tambahan Varn</translation>
    </message>
    <message>
        <source>Recitor</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>Recitation of %1</source>
        <translation>Bacaan %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>bawaan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Recitation Settings</source>
        <translation>Pengaturan Bacaan</translation>
    </message>
    <message>
        <source>Aya Settings</source>
        <translation>Pengaturan Ayat</translation>
    </message>
    <message>
        <source>Playback Settings</source>
        <translation>Pengaturan Pemutaran</translation>
    </message>
    <message>
        <source>Aya Range Settings</source>
        <translation>Pengaturan Rentang Ayat</translation>
    </message>
    <message>
        <source>Sura Playback Progress</source>
        <translation>Kemajuan Pemutaran Surah</translation>
    </message>
    <message>
        <source>Practice Aids</source>
        <translation>Alat Bantu Latihan</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Ulang:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ulang</translation>
    </message>
    <message>
        <source>The number of times you want the ayas to be repeated</source>
        <translation>Berapa kali ayat diulang</translation>
    </message>
    <message>
        <source> Pause (secs):</source>
        <translation> Jeda (detik):</translation>
    </message>
    <message>
        <source>Pause (seconds)</source>
        <translation>Jeda (detik)</translation>
    </message>
    <message>
        <source>Loop Sura</source>
        <translation>Ulangi Surah</translation>
    </message>
    <message>
        <source>Loop the playback of the whole surah</source>
        <translation>Ulangi pemutaran seluruh surah</translation>
    </message>
    <message>
        <source>Stack Ayas</source>
        <translation>Tumpuk Ayat</translation>
    </message>
    <message>
        <source>&amp;nbsp;Recite aya 1 a number of times&lt;br&gt;&amp;nbsp;then ayas 1 to 2&lt;br&gt;&amp;nbsp;then ayas 1 to 3&lt;br&gt;&amp;nbsp;and so on, a growing block, to the last aya</source>
        <translation>&amp;nbsp;Baca ayat 1 beberapa kali&lt;br&gt;&amp;nbsp;lalu ayat 1 sampai 2&lt;br&gt;&amp;nbsp;lalu ayat 1 sampai 3&lt;br&gt;&amp;nbsp;dan seterusnya, blok yang terus bertambah, sampai ayat terakhir</translation>
    </message>
    <message>
        <source>Single Aya Mode</source>
        <translation>Mode Satu Ayat</translation>
    </message>
    <message>
        <source>Break aya into parts for easy memorization</source>
        <translation>Pecah ayat menjadi bagian agar mudah dihafal</translation>
    </message>
    <message>
        <source>Play a range of ayas</source>
        <translation>Putar rentang ayat</translation>
    </message>
    <message>
        <source>Enable to play a range of ayas in the surah</source>
        <translation>Aktifkan untuk memutar rentang ayat dalam surah</translation>
    </message>
    <message>
        <source>&lt;b&gt;FROM:&lt;/b&gt;</source>
        <translation>&lt;b&gt;DARI:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>From aya</source>
        <translation>Dari ayat</translation>
    </message>
    <message>
        <source>Start reciting from this aya</source>
        <translation>Mulai membaca dari ayat ini</translation>
    </message>
    <message>
        <source>&lt;b&gt;TO:&lt;/b&gt;</source>
        <translation>&lt;b&gt;SAMPAI:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>To aya</source>
        <translation>Sampai ayat</translation>
    </message>
    <message>
        <source>End reciting to this aya</source>
        <translation>Selesai membaca pada ayat ini</translation>
    </message>
    <message>
        <source>Sura playback progress</source>
        <translation>Kemajuan pemutaran surah</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>× aya length</source>
        <translation>× panjang ayat</translation>
    </message>
    <message>
        <source>Pause unit</source>
        <translation>Satuan jeda</translation>
    </message>
    <message>
        <source>Pause for a number of seconds, or for a multiple of the aya's own length</source>
        <translation>Jeda beberapa detik, atau kelipatan panjang ayat itu sendiri</translation>
    </message>
    <message>
        <source>Pause factor</source>
        <translation>Kelipatan jeda</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the aya (or the part) just heard</source>
        <translation>Tiap jeda selama kelipatan ini dari ayat (atau bagian) yang baru didengar</translation>
    </message>
    <message>
        <source>Pause in:</source>
        <translation>Jeda dalam:</translation>
    </message>
    <message>
        <source> Speed:</source>
        <translation> Kecepatan:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>Playback speed; the pitch stays the same ([ slower, ] faster)</source>
        <translation>Kecepatan putar; nada tetap sama ([ lebih lambat, ] lebih cepat)</translation>
    </message>
    <message>
        <source> Times:</source>
        <translation> Kali:</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>tanpa henti</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Kali</translation>
    </message>
    <message>
        <source>Play the sura or passage this many times, then stop; endless: once, or without end with Loop</source>
        <translation>Putar surah atau bagian ini sebanyak ini, lalu berhenti; tanpa batas: sekali, atau terus-menerus dengan Putar Ulang</translation>
    </message>
    <message>
        <source>Test me</source>
        <translation>Uji saya</translation>
    </message>
    <message>
        <source>During each pause the aya is hidden while you recite it from memory; it comes back when the pause ends (set a pause)</source>
        <translation>Saat tiap jeda, ayat disembunyikan selagi Anda membacanya dari hafalan; ayat kembali saat jeda berakhir (atur jeda)</translation>
    </message>
</context>
<context>
    <name>SidecarFile</name>
    <message>
        <source>%1 %2 could not be read: %3.</source>
        <translation>%1 %2 tidak bisa dibaca: %3.</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Disimpan sebagai %1.</translation>
    </message>
</context>
<context>
    <name>Single</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · bagian dari %1 sampai %2 dtk</translation>
    </message>
</context>
<context>
    <name>SingleBar</name>
    <message>
        <source>Start the part here (the slider's position)</source>
        <translation>Mulai bagian di sini (posisi penggeser)</translation>
    </message>
    <message>
        <source>Part start from slider</source>
        <translation>Awal bagian dari penggeser</translation>
    </message>
    <message>
        <source>Where the part starts, in milliseconds</source>
        <translation>Awal bagian, dalam milidetik</translation>
    </message>
    <message>
        <source>Part start</source>
        <translation>Awal bagian</translation>
    </message>
    <message>
        <source>End the part here (the slider's position)</source>
        <translation>Akhiri bagian di sini (posisi penggeser)</translation>
    </message>
    <message>
        <source>Part end from slider</source>
        <translation>Akhir bagian dari penggeser</translation>
    </message>
    <message>
        <source>Where the part ends, in milliseconds</source>
        <translation>Akhir bagian, dalam milidetik</translation>
    </message>
    <message>
        <source>Part end</source>
        <translation>Akhir bagian</translation>
    </message>
    <message>
        <source>Play the part again and again (Space or Ctrl+Space)</source>
        <translation>Putar bagian berulang-ulang (Spasi atau Ctrl+Spasi)</translation>
    </message>
    <message>
        <source>Play part repeatedly</source>
        <translation>Putar bagian berulang</translation>
    </message>
    <message>
        <source>Stop (Space or Ctrl+Space)</source>
        <translation>Stop (Spasi atau Ctrl+Spasi)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Previous aya (Left or Ctrl+Left)</source>
        <translation>Ayat sebelumnya (Kiri atau Ctrl+Kiri)</translation>
    </message>
    <message>
        <source>Previous aya</source>
        <translation>Ayat sebelumnya</translation>
    </message>
    <message>
        <source>Next aya (Right or Ctrl+Right)</source>
        <translation>Ayat berikutnya (Kanan atau Ctrl+Kanan)</translation>
    </message>
    <message>
        <source>Next aya</source>
        <translation>Ayat berikutnya</translation>
    </message>
    <message>
        <source>Where the recitation is; drag to jump</source>
        <translation>Posisi bacaan; seret untuk melompat</translation>
    </message>
    <message>
        <source>Position in the aya</source>
        <translation>Posisi dalam ayat</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> md</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>The sound output device stopped working, so playback has stopped.&lt;br&gt;&lt;br&gt;To fix: connect the device again, or choose another one in File &amp;gt; Preferences, then press Play.</source>
        <translation>Perangkat keluaran suara berhenti bekerja, jadi pemutaran berhenti.&lt;br&gt;&lt;br&gt;Untuk memperbaiki: sambungkan lagi perangkatnya, atau pilih yang lain di Berkas &amp;gt; Preferensi, lalu tekan Putar.</translation>
    </message>
    <message>
        <source>Varnel could not find a sound output device on this computer, so it cannot play recitations.&lt;br&gt;&lt;br&gt;Everything else works: you can read the ayas, their translations and transliterations, and keep your heart up to date.&lt;br&gt;&lt;br&gt;To hear the recitations, connect speakers or headphones, then choose the device in File &amp;gt; Preferences or restart Varnel.</source>
        <translation>Varnel tidak menemukan perangkat keluaran suara di komputer ini, jadi tidak bisa memutar bacaan.&lt;br&gt;&lt;br&gt;Semua yang lain berfungsi: Anda bisa membaca ayat, terjemahan, dan transliterasinya, dan memperbarui hati Anda.&lt;br&gt;&lt;br&gt;Untuk mendengar bacaan, sambungkan speaker atau headphone, lalu pilih perangkatnya di Berkas &amp;gt; Preferensi atau jalankan ulang Varnel.</translation>
    </message>
    <message>
        <source> Choose another input in Preferences.</source>
        <translation> Pilih masukan lain di Preferensi.</translation>
    </message>
    <message>
        <source>The microphone was lost while recording; what was heard before is kept.</source>
        <translation>Mikrofon terputus saat merekam; yang terdengar sebelumnya tetap disimpan.</translation>
    </message>
    <message>
        <source>The recording "%1" is too large to play: %2 MB, where at most %3 MB can be played.</source>
        <translation>Rekaman "%1" terlalu besar untuk diputar: %2 MB, sedangkan paling banyak %3 MB yang bisa diputar.</translation>
    </message>
    <message>
        <source>Get Length Error</source>
        <translation>Galat membaca panjang</translation>
    </message>
    <message>
        <source>Select a valid range</source>
        <translation>Pilih rentang yang valid</translation>
    </message>
    <message>
        <source>Error in set position</source>
        <translation>Galat mengatur posisi</translation>
    </message>
    <message>
        <source>Select a valid sound device</source>
        <translation>Pilih perangkat suara yang valid</translation>
    </message>
    <message>
        <source>To fix: %1</source>
        <translation>Untuk memperbaiki: %1</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Galat Suara</translation>
    </message>
    <message>
        <source>No errors.</source>
        <translation>Tidak ada galat.</translation>
    </message>
    <message>
        <source>The channel was taken over by a newer sound.</source>
        <translation>Kanal diambil alih oleh suara yang lebih baru.</translation>
    </message>
    <message>
        <source>The sound or channel no longer exists: it was stopped, finished and replaced, or released.</source>
        <translation>Suara atau kanal tidak ada lagi: sudah dihentikan, selesai dan diganti, atau dilepas.</translation>
    </message>
    <message>
        <source>The recording could not be read: its data is damaged or in a format that cannot be decoded.</source>
        <translation>Rekaman tidak bisa dibaca: datanya rusak atau dalam format yang tidak bisa didekode.</translation>
    </message>
    <message>
        <source>This computer has no sound output device.</source>
        <translation>Komputer ini tidak punya perangkat keluaran suara.</translation>
    </message>
    <message>
        <source>The sound output device could not be started. It may be in use or unplugged.</source>
        <translation>Perangkat keluaran suara tidak bisa dijalankan. Mungkin sedang dipakai atau tercabut.</translation>
    </message>
    <message>
        <source>A value given to the sound system was out of range.</source>
        <translation>Nilai yang diberikan ke sistem suara di luar jangkauan.</translation>
    </message>
    <message>
        <source>The sound system is not running.</source>
        <translation>Sistem suara tidak berjalan.</translation>
    </message>
    <message>
        <source>The sound system is already running.</source>
        <translation>Sistem suara sudah berjalan.</translation>
    </message>
    <message>
        <source>The sound output device failed while playing.</source>
        <translation>Perangkat keluaran suara gagal saat memutar.</translation>
    </message>
    <message>
        <source>The sound could not be encoded.</source>
        <translation>Suara tidak bisa dienkode.</translation>
    </message>
    <message>
        <source>The recording cannot be played: it claims more than 8 channels, a sample rate above 384 kHz, or holds no sound at all.</source>
        <translation>Rekaman tidak bisa diputar: ia mengaku punya lebih dari 8 kanal, laju sampel di atas 384 kHz, atau tidak berisi suara sama sekali.</translation>
    </message>
    <message>
        <source>No microphone was found: there is no input device to record from.</source>
        <translation>Mikrofon tidak ditemukan: tidak ada perangkat masukan untuk merekam.</translation>
    </message>
    <message>
        <source>The microphone could not be opened: another program may be using it.</source>
        <translation>Mikrofon tidak bisa dibuka: mungkin program lain sedang memakainya.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Galat tak dikenal.</translation>
    </message>
    <message>
        <source>The recording is longer than an aya can be (over ten minutes).</source>
        <translation>Rekaman lebih panjang dari yang mungkin untuk satu ayat (lebih dari sepuluh menit).</translation>
    </message>
    <message>
        <source>The recording holds more samples than an aya's can (ten minutes of stereo at 96 kHz): it is too large to decode.</source>
        <translation>Rekaman berisi lebih banyak sampel daripada rekaman satu ayat (sepuluh menit stereo pada 96 kHz): terlalu besar untuk didekode.</translation>
    </message>
    <message>
        <source>libsndfile, which reads and writes recordings, cannot be loaded: install the package libsndfile1.</source>
        <translation>libsndfile, yang membaca dan menulis rekaman, tidak dapat dimuat: pasang paket libsndfile1.</translation>
    </message>
</context>
<context>
    <name>SpanDrill</name>
    <message>
        <source> · part from %1 to %2 s</source>
        <translation> · bagian dari %1 sampai %2 dtk</translation>
    </message>
</context>
<context>
    <name>Stack</name>
    <message>
        <source>Stack %1-%2, pass %3 · aya %4</source>
        <translation>Tumpuk %L1-%L2, putaran %L3 · ayat %L4</translation>
    </message>
    <message>
        <source> · stack %1–%2, pass %3 · aya %4 of %5 (%6)</source>
        <translation> · tumpuk %L1–%L2, putaran %L3 · ayat %L4 dari %L5 (%6)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>No sura pack installed</source>
        <translation>Tidak ada paket surah terpasang</translation>
    </message>
    <message>
        <source> · recorded</source>
        <translation> · terekam</translation>
    </message>
    <message>
        <source> · pause %1</source>
        <translation> · jeda %1</translation>
    </message>
    <message>
        <source> · repetition %1 of %2</source>
        <translation> · ulangan %L1 dari %L2</translation>
    </message>
    <message>
        <source> · repetition %1</source>
        <translation> · ulangan %L1</translation>
    </message>
</context>
<context>
    <name>TranslationFonts</name>
    <message>
        <source>The %1 text needs the font %2, which is not installed: install the package %3.</source>
        <translation>Teks %1 memerlukan fon %2, yang belum terpasang: pasang paket %3.</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play Aya</source>
        <translation>Putar Ayat</translation>
    </message>
    <message>
        <source>Stop Playing</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Previous Aya</source>
        <translation>Ayat Sebelumnya</translation>
    </message>
    <message>
        <source>Next Aya</source>
        <translation>Ayat Berikutnya</translation>
    </message>
    <message>
        <source>Plays the current aya (Space, Ctrl+Space or the Play key)</source>
        <translation>Memutar ayat ini (Spasi, Ctrl+Spasi atau tombol Putar)</translation>
    </message>
    <message>
        <source>Stops playing the current aya (Space, Ctrl+Space or the Stop key)</source>
        <translation>Menghentikan ayat ini (Spasi, Ctrl+Spasi atau tombol Stop)</translation>
    </message>
    <message>
        <source>Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)</source>
        <translation>Putar ayat sebelumnya di surah ini (Kiri, Ctrl+Kiri atau tombol Sebelumnya)</translation>
    </message>
    <message>
        <source>Play the next aya in this surah (Right, Ctrl+Right or the Next key)</source>
        <translation>Putar ayat berikutnya di surah ini (Kanan, Ctrl+Kanan atau tombol Berikutnya)</translation>
    </message>
</context>
<context>
    <name>Varn</name>
    <message>
        <source>Drag this passage to your heart</source>
        <translation>Seret bagian ini ke hati Anda</translation>
    </message>
    <message>
        <source>This is the sura's last aya.</source>
        <translation>Ini ayat terakhir surah ini.</translation>
    </message>
    <message>
        <source>This is the sura's first aya.</source>
        <translation>Ini ayat pertama surah ini.</translation>
    </message>
    <message>
        <source>ERROR: The screen size is too small! Please change to 800x600 resolution or higher</source>
        <translation>GALAT: Ukuran layar terlalu kecil! Ubah ke resolusi 800x600 atau lebih tinggi</translation>
    </message>
    <message>
        <source>The picture of aya %1 is too large to show: %2 MB, where at most %3 MB are shown.</source>
        <translation>Gambar ayat %1 terlalu besar untuk ditampilkan: %2 MB, sedangkan paling banyak %3 MB yang ditampilkan.</translation>
    </message>
    <message>
        <source>Your review could not be saved:</source>
        <translation>Murajaah Anda tidak bisa disimpan:</translation>
    </message>
    <message>
        <source>Your review unit could not be saved:</source>
        <translation>Satuan murajaah Anda tidak bisa disimpan:</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Waveforms of the reciter and of your recitation</source>
        <translation>Gelombang suara qari dan bacaan Anda</translation>
    </message>
    <message>
        <source>The reciter: %1 s; you: %2 s</source>
        <translation>Qari: %1 d; Anda: %2 d</translation>
    </message>
    <message>
        <source>Reciter</source>
        <translation>Qari</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Anda</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Hide Translation</source>
        <translation>&amp;Sembunyikan Terjemahan</translation>
    </message>
    <message>
        <source>&amp;Show Translation</source>
        <translation>&amp;Tampilkan Terjemahan</translation>
    </message>
    <message>
        <source>&amp;Hide Transliteration</source>
        <translation>&amp;Sembunyikan Transliterasi</translation>
    </message>
    <message>
        <source>&amp;Show Transliteration</source>
        <translation>&amp;Tampilkan Transliterasi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>&amp;Recitor</source>
        <translation>&amp;Qari</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>&amp;Simpan Profil</translation>
    </message>
    <message>
        <source>&amp;New/Load Profile</source>
        <translation>Profil &amp;Baru/Muat</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferensi</translation>
    </message>
    <message>
        <source>&amp;Import Recordings...</source>
        <translation>&amp;Impor Rekaman...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Heart</source>
        <translation>&amp;Hati</translation>
    </message>
    <message>
        <source>&amp;Review Panel</source>
        <translation>Panel &amp;Murajaah</translation>
    </message>
    <message>
        <source>Recitation &amp;Settings</source>
        <translation>&amp;Pengaturan Bacaan</translation>
    </message>
    <message>
        <source>&amp;My Recitation</source>
        <translation>&amp;Bacaan Saya</translation>
    </message>
    <message>
        <source>Reset La&amp;yout</source>
        <translation>Atur Ulang &amp;Tata Letak</translation>
    </message>
    <message>
        <source>&amp;Night Reading</source>
        <translation>Mode &amp;Malam</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Fit to Width</source>
        <translation>Sesuaikan Lebar</translation>
    </message>
    <message>
        <source>Mark the &amp;Heard Word</source>
        <translation>Tandai Kata yang &amp;Terdengar</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Latihan</translation>
    </message>
    <message>
        <source>Hide the aya</source>
        <translation>Sembunyikan ayat</translation>
    </message>
    <message>
        <source>Hide the translation</source>
        <translation>Sembunyikan terjemahan</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Lebih lambat</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Lebih cepat</translation>
    </message>
    <message>
        <source>Snap the Part to Words</source>
        <translation>Tepatkan Bagian ke Kata</translation>
    </message>
    <message>
        <source>Add Passage to Heart</source>
        <translation>Tambahkan Bagian ke Hati</translation>
    </message>
    <message>
        <source>Record My Recitation</source>
        <translation>Rekam Bacaan Saya</translation>
    </message>
    <message>
        <source>Play Mine</source>
        <translation>Putar Bacaan Saya</translation>
    </message>
    <message>
        <source>Compare with the Reciter</source>
        <translation>Bandingkan dengan Qari</translation>
    </message>
    <message>
        <source>Check My Recitation</source>
        <translation>Periksa Bacaan Saya</translation>
    </message>
    <message>
        <source>Interface &amp;Language</source>
        <translation>&amp;Bahasa Antarmuka</translation>
    </message>
    <message>
        <source>Bring Back My Previous Take</source>
        <translation>Kembalikan Rekaman Sebelumnya</translation>
    </message>
    <message>
        <source>Delete My Recording of This Aya...</source>
        <translation>Hapus Rekaman Saya untuk Ayat Ini...</translation>
    </message>
    <message>
        <source>Delete All My Recordings...</source>
        <translation>Hapus Semua Rekaman Saya...</translation>
    </message>
    <message>
        <source>&amp;Config Recitor</source>
        <translation>Atur &amp;Qari</translation>
    </message>
    <message>
        <source>&amp;Installed Packs...</source>
        <translation>Paket &amp;Terpasang...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Heart</source>
        <translation>Hati</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Murajaah</translation>
    </message>
    <message>
        <source>Recitation Settings</source>
        <translation>Pengaturan Bacaan</translation>
    </message>
    <message>
        <source>My Recitation</source>
        <translation>Bacaan Saya</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 held more than settings can be (a damaged value): what could not be read is left out, and every other setting is kept.</source>
        <translation>%1 berisi lebih dari yang dapat dimuat pengaturan (nilai yang rusak): yang tidak dapat dibaca dilewati, dan semua pengaturan lain tetap disimpan.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Berkas aslinya disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved in %1:</source>
        <translation>Pengaturan Anda tidak bisa disimpan di %1:</translation>
    </message>
    <message>
        <source>They stay as they are until Varnel closes.</source>
        <translation>Pengaturan tetap seperti ini sampai Varnel ditutup.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>Varnel cannot use the folder "%1" for its files.</source>
        <translation>Varnel tidak bisa memakai folder "%1" untuk berkasnya.</translation>
    </message>
</context>
</TS>