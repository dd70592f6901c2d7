#include "boards/arria10/ConfigTarrowind.h"

#include "boards/frame/ConfigSi5340.h"
#include "model/SettingsFile.h"

namespace {

// The DDR3 ranks of the Si5340B codes: 266.667 MHz 0, 233.333 MHz 1, 200 MHz 2.
const char* const kDdr3Parts[3] = {"DDR266_", "DDR233_", "DDR200_"};

std::string TarrowindResourceName(const std::string& fileName)
{
    // The common files carry the board's prefix, the files of each generator none.
    const std::string resource = VerilogResourceName(fileName);
    return fileName.rfind("si5340", 0) == 0 ? resource : "tarrowind_" + resource;
}

}  // namespace

double TarrowindSi5340AFreqMHz(int32_t choice) { return Si5340AChoiceMHz(choice); }

double TarrowindDdr3RefClkMHz(int32_t choice)
{
    static const double kMHz[TConfigTarrowind::kDdr3ChoiceCount] = {0, 200, 233.333, 266.667};
    return kMHz[ChoiceInList(choice, TConfigTarrowind::kDdr3ChoiceCount)];
}

double TarrowindQdrRefClkMHz(int32_t choice) { return SocketBoardQdrRefClkMHz(choice); }

double TarrowindPcieRefClkMHz(int32_t choice)
{
    static const double kMHz[TConfigTarrowind::kPcieChoiceCount] = {0, 100};
    return kMHz[ChoiceInList(choice, TConfigTarrowind::kPcieChoiceCount)];
}

TConfigTarrowind::TConfigTarrowind() = default;
TConfigTarrowind::~TConfigTarrowind() = default;

bool TConfigTarrowind::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigTarrowind::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigTarrowind::IsSi5340AUsed() const
{
    for (int32_t choice : m_Config.nSi5340AFreq)
        if (ChoiceInList(choice, kSi5340AChoiceCount) != 0) return true;
    return false;
}

bool TConfigTarrowind::IsSi5340BUsed() const
{
    return ChoiceInList(m_Config.nSi5340BFreq[0], kDdr3ChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreq[1], kQdrChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreq[2], kPcieChoiceCount) != 0;
}

std::string TConfigTarrowind::GetQsfText() { return GetTerminationText() + GetIncludeText(); }

std::string TConfigTarrowind::GetTerminationText() const
{
    const TARROWIND_CONFIG& c = m_Config;
    const uint8_t sockets[2] = {c.bDDR3A, c.bDDR3B};
    const uint8_t qdr[4] = {c.bQDRIIA, c.bQDRIIB, c.bQDRIIC, c.bQDRIID};
    const uint8_t qsfp[4] = {c.bQSFPA, c.bQSFPB, c.bQSFPC, c.bQSFPD};
    return Si5340SocketTermination({.Memory = "DDR3",
                                    .Sockets = sockets,
                                    .QdrII = qdr,
                                    .Qsfp = qsfp,
                                    .Pcie = c.bPCIE,
                                    .PcieOnBoardClock = c.bPcieRefClock});
}

std::string TConfigTarrowind::GetIncludeText() const
{
    return Si5340IncludeBlock({.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()});
}

std::string TConfigTarrowind::GetVerilogText()
{
    std::string text;
    if (IsSi5340AUsed()) text += GetSi5340AVerilog();
    if (IsSi5340BUsed()) text += GetSi5340BVerilog();
    return text;
}

std::string TConfigTarrowind::GetSi5340AVerilog() const { return Si5340ASocketBoardBlock(m_Config.nSi5340AFreq, 'h'); }

std::string TConfigTarrowind::GetSi5340BDefineName(int32_t ddr3, int32_t qdr)
{
    static const int kDdr3Rank[kDdr3ChoiceCount] = {0, 2, 1, 0};  // "Not Use" as 266
    return Si5340BDefineName(kDdr3Parts[kDdr3Rank[ChoiceInList(ddr3, kDdr3ChoiceCount)]], Si5340BQdrRank(qdr));
}

std::string TConfigTarrowind::GetSi5340BVerilog() const
{
    return Si5340BSocketBoardBlock(Si5340BDefineLines(kDdr3Parts, 3, "4'h%X"),
                                   GetSi5340BDefineName(m_Config.nSi5340BFreq[0], m_Config.nSi5340BFreq[1]));
}

std::string TConfigTarrowind::GetVhdlText(const std::string&) { return {}; }

bool TConfigTarrowind::ExportIpFiles(const std::string& projectFolder)
{
    return ExportSi5340Files(projectFolder, {.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()},
                             TarrowindResourceName);
}
