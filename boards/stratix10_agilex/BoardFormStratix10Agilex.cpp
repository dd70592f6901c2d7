#include "boards/stratix10_agilex/BoardFormStratix10Agilex.h"

void AddSystemConfiguration(std::vector<TControlSpec>& c, int left, int top, int width, int height,
                            const std::vector<TSettingsBox>& boxes, int rows)
{
    const char* group = "GroupBoxConfig";
    AddSettingsGroup(c, left, top, width, height, {});
    c.push_back(FrameLabel("LabelFileType", group, 12, 56, 96, "Top File Type:"));
    c.push_back(FrameComboBox("ComboBoxFileType", group, 110, 52, 120, nullptr));
    c.push_back(FrameLabel("LabelFpga", group, 12, 86, 96, "FPGA P/N:"));
    c.push_back(FrameComboBox("ComboBoxFPGA", group, 110, 82, 280, "ComboBoxFPGAChange"));
    const int columnWidth = (width - 24) / ((static_cast<int>(boxes.size()) + rows - 1) / rows);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        c.push_back(FrameCheckBox(boxes[i].Name, group, 12 + column * columnWidth, 118 + 24 * row, columnWidth - 8,
                                  boxes[i].Caption));
    }
}

void FillFileTypeCombo(TComboBox* combo)
{
    combo->Clear();
    combo->AddItem("Verilog");
    combo->AddItem("VHDL");
    combo->SetItemIndex(0);
}

void FillPartCombo(TComboBox* combo, const std::vector<std::string>& parts)
{
    combo->Clear();
    for (const std::string& part : parts) combo->AddItem(part);
    combo->SetDropDownCount(static_cast<int>(parts.size()));
    combo->SetItemIndex(0);
}

int PartRow(const TComboBox* combo, const std::string& part)
{
    for (int row = 0; row < combo->ItemCount(); ++row)
        if (combo->ItemText(row) == part) return row;
    return 0;
}
