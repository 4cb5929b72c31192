#pragma once

// Every fixed fact of the instrument conversation and of the program's files, in one place.

#include <QLatin1String>

namespace Qvx2
{

// Product identity shown in titles, file names and the about box.
constexpr char ProductName[] = "QUARVEN2";
constexpr char ProductVersion[] = "D504";

// The answers the link waits for: the frame parser's flags (CmdParser::received). A parameter's answer is the
// flag of its number, 1 to 26.
constexpr int FlagCount = 34;
enum class Answer : int {
    ParamFirst = 1,
    ParamLast = 26,
    Range = 28,        // GAMME / RANGE line
    RecordNumber = 29, // Enreg_en_cours line
    EepromSaved = 30,  // Inf: recu:EEPROM
    Probe = 31,        // Conf: Stack_Used
    RecordEnd = 32,    // Recup_courbe fin
    Erased = 33,       // Clear_enreg
};
constexpr int flag(Answer answer)
{
    return int(answer);
}
constexpr Answer parameterAnswer(int number)
{
    return Answer(number);
}
constexpr int FlagParamFirst = flag(Answer::ParamFirst);
constexpr int FlagParamLast = flag(Answer::ParamLast);

constexpr int ParamCount = 27; // index 0 unused, 1..26 reported by the instrument
constexpr int RatioCount = 9;
constexpr int RatioShown = 4; // the three phase ratios and their mean
constexpr int TestCount = 19;
constexpr int CurveCount = 6;
constexpr int RecordCount = 10; // records kept by the instrument

// Waits of the exchanges, in milliseconds: the instrument's documented waits of 200, 500 and 2 500 cycles.
constexpr int WaitProbeMs = 2000;  // a port's answer to the probe
constexpr int WaitAnswerMs = 5000; // one-line answers
constexpr int WaitLongMs = 25000;  // a record, the parameter list, the information block
// The window's historical primitives count their waits in cycles of this length.
constexpr int LinkCycleMs = 10;
constexpr int WaitProbeCycles = WaitProbeMs / LinkCycleMs;
constexpr int WaitAnswerCycles = WaitAnswerMs / LinkCycleMs;
constexpr int WaitLongCycles = WaitLongMs / LinkCycleMs;
constexpr int PingPeriodMs = 10000;
constexpr int PingAnswerMs = 2000; // any line received this soon after a ping answers it
// Pings in a row left unanswered before the instrument is said not to respond.
constexpr int PingMissLimit = 3;
constexpr int PortWatchMs = 2000;  // how often the port list is looked at while no instrument is connected
constexpr int PortRetryMs = 10000; // how often ports that did not answer are probed again meanwhile

// A stream with no CR for this many bytes is not instrument text: it is dropped.
constexpr int ReceiveBufferLimit = 64 * 1024;

// Serial settings of the instrument link.
constexpr int BaudRate = 115200;

// Commands to the instrument (each ends with its own CR).
constexpr char CmdProbe[] = "TEST 05\r";
constexpr char CmdPing[] = "INFO 04\r";
constexpr char CmdRecordNumber[] = "INFO 00 \r";
constexpr char CmdFetchRecord[] = "TEST1 06 %1 \r";
constexpr char CmdErase[] = "RESET 03\r";
constexpr char CmdParamList[] = "PARAM 00\r";
constexpr char CmdParamWrite[] = "PARAM %1 %2 %3\r";
constexpr char CmdEepromSave[] = "EEPROM 01\r";
constexpr char CmdInfo[] = "INFO 01\r";

// Tolerance on the voltage ratio, either way, in per cent (IEC 60076-1, IEEE C57.12.00); config.xml may
// set another in an optional element.
constexpr double RatioTolerancePercent = 0.5;
constexpr char ConfToleranceElement[] = "tolerance_rapport";

// Parameters known by number or by name.
constexpr int ParamCutoffTime = 13;
constexpr int ParamStartRange = 14;
constexpr char ParamBatteryThresholdName[] = "P_AL_FALIM_SEUIL";

// Files and folders beside the program.
constexpr char ConfigFileName[] = "config.xml";
constexpr char ConfigResource[] = ":/file/config/config.xml";
constexpr char DataDir[] = "Data/";
constexpr char FirmwareDir[] = "Maj/";
constexpr char DocDir[] = "Doc/";
constexpr char PatchVoltaneFile[] = "patch_voltane.txt";
constexpr char PatchDireveFile[] = "patch_direve.txt";
constexpr char InstalledShareDir[] = "share/quarvex2/"; // beside bin/ in an installed copy
constexpr char ArchiveIndexFile[] = "archive.sqlite";   // in the user's data location
constexpr char TeamFolder[] = "Team/";                  // fetched team documents, read-only, beside the index
constexpr int TeamSyncPeriodMs = 5 * 60 * 1000; // how often the team archive syncs while the server answers
constexpr char RecordFilePattern[] = "QVX2_%1.qv2"; // a downloaded record, by its number (4 digits)
constexpr int RecordFileDigits = 4;
constexpr char DocumentFilter[] = "Orva Quarvex2 (*.qv2)";
constexpr char FirmwareFilter[] = "Orva Quarvex2 MAJ (*.bin)";

// What the program remembers per user between sessions (QSettings), and under which names.
constexpr char OrganizationName[] = "ORVA";
constexpr char ProgramName[] = "quarvex2";          // the window's application name
constexpr char DemoProgramName[] = "quarvex2-demo"; // the demo's: a program of its own
constexpr char SettingsWindowGeometry[] = "window/geometry";
constexpr char SettingsDebugGeometry[] = "debugWindow/geometry";
constexpr char SettingsRecentDocuments[] = "recentDocuments";
constexpr int RecentDocumentCount = 5;

// Verdict and connection pictures.
constexpr char ImgNoVerdict[] = ":/img/image/fond_check.png";
constexpr char ImgPassed[] = ":/img/image/fond_check_ok.png";
constexpr char ImgFailed[] = ":/img/image/fond_check_nok.png";
constexpr char ImgLogo[] = ":/img/image/logo.png";
constexpr char ImgWindowIcon[] = ":/img/image/facet.ico";

} // namespace Qvx2
