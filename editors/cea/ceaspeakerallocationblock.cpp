#include "ceaspeakerallocationblock.h"
#include "ui_ceaspeakerallocationblock.h"

namespace {

const int payloadSize = 3;

// Speaker bits of payload byte 1 (0-7) and byte 2 (8-10).
enum SpeakerBit {
    FrontLeftRight = 0,
    LowFrequencyEffect = 1,
    FrontCenter = 2,
    RearLeftRight = 3,
    RearCenter = 4,
    FrontLeftRightCenter = 5,
    RearLeftRightCenter = 6,
    FrontLeftRightWide = 7,
    FrontLeftRightHigh = 8,
    TopCenter = 9,
    FrontCenterHigh = 10,
};

using Form = Ui::CEASpeakerAllocationBlock;

struct SpeakerButton {
    QToolButton *Form::*button;
    SpeakerBit bit;
};

const SpeakerButton speakerButtons[] = {
    {&Form::flh, FrontLeftRightHigh},   {&Form::frh, FrontLeftRightHigh},
    {&Form::fch, FrontCenterHigh},      {&Form::flw, FrontLeftRightWide},
    {&Form::frw, FrontLeftRightWide},   {&Form::fl, FrontLeftRight},
    {&Form::fr, FrontLeftRight},        {&Form::flc, FrontLeftRightCenter},
    {&Form::frc, FrontLeftRightCenter}, {&Form::fc, FrontCenter},
    {&Form::lfe, LowFrequencyEffect},   {&Form::tc, TopCenter},
    {&Form::rl, RearLeftRight},         {&Form::rr, RearLeftRight},
    {&Form::rlc, RearLeftRightCenter},  {&Form::rrc, RearLeftRightCenter},
    {&Form::rc, RearCenter},
};

} // namespace

CEASpeakerAllocationBlock::CEASpeakerAllocationBlock(CEABlock *parent)
    : CEABlock(parent), ui(new Ui::CEASpeakerAllocationBlock),
      speakerAllocation(payloadSize, '\0')
{
    ui->setupUi(this);
    type = CEA_SPEAKER_ALLOCATION;
    helpVisible = false;
    helpMessage = tr("This block defines the audio channels supported by the sink.\n\n"
                     "This block must be present if the sink supports uncompressed digital audio "
                     "(specified in an \"Audio\" block).\n\n"
                     "In general it is recommended to add a speaker allocation block to the sink edid "
                     "if it supports any type of digital audio (including Basic Audio).");
}

CEASpeakerAllocationBlock::~CEASpeakerAllocationBlock()
{
    delete ui;
}

// The payload is kept whole, whatever its length, so that it is written back
// as it was; no change reported.
void CEASpeakerAllocationBlock::initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                                           unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    speakerAllocation = payloadBytes(info, 31);
    updateUI();
}

void CEASpeakerAllocationBlock::resetFields(unsigned char *reference, unsigned char *working)
{
    this->reference = reference;
    this->working = working;
    speakerAllocation = QByteArray(payloadSize, '\0');
    updateEDID();
    updateUI();
}

QByteArray CEASpeakerAllocationBlock::getEDIDData()
{
    return speakerAllocation;
}

bool CEASpeakerAllocationBlock::speaker(int bit) const
{
    const int byte = bit / 8;
    return byte < speakerAllocation.size() && (speakerAllocation.at(byte) >> (bit % 8)) & 1;
}

void CEASpeakerAllocationBlock::setSpeaker(int bit, bool checked)
{
    if (speakerAllocation.size() < payloadSize)
        speakerAllocation = speakerAllocation.leftJustified(payloadSize, '\0');
    const int byte = bit / 8;
    const char mask = static_cast<char>(1 << (bit % 8));
    speakerAllocation[byte] = checked ? char(speakerAllocation.at(byte) | mask)
                                      : char(speakerAllocation.at(byte) & ~mask);
    updateUI();
    updateEDID();
}

void CEASpeakerAllocationBlock::updateUI()
{
    for (const SpeakerButton &entry : speakerButtons)
        (ui->*entry.button)->setChecked(speaker(entry.bit));
}

void CEASpeakerAllocationBlock::on_flh_clicked(bool checked) { setSpeaker(FrontLeftRightHigh, checked); }
void CEASpeakerAllocationBlock::on_frh_clicked(bool checked) { setSpeaker(FrontLeftRightHigh, checked); }
void CEASpeakerAllocationBlock::on_fch_clicked(bool checked) { setSpeaker(FrontCenterHigh, checked); }
void CEASpeakerAllocationBlock::on_flw_clicked(bool checked) { setSpeaker(FrontLeftRightWide, checked); }
void CEASpeakerAllocationBlock::on_frw_clicked(bool checked) { setSpeaker(FrontLeftRightWide, checked); }
void CEASpeakerAllocationBlock::on_fl_clicked(bool checked) { setSpeaker(FrontLeftRight, checked); }
void CEASpeakerAllocationBlock::on_fr_clicked(bool checked) { setSpeaker(FrontLeftRight, checked); }
void CEASpeakerAllocationBlock::on_flc_clicked(bool checked) { setSpeaker(FrontLeftRightCenter, checked); }
void CEASpeakerAllocationBlock::on_frc_clicked(bool checked) { setSpeaker(FrontLeftRightCenter, checked); }
void CEASpeakerAllocationBlock::on_fc_clicked(bool checked) { setSpeaker(FrontCenter, checked); }
void CEASpeakerAllocationBlock::on_lfe_clicked(bool checked) { setSpeaker(LowFrequencyEffect, checked); }
void CEASpeakerAllocationBlock::on_tc_clicked(bool checked) { setSpeaker(TopCenter, checked); }
void CEASpeakerAllocationBlock::on_rl_clicked(bool checked) { setSpeaker(RearLeftRight, checked); }
void CEASpeakerAllocationBlock::on_rr_clicked(bool checked) { setSpeaker(RearLeftRight, checked); }
void CEASpeakerAllocationBlock::on_rlc_clicked(bool checked) { setSpeaker(RearLeftRightCenter, checked); }
void CEASpeakerAllocationBlock::on_rrc_clicked(bool checked) { setSpeaker(RearLeftRightCenter, checked); }
void CEASpeakerAllocationBlock::on_rc_clicked(bool checked) { setSpeaker(RearCenter, checked); }

void CEASpeakerAllocationBlock::on_helpButton_clicked(bool checked)
{
    helpVisible = checked;
    emit displayHelp(checked);
}
