// The data files the game loads, in its load order, with the smallest size
// each picture may have. Shared by the generator and the data-file tests.
#pragma once

#include <array>

namespace assetgen {

struct PictureSpec {
    const char* path;  // relative to the program folder, exact case
    int minWidth;
    int minHeight;
    bool drawn;  // false: loaded but never drawn, a small placeholder will do
};

// 189 loads; "IMAGE/VAL402.BMP" appears twice (two slots, one file).
inline constexpr std::array<PictureSpec, 189> kPictureLoadList = {{
    {"IMAGE/ZBAK1B.BMP", 600, 60, true},          // 1
    {"IMAGE/ZBAK2B.BMP", 800, 80, true},          // 2
    {"IMAGE/ZBAK3B.BMP", 800, 80, true},          // 3
    {"IMAGE/ZBAK4B.BMP", 32, 32, false},          // 4
    {"IMAGE/ZBAK5B.BMP", 32, 32, false},          // 5
    {"IMAGE/ZBAK6B.BMP", 400, 40, true},          // 6
    {"IMAGE/BBAK1B.BMP", 640, 160, true},         // 7
    {"IMAGE/MYRCL51.BMP", 240, 280, true},        // 8
    {"IMAGE/MYRCL52.BMP", 240, 280, true},        // 9
    {"IMAGE/MYRCL53.BMP", 240, 280, true},        // 10
    {"IMAGE/MYRCL54.BMP", 240, 280, true},        // 11
    {"IMAGE/MYRCL55.BMP", 240, 280, true},        // 12
    {"IMAGE/MYRCL56.BMP", 240, 280, true},        // 13
    {"IMAGE/MYRCL57.BMP", 240, 280, true},        // 14
    {"IMAGE/MYRCL58.BMP", 240, 280, true},        // 15
    {"IMAGE/MYRCL59.BMP", 240, 280, true},        // 16
    {"IMAGE/MYRCL60.BMP", 240, 280, true},        // 17
    {"IMAGE/MYRCL61.BMP", 240, 280, true},        // 18
    {"IMAGE/MYRCL62.BMP", 240, 280, true},        // 19
    {"IMAGE/MYRCL63.BMP", 240, 280, true},        // 20
    {"IMAGE/MYRCL64.BMP", 240, 280, true},        // 21
    {"IMAGE/MYRCL65.BMP", 240, 280, true},        // 22
    {"IMAGE/MYRCL66.BMP", 240, 280, true},        // 23
    {"IMAGE/GFBAK1.BMP", 480, 120, true},         // 24
    {"IMAGE/OPMY1.BMP", 32, 32, false},           // 25
    {"IMAGE/FBOM1.BMP", 80, 80, true},            // 26
    {"IMAGE/MYME1.BMP", 420, 70, true},           // 27
    {"IMAGE/MYMY.BMP", 224, 80, true},            // 28
    {"IMAGE/MYEND.BMP", 32, 32, false},           // 29
    {"IMAGE/MYENDF.BMP", 32, 32, false},          // 30
    {"IMAGE/MYGOODN.BMP", 300, 100, true},        // 31
    {"IMAGE/SUJI09.BMP", 200, 25, true},          // 32
    {"IMAGE/RANKING1.BMP", 400, 100, true},       // 33
    {"IMAGE/HAHEN.BMP", 14, 14, false},           // 34
    {"IMAGE/HAHEN2.BMP", 14, 14, true},           // 35
    {"IMAGE/SFLHV1.BMP", 180, 60, true},          // 36
    {"IMAGE/SFLHV2.BMP", 300, 60, true},          // 37
    {"IMAGE/SFLH1.BMP", 32, 32, false},           // 38
    {"IMAGE/MYME1B.BMP", 32, 32, false},          // 39
    {"IMAGE/SFLH2.BMP", 32, 32, false},           // 40
    {"IMAGE/SFLH3.BMP", 32, 32, false},           // 41
    {"IMAGE/SFLH4.BMP", 32, 32, false},           // 42
    {"IMAGE/SFLH5.BMP", 32, 32, false},           // 43
    {"IMAGE/SFLH6.BMP", 60, 60, true},            // 44
    {"IMAGE/SFLH7.BMP", 60, 60, true},            // 45
    {"IMAGE/SFLH8.BMP", 60, 60, true},            // 46
    {"IMAGE/SFLH11.BMP", 60, 60, true},           // 47
    {"IMAGE/SFLH22.BMP", 60, 60, true},           // 48
    {"IMAGE/SFLH33.BMP", 60, 60, true},           // 49
    {"IMAGE/FLHST12.BMP", 70, 50, true},          // 50
    {"IMAGE/FLHST11.BMP", 124, 70, true},         // 51
    {"IMAGE/FLHST2.BMP", 70, 36, true},           // 52
    {"IMAGE/FLHST22.BMP", 124, 70, true},         // 53
    {"IMAGE/FLHST3.BMP", 70, 50, true},           // 54
    {"IMAGE/FLHST33.BMP", 124, 70, true},         // 55
    {"IMAGE/FLW1_3.BMP", 120, 60, true},          // 56
    {"IMAGE/FLW2_1.BMP", 60, 60, true},           // 57
    {"IMAGE/FLW3_2.BMP", 60, 60, true},           // 58
    {"IMAGE/FLW11.BMP", 120, 60, true},           // 59
    {"IMAGE/FLW22.BMP", 60, 60, true},            // 60
    {"IMAGE/FLW33.BMP", 60, 60, true},            // 61
    {"IMAGE/RAY1.BMP", 30, 30, true},             // 62
    {"IMAGE/RAY2.BMP", 20, 20, true},             // 63
    {"IMAGE/RAY11.BMP", 30, 30, true},            // 64
    {"IMAGE/RAY22.BMP", 20, 20, true},            // 65
    {"IMAGE/RAY3.BMP", 20, 20, false},            // 66
    {"IMAGE/RAY4.BMP", 30, 30, true},             // 67
    {"IMAGE/RAY5.BMP", 40, 40, true},             // 68
    {"IMAGE/RAY6.BMP", 50, 50, true},             // 69
    {"IMAGE/RAY7.BMP", 20, 20, false},            // 70
    {"IMAGE/RAY8.BMP", 20, 20, false},            // 71
    {"IMAGE/RAY10.BMP", 20, 20, true},            // 72
    {"IMAGE/SPOWER1.BMP", 60, 60, true},          // 73
    {"IMAGE/FBAK1.BMP", 32, 32, false},           // 74
    {"IMAGE/ZAKU/SZAK1.BMP", 60, 60, true},       // 75
    {"IMAGE/ZAKU/SZAK6.BMP", 80, 80, true},       // 76
    {"IMAGE/ZAKU/SZAK6_1.BMP", 80, 80, true},     // 77
    {"IMAGE/ZAKU/SZAK6_2.BMP", 80, 80, true},     // 78
    {"IMAGE/ZAKU/SZAK8.BMP", 80, 80, true},       // 79
    {"IMAGE/ZAKU/SZAK9.BMP", 80, 80, true},       // 80
    {"IMAGE/ZAKU/SZAK10.BMP", 70, 80, true},      // 81
    {"IMAGE/ZAKU/SZAK12.BMP", 80, 80, true},      // 82
    {"IMAGE/ZAKU/SZAK13.BMP", 32, 32, false},     // 83
    {"IMAGE/ZAKU/SZAK21.BMP", 90, 90, true},      // 84
    {"IMAGE/ZAKU/SZAK22.BMP", 90, 90, true},      // 85
    {"IMAGE/ZAKU/SZAK23.BMP", 32, 32, false},     // 86
    {"IMAGE/ZAKU/SZAK24.BMP", 32, 32, false},     // 87
    {"IMAGE/ZAKU/SZAK30.BMP", 500, 100, true},    // 88
    {"IMAGE/ZAKU/SZAK31.BMP", 500, 100, true},    // 89
    {"IMAGE/ZAKU/SZAK32.BMP", 500, 100, true},    // 90
    {"IMAGE/ZAKU/SZAK33.BMP", 500, 100, true},    // 91
    {"IMAGE/ZAKU/SZAK40.BMP", 32, 32, false},     // 92
    {"IMAGE/ZAKU/SZAK41.BMP", 32, 32, false},     // 93
    {"IMAGE/ZAKU/SZAK50.BMP", 32, 32, false},     // 94
    {"IMAGE/ZAKU/SZAK51.BMP", 32, 32, false},     // 95
    {"IMAGE/ZAKU/SZAK52.BMP", 200, 160, true},    // 96
    {"IMAGE/ZAKU/SZAK53.BMP", 32, 32, false},     // 97
    {"IMAGE/ZAKU/SZAK54.BMP", 32, 32, false},     // 98
    {"IMAGE/VAL11.BMP", 16, 16, true},            // 99
    {"IMAGE/VAL12.BMP", 16, 16, true},            // 100
    {"IMAGE/VAL13.BMP", 16, 16, true},            // 101
    {"IMAGE/VAL1.BMP", 256, 16, true},            // 102
    {"IMAGE/VAL2.BMP", 256, 16, true},            // 103
    {"IMAGE/VAL3.BMP", 16, 16, false},            // 104
    {"IMAGE/RPANEL3R.BMP", 60, 50, true},         // 105
    {"IMAGE/RPANEL2R.BMP", 32, 32, false},        // 106
    {"IMAGE/FLZ01_l.BMP", 32, 32, false},         // 107
    {"IMAGE/ROCK1.BMP", 60, 60, true},            // 108
    {"IMAGE/BOSS/BOSS11.BMP", 440, 360, true},    // 109
    {"IMAGE/BOSS/BOSS11_1.BMP", 440, 360, true},  // 110
    {"IMAGE/BOSS/BOSS11_2.BMP", 32, 32, false},   // 111
    {"IMAGE/BOSS/BOSS11_3.BMP", 440, 360, true},  // 112
    {"IMAGE/BOSS/BOSS31.BMP", 32, 32, false},     // 113
    {"IMAGE/BOSS/BOSS41.BMP", 440, 380, true},    // 114
    {"IMAGE/BOSS/BOSS41_1.BMP", 440, 380, true},  // 115
    {"IMAGE/BOSS/BOSS41_2.BMP", 440, 380, true},  // 116
    {"IMAGE/BOSS/BOSS41_3.BMP", 440, 380, true},  // 117
    {"IMAGE/BOSS/BOSS51.BMP", 32, 32, false},     // 118
    {"IMAGE/BOSS/BOSS71.BMP", 500, 400, true},    // 119
    {"IMAGE/BOSS/BOSS71_1.BMP", 500, 400, true},  // 120
    {"IMAGE/BOSS/BOSS71_2.BMP", 500, 400, true},  // 121
    {"IMAGE/BOSS/BOSS71_3.BMP", 500, 400, true},  // 122
    {"IMAGE/BOSS/BOS111.BMP", 480, 480, true},    // 123
    {"IMAGE/BOSS/BOS511.BMP", 32, 32, false},     // 124
    {"IMAGE/VAL16241.BMP", 384, 16, true},        // 125
    {"IMAGE/VAL20241.BMP", 480, 20, true},        // 126
    {"IMAGE/VALL20.BMP", 20, 20, true},           // 127
    {"IMAGE/VAL201.BMP", 140, 20, true},          // 128
    {"IMAGE/VAL401.BMP", 32, 32, false},          // 129
    {"IMAGE/VAL402.BMP", 200, 40, true},          // 130
    {"IMAGE/VAL402.BMP", 200, 40, true},          // 131
    {"IMAGE/VAL404.BMP", 40, 40, true},           // 132
    {"IMAGE/VAL405.BMP", 280, 40, true},          // 133
    {"IMAGE/VAL40L.BMP", 39, 39, true},           // 134
    {"IMAGE/VAL40L1.BMP", 39, 39, true},          // 135
    {"IMAGE/VAL40L2.BMP", 39, 39, true},          // 136
    {"IMAGE/ZAL20.BMP", 20, 20, false},           // 137
    {"IMAGE/VAL15L.BMP", 15, 30, true},           // 138
    {"IMAGE/VAL151L.BMP", 60, 30, true},          // 139
    {"IMAGE/VAL30L.BMP", 30, 30, false},          // 140
    {"IMAGE/VAL20.BMP", 20, 20, false},           // 141
    {"IMAGE/VALARM11.BMP", 150, 170, true},       // 142
    {"IMAGE/VALARM12.BMP", 150, 170, true},       // 143
    {"IMAGE/VALARM31.BMP", 32, 32, false},        // 144
    {"IMAGE/VALARM32.BMP", 32, 32, false},        // 145
    {"IMAGE/VALARM33.BMP", 32, 32, false},        // 146
    {"IMAGE/VALARM34.BMP", 32, 32, false},        // 147
    {"IMAGE/VALARM51.BMP", 32, 32, false},        // 148
    {"IMAGE/VALARM70.BMP", 120, 120, true},       // 149
    {"IMAGE/VALARM7.BMP", 32, 32, false},         // 150
    {"IMAGE/VALARM71.BMP", 120, 120, true},       // 151
    {"IMAGE/VALARM72.BMP", 120, 120, true},       // 152
    {"IMAGE/VALARM73.BMP", 60, 120, true},        // 153
    {"IMAGE/VALARM74.BMP", 60, 60, true},         // 154
    {"IMAGE/VALARM75.BMP", 60, 60, true},         // 155
    {"IMAGE/VAL20w.BMP", 20, 20, false},          // 156
    {"IMAGE/VAL21w.BMP", 20, 20, false},          // 157
    {"IMAGE/VAL30w.BMP", 30, 30, false},          // 158
    {"IMAGE/VALL301.BMP", 30, 30, true},          // 159
    {"IMAGE/VALL3011.BMP", 30, 30, true},         // 160
    {"IMAGE/VALL3013.BMP", 30, 30, false},        // 161
    {"IMAGE/VALL3014.BMP", 30, 30, false},        // 162
    {"IMAGE/VALL3015.BMP", 30, 30, true},         // 163
    {"IMAGE/VALL3016.BMP", 30, 30, true},         // 164
    {"IMAGE/VAL3015A.BMP", 30, 30, false},        // 165
    {"IMAGE/VAL3016A.BMP", 30, 30, false},        // 166
    {"IMAGE/VALL3017.BMP", 30, 30, true},         // 167
    {"IMAGE/VALL3018.BMP", 30, 30, true},         // 168
    {"IMAGE/VAL3017A.BMP", 30, 30, true},         // 169
    {"IMAGE/VAL3018A.BMP", 30, 30, true},         // 170
    {"IMAGE/VALL302.BMP", 30, 30, true},          // 171
    {"IMAGE/VALL3019.BMP", 30, 30, false},        // 172
    {"IMAGE/VALL3020.BMP", 30, 30, false},        // 173
    {"IMAGE/MESO1.BMP", 32, 32, false},           // 174
    {"IMAGE/ZFIRE1.BMP", 400, 70, true},          // 175
    {"IMAGE/ZFIRE2.BMP", 400, 70, true},          // 176
    {"IMAGE/BACK/BBACK1S.BMP", 440, 480, true},   // 177
    {"IMAGE/BACK/BBACK2S.BMP", 440, 480, true},   // 178
    {"IMAGE/BACK/BBACK3S.BMP", 440, 480, true},   // 179
    {"IMAGE/BACK/BBACK6S.BMP", 32, 32, false},    // 180
    {"IMAGE/BACK/BBACK8S.BMP", 440, 480, true},   // 181
    {"IMAGE/TITLEC.BMP", 440, 480, true},         // 182
    {"IMAGE/LSCG1.BMP", 360, 480, true},          // 183
    {"IMAGE/LSCG2.BMP", 360, 480, true},          // 184
    {"IMAGE/LSCG3.BMP", 32, 32, false},           // 185
    {"IMAGE/LSCG4.BMP", 32, 32, false},           // 186
    {"IMAGE/LEVEL0.BMP", 32, 32, false},          // 187
    {"IMAGE/LEVEL1.BMP", 32, 32, false},          // 188
    {"IMAGE/CONTINU1.BMP", 200, 100, true},       // 189
}};

// Sounds load between picture 176 and picture 177.
inline constexpr int kSoundsLoadAfter = 176;
inline constexpr std::array<const char*, 2> kSoundFiles = {"SOUND/SHOT.WAV", "SOUND/BOM.WAV"};

inline constexpr const char* kStageMusic = "MIDI/Qvnd1.MID";
inline constexpr const char* kEndingMusic = "MIDI/Qvnd6.MID";

}  // namespace assetgen
