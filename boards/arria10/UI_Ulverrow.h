// The form of the Ulverrow board: project name, the on-board groups with the
// two DDR4 SODIMM sockets, and the frequencies of the two Si5340 clock
// generators (four QSFP+ outputs; DDR4, QDR-II+ and on-board PCIe outputs).
#pragma once

#include "boards/frame/BoardFormSi5340.h"
#include "boards/arria10/ConfigUlverrow.h"

class TFormUlverrow : public TSi5340SocketForm<TConfigUlverrow> {
public:
    explicit TFormUlverrow(TForm* owner);

protected:
    void DefineBoard(TMainBoard* board, TConfigUlverrow& object) override;
    void AttachCards(TMainBoard* board, const TConfigUlverrow::ULVERROW_CONFIG& config) override;
};
