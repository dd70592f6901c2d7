// What the forms of the Stratix 10 and Agilex boards (Zennorby, Ashcombre,
// Quillomar) lay out and do alike: the "System Configuration" group with the
// project name, the top-level file type and the FPGA part, above the group
// check boxes; and the FPGA-part combo, whose item text is what the record
// stores.
//
// Shared by the boards of this folder; a board's own form file holds the
// rest.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "boards/frame/BoardFormFrame.h"

// A check box of the group: control name and caption.
struct TSettingsBox {
    const char* Name;
    const char* Caption;
};

// "System Configuration" (GroupBoxConfig): "Project Name:" EditProjectName,
// "Top File Type:" ComboBoxFileType, "FPGA P/N:" ComboBoxFPGA (OnChange
// "ComboBoxFPGAChange"), then the check boxes column by column, rows of the
// given count.
void AddSystemConfiguration(std::vector<TControlSpec>& controls, int left, int top, int width, int height,
                            const std::vector<TSettingsBox>& boxes, int rows);

// "Verilog" and "VHDL", item 0.
void FillFileTypeCombo(TComboBox* combo);
// The part texts, item 0.
void FillPartCombo(TComboBox* combo, const std::vector<std::string>& parts);
// The first item whose text equals the part exactly; 0 when none does.
int PartRow(const TComboBox* combo, const std::string& part);
