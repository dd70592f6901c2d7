#include "boards/arria10/ConfigUlverrow.h"

#include "boards/frame/ConfigSi5340.h"
#include "model/SettingsFile.h"

namespace {

// The DDR4 ranks of the Si5340B codes: 300 MHz 0, 266.667 MHz 1,
// 233.333 MHz 2, 200 MHz 3, 150 MHz 4.
const char* const kDdr4Parts[5] = {"DDR300_", "DDR266_", "DDR233_", "DDR200_", "DDR150_"};

std::string UlverrowResourceName(const std::string& fileName)
{
    // The DDR4 set: the common files under "ddr4_tarrowind_", the files of
    // each generator under "ddr4_".
    const std::string resource = VerilogResourceName(fileName);
    return fileName.rfind("si5340", 0) == 0 ? "ddr4_" + resource : "ddr4_tarrowind_" + resource;
}

}  // namespace

TConfigUlverrow::TConfigUlverrow() = default;
TConfigUlverrow::~TConfigUlverrow() = default;

double TConfigUlverrow::Si5340AFreqMHz(int32_t choice) { return Si5340AChoiceMHz(choice); }

double TConfigUlverrow::Ddr4RefClkFreqMHz(int32_t choice)
{
    static const double kMHz[kDdr4ChoiceCount] = {0, 150, 200, 233.333, 266.667, 300};
    return kMHz[ChoiceInList(choice, kDdr4ChoiceCount)];
}

double TConfigUlverrow::QdrRefClkFreqMHz(int32_t choice) { return SocketBoardQdrRefClkMHz(choice); }

double TConfigUlverrow::PcieRefClkFreqMHz(int32_t choice)
{
    static const double kMHz[kPcieChoiceCount] = {0, 100};
    return kMHz[ChoiceInList(choice, kPcieChoiceCount)];
}

bool TConfigUlverrow::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigUlverrow::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigUlverrow::IsSi5340AUsed() const
{
    for (int32_t choice : m_Config.nSi5340AFreqSel)
        if (ChoiceInList(choice, kSi5340AChoiceCount) != 0) return true;
    return false;
}

bool TConfigUlverrow::IsSi5340BUsed() const
{
    return ChoiceInList(m_Config.nSi5340BFreqSel[0], kDdr4ChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreqSel[1], kQdrChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreqSel[2], kPcieChoiceCount) != 0;
}

std::string TConfigUlverrow::GetSi5340BDefineName(int32_t ddr4, int32_t qdr)
{
    static const int kDdr4Rank[kDdr4ChoiceCount] = {1, 4, 3, 2, 1, 0};  // "Not Use" as 266.667
    return Si5340BDefineName(kDdr4Parts[kDdr4Rank[ChoiceInList(ddr4, kDdr4ChoiceCount)]], Si5340BQdrRank(qdr));
}

std::string TConfigUlverrow::GetQsfText()
{
    const ULVERROW_CONFIG& c = m_Config;
    return Si5340SocketTermination({.Memory = "DDR4",
                                    .Sockets = c.bDdr4,
                                    .QdrII = c.bQdrII,
                                    .Qsfp = c.bQsfp,
                                    .Pcie = c.bPcie,
                                    .PcieOnBoardClock = c.bPcieOnBoardClock}) +
           Si5340IncludeBlock({.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()});
}

std::string TConfigUlverrow::GetVerilogText()
{
    std::string text;
    if (IsSi5340AUsed()) text += Si5340ASocketBoardBlock(m_Config.nSi5340AFreqSel, 'd');
    if (IsSi5340BUsed())
        text += Si5340BSocketBoardBlock(Si5340BDefineLines(kDdr4Parts, 5, "5'd%d"),
                                        GetSi5340BDefineName(m_Config.nSi5340BFreqSel[0], m_Config.nSi5340BFreqSel[1]));
    return text;
}

std::string TConfigUlverrow::GetVhdlText(const std::string&) { return {}; }

bool TConfigUlverrow::ExportIpFiles(const std::string& projectFolder)
{
    return ExportSi5340Files(projectFolder, {.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()},
                             UlverrowResourceName);
}
