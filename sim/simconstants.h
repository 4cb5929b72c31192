#pragma once

#include <QtGlobal>

// Every delay, limit, command text and answer text of the simulated QUARVEN 2 in one place.
namespace qvx2sim
{

// ---- Serial wire: 115 200 baud, 8N1 = 10 bits a byte --------------------------------------------------
constexpr int kBaudRate = 115200;
constexpr int kBitsPerByte = 10;
constexpr double kWireBytesPerMs = double(kBaudRate) / kBitsPerByte / 1000.0; // 11.52 bytes/ms

// ---- Firmware timings (ms) ----------------------------------------------------------------------------
constexpr int kAnswerDelayMs = 2;       // handling of a one-line command before its answer starts
constexpr int kRecordStartDelayMs = 20; // reading a record out of the instrument's memory
constexpr int kEraseDelayMs = 60;       // erasing the ten record slots
constexpr int kEepromSaveDelayMs = 30;  // writing the parameter block to EEPROM
constexpr int kBootStartDelayMs = 80;   // restart from the application into the bootloader
constexpr int kBootAnswerDelayMs = 1;   // bootloader handling of a page select or a buffer fill
constexpr int kPageWriteMs = 5;         // erase and program of one flash page
constexpr int kBootQuitDelayMs = 20;    // leaving the bootloader for the application
constexpr int kDefaultSplitGapMs = 5;   // pause before each piece of a split answer
constexpr int kLinkDeathDrainMs = 2000; // a dying link first lets the application read what was sent...
constexpr int kLinkDeathSettleMs = 20;  // ...counted as read once the kernel has had time to pass it on

// ---- Sizes --------------------------------------------------------------------------------------------
constexpr int kMaxLineBytes = 4096; // receive buffer of the firmware: a longer line is dropped whole
constexpr int kRecordCount = 10;    // records kept in the ring
constexpr int kTestCount = 19;      // verdicts per record
constexpr int kCurveCount = 6;      // HT.A, HT.B, HT.C, bt.a, bt.b, bt.c
constexpr int kPhaseCount = 3;      // ratios per record
constexpr int kCurvePoints = 300;   // points per curve
constexpr int kPointsPerLine = 10;  // points per "V." line
constexpr int kParamCount = 26;     // parameters 1..26
constexpr int kFlashPageBytes = 512;
constexpr int kFlashPageCount = 512;                            // 256 KiB of flash
constexpr int kFillHexDigits = 2 * kFlashPageBytes + 2;         // data + checksum
constexpr int kCurveChannels[kCurveCount] = {0, 1, 2, 4, 5, 6}; // instrument channel of each curve

// ---- Defaults -----------------------------------------------------------------------------------------
constexpr int kDefaultRecordNumber = 23;
constexpr quint32 kDefaultSeed = 20417;
constexpr int kDefaultSeuilNumber = 15;
constexpr int kLowVoltage = 410; // V, secondary of every simulated transformer

// ---- Commands from the application (line text, without its CR) ---------------------------------------
constexpr char kCmdProbe[] = "TEST 05";
constexpr char kCmdPing[] = "INFO 04";
constexpr char kCmdRecordNumber[] = "INFO 00 ";
constexpr char kCmdDownloadPattern[] = "^TEST1 06 (\\d+) $"; // record age 1..10
constexpr char kCmdErase[] = "RESET 03";
constexpr char kCmdParamList[] = "PARAM 00";
constexpr char kCmdParamWritePattern[] = "^PARAM (\\d+) (-?\\d+) (\\S*)$"; // number, value, name
constexpr char kCmdEepromSave[] = "EEPROM 01";
constexpr char kCmdInfo[] = "INFO 01";
constexpr char kCmdBootReset[] = "RESET 00";
constexpr char kCmdBootPage[] = "ORVABOOTP";  // + blank + 4 hex digits
constexpr char kCmdBootFill[] = "ORVABOOTF";  // + blank + 1024 hex digits + 2 checksum digits
constexpr char kCmdBootWrite[] = "ORVABOOTW"; // alone
constexpr char kCmdBootQuit[] = "ZAZUVEVAZ 00";

// ---- Answers in normal mode (%n filled with QString::arg) ---------------------------------------------
constexpr char kAnsProbe[] = "Conf: Stack_Used 812 \r";
constexpr char kAnsPing[] = "Alim 9.12V \r";
constexpr char kAnsRecordNumber[] = "Enreg_en_cours %1 \r";
constexpr char kAnsErase[] = "Clear_enreg ok \r";
constexpr char kAnsParam[] = "PARAM %1 %2 %3 \r"; // number, value, name
constexpr char kAnsEeprom[] = "Inf: recu:EEPROM ok \r";

constexpr char kInfoIdent[] = "IDENT QUARVEN2 D504 SN20417 \r";
constexpr char kInfoTitle[] = "Titre: QUARVEN2 testeur de transformateurs \r";
constexpr char kInfoUse[] = "TempsUse: 1287 h \r";
constexpr char kInfoRange[] = "GAMME %1 \r"; // start-up range of parameter 14

constexpr char kRecStart[] = "Recup_courbe debut %1 \r";        // record number
constexpr char kRecTitle[] = "Titre: Enregistrement %1 \r";     // record number
constexpr char kRecTransformer[] = "Transformateur %1V %2V \r"; // primary, secondary voltage
constexpr char kRecChannels[] = "Voie HT.A HT.B HT.C bt.a bt.b bt.c \r";
constexpr char kRecResult[] = "RESULT %1 Test %2 %3 \r";                 // 01..19, verdict, measure
constexpr char kRecResultCleared[] = "RESULT %1 Test_clear DEFAUT 0 \r"; // 01..19
constexpr char kRecPassed[] = "CORRECT";
constexpr char kRecFailed[] = "DEFAUT";
constexpr char kRecContinuity[] = "Continuite neutre %1 mOhm \r";
constexpr char kRecCurvePrefix[] = "V. %1 0 %2 0";   // channel, first x; ten values and " \r" follow
constexpr char kRecRatio[] = "RAPPORT %1 L%2 %3 \r"; // 0..2, phase 1..3, ratio with 4 decimals
constexpr char kRecRange[] = "GAMME %1 \r";
constexpr char kRecEnd[] = "Recup_courbe fin 19 6 %1 \r"; // field 4 = record number

constexpr const char *kRangeNames[] = {"3-6kV", "6-10kV", "10-20kV", "20-33kV"}; // by range code 0..3
constexpr int kRangeCodeCount = 4;

constexpr char kGarbageLine[] = "bruit %1 ligne parasite \r"; // matches no keyword of either side

// ---- Bootloader answers -------------------------------------------------------------------------------
constexpr char kBootTitle[] = "TITRE QUARVEN2 bootloader V1.2\r";
constexpr char kBootOk[] = "BOOT ok\r";
constexpr char kBootPage[] = "PAGE %1\r"; // the 4 hex digits received
constexpr char kBootFillOk[] = "FILL ok\r";
constexpr char kBootWriteOk[] = "WRITE ok\r";
constexpr char kBootStart[] = "-------------START--------------\r";
constexpr char kBootWrongPrefix[] = "NAK "; // put before an acknowledgement to spoil it
constexpr char kBootErrChecksum[] = "ERREUR checksum\r";
constexpr char kBootErrLength[] = "ERREUR longueur\r";
constexpr char kBootErrHex[] = "ERREUR hex\r";
constexpr char kBootErrPage[] = "ERREUR page\r";
constexpr char kBootErrOrder[] = "ERREUR ordre\r"; // write without a selected page or a filled buffer
constexpr char kBootErrCommand[] = "ERREUR commande\r";

// ---- Parameter table ----------------------------------------------------------------------------------
struct ParameterDefault {
    int number;
    const char *name;
    qint32 value;
};

// The battery threshold is not in this table: it replaces the entry of its own number (kDefaultSeuilNumber).
constexpr char kSeuilName[] = "P_AL_FALIM_SEUIL";
constexpr qint32 kSeuilDefault = 7700; // mV

constexpr ParameterDefault kParameterDefaults[kParamCount] = {
    {1, "P_NUM_SERIE", 20417},      // serial number
    {2, "P_VERSION_CARTE", 3},      // board revision
    {3, "P_CONTRASTE_LCD", 18},     // display contrast step
    {4, "P_RETRO_ECLAIRAGE", 60},   // backlight time, s
    {5, "P_LANGUE", 0},             // display language code
    {6, "P_BIP_TOUCHE", 1},         // key beep on/off
    {7, "P_GAIN_HT", 1000},         // primary channel gain, 1/1000
    {8, "P_GAIN_BT", 1000},         // secondary channel gain, 1/1000
    {9, "P_OFFSET_HT", 0},          // primary channel offset, counts
    {10, "P_OFFSET_BT", 0},         // secondary channel offset, counts
    {11, "P_SEUIL_CONTINUITE", 50}, // continuity limit, mOhm
    {12, "P_SEUIL_ISOLEMENT", 200}, // insulation limit, MOhm
    {13, "P_AL_FALIM_TEMPS", 240},  // automatic cut-off time, s
    {14, "P_DEMAR_GAMME", 3},       // start-up range code 0..3
    {15, "P_AL_FALIM_REPET", 30},   // low-battery alarm repeat, s
    {16, "P_NB_POINTS_COURBE", kCurvePoints},
    {17, "P_FREQ_ECHANT", 2000},    // sampling rate, Hz
    {18, "P_TEMPO_MESURE", 500},    // settling time before a measure, ms
    {19, "P_TOLERANCE_RAPPORT", 5}, // ratio tolerance, 1/1000
    {20, "P_SEUIL_COHERENCE", 15},  // curve coherence limit, %
    {21, "P_TEMP_MAX", 60},         // highest internal temperature, degrees C
    {22, "P_ETALON_TENSION", 4096}, // voltage calibration
    {23, "P_ETALON_COURANT", 4096}, // current calibration
    {24, "P_COMPTEUR_TESTS", 1234}, // tests run so far
    {25, "P_TEMPS_USE", 1287},      // hours of use
    {26, "P_MODE_DEBUG", 0},        // debug output on/off
};

} // namespace qvx2sim
