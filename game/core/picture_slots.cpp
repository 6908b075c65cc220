#include "game/core/picture_slots.h"

constinit int PicZBAK1B = 0;
constinit int PicZBAK2B = 0;
constinit int PicZBAK3B = 0;
constinit int PicZBAK4B = 0;
constinit int PicZBAK5B = 0;
constinit int PicZBAK6B = 0;
constinit int PicBBAK1B = 0;
constinit int PicMYRCL51 = 0;
constinit int PicMYRCL52 = 0;
constinit int PicMYRCL53 = 0;
constinit int PicMYRCL54 = 0;
constinit int PicMYRCL55 = 0;
constinit int PicMYRCL56 = 0;
constinit int PicMYRCL57 = 0;
constinit int PicMYRCL58 = 0;
constinit int PicMYRCL59 = 0;
constinit int PicMYRCL60 = 0;
constinit int PicMYRCL61 = 0;
constinit int PicMYRCL62 = 0;
constinit int PicMYRCL63 = 0;
constinit int PicMYRCL64 = 0;
constinit int PicMYRCL65 = 0;
constinit int PicMYRCL66 = 0;
constinit int PicGFBAK1 = 0;
constinit int PicOPMY1 = 0;
constinit int PicFBOM1 = 0;
constinit int PicMYME1 = 0;
constinit int PicMYMY = 0;
constinit int PicMYEND = 0;
constinit int PicMYENDF = 0;
constinit int PicMYGOODN = 0;
constinit int PicSUJI09 = 0;
constinit int PicRANKING1 = 0;
constinit int PicHAHEN = 0;
constinit int PicHAHEN2 = 0;
constinit int PicSFLHV1 = 0;
constinit int PicSFLHV2 = 0;
constinit int PicSFLH1 = 0;
constinit int PicMYME1B = 0;
constinit int PicSFLH2 = 0;
constinit int PicSFLH3 = 0;
constinit int PicSFLH4 = 0;
constinit int PicSFLH5 = 0;
constinit int PicSFLH6 = 0;
constinit int PicSFLH7 = 0;
constinit int PicSFLH8 = 0;
constinit int PicSFLH11 = 0;
constinit int PicSFLH22 = 0;
constinit int PicSFLH33 = 0;
constinit int PicFLHST12 = 0;
constinit int PicFLHST11 = 0;
constinit int PicFLHST2 = 0;
constinit int PicFLHST22 = 0;
constinit int PicFLHST3 = 0;
constinit int PicFLHST33 = 0;
constinit int PicFLW1_3 = 0;
constinit int PicFLW2_1 = 0;
constinit int PicFLW3_2 = 0;
constinit int PicFLW11 = 0;
constinit int PicFLW22 = 0;
constinit int PicFLW33 = 0;
constinit int PicRAY1 = 0;
constinit int PicRAY2 = 0;
constinit int PicRAY11 = 0;
constinit int PicRAY22 = 0;
constinit int PicRAY3 = 0;
constinit int PicRAY4 = 0;
constinit int PicRAY5 = 0;
constinit int PicRAY6 = 0;
constinit int PicRAY7 = 0;
constinit int PicRAY8 = 0;
constinit int PicRAY10 = 0;
constinit int PicSPOWER1 = 0;
constinit int PicFBAK1 = 0;
constinit int PicSZAK1 = 0;
constinit int PicSZAK6 = 0;
constinit int PicSZAK6_1 = 0;
constinit int PicSZAK6_2 = 0;
constinit int PicSZAK8 = 0;
constinit int PicSZAK9 = 0;
constinit int PicSZAK10 = 0;
constinit int PicSZAK12 = 0;
constinit int PicSZAK13 = 0;
constinit int PicSZAK21 = 0;
constinit int PicSZAK22 = 0;
constinit int PicSZAK23 = 0;
constinit int PicSZAK24 = 0;
constinit int PicSZAK30 = 0;
constinit int PicSZAK31 = 0;
constinit int PicSZAK32 = 0;
constinit int PicSZAK33 = 0;
constinit int PicSZAK40 = 0;
constinit int PicSZAK41 = 0;
constinit int PicSZAK50 = 0;
constinit int PicSZAK51 = 0;
constinit int PicSZAK52 = 0;
constinit int PicSZAK53 = 0;
constinit int PicSZAK54 = 0;
constinit int PicVAL11 = 0;
constinit int PicVAL12 = 0;
constinit int PicVAL13 = 0;
constinit int PicVAL1 = 0;
constinit int PicVAL2 = 0;
constinit int PicVAL3 = 0;
constinit int PicRPANEL3R = 0;
constinit int PicRPANEL2R = 0;
constinit int PicFLZ01_l = 0;
constinit int PicROCK1 = 0;
constinit int PicBOSS11 = 0;
constinit int PicBOSS11_1 = 0;
constinit int PicBOSS11_2 = 0;
constinit int PicBOSS11_3 = 0;
constinit int PicBOSS31 = 0;
constinit int PicBOSS41 = 0;
constinit int PicBOSS41_1 = 0;
constinit int PicBOSS41_2 = 0;
constinit int PicBOSS41_3 = 0;
constinit int PicBOSS51 = 0;
constinit int PicBOSS71 = 0;
constinit int PicBOSS71_1 = 0;
constinit int PicBOSS71_2 = 0;
constinit int PicBOSS71_3 = 0;
constinit int PicBOS111 = 0;
constinit int PicBOS511 = 0;
constinit int PicVAL16241 = 0;
constinit int PicVAL20241 = 0;
constinit int PicVALL20 = 0;
constinit int PicVAL201 = 0;
constinit int PicVAL401 = 0;
constinit int PicVAL402 = 0;
constinit int PicVAL402Second = 0;
constinit int PicVAL404 = 0;
constinit int PicVAL405 = 0;
constinit int PicVAL40L = 0;
constinit int PicVAL40L1 = 0;
constinit int PicVAL40L2 = 0;
constinit int PicZAL20 = 0;
constinit int PicVAL15L = 0;
constinit int PicVAL151L = 0;
constinit int PicVAL30L = 0;
constinit int PicVAL20 = 0;
constinit int PicVALARM11 = 0;
constinit int PicVALARM12 = 0;
constinit int PicVALARM31 = 0;
constinit int PicVALARM32 = 0;
constinit int PicVALARM33 = 0;
constinit int PicVALARM34 = 0;
constinit int PicVALARM51 = 0;
constinit int PicVALARM70 = 0;
constinit int PicVALARM7 = 0;
constinit int PicVALARM71 = 0;
constinit int PicVALARM72 = 0;
constinit int PicVALARM73 = 0;
constinit int PicVALARM74 = 0;
constinit int PicVALARM75 = 0;
constinit int PicVAL20w = 0;
constinit int PicVAL21w = 0;
constinit int PicVAL30w = 0;
constinit int PicVALL301 = 0;
constinit int PicVALL3011 = 0;
constinit int PicVALL3013 = 0;
constinit int PicVALL3014 = 0;
constinit int PicVALL3015 = 0;
constinit int PicVALL3016 = 0;
constinit int PicVAL3015A = 0;
constinit int PicVAL3016A = 0;
constinit int PicVALL3017 = 0;
constinit int PicVALL3018 = 0;
constinit int PicVAL3017A = 0;
constinit int PicVAL3018A = 0;
constinit int PicVALL302 = 0;
constinit int PicVALL3019 = 0;
constinit int PicVALL3020 = 0;
constinit int PicMESO1 = 0;
constinit int PicZFIRE1 = 0;
constinit int PicZFIRE2 = 0;
constinit int PicBBACK1S = 0;
constinit int PicBBACK2S = 0;
constinit int PicBBACK3S = 0;
constinit int PicBBACK6S = 0;
constinit int PicBBACK8S = 0;
constinit int PicTITLEC = 0;
constinit int PicLSCG1 = 0;
constinit int PicLSCG2 = 0;
constinit int PicLSCG3 = 0;
constinit int PicLSCG4 = 0;
constinit int PicLEVEL0 = 0;
constinit int PicLEVEL1 = 0;
constinit int PicCONTINU1 = 0;

constinit int SoundShot = -1;
constinit int SoundBom = -1;

const PictureLoad kPictureLoads[kPictureCount] = {
    {"IMAGE/ZBAK1B.BMP", &PicZBAK1B},
    {"IMAGE/ZBAK2B.BMP", &PicZBAK2B},
    {"IMAGE/ZBAK3B.BMP", &PicZBAK3B},
    {"IMAGE/ZBAK4B.BMP", &PicZBAK4B},
    {"IMAGE/ZBAK5B.BMP", &PicZBAK5B},
    {"IMAGE/ZBAK6B.BMP", &PicZBAK6B},
    {"IMAGE/BBAK1B.BMP", &PicBBAK1B},
    {"IMAGE/MYRCL51.BMP", &PicMYRCL51},
    {"IMAGE/MYRCL52.BMP", &PicMYRCL52},
    {"IMAGE/MYRCL53.BMP", &PicMYRCL53},
    {"IMAGE/MYRCL54.BMP", &PicMYRCL54},
    {"IMAGE/MYRCL55.BMP", &PicMYRCL55},
    {"IMAGE/MYRCL56.BMP", &PicMYRCL56},
    {"IMAGE/MYRCL57.BMP", &PicMYRCL57},
    {"IMAGE/MYRCL58.BMP", &PicMYRCL58},
    {"IMAGE/MYRCL59.BMP", &PicMYRCL59},
    {"IMAGE/MYRCL60.BMP", &PicMYRCL60},
    {"IMAGE/MYRCL61.BMP", &PicMYRCL61},
    {"IMAGE/MYRCL62.BMP", &PicMYRCL62},
    {"IMAGE/MYRCL63.BMP", &PicMYRCL63},
    {"IMAGE/MYRCL64.BMP", &PicMYRCL64},
    {"IMAGE/MYRCL65.BMP", &PicMYRCL65},
    {"IMAGE/MYRCL66.BMP", &PicMYRCL66},
    {"IMAGE/GFBAK1.BMP", &PicGFBAK1},
    {"IMAGE/OPMY1.BMP", &PicOPMY1},
    {"IMAGE/FBOM1.BMP", &PicFBOM1},
    {"IMAGE/MYME1.BMP", &PicMYME1},
    {"IMAGE/MYMY.BMP", &PicMYMY},
    {"IMAGE/MYEND.BMP", &PicMYEND},
    {"IMAGE/MYENDF.BMP", &PicMYENDF},
    {"IMAGE/MYGOODN.BMP", &PicMYGOODN},
    {"IMAGE/SUJI09.BMP", &PicSUJI09},
    {"IMAGE/RANKING1.BMP", &PicRANKING1},
    {"IMAGE/HAHEN.BMP", &PicHAHEN},
    {"IMAGE/HAHEN2.BMP", &PicHAHEN2},
    {"IMAGE/SFLHV1.BMP", &PicSFLHV1},
    {"IMAGE/SFLHV2.BMP", &PicSFLHV2},
    {"IMAGE/SFLH1.BMP", &PicSFLH1},
    {"IMAGE/MYME1B.BMP", &PicMYME1B},
    {"IMAGE/SFLH2.BMP", &PicSFLH2},
    {"IMAGE/SFLH3.BMP", &PicSFLH3},
    {"IMAGE/SFLH4.BMP", &PicSFLH4},
    {"IMAGE/SFLH5.BMP", &PicSFLH5},
    {"IMAGE/SFLH6.BMP", &PicSFLH6},
    {"IMAGE/SFLH7.BMP", &PicSFLH7},
    {"IMAGE/SFLH8.BMP", &PicSFLH8},
    {"IMAGE/SFLH11.BMP", &PicSFLH11},
    {"IMAGE/SFLH22.BMP", &PicSFLH22},
    {"IMAGE/SFLH33.BMP", &PicSFLH33},
    {"IMAGE/FLHST12.BMP", &PicFLHST12},
    {"IMAGE/FLHST11.BMP", &PicFLHST11},
    {"IMAGE/FLHST2.BMP", &PicFLHST2},
    {"IMAGE/FLHST22.BMP", &PicFLHST22},
    {"IMAGE/FLHST3.BMP", &PicFLHST3},
    {"IMAGE/FLHST33.BMP", &PicFLHST33},
    {"IMAGE/FLW1_3.BMP", &PicFLW1_3},
    {"IMAGE/FLW2_1.BMP", &PicFLW2_1},
    {"IMAGE/FLW3_2.BMP", &PicFLW3_2},
    {"IMAGE/FLW11.BMP", &PicFLW11},
    {"IMAGE/FLW22.BMP", &PicFLW22},
    {"IMAGE/FLW33.BMP", &PicFLW33},
    {"IMAGE/RAY1.BMP", &PicRAY1},
    {"IMAGE/RAY2.BMP", &PicRAY2},
    {"IMAGE/RAY11.BMP", &PicRAY11},
    {"IMAGE/RAY22.BMP", &PicRAY22},
    {"IMAGE/RAY3.BMP", &PicRAY3},
    {"IMAGE/RAY4.BMP", &PicRAY4},
    {"IMAGE/RAY5.BMP", &PicRAY5},
    {"IMAGE/RAY6.BMP", &PicRAY6},
    {"IMAGE/RAY7.BMP", &PicRAY7},
    {"IMAGE/RAY8.BMP", &PicRAY8},
    {"IMAGE/RAY10.BMP", &PicRAY10},
    {"IMAGE/SPOWER1.BMP", &PicSPOWER1},
    {"IMAGE/FBAK1.BMP", &PicFBAK1},
    {"IMAGE/ZAKU/SZAK1.BMP", &PicSZAK1},
    {"IMAGE/ZAKU/SZAK6.BMP", &PicSZAK6},
    {"IMAGE/ZAKU/SZAK6_1.BMP", &PicSZAK6_1},
    {"IMAGE/ZAKU/SZAK6_2.BMP", &PicSZAK6_2},
    {"IMAGE/ZAKU/SZAK8.BMP", &PicSZAK8},
    {"IMAGE/ZAKU/SZAK9.BMP", &PicSZAK9},
    {"IMAGE/ZAKU/SZAK10.BMP", &PicSZAK10},
    {"IMAGE/ZAKU/SZAK12.BMP", &PicSZAK12},
    {"IMAGE/ZAKU/SZAK13.BMP", &PicSZAK13},
    {"IMAGE/ZAKU/SZAK21.BMP", &PicSZAK21},
    {"IMAGE/ZAKU/SZAK22.BMP", &PicSZAK22},
    {"IMAGE/ZAKU/SZAK23.BMP", &PicSZAK23},
    {"IMAGE/ZAKU/SZAK24.BMP", &PicSZAK24},
    {"IMAGE/ZAKU/SZAK30.BMP", &PicSZAK30},
    {"IMAGE/ZAKU/SZAK31.BMP", &PicSZAK31},
    {"IMAGE/ZAKU/SZAK32.BMP", &PicSZAK32},
    {"IMAGE/ZAKU/SZAK33.BMP", &PicSZAK33},
    {"IMAGE/ZAKU/SZAK40.BMP", &PicSZAK40},
    {"IMAGE/ZAKU/SZAK41.BMP", &PicSZAK41},
    {"IMAGE/ZAKU/SZAK50.BMP", &PicSZAK50},
    {"IMAGE/ZAKU/SZAK51.BMP", &PicSZAK51},
    {"IMAGE/ZAKU/SZAK52.BMP", &PicSZAK52},
    {"IMAGE/ZAKU/SZAK53.BMP", &PicSZAK53},
    {"IMAGE/ZAKU/SZAK54.BMP", &PicSZAK54},
    {"IMAGE/VAL11.BMP", &PicVAL11},
    {"IMAGE/VAL12.BMP", &PicVAL12},
    {"IMAGE/VAL13.BMP", &PicVAL13},
    {"IMAGE/VAL1.BMP", &PicVAL1},
    {"IMAGE/VAL2.BMP", &PicVAL2},
    {"IMAGE/VAL3.BMP", &PicVAL3},
    {"IMAGE/RPANEL3R.BMP", &PicRPANEL3R},
    {"IMAGE/RPANEL2R.BMP", &PicRPANEL2R},
    {"IMAGE/FLZ01_l.BMP", &PicFLZ01_l},
    {"IMAGE/ROCK1.BMP", &PicROCK1},
    {"IMAGE/BOSS/BOSS11.BMP", &PicBOSS11},
    {"IMAGE/BOSS/BOSS11_1.BMP", &PicBOSS11_1},
    {"IMAGE/BOSS/BOSS11_2.BMP", &PicBOSS11_2},
    {"IMAGE/BOSS/BOSS11_3.BMP", &PicBOSS11_3},
    {"IMAGE/BOSS/BOSS31.BMP", &PicBOSS31},
    {"IMAGE/BOSS/BOSS41.BMP", &PicBOSS41},
    {"IMAGE/BOSS/BOSS41_1.BMP", &PicBOSS41_1},
    {"IMAGE/BOSS/BOSS41_2.BMP", &PicBOSS41_2},
    {"IMAGE/BOSS/BOSS41_3.BMP", &PicBOSS41_3},
    {"IMAGE/BOSS/BOSS51.BMP", &PicBOSS51},
    {"IMAGE/BOSS/BOSS71.BMP", &PicBOSS71},
    {"IMAGE/BOSS/BOSS71_1.BMP", &PicBOSS71_1},
    {"IMAGE/BOSS/BOSS71_2.BMP", &PicBOSS71_2},
    {"IMAGE/BOSS/BOSS71_3.BMP", &PicBOSS71_3},
    {"IMAGE/BOSS/BOS111.BMP", &PicBOS111},
    {"IMAGE/BOSS/BOS511.BMP", &PicBOS511},
    {"IMAGE/VAL16241.BMP", &PicVAL16241},
    {"IMAGE/VAL20241.BMP", &PicVAL20241},
    {"IMAGE/VALL20.BMP", &PicVALL20},
    {"IMAGE/VAL201.BMP", &PicVAL201},
    {"IMAGE/VAL401.BMP", &PicVAL401},
    {"IMAGE/VAL402.BMP", &PicVAL402},
    {"IMAGE/VAL402.BMP", &PicVAL402Second},
    {"IMAGE/VAL404.BMP", &PicVAL404},
    {"IMAGE/VAL405.BMP", &PicVAL405},
    {"IMAGE/VAL40L.BMP", &PicVAL40L},
    {"IMAGE/VAL40L1.BMP", &PicVAL40L1},
    {"IMAGE/VAL40L2.BMP", &PicVAL40L2},
    {"IMAGE/ZAL20.BMP", &PicZAL20},
    {"IMAGE/VAL15L.BMP", &PicVAL15L},
    {"IMAGE/VAL151L.BMP", &PicVAL151L},
    {"IMAGE/VAL30L.BMP", &PicVAL30L},
    {"IMAGE/VAL20.BMP", &PicVAL20},
    {"IMAGE/VALARM11.BMP", &PicVALARM11},
    {"IMAGE/VALARM12.BMP", &PicVALARM12},
    {"IMAGE/VALARM31.BMP", &PicVALARM31},
    {"IMAGE/VALARM32.BMP", &PicVALARM32},
    {"IMAGE/VALARM33.BMP", &PicVALARM33},
    {"IMAGE/VALARM34.BMP", &PicVALARM34},
    {"IMAGE/VALARM51.BMP", &PicVALARM51},
    {"IMAGE/VALARM70.BMP", &PicVALARM70},
    {"IMAGE/VALARM7.BMP", &PicVALARM7},
    {"IMAGE/VALARM71.BMP", &PicVALARM71},
    {"IMAGE/VALARM72.BMP", &PicVALARM72},
    {"IMAGE/VALARM73.BMP", &PicVALARM73},
    {"IMAGE/VALARM74.BMP", &PicVALARM74},
    {"IMAGE/VALARM75.BMP", &PicVALARM75},
    {"IMAGE/VAL20w.BMP", &PicVAL20w},
    {"IMAGE/VAL21w.BMP", &PicVAL21w},
    {"IMAGE/VAL30w.BMP", &PicVAL30w},
    {"IMAGE/VALL301.BMP", &PicVALL301},
    {"IMAGE/VALL3011.BMP", &PicVALL3011},
    {"IMAGE/VALL3013.BMP", &PicVALL3013},
    {"IMAGE/VALL3014.BMP", &PicVALL3014},
    {"IMAGE/VALL3015.BMP", &PicVALL3015},
    {"IMAGE/VALL3016.BMP", &PicVALL3016},
    {"IMAGE/VAL3015A.BMP", &PicVAL3015A},
    {"IMAGE/VAL3016A.BMP", &PicVAL3016A},
    {"IMAGE/VALL3017.BMP", &PicVALL3017},
    {"IMAGE/VALL3018.BMP", &PicVALL3018},
    {"IMAGE/VAL3017A.BMP", &PicVAL3017A},
    {"IMAGE/VAL3018A.BMP", &PicVAL3018A},
    {"IMAGE/VALL302.BMP", &PicVALL302},
    {"IMAGE/VALL3019.BMP", &PicVALL3019},
    {"IMAGE/VALL3020.BMP", &PicVALL3020},
    {"IMAGE/MESO1.BMP", &PicMESO1},
    {"IMAGE/ZFIRE1.BMP", &PicZFIRE1},
    {"IMAGE/ZFIRE2.BMP", &PicZFIRE2},
    {"IMAGE/BACK/BBACK1S.BMP", &PicBBACK1S},
    {"IMAGE/BACK/BBACK2S.BMP", &PicBBACK2S},
    {"IMAGE/BACK/BBACK3S.BMP", &PicBBACK3S},
    {"IMAGE/BACK/BBACK6S.BMP", &PicBBACK6S},
    {"IMAGE/BACK/BBACK8S.BMP", &PicBBACK8S},
    {"IMAGE/TITLEC.BMP", &PicTITLEC},
    {"IMAGE/LSCG1.BMP", &PicLSCG1},
    {"IMAGE/LSCG2.BMP", &PicLSCG2},
    {"IMAGE/LSCG3.BMP", &PicLSCG3},
    {"IMAGE/LSCG4.BMP", &PicLSCG4},
    {"IMAGE/LEVEL0.BMP", &PicLEVEL0},
    {"IMAGE/LEVEL1.BMP", &PicLEVEL1},
    {"IMAGE/CONTINU1.BMP", &PicCONTINU1},
};
