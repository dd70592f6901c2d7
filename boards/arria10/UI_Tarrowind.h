// The form of the Tarrowind board: project name, FPGA device, the on-board
// groups with the two DDR3 SODIMM sockets, and the frequencies of the two
// Si5340 clock generators (four QSFP+ outputs; DDR3, QDRII+ and on-board
// PCIe outputs).
#pragma once

#include "boards/frame/BoardFormSi5340.h"
#include "boards/arria10/ConfigTarrowind.h"

class TFormTarrowind : public TSi5340SocketForm<TConfigTarrowind> {
public:
    explicit TFormTarrowind(TForm* owner);

    TComboBox* ComboBoxBoard = nullptr;
    TChoiceCombo m_Device;

    void ConfigToForm(const TConfigTarrowind::TARROWIND_CONFIG& config) override;
    bool FormToConfig(TConfigTarrowind::TARROWIND_CONFIG& config) override;

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, TConfigTarrowind& object) override;
    void AttachCards(TMainBoard* board, const TConfigTarrowind::TARROWIND_CONFIG& config) override;
};
