// SPDX-License-Identifier: GPL-3.0-or-later
#include "sura.h"

#include "naming.h"

namespace
{

struct SuraRow {
    int ayas;
    const char* shortTitle;
    const char* longTitle;
};

// Row i describes sura i + 1.
const SuraRow kSuras[114] = {
    {7, "1. Al-Fatiha ", "1. Al-Fatiha (The Opening)"},
    {286, "2. Al-Baqara", "2. Al-Baqara (The Cow)"},
    {200, "3. Aal-E-Imran", "3. Aal-E-Imran (The Family Of 'Imran, The House Of 'Imran)"},
    {176, "4. An-Nisa", "4. An-Nisa (The Women)"},
    {120, "5. Al-Maeda", "5. Al-Maeda (The Table Spread)"},
    {165, "6. Al-Anaam", "6. Al-Anaam (The Cattle)"},
    {206, "7. Al-Araf", "7. Al-Araf (The Heights)"},
    {75, "8. Al-Anfal", "8. Al-Anfal (The Spoils Of War, Booty)"},
    {129, "9. At-Tawba", "9. At-Tawba (The Repentance)"},
    {109, "10. Yunus", "10. Yunus (Jonah)"},
    {123, "11. Hud", "11. Hud (Hud)"},
    {111, "12. Yusuf", "12. Yusuf (Joseph)"},
    {43, "13. Ar-Rad", "13. Ar-Rad (The Thunder)"},
    {52, "14. Ibrahim", "14. Ibrahim (Abraham)"},
    {99, "15. Al-Hijr", "15. Al-Hijr (The Rocky Tract)"},
    {128, "16. An-Nahl", "16. An-Nahl (The Bee)"},
    {111, "17. Al-Isra", "17. Al-Isra (The Night Journey, Children Of Israel)"},
    {110, "18. Al-Kahf", "18. Al-Kahf (The Cave)"},
    {98, "19. Maryam", "19. Maryam (Mary)"},
    {135, "20. Ta-Ha", "20. Ta-Ha (Ta-Ha)"},
    {112, "21. Al-Anbiya", "21. Al-Anbiya (The Prophets)"},
    {78, "22. Al-Hajj", "22. Al-Hajj (The Pilgrimage)"},
    {118, "23. Al-Mumenoon", "23. Al-Mumenoon (The Believers)"},
    {64, "24. An-Noor", "24. An-Noor (The Light)"},
    {77, "25. Al-Furqan", "25. Al-Furqan (The Criterion, The Standard)"},
    {227, "26. Ash-Shuara", "26. Ash-Shuara (The Poets)"},
    {93, "27. An-Naml", "27. An-Naml (The Ant, The Ants)"},
    {88, "28. Al-Qasas", "28. Al-Qasas (The Story, Stories)"},
    {69, "29. Al-Ankaboot", "29. Al-Ankaboot (The Spider)"},
    {60, "30. Ar-Room", "30. Ar-Room (The Romans, The Byzantines)"},
    {34, "31. Luqman", "31. Luqman (Luqman)"},
    {30, "32. As-Sajda", "32. As-Sajda (The Prostration, Worship Adoration)"},
    {73, "33. Al-Ahzab", "33. Al-Ahzab (The Clans, The Coalition, The Combined Forces)"},
    {54, "34. Saba", "34. Saba (Saba, Sheba)"},
    {45, "35. Fatir", "35. Fatir (The Angels, Originator)"},
    {83, "36. Ya-Seen", "36. Ya-Seen (Ya-Seen)"},
    {182, "37. As-Saaffat", "37. As-Saaffat (Those Who Set The Ranks, Drawn Up In Ranks)"},
    {88, "38. Sad", "38. Sad (The Letter Sad)"},
    {75, "39. Az-Zumar", "39. Az-Zumar (The Troops, Throngs)"},
    {85, "40. Al-Ghafir", "40. Al-Ghafir (The Forgiver (God) )"},
    {54, "41. Fussilat", "41. Fussilat (Explained In Detail)"},
    {53, "42. Ash-Shura", "42. Ash-Shura (Council, Consultation)"},
    {89, "43. Az-Zukhruf", "43. Az-Zukhruf (Ornaments Of Gold, Luxury)"},
    {59, "44. Ad-Dukhan", "44. Ad-Dukhan (Smoke)"},
    {37, "45. Al-Jathiya", "45. Al-Jathiya (Crouching)"},
    {35, "46. Al-Ahqaf", "46. Al-Ahqaf (The Wind-Curved Sandhills, The Dunes)"},
    {38, "47. Muhammad", "47. Muhammad (Muhammad)"},
    {29, "48. Al-Fath", "48. Al-Fath (Victory, Conquest)"},
    {18, "49. Al-Hujraat", "49. Al-Hujraat (The Private Apartments, The Inner Apartments)"},
    {45, "50. Qaf", "50. Qaf (The Letter Qaf)"},
    {60, "51. Adh-Dhariyat", "51. Adh-Dhariyat (The Winnowing Winds)"},
    {49, "52. At-Tur", "52. At-Tur (The Mount)"},
    {62, "53. An-Najm", "53. An-Najm (The Star)"},
    {55, "54. Al-Qamar", "54. Al-Qamar (The Moon)"},
    {78, "55. Ar-Rahman", "55. Ar-Rahman (The Beneficent, The Mercy Giving)"},
    {96, "56. Al-Waqia", "56. Al-Waqia (The Event, The Inevitable)"},
    {29, "57. Al-Hadid", "57. Al-Hadid (The Iron)"},
    {22, "58. Al-Mujadila", "58. Al-Mujadila (She That Disputeth, The Pleading Woman)"},
    {24, "59. Al-Hashr", "59. Al-Hashr (Exile, Banishment)"},
    {13, "60. Al-Mumtahina", "60. Al-Mumtahina (She That Is To Be Examined, Examining Her)"},
    {14, "61. As-Saff", "61. As-Saff (The Ranks, Battle Array)"},
    {11, "62. Al-Jumua", "62. Al-Jumua (The Congregation, Friday)"},
    {11, "63. Al-Munafiqoon", "63. Al-Munafiqoon (The Hypocrites)"},
    {18, "64. At-Taghabun", "64. At-Taghabun (Mutual Disillusion, Haggling)"},
    {12, "65. At-Talaq", "65. At-Talaq (Divorce)"},
    {12, "66. At-Tahrim", "66. At-Tahrim (Banning, Prohibition)"},
    {30, "67. Al-Mulk", "67. Al-Mulk (The Sovereignty, Control)"},
    {52, "68. Al-Qalam", "68. Al-Qalam (The Pen)"},
    {52, "69. Al-Haaqqa", "69. Al-Haaqqa (The Reality)"},
    {44, "70. Al-Maarij", "70. Al-Maarij (The Ascending Stairways)"},
    {28, "71. Nooh", "71. Nooh (Noah)"},
    {28, "72. Al-Jinn", "72. Al-Jinn (The Jinn)"},
    {20, "73. Al-Muzzammil", "73. Al-Muzzammil (The Enshrouded One, Bundled Up)"},
    {56, "74. Al-Muddaththir", "74. Al-Muddaththir (The Cloaked One, The Man Wearing A Cloak)"},
    {40, "75. Al-Qiyama", "75. Al-Qiyama (The Rising Of The Dead, Resurrection)"},
    {31, "76. Al-Insan", "76. Al-Insan (Man, Time)"},
    {50, "77. Al-Mursalat", "77. Al-Mursalat (The Emissaries, Winds Sent Forth)"},
    {40, "78. An-Naba", "78. An-Naba (The Tidings, The Announcement)"},
    {46, "79. An-Naziat", "79. An-Naziat (Those Who Drag Forth, Soul-Snatchers)"},
    {42, "80. Abasa", "80. Abasa (He Frowned)"},
    {29, "81. At-Takwir", "81. At-Takwir (The Overthrowing)"},
    {19, "82. Al-Infitar", "82. Al-Infitar (The Cleaving, Bursting Apart)"},
    {36, "83. Al-Mutaffifin", "83. Al-Mutaffifin (Defrauding, The Cheats, Cheating)"},
    {25, "84. Al-Inshiqaq", "84. Al-Inshiqaq (The Sundering, Splitting Open)"},
    {22, "85. Al-Burooj", "85. Al-Burooj (The Mansions Of The Stars, Constellations)"},
    {17, "86. At-Tariq", "86. At-Tariq (The Morning Star, The Nightcomer)"},
    {19, "87. Al-Ala", "87. Al-Ala (The Most High, Glory To Your Lord In The Highest)"},
    {26, "88. Al-Ghashiya", "88. Al-Ghashiya (The Overwhelming, The Pall)"},
    {30, "89. Al-Fajr", "89. Al-Fajr (The Dawn, Daybreak)"},
    {20, "90. Al-Balad", "90. Al-Balad (The City, This Countryside)"},
    {15, "91. Ash-Shams", "91. Ash-Shams (The Sun)"},
    {21, "92. Al-Lail", "92. Al-Lail (The Night)"},
    {11, "93. Ad-Dhuha", "93. Ad-Dhuha (The Morning Hours, Morning Bright)"},
    {8, "94. Al-Inshirah", "94. Al-Inshirah (Solace, Consolation, Relief)"},
    {8, "95. At-Tin", "95. At-Tin (The Fig, The Figtree)"},
    {19, "96. Al-Alaq", "96. Al-Alaq (The Clot, Read)"},
    {5, "97. Al-Qadr", "97. Al-Qadr (The Power, Fate)"},
    {8, "98. Al-Bayyina", "98. Al-Bayyina (The Clear Proof, Evidence)"},
    {8, "99. Az-Zalzala", "99. Az-Zalzala (The Earthquake)"},
    {11, "100. Al-Adiyat", "100. Al-Adiyat (The Courser, The Chargers)"},
    {11, "101. Al-Qaria", "101. Al-Qaria (The Calamity, The Stunning Blow, The Disaster)"},
    {8, "102. At-Takathur", "102. At-Takathur (Rivalry In World Increase, Competition)"},
    {3, "103. Al-Asr", "103. Al-Asr (The Declining Day, Epoch)"},
    {9, "104. Al-Humaza", "104. Al-Humaza (The Traducer, The Gossipmonger)"},
    {5, "105. Al-Fil", "105. Al-Fil (The Elephant)"},
    {4, "106. Quraish", "106. Quraish (Winter, Quraysh)"},
    {7, "107. Al-Maun", "107. Al-Maun (Alms Giving, Small Kindnesses)"},
    {3, "108. Al-Kauther", "108. Al-Kauther (Abundance, Plenty)"},
    {6, "109. Al-Kafiroon", "109. Al-Kafiroon (The Disbelievers, Atheists)"},
    {3, "110. An-Nasr", "110. An-Nasr (Succour, Divine Support)"},
    {5, "111. Al-Masadd", "111. Al-Masadd (The Flame, Palm Fibre)"},
    {4, "112. Al-Ikhlas", "112. Al-Ikhlas (Sincerity)"},
    {5, "113. Al-Falaq", "113. Al-Falaq (The Daybreak, Dawn)"},
    {6, "114. An-Nas", "114. An-Nas (Mankind) "},
};

} // namespace

Sura::Sura()
{
    for (int i = 0; i < 114; ++i)
        counts_[PadSura(IntToString(i + 1))] = kSuras[i].ayas;
    for (int i = 0; i < 114; ++i)
        longTitles_[PadSura(IntToString(i + 1))] = kSuras[i].longTitle;
    for (int i = 0; i < 114; ++i)
        shortTitles_[PadSura(IntToString(i + 1))] = kSuras[i].shortTitle;
}

const Sura& SuraTable()
{
    static const Sura table;
    return table;
}

int Sura::AyaCount(const std::string& sura) const
{
    const auto it = counts_.find(PadSura(sura));
    return it == counts_.end() ? 0 : it->second;
}
